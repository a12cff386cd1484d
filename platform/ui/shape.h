#pragma once
// A shape control: a rectangle outline drawn over the controls it is placed on. It lets mouse
// events through to what lies beneath.

#include "platform/ui/control.h"

namespace platform::ui {

class Shape : public Control
{
public:
    explicit Shape(Parent parent);

    void setBorderColor(gfx::Rgb colour);
    void setBorderWidth(int pixels);
    gfx::Rgb borderColor() const { return m_colour; }
    int borderWidth() const { return m_borderWidth; }

private:
    class Outline;
    gfx::Rgb m_colour = gfx::kBlack;
    int m_borderWidth = 1;
};

} // namespace platform::ui
