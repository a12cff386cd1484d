#include "platform/ui/check_box.h"

#include "platform/text/codepage.h"

#include <QCheckBox>

namespace platform::ui {

CheckBox::CheckBox(Parent parent, const std::string& caption) : Control(parent, new QCheckBox)
{
    auto* box = static_cast<QCheckBox*>(widget());
    box->setText(text::toUnicode(caption));
    // The widget reports every change of its state, by the user or by setValue(), once.
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool) {
        if (onClick) {
            onClick();
        }
    });
}

std::string CheckBox::caption() const
{
    return widget() != nullptr ? text::fromUnicode(static_cast<QCheckBox*>(widget())->text()) : std::string();
}

void CheckBox::setCaption(const std::string& caption)
{
    if (widget() != nullptr) {
        static_cast<QCheckBox*>(widget())->setText(text::toUnicode(caption));
    }
}

int CheckBox::value() const
{
    return widget() != nullptr && static_cast<QCheckBox*>(widget())->isChecked() ? 1 : 0;
}

void CheckBox::setValue(int value)
{
    if (widget() != nullptr) {
        static_cast<QCheckBox*>(widget())->setChecked(value != 0);
    }
}

} // namespace platform::ui
