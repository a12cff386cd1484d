#pragma once
// The base of every control: a Qt widget placed in pixels on a form, a frame or a picture box,
// with the properties and key events that all controls share.

#include "platform/gfx/picture.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>

namespace platform::ui {

class Form;
class Control;

// Where a control is placed: a form's client area, a container control (frame, picture box) or
// any widget.
class Parent
{
public:
    Parent(Form& form);
    Parent(Control& container);
    Parent(QWidget* widget) : m_widget(widget) {}
    QWidget* widget() const { return m_widget; }

private:
    QWidget* m_widget;
};

class Control
{
public:
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    // Position in the parent's client area and size, in pixels.
    int left() const;
    int top() const;
    int width() const;
    int height() const;
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    void move(int left, int top);
    void move(int left, int top, int width, int height);
    void resize(int width, int height);

    bool visible() const; // the control's own visible flag, whatever its parents show
    void setVisible(bool visible);
    void show() { setVisible(true); }
    void hide() { setVisible(false); }
    bool enabled() const; // the control's own enabled flag
    void setEnabled(bool enabled);

    void setFocus();
    bool hasFocus() const;

    // Tip text shown when the pointer rests on the control (Windows-1252).
    void setToolTipText(const std::string& text);
    std::string toolTipText() const;

    // Font of the control's text. "Arial Black" and "MS Sans Serif" are mapped to installed fonts.
    void setFont(const gfx::Font& font);
    void setForeColor(gfx::Rgb colour);
    void setBackColor(gfx::Rgb colour);

    // Puts the control in front of its siblings (or behind them).
    void bringToFront();
    void sendToBack();

    // Key events while the control has the focus. Key down and up carry the key code and shift
    // state (keys.h); key press carries the character typed. They run after the form's own key
    // events.
    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void(int keyAscii)> onKeyPress;
    // The focus left the control for another control of its window (not for a popup menu or
    // another window).
    std::function<void()> onLostFocus;

    // The widget shown; null once Qt has destroyed it with its parent.
    QWidget* widget() const { return m_widget.data(); }
    // The widget that children of a container control are placed on.
    virtual QWidget* clientWidget() const { return widget(); }

protected:
    // Takes ownership of `widget`, which is placed on `parent`.
    Control(Parent parent, QWidget* widget);
    // Additional widgets (e.g. a viewport) whose key events count as the control's.
    void watchKeys(QWidget* widget);

private:
    class KeyRelay;
    QPointer<QWidget> m_widget;
    std::unique_ptr<KeyRelay> m_keyRelay;
};

// The Qt font for one of the programs' font choices.
QFont qtFont(const gfx::Font& font);

} // namespace platform::ui
