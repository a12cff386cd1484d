#pragma once
// A combo box: a fixed list of Windows-1252 texts with one selected entry (no typing).

#include "platform/ui/control.h"

#include <string>
#include <vector>

class QComboBox;

namespace platform::ui {

class ComboBox : public Control
{
public:
    explicit ComboBox(Parent parent);

    int addItem(const std::string& text); // appends; returns the index
    int addItem(const std::string& text, int index);
    void removeItem(int index); // an index outside the list is ignored
    void clear();

    int listCount() const { return static_cast<int>(m_items.size()); }
    std::string list(int index) const; // empty outside the list
    void setList(int index, const std::string& text);

    // Selected entry, -1 for none.
    int listIndex() const;
    // Selecting an entry runs onClick every time it is set; -1 clears the selection without a click.
    void setListIndex(int index);
    // Text of the selected entry; empty when none is selected.
    std::string text() const;

    // The user chose an entry (also the one already shown), or code set the selection.
    std::function<void()> onClick;

    QComboBox* comboWidget() const;

private:
    std::vector<std::string> m_items;
    bool m_settingFromCode = false;
};

} // namespace platform::ui
