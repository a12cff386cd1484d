#include "platform/ui/keys.h"

#include "platform/text/codepage.h"

#include <QKeyEvent>

namespace platform::ui {

int keyCodeOf(const QKeyEvent& event)
{
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        return key; // the same codes
    }
    if (key >= Qt::Key_F1 && key <= Qt::Key_F12) {
        return kKeyF1 + (key - Qt::Key_F1);
    }
    switch (key) {
    case Qt::Key_Backspace:
        return kKeyBack;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kKeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kKeyReturn;
    case Qt::Key_Shift:
        return kKeyShift;
    case Qt::Key_Control:
        return kKeyControl;
    case Qt::Key_Alt:
        return kKeyMenu;
    case Qt::Key_Escape:
        return kKeyEscape;
    case Qt::Key_Space:
        return kKeySpace;
    case Qt::Key_PageUp:
        return kKeyPageUp;
    case Qt::Key_PageDown:
        return kKeyPageDown;
    case Qt::Key_End:
        return kKeyEnd;
    case Qt::Key_Home:
        return kKeyHome;
    case Qt::Key_Left:
        return kKeyLeft;
    case Qt::Key_Up:
        return kKeyUp;
    case Qt::Key_Right:
        return kKeyRight;
    case Qt::Key_Down:
        return kKeyDown;
    case Qt::Key_Insert:
        return kKeyInsert;
    case Qt::Key_Delete:
        return kKeyDelete;
    default:
        return 0;
    }
}

int shiftOf(const QKeyEvent& event)
{
    int shift = 0;
    const auto mods = event.modifiers();
    if (mods & Qt::ShiftModifier) {
        shift |= kShiftMask;
    }
    if (mods & Qt::ControlModifier) {
        shift |= kCtrlMask;
    }
    if (mods & Qt::AltModifier) {
        shift |= kAltMask;
    }
    return shift;
}

int keyAsciiOf(const QKeyEvent& event)
{
    switch (event.key()) {
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
        return 9;
    default:
        break;
    }
    const QString typed = event.text();
    if (typed.isEmpty()) {
        return 0;
    }
    const std::string bytes = text::fromUnicode(typed.left(1));
    if (bytes.empty()) {
        return 0;
    }
    const int code = static_cast<unsigned char>(bytes[0]);
    // Keys such as the arrows and Delete carry a control character on some systems; they type nothing.
    if (code == 127 || (code < 32 && code != 27 && code != 13 && code != 8 && code != 9 &&
                        !(event.modifiers() & Qt::ControlModifier))) {
        return 0;
    }
    return code;
}

} // namespace platform::ui
