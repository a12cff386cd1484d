#include "platform/ui/option_group.h"

#include "platform/text/codepage.h"

#include <QButtonGroup>
#include <QRadioButton>

namespace platform::ui {

OptionButton::OptionButton(Parent parent, const std::string& caption, int index)
    : Control(parent, new QRadioButton(text::toUnicode(caption))), m_index(index)
{
}

std::string OptionButton::caption() const
{
    return widget() != nullptr ? text::fromUnicode(static_cast<QRadioButton*>(widget())->text())
                               : std::string();
}

void OptionButton::setCaption(const std::string& caption)
{
    if (widget() != nullptr) {
        static_cast<QRadioButton*>(widget())->setText(text::toUnicode(caption));
    }
}

bool OptionButton::value() const
{
    return widget() != nullptr && static_cast<QRadioButton*>(widget())->isChecked();
}

OptionGroup::OptionGroup() : m_group(std::make_unique<QButtonGroup>())
{
    m_group->setExclusive(true);
}

OptionGroup::~OptionGroup()
{
    // The buttons go before the group that links them.
    m_buttons.clear();
}

OptionButton& OptionGroup::add(Parent parent, const std::string& caption)
{
    const int index = count();
    m_buttons.push_back(std::unique_ptr<OptionButton>(new OptionButton(parent, caption, index)));
    auto* radio = static_cast<QRadioButton*>(m_buttons.back()->widget());
    radio->setAutoExclusive(false); // the group decides, wherever its buttons are placed
    m_group->addButton(radio, index);
    QObject::connect(radio, &QRadioButton::toggled, radio, [this, index](bool checked) {
        if (checked && onClick) {
            onClick(index);
        }
    });
    return *m_buttons.back();
}

int OptionGroup::value() const
{
    for (const auto& button : m_buttons) {
        if (button->value()) {
            return button->index();
        }
    }
    return -1;
}

void OptionGroup::setValue(int index)
{
    if (index < 0 || index >= count()) {
        return;
    }
    if (auto* radio = static_cast<QRadioButton*>(m_buttons[static_cast<std::size_t>(index)]->widget())) {
        radio->setChecked(true);
    }
}

} // namespace platform::ui
