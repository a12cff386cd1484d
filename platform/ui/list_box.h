#pragma once
// A list box of Windows-1252 texts: sorted (ascending, letter case ignored) or kept in the order
// the entries were added, with one selected entry.

#include "platform/ui/control.h"

#include <string>
#include <vector>

class QListWidget;

namespace platform::ui {

class ListBox : public Control
{
public:
    enum class Order { AsAdded, Sorted };

    explicit ListBox(Parent parent, Order order = Order::AsAdded);

    bool sorted() const { return m_order == Order::Sorted; }

    // Adds an entry and returns its index: at its sorted place in a sorted list, else at the end.
    int addItem(const std::string& text);
    // Adds an entry at `index` (0 .. listCount()), whatever the order of the list.
    int addItem(const std::string& text, int index);
    void removeItem(int index); // an index outside the list is ignored
    void clear();

    int listCount() const { return static_cast<int>(m_items.size()); }
    // Text of entry `index`; empty outside the list.
    std::string list(int index) const;
    // Replaces the text of entry `index` where it stands; a sorted list is not sorted again.
    void setList(int index, const std::string& text);
    const std::vector<std::string>& items() const { return m_items; }

    // Selected entry, -1 for none.
    int listIndex() const;
    // Selects an entry; selecting an entry (0 .. listCount() - 1) runs onClick every time, even
    // when it was selected already. -1 (or any index outside the list) clears the selection
    // without a click.
    void setListIndex(int index);
    // Text of the selected entry; empty when none is selected.
    std::string text() const;

    // A click on an entry, a selection moved by the keyboard, or a selection set by code.
    std::function<void()> onClick;
    std::function<void()> onDblClick;

    QListWidget* listWidget() const;

private:
    Order m_order;
    std::vector<std::string> m_items;
    bool m_settingFromCode = false;
};

} // namespace platform::ui
