#pragma once
// A user's actions, delivered to the controls as the window system delivers them (mouse and key
// events sent through the Qt widgets), so that a test drives a form as a user would. A disabled
// control or form ignores them, as it would ignore the user.

#include <string_view>

namespace platform::ui {
class CheckBox;
class ComboBox;
class CommandButton;
class Control;
class FileListBox;
class Form;
class Label;
class ListBox;
class OptionButton;
class PictureBox;
class ScrollBar;
class TextBox;
} // namespace platform::ui

namespace platform::ui::user {

// A left click in the middle of the control.
void click(CommandButton& button);
void click(CheckBox& box);
void click(OptionButton& option);
void click(Label& label);
void click(TextBox& box);
// A left click on entry `index` (which is scrolled into view first).
void click(ListBox& list, int index);
void doubleClick(ListBox& list, int index);
void click(FileListBox& list, int index);
void doubleClick(FileListBox& list, int index);
// Opens the combo box's list and picks entry `index`.
void choose(ComboBox& combo, int index);

// Keys typed into a text box at its cursor, as key presses (line breaks: '\r' or '\n').
void type(TextBox& box, std::string_view text);
// A key pressed and released while the control has the focus (key codes of keys.h; shift a sum
// of kShiftMask, kCtrlMask, kAltMask). Letter keys type the lower-case letter unless shifted.
void key(Control& control, int keyCode, int shift = 0);
// A key pressed and released on the form: delivered to the control that has the focus, or to
// the window when none has.
void key(Form& form, int keyCode, int shift = 0);

// Mouse buttons and moves on a picture box, at pixel (x, y) of the box. `buttons` of a move is
// the sum of the buttons held.
void mouseDown(PictureBox& box, int button, int x, int y, int shift = 0);
void mouseMove(PictureBox& box, int buttons, int x, int y, int shift = 0);
void mouseUp(PictureBox& box, int button, int x, int y, int shift = 0);
// Down and up of the left button at (x, y).
void click(PictureBox& box, int x, int y);
// Two clicks of the left button at (x, y) in quick succession.
void doubleClick(PictureBox& box, int x, int y);
// A left click on the client area of the form at (x, y).
void click(Form& form, int x, int y);

// Scroll-bar actions: a click on an arrow (small change) or beside the thumb (large change);
// `towardsMax` picks the end.
void clickArrow(ScrollBar& bar, bool towardsMax);
void clickTrack(ScrollBar& bar, bool towardsMax);
// Drags the thumb to where `value` lies, in `steps` moves, and releases it.
void dragThumb(ScrollBar& bar, int value, int steps = 3);

// Closes the form's window as the window's close button does.
void close(Form& form);

} // namespace platform::ui::user
