#pragma once
// The model keeps the entries of each list; the panel's list box shows them at the same places.
// These keep the two in step.

#include "mission_editor/files/item_list.h"

#include "platform/ui/list_box.h"

#include <string>

namespace plotwright {

// Adds an entry to the list (at its sorted place, or at the end) and shows it there.
inline int addEntry(ItemList& entries, platform::ui::ListBox& box, std::string text)
{
    const int position = entries.add(text);
    box.addItem(text, position);
    return position;
}

inline void removeEntry(ItemList& entries, platform::ui::ListBox& box, int position)
{
    if (position < 0 || position >= entries.count()) {
        return;
    }
    entries.removeAt(position);
    box.removeItem(position);
}

inline void replaceEntry(ItemList& entries, platform::ui::ListBox& box, int position, std::string text)
{
    if (position < 0 || position >= entries.count()) {
        return;
    }
    box.setList(position, text);
    entries.replaceAt(position, std::move(text));
}

inline void clearEntries(ItemList& entries, platform::ui::ListBox& box)
{
    entries.clear();
    box.clear();
}

// Shows the model's entries again, in their order (after the model was replaced).
inline void showEntries(const ItemList& entries, platform::ui::ListBox& box)
{
    box.clear();
    for (int i = 0; i < entries.count(); ++i) {
        box.addItem(entries.at(i), i);
    }
}

} // namespace plotwright
