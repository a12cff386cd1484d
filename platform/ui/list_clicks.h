#pragma once
// Turns the user's clicks and keys on a Qt list widget into the click and double-click events of
// a list box. Used by the list box and the file list box.

#include <functional>

class QListWidget;

namespace platform::ui::detail {

struct ListClickHandlers
{
    std::function<bool()> settingFromCode; // true while the program changes the list
    std::function<void()> click;
    std::function<void()> doubleClick;
};

// Installs the wiring on `list`; it lives as long as the widget.
void wireListClicks(QListWidget* list, ListClickHandlers handlers);

// Selects `row` (-1: none) without any event of the list box.
void selectRow(QListWidget* list, int row);
// The selected row, -1 for none.
int selectedRow(const QListWidget* list);

} // namespace platform::ui::detail
