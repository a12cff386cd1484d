#pragma once
// A frame: a captioned box that holds other controls; hiding or moving it hides or moves them.
// It is opaque: a frame covers the controls beneath it.

#include "platform/ui/control.h"

#include <string>

namespace platform::ui {

class Frame : public Control
{
public:
    explicit Frame(Parent parent, const std::string& caption = {});

    std::string caption() const { return m_caption; }
    void setCaption(const std::string& caption);

private:
    std::string m_caption;
};

} // namespace platform::ui
