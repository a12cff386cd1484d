#include "platform/ui/frame.h"

#include "platform/text/codepage.h"

#include <QGroupBox>

namespace platform::ui {

Frame::Frame(Parent parent, const std::string& caption) : Control(parent, new QGroupBox)
{
    // A frame covers what lies beneath it: panels shown in one place hide each other.
    widget()->setAutoFillBackground(true);
    setCaption(caption);
}

void Frame::setCaption(const std::string& caption)
{
    m_caption = caption;
    if (auto* box = static_cast<QGroupBox*>(widget())) {
        box->setTitle(text::toUnicode(caption));
    }
}

} // namespace platform::ui
