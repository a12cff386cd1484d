#include "platform/ui/command_button.h"

#include "platform/text/codepage.h"

#include <QPixmap>
#include <QPushButton>

namespace platform::ui {

CommandButton::CommandButton(Parent parent, const std::string& caption) : Control(parent, new QPushButton)
{
    auto* button = static_cast<QPushButton*>(widget());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] {
        if (onClick) {
            onClick();
        }
    });
    setCaption(caption);
}

void CommandButton::setCaption(const std::string& caption)
{
    m_caption = caption;
    if (auto* button = static_cast<QPushButton*>(widget())) {
        button->setText(text::toUnicode(caption));
    }
}

void CommandButton::setPicture(const gfx::Picture& picture)
{
    auto* button = static_cast<QPushButton*>(widget());
    if (button == nullptr) {
        return;
    }
    if (picture.isNull()) {
        button->setIcon(QIcon());
        return;
    }
    button->setIcon(QIcon(QPixmap::fromImage(picture.image())));
    button->setIconSize(QSize(picture.width(), picture.height()));
}

} // namespace platform::ui
