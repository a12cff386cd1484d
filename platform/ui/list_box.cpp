#include "platform/ui/list_box.h"

#include "platform/text/codepage.h"
#include "platform/ui/list_clicks.h"

#include <QListWidget>

namespace platform::ui {

ListBox::ListBox(Parent parent, Order order) : Control(parent, new QListWidget), m_order(order)
{
    detail::wireListClicks(listWidget(), {[this] { return m_settingFromCode; },
                                          [this] {
                                              if (onClick) {
                                                  onClick();
                                              }
                                          },
                                          [this] {
                                              if (onDblClick) {
                                                  onDblClick();
                                              }
                                          }});
}

QListWidget* ListBox::listWidget() const
{
    return static_cast<QListWidget*>(widget());
}

int ListBox::addItem(const std::string& text)
{
    int index = listCount();
    if (sorted()) {
        // Before the first entry that sorts after the new one; entries replaced out of order stay
        // where they are.
        for (int i = 0; i < listCount(); ++i) {
            if (text::compareNoCase(m_items[static_cast<std::size_t>(i)], text) > 0) {
                index = i;
                break;
            }
        }
    }
    return addItem(text, index);
}

int ListBox::addItem(const std::string& text, int index)
{
    index = std::clamp(index, 0, listCount());
    QListWidget* list = listWidget();
    const int selected = listIndex();
    m_settingFromCode = true;
    m_items.insert(m_items.begin() + index, text);
    if (list != nullptr) {
        list->insertItem(index, text::toUnicode(text));
        detail::selectRow(list, selected >= index ? selected + 1 : selected);
    }
    m_settingFromCode = false;
    return index;
}

void ListBox::removeItem(int index)
{
    if (index < 0 || index >= listCount()) {
        return;
    }
    QListWidget* list = listWidget();
    const int selected = listIndex();
    m_settingFromCode = true;
    m_items.erase(m_items.begin() + index);
    if (list != nullptr) {
        delete list->takeItem(index);
        int keep = selected;
        if (selected == index) {
            keep = -1;
        } else if (selected > index) {
            keep = selected - 1;
        }
        detail::selectRow(list, keep);
    }
    m_settingFromCode = false;
}

void ListBox::clear()
{
    m_settingFromCode = true;
    m_items.clear();
    if (QListWidget* list = listWidget()) {
        list->clear();
    }
    m_settingFromCode = false;
}

std::string ListBox::list(int index) const
{
    if (index < 0 || index >= listCount()) {
        return {};
    }
    return m_items[static_cast<std::size_t>(index)];
}

void ListBox::setList(int index, const std::string& text)
{
    if (index < 0 || index >= listCount()) {
        return;
    }
    m_items[static_cast<std::size_t>(index)] = text;
    if (QListWidget* list = listWidget()) {
        list->item(index)->setText(text::toUnicode(text));
    }
}

int ListBox::listIndex() const
{
    const QListWidget* list = listWidget();
    return list != nullptr ? detail::selectedRow(list) : -1;
}

void ListBox::setListIndex(int index)
{
    QListWidget* list = listWidget();
    if (list == nullptr) {
        return;
    }
    m_settingFromCode = true;
    detail::selectRow(list, index);
    m_settingFromCode = false;
    if (index >= 0 && index < listCount() && onClick) {
        onClick();
    }
}

std::string ListBox::text() const
{
    return list(listIndex());
}

} // namespace platform::ui
