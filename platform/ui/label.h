#pragma once
// A label: a caption the user cannot edit.

#include "platform/ui/control.h"

#include <string>

namespace platform::ui {

class Label : public Control
{
public:
    enum class Alignment { Left, Right, Center };

    explicit Label(Parent parent, const std::string& caption = {});

    std::string caption() const { return m_caption; }
    // Line breaks (CR LF, CR or LF) start a new line.
    void setCaption(const std::string& caption);
    void setAlignment(Alignment alignment);
    // An auto-sized label takes the size of its caption whenever the caption changes.
    void setAutoSize(bool autoSize);
    void setWordWrap(bool wrap);

    std::function<void()> onClick;
    std::function<void()> onDblClick;

private:
    std::string m_caption;
    bool m_autoSize = false;
};

} // namespace platform::ui
