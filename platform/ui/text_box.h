#pragma once
// A text box of Windows-1252 text: single or multi-line, with a maximum length, locking and the
// selection. Multi-line texts hold CR LF between lines.

#include "platform/ui/control.h"

#include <string>

namespace platform::ui {

class TextBox : public Control
{
public:
    enum class Lines { Single, Multi };

    explicit TextBox(Parent parent, Lines lines = Lines::Single);

    bool multiLine() const { return m_lines == Lines::Multi; }

    // The text as Windows-1252 bytes; a character the code page lacks is '?'.
    std::string text() const;
    // True when every character of the text has a Windows-1252 byte, so text() is what was typed.
    bool fitsCodePage() const;
    // Sets the text; runs onChange when it differs from the text shown. A text longer than the
    // maximum length is cut to it.
    void setText(const std::string& text);

    // Most characters the box takes (0: no limit). Typing beyond it is refused.
    int maxLength() const { return m_maxLength; }
    void setMaxLength(int characters);

    // A locked box shows its text and can be selected but not edited by the user.
    bool locked() const;
    void setLocked(bool locked);

    // The selection, in characters from 0.
    int selStart() const;
    int selLength() const;
    void setSelStart(int start);   // also empties the selection
    void setSelLength(int length); // from selStart(), cut at the end of the text
    std::string selText() const;
    void selectAll();

    // The text changed, by the user or by code.
    std::function<void()> onChange;
    // A mouse click in the box.
    std::function<void()> onClick;

private:
    void textChangedInWidget();

    Lines m_lines;
    int m_maxLength = 0;
    std::string m_shown; // the text of the last change, to run onChange only on a real change
    bool m_reverting = false;
};

} // namespace platform::ui
