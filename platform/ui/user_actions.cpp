#include "platform/ui/user_actions.h"

#include "platform/text/codepage.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/command_button.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/option_group.h"
#include "platform/ui/picture_box.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/text_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace platform::ui::user {

namespace {

Qt::MouseButton qtButton(int button)
{
    switch (button) {
    case kRightButton:
        return Qt::RightButton;
    case kMiddleButton:
        return Qt::MiddleButton;
    default:
        return Qt::LeftButton;
    }
}

Qt::MouseButtons qtButtons(int buttons)
{
    Qt::MouseButtons held;
    if (buttons & kLeftButton) {
        held |= Qt::LeftButton;
    }
    if (buttons & kRightButton) {
        held |= Qt::RightButton;
    }
    if (buttons & kMiddleButton) {
        held |= Qt::MiddleButton;
    }
    return held;
}

Qt::KeyboardModifiers qtModifiers(int shift)
{
    Qt::KeyboardModifiers mods;
    if (shift & kShiftMask) {
        mods |= Qt::ShiftModifier;
    }
    if (shift & kCtrlMask) {
        mods |= Qt::ControlModifier;
    }
    if (shift & kAltMask) {
        mods |= Qt::AltModifier;
    }
    return mods;
}

void mouse(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held,
           Qt::KeyboardModifiers mods = {})
{
    if (w == nullptr) {
        return;
    }
    QMouseEvent event(type, QPointF(at), QPointF(w->mapToGlobal(at)), button, held, mods);
    QApplication::sendEvent(w, &event);
}

void press(QWidget* w, QPoint at)
{
    mouse(w, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
}
void release(QWidget* w, QPoint at)
{
    mouse(w, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
}

void leftClick(QWidget* w, QPoint at)
{
    press(w, at);
    release(w, at);
}

void leftClickCentre(QWidget* w)
{
    if (w != nullptr) {
        leftClick(w, w->rect().center());
    }
}

void leftDoubleClick(QWidget* w, QPoint at)
{
    press(w, at);
    release(w, at);
    mouse(w, QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
    release(w, at);
}

// Where entry `row` of a list widget lies in its viewport, scrolled into view.
QPoint entryPoint(QListWidget* list, int row)
{
    QListWidgetItem* item = list->item(row);
    if (item == nullptr) {
        return {-1, -1};
    }
    list->scrollToItem(item);
    return list->visualItemRect(item).center();
}

void clickEntry(QListWidget* list, int row, bool twice)
{
    if (list == nullptr || row < 0 || row >= list->count()) {
        return;
    }
    const QPoint at = entryPoint(list, row);
    if (twice) {
        leftDoubleClick(list->viewport(), at);
    } else {
        leftClick(list->viewport(), at);
    }
}

int qtKey(int keyCode)
{
    if ((keyCode >= 'A' && keyCode <= 'Z') || (keyCode >= '0' && keyCode <= '9')) {
        return keyCode;
    }
    if (keyCode >= kKeyF1 && keyCode < kKeyF1 + 12) {
        return Qt::Key_F1 + (keyCode - kKeyF1);
    }
    switch (keyCode) {
    case kKeyBack:
        return Qt::Key_Backspace;
    case kKeyTab:
        return Qt::Key_Tab;
    case kKeyReturn:
        return Qt::Key_Return;
    case kKeyShift:
        return Qt::Key_Shift;
    case kKeyControl:
        return Qt::Key_Control;
    case kKeyMenu:
        return Qt::Key_Alt;
    case kKeyEscape:
        return Qt::Key_Escape;
    case kKeySpace:
        return Qt::Key_Space;
    case kKeyPageUp:
        return Qt::Key_PageUp;
    case kKeyPageDown:
        return Qt::Key_PageDown;
    case kKeyEnd:
        return Qt::Key_End;
    case kKeyHome:
        return Qt::Key_Home;
    case kKeyLeft:
        return Qt::Key_Left;
    case kKeyUp:
        return Qt::Key_Up;
    case kKeyRight:
        return Qt::Key_Right;
    case kKeyDown:
        return Qt::Key_Down;
    case kKeyInsert:
        return Qt::Key_Insert;
    case kKeyDelete:
        return Qt::Key_Delete;
    default:
        return Qt::Key_unknown;
    }
}

QString keyText(int keyCode, int shift)
{
    if (shift & (kCtrlMask | kAltMask)) {
        return {};
    }
    if (keyCode >= 'A' && keyCode <= 'Z') {
        return QString(QChar((shift & kShiftMask) ? keyCode : keyCode + 32));
    }
    if (keyCode >= '0' && keyCode <= '9') {
        return QString(QChar(keyCode));
    }
    switch (keyCode) {
    case kKeySpace:
        return QStringLiteral(" ");
    case kKeyEscape:
        return QString(QChar(27));
    case kKeyReturn:
        return QStringLiteral("\r");
    case kKeyBack:
        return QString(QChar(8));
    case kKeyTab:
        return QStringLiteral("\t");
    default:
        return {};
    }
}

void sendKey(QWidget* w, int key, Qt::KeyboardModifiers mods, const QString& text)
{
    if (w == nullptr) {
        return;
    }
    // Each event gets its own time stamp, as the window system's events have.
    static quint64 stamp = 0;
    QKeyEvent down(QEvent::KeyPress, key, mods, text);
    down.setTimestamp(++stamp);
    QApplication::sendEvent(w, &down);
    QKeyEvent up(QEvent::KeyRelease, key, mods, text);
    up.setTimestamp(++stamp);
    QApplication::sendEvent(w, &up);
}

QStyleOptionSlider sliderOption(const QScrollBar* bar)
{
    QStyleOptionSlider opt;
    opt.initFrom(bar);
    opt.subControls = QStyle::SC_All;
    opt.activeSubControls = QStyle::SC_None;
    opt.orientation = bar->orientation();
    opt.minimum = bar->minimum();
    opt.maximum = bar->maximum();
    opt.sliderPosition = bar->sliderPosition();
    opt.sliderValue = bar->value();
    opt.singleStep = bar->singleStep();
    opt.pageStep = bar->pageStep();
    opt.upsideDown = bar->invertedAppearance();
    if (bar->orientation() == Qt::Horizontal) {
        opt.state |= QStyle::State_Horizontal;
    }
    return opt;
}

QRect partOf(const QScrollBar* bar, QStyle::SubControl part)
{
    const QStyleOptionSlider opt = sliderOption(bar);
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &opt, part, bar);
}

} // namespace

void click(CommandButton& button)
{
    leftClickCentre(button.widget());
}
void click(CheckBox& box)
{
    // Check boxes take a click on their indicator or caption; the left part holds both.
    if (QWidget* w = box.widget()) {
        leftClick(w, QPoint(std::min(6, w->width() / 2), w->height() / 2));
    }
}
void click(Label& label)
{
    leftClickCentre(label.widget());
}

void click(OptionButton& option)
{
    // Radio buttons take a click on their indicator or caption; the left part holds both.
    if (QWidget* w = option.widget()) {
        leftClick(w, QPoint(std::min(6, w->width() / 2), w->height() / 2));
    }
}

void click(TextBox& box)
{
    QWidget* w = box.widget();
    if (auto* edit = qobject_cast<QPlainTextEdit*>(w)) {
        w = edit->viewport();
    }
    leftClickCentre(w);
}

void click(ListBox& list, int index)
{
    clickEntry(list.listWidget(), index, false);
}
void doubleClick(ListBox& list, int index)
{
    clickEntry(list.listWidget(), index, true);
}
void click(FileListBox& list, int index)
{
    clickEntry(list.listWidget(), index, false);
}
void doubleClick(FileListBox& list, int index)
{
    clickEntry(list.listWidget(), index, true);
}

void choose(ComboBox& combo, int index)
{
    QComboBox* box = combo.comboWidget();
    if (box == nullptr || !box->isEnabled() || index < 0 || index >= box->count()) {
        return;
    }
    box->showPopup();
    QAbstractItemView* view = box->view();
    view->setCurrentIndex(box->model()->index(index, box->modelColumn(), box->rootModelIndex()));
    sendKey(view, Qt::Key_Return, {}, QStringLiteral("\r"));
    if (box->view()->isVisible()) {
        box->hidePopup();
    }
}

void type(TextBox& box, std::string_view text)
{
    QWidget* w = box.widget();
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\r' || c == '\n') {
            sendKey(w, Qt::Key_Return, {}, QStringLiteral("\r"));
            continue;
        }
        int key = Qt::Key_unknown;
        Qt::KeyboardModifiers mods;
        if (byte >= 'a' && byte <= 'z') {
            key = byte - 32;
        } else if (byte >= 'A' && byte <= 'Z') {
            key = byte;
            mods = Qt::ShiftModifier;
        } else if ((byte >= '0' && byte <= '9') || byte == ' ') {
            key = byte;
        }
        sendKey(w, key, mods, text::toUnicode(std::string(1, c)));
    }
}

void key(Control& control, int keyCode, int shift)
{
    sendKey(control.widget(), qtKey(keyCode), qtModifiers(shift), keyText(keyCode, shift));
}

void key(Form& form, int keyCode, int shift)
{
    QWidget* window = form.widget();
    if (window == nullptr) {
        return;
    }
    QWidget* target = window->focusWidget();
    if (target == nullptr || target->window() != window || !target->isVisible()) {
        target = window;
    }
    sendKey(target, qtKey(keyCode), qtModifiers(shift), keyText(keyCode, shift));
}

void mouseDown(PictureBox& box, int button, int x, int y, int shift)
{
    QWidget* w = box.widget();
    if (w == nullptr) {
        return;
    }
    const QPoint origin = static_cast<QFrame*>(w)->contentsRect().topLeft();
    mouse(w, QEvent::MouseButtonPress, origin + QPoint(x, y), qtButton(button), qtButton(button),
          qtModifiers(shift));
}

void mouseMove(PictureBox& box, int buttons, int x, int y, int shift)
{
    QWidget* w = box.widget();
    if (w == nullptr) {
        return;
    }
    const QPoint origin = static_cast<QFrame*>(w)->contentsRect().topLeft();
    mouse(w, QEvent::MouseMove, origin + QPoint(x, y), Qt::NoButton, qtButtons(buttons), qtModifiers(shift));
}

void mouseUp(PictureBox& box, int button, int x, int y, int shift)
{
    QWidget* w = box.widget();
    if (w == nullptr) {
        return;
    }
    const QPoint origin = static_cast<QFrame*>(w)->contentsRect().topLeft();
    mouse(w, QEvent::MouseButtonRelease, origin + QPoint(x, y), qtButton(button), Qt::NoButton,
          qtModifiers(shift));
}

void click(PictureBox& box, int x, int y)
{
    mouseDown(box, kLeftButton, x, y);
    mouseUp(box, kLeftButton, x, y);
}

void doubleClick(PictureBox& box, int x, int y)
{
    QWidget* w = box.widget();
    if (w != nullptr) {
        leftDoubleClick(w, static_cast<QFrame*>(w)->contentsRect().topLeft() + QPoint(x, y));
    }
}

void click(Form& form, int x, int y)
{
    leftClick(form.widget(), QPoint(x, y));
}

void clickArrow(ScrollBar& bar, bool towardsMax)
{
    QScrollBar* w = bar.scrollWidget();
    if (w == nullptr) {
        return;
    }
    const QRect arrow = partOf(w, towardsMax ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine);
    leftClick(w, arrow.center());
}

void clickTrack(ScrollBar& bar, bool towardsMax)
{
    QScrollBar* w = bar.scrollWidget();
    if (w == nullptr) {
        return;
    }
    const QRect track = partOf(w, towardsMax ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
    if (track.isEmpty()) {
        return; // the thumb is at that end already
    }
    leftClick(w, track.center());
}

void dragThumb(ScrollBar& bar, int value, int steps)
{
    QScrollBar* w = bar.scrollWidget();
    if (w == nullptr || !w->isEnabled()) {
        return;
    }
    const bool horizontal = w->orientation() == Qt::Horizontal;
    const QRect groove = partOf(w, QStyle::SC_ScrollBarGroove);
    const QRect thumb = partOf(w, QStyle::SC_ScrollBarSlider);
    const int span = (horizontal ? groove.width() - thumb.width() : groove.height() - thumb.height());
    auto pixelOf = [&](int v) {
        return QStyle::sliderPositionFromValue(w->minimum(), w->maximum(),
                                               std::clamp(v, w->minimum(), w->maximum()), std::max(0, span),
                                               w->invertedAppearance());
    };
    const QPoint start = thumb.center();
    const int distance = pixelOf(value) - pixelOf(w->value());
    press(w, start);
    steps = std::max(1, steps);
    QPoint at = start;
    for (int i = 1; i <= steps; ++i) {
        const int d = distance * i / steps;
        at = horizontal ? start + QPoint(d, 0) : start + QPoint(0, d);
        mouse(w, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
    }
    release(w, at);
}

void close(Form& form)
{
    if (QWidget* w = form.widget()) {
        w->close();
    }
}

} // namespace platform::ui::user
