#pragma once
// A command button with a caption or a picture.

#include "platform/ui/control.h"

#include <string>

namespace platform::ui {

class CommandButton : public Control
{
public:
    explicit CommandButton(Parent parent, const std::string& caption = {});

    std::string caption() const { return m_caption; }
    void setCaption(const std::string& caption);
    // Shows the picture on the button (a picture button); a null picture removes it.
    void setPicture(const gfx::Picture& picture);

    std::function<void()> onClick;

private:
    std::string m_caption;
};

} // namespace platform::ui
