#pragma once
// A check box with value 0 (unchecked) or 1 (checked).

#include "platform/ui/control.h"

#include <string>

namespace platform::ui {

class CheckBox : public Control
{
public:
    explicit CheckBox(Parent parent, const std::string& caption = {});

    std::string caption() const;
    void setCaption(const std::string& caption);

    int value() const; // 0 or 1
    // Any value other than 0 checks the box. Runs onClick when the value changes.
    void setValue(int value);

    // The user toggled the box, or code changed its value.
    std::function<void()> onClick;
};

} // namespace platform::ui
