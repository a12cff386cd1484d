#include "platform/ui/combo_box.h"

#include "platform/text/codepage.h"

#include <QComboBox>

namespace platform::ui {

ComboBox::ComboBox(Parent parent) : Control(parent, new QComboBox)
{
    QComboBox* combo = comboWidget();
    combo->setEditable(false);
    QObject::connect(combo, &QComboBox::activated, combo, [this](int) {
        if (!m_settingFromCode && onClick) {
            onClick();
        }
    });
}

QComboBox* ComboBox::comboWidget() const
{
    return static_cast<QComboBox*>(widget());
}

int ComboBox::addItem(const std::string& text)
{
    return addItem(text, listCount());
}

int ComboBox::addItem(const std::string& text, int index)
{
    index = std::clamp(index, 0, listCount());
    m_items.insert(m_items.begin() + index, text);
    if (QComboBox* combo = comboWidget()) {
        const int selected = combo->currentIndex();
        m_settingFromCode = true;
        combo->insertItem(index, text::toUnicode(text));
        // The first entry of an empty combo box is not selected by adding it.
        combo->setCurrentIndex(selected < 0 ? -1 : (selected >= index ? selected + 1 : selected));
        m_settingFromCode = false;
    }
    return index;
}

void ComboBox::removeItem(int index)
{
    if (index < 0 || index >= listCount()) {
        return;
    }
    m_items.erase(m_items.begin() + index);
    if (QComboBox* combo = comboWidget()) {
        const int selected = combo->currentIndex();
        m_settingFromCode = true;
        combo->removeItem(index);
        combo->setCurrentIndex(selected == index ? -1 : (selected > index ? selected - 1 : selected));
        m_settingFromCode = false;
    }
}

void ComboBox::clear()
{
    m_items.clear();
    if (QComboBox* combo = comboWidget()) {
        m_settingFromCode = true;
        combo->clear();
        m_settingFromCode = false;
    }
}

std::string ComboBox::list(int index) const
{
    if (index < 0 || index >= listCount()) {
        return {};
    }
    return m_items[static_cast<std::size_t>(index)];
}

void ComboBox::setList(int index, const std::string& text)
{
    if (index < 0 || index >= listCount()) {
        return;
    }
    m_items[static_cast<std::size_t>(index)] = text;
    if (QComboBox* combo = comboWidget()) {
        combo->setItemText(index, text::toUnicode(text));
    }
}

int ComboBox::listIndex() const
{
    const QComboBox* combo = comboWidget();
    return combo != nullptr ? combo->currentIndex() : -1;
}

void ComboBox::setListIndex(int index)
{
    QComboBox* combo = comboWidget();
    if (combo == nullptr) {
        return;
    }
    const bool entry = index >= 0 && index < listCount();
    m_settingFromCode = true;
    combo->setCurrentIndex(entry ? index : -1);
    m_settingFromCode = false;
    if (entry && onClick) {
        onClick();
    }
}

std::string ComboBox::text() const
{
    return list(listIndex());
}

} // namespace platform::ui
