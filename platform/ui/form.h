#pragma once
// A form: one top-level window of a program, with its client area in pixels, the controls placed
// on it and the life cycle the programs' event procedures follow: load, show without blocking,
// activate, hide, unload (which the form may cancel).

#include "platform/gfx/picture.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string>

namespace platform::ui {

class Form
{
public:
    explicit Form(const std::string& caption = {});
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    std::string caption() const { return m_caption; }
    void setCaption(const std::string& caption);

    // Loads the form (runs onLoad) unless it is loaded already. show() loads it too.
    void load();
    bool loaded() const { return m_loaded; }
    // Shows the window without blocking and makes it the program's active form: onActivate runs
    // when another form (or none) was active.
    void show();
    // Hides the window; the form stays loaded.
    void hide();
    bool visible() const;
    // Unloads the form: onUnload runs first and may cancel; otherwise the window is hidden and
    // the form is no longer loaded (the next show() runs onLoad again; the controls keep their
    // contents). Returns true when the form was unloaded. Closing the window runs the same.
    bool unload();

    // A disabled form takes no mouse or key input; it stays on screen.
    bool enabled() const;
    void setEnabled(bool enabled);

    // Window position on the screen, in pixels (of the window's frame).
    int left() const;
    int top() const;
    void move(int left, int top);
    // Size of the client area, in pixels, exactly as set. Forms are not resizable by the user
    // unless setResizable(true).
    int width() const;
    int height() const;
    void resize(int width, int height);
    void setResizable(bool resizable);
    // Size of the window with its frame and caption (equal to the client size until shown).
    int outerWidth() const;
    int outerHeight() const;

    void setBackColor(gfx::Rgb colour);
    // An optional picture drawn on the client area under the controls (the form's own drawing
    // surface); null by default. Call refresh() after drawing into it.
    gfx::Picture& picture() { return m_picture; }
    void refresh();
    // Repaints only a rectangle of the client area.
    void refresh(int x, int y, int width, int height);

    // Event procedures of the form.
    std::function<void()> onLoad;
    std::function<void()> onActivate;
    std::function<void(bool& cancel)> onUnload;
    // Keys typed anywhere on the form, whichever control has the focus; they run before the
    // control's own key events.
    std::function<void(int keyCode, int shift)> onKeyDown;
    std::function<void(int keyCode, int shift)> onKeyUp;
    std::function<void(int keyAscii)> onKeyPress;
    // A click on the client area itself (not on a control).
    std::function<void()> onClick;
    std::function<void(int button, int shift, int x, int y)> onMouseDown;
    std::function<void(int button, int shift, int x, int y)> onMouseMove;
    std::function<void(int button, int shift, int x, int y)> onMouseUp;

    // The window; controls placed on the form are its children.
    QWidget* widget() const { return m_window.data(); }

    // The form the user or the program made active last; null when none is.
    static Form* activeForm();

private:
    class Window;
    friend class Window;
    friend class FormRegistry;
    void activated();
    bool closeRequested();

    std::string m_caption;
    QPointer<QWidget> m_window;
    gfx::Picture m_picture;
    bool m_loaded = false;
    bool m_resizable = false;
};

} // namespace platform::ui
