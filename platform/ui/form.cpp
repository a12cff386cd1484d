#include "platform/ui/form.h"

#include "platform/text/codepage.h"
#include "platform/ui/keys.h"
#include "platform/ui/picture_painting.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <vector>

namespace platform::ui {

namespace {

int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return kLeftButton;
    case Qt::RightButton:
        return kRightButton;
    case Qt::MiddleButton:
        return kMiddleButton;
    default:
        return 0;
    }
}

int buttonsCode(Qt::MouseButtons buttons)
{
    return ((buttons & Qt::LeftButton) ? kLeftButton : 0) | ((buttons & Qt::RightButton) ? kRightButton : 0) |
           ((buttons & Qt::MiddleButton) ? kMiddleButton : 0);
}

int shiftCode(Qt::KeyboardModifiers mods)
{
    return ((mods & Qt::ShiftModifier) ? kShiftMask : 0) | ((mods & Qt::ControlModifier) ? kCtrlMask : 0) |
           ((mods & Qt::AltModifier) ? kAltMask : 0);
}

} // namespace

// The program's forms, the active one, and the keys typed on them: every key event of a form's
// window passes here once, before the control that has the focus gets it.
class FormRegistry : public QObject
{
public:
    static FormRegistry& instance()
    {
        static FormRegistry* registry = [] {
            auto* r = new FormRegistry;
            qApp->installEventFilter(r);
            return r;
        }();
        return *registry;
    }

    void add(Form* form) { m_forms.push_back(form); }
    void remove(Form* form)
    {
        m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
        if (m_active == form) {
            m_active = nullptr;
        }
    }

    Form* active() const { return m_active; }
    // True when the form was not the active one and now is.
    bool makeActive(Form* form)
    {
        if (m_active == form) {
            return false;
        }
        m_active = form;
        return true;
    }
    void deactivate(Form* form)
    {
        if (m_active == form) {
            m_active = nullptr;
        }
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return false;
        }
        auto* w = qobject_cast<QWidget*>(watched);
        if (w == nullptr) {
            return false;
        }
        // A key the receiver does not take travels up to its parents; the form sees it once. The
        // same event object reaching a parent of the widget that had it last is that journey (an
        // event object's address is reused by later events, so its stamp and key are compared too).
        const auto& key = static_cast<const QKeyEvent&>(*event);
        QWidget* last = m_lastReceiver.data();
        const bool travelling = event == m_lastEvent && last != nullptr && w->isAncestorOf(last) &&
                                key.timestamp() == m_lastStamp && key.key() == m_lastKey &&
                                event->type() == m_lastType;
        m_lastEvent = event;
        m_lastReceiver = w;
        m_lastStamp = key.timestamp();
        m_lastKey = key.key();
        m_lastType = event->type();
        if (travelling) {
            return false;
        }
        Form* form = formOf(w->window());
        if (form == nullptr || !w->window()->isEnabled()) {
            return false;
        }
        const int code = keyCodeOf(key);
        if (event->type() == QEvent::KeyPress) {
            if (code != 0 && form->onKeyDown) {
                form->onKeyDown(code, shiftOf(key));
            }
            const int ascii = keyAsciiOf(key);
            if (ascii != 0 && form->onKeyPress) {
                form->onKeyPress(ascii);
            }
        } else if (code != 0 && !key.isAutoRepeat() && form->onKeyUp) {
            form->onKeyUp(code, shiftOf(key));
        }
        return false;
    }

private:
    Form* formOf(QWidget* window) const
    {
        for (Form* form : m_forms) {
            if (form->widget() == window) {
                return form;
            }
        }
        return nullptr;
    }

    std::vector<Form*> m_forms;
    Form* m_active = nullptr;
    const QEvent* m_lastEvent = nullptr;
    QPointer<QWidget> m_lastReceiver;
    quint64 m_lastStamp = 0;
    int m_lastKey = 0;
    QEvent::Type m_lastType = QEvent::None;
};

class Form::Window : public QWidget
{
public:
    explicit Window(Form* owner) : m_owner(owner)
    {
        setMouseTracking(true);
        // The paint event covers every pixel itself: the picture where it lies, the back colour
        // elsewhere, so the toolkit does not fill the window first.
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    void forget() { m_owner = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        detail::paintPicture(painter, event->rect(), rect(), m_owner != nullptr ? &m_owner->m_picture : nullptr,
                             palette().color(QPalette::Window));
    }

    void closeEvent(QCloseEvent* event) override
    {
        if (m_owner == nullptr || m_owner->closeRequested()) {
            event->accept();
        } else {
            event->ignore();
        }
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_owner != nullptr) {
            m_owner->activated();
        }
        QWidget::changeEvent(event);
    }

    // Mouse events on the client area itself; those on a control belong to the control.
    void mousePressEvent(QMouseEvent* event) override
    {
        if (m_owner != nullptr && onClientArea(event) && m_owner->onMouseDown) {
            m_owner->onMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), x(event),
                                 y(event));
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        if (m_owner != nullptr && onClientArea(event) && m_owner->onMouseMove) {
            m_owner->onMouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), x(event),
                                 y(event));
        }
    }
    void mouseReleaseEvent(QMouseEvent* event) override
    {
        if (m_owner == nullptr || !onClientArea(event)) {
            return;
        }
        if (m_owner->onMouseUp) {
            m_owner->onMouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), x(event),
                               y(event));
        }
        if (m_owner != nullptr && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint()) && m_owner->onClick) {
            m_owner->onClick();
        }
    }

private:
    bool onClientArea(const QMouseEvent* event) const
    {
        return childAt(event->position().toPoint()) == nullptr;
    }
    static int x(const QMouseEvent* event) { return event->position().toPoint().x(); }
    static int y(const QMouseEvent* event) { return event->position().toPoint().y(); }

    Form* m_owner;
};

Form::Form(const std::string& caption) : m_window(new Window(this))
{
    FormRegistry::instance().add(this);
    setCaption(caption);
}

Form::~Form()
{
    FormRegistry::instance().remove(this);
    if (m_window) {
        static_cast<Window*>(m_window.data())->forget();
        delete m_window.data();
    }
}

Form* Form::activeForm()
{
    return FormRegistry::instance().active();
}

void Form::setCaption(const std::string& caption)
{
    m_caption = caption;
    if (m_window) {
        m_window->setWindowTitle(text::toUnicode(caption));
    }
}

void Form::load()
{
    if (m_loaded) {
        return;
    }
    m_loaded = true;
    if (onLoad) {
        onLoad();
    }
}

void Form::show()
{
    load();
    if (!m_window) {
        return;
    }
    m_window->show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        m_window->raise(); // the headless platform has no stacking of windows
    }
    m_window->activateWindow();
    activated();
}

void Form::activated()
{
    if (!m_window || !m_window->isVisible()) {
        return;
    }
    if (FormRegistry::instance().makeActive(this) && onActivate) {
        onActivate();
    }
}

void Form::hide()
{
    if (m_window) {
        m_window->hide();
    }
    FormRegistry::instance().deactivate(this);
}

bool Form::visible() const
{
    return m_window && m_window->isVisible();
}

bool Form::closeRequested()
{
    if (!m_loaded) {
        return true;
    }
    bool cancel = false;
    if (onUnload) {
        onUnload(cancel);
    }
    if (cancel) {
        return false;
    }
    m_loaded = false;
    FormRegistry::instance().deactivate(this);
    return true;
}

bool Form::unload()
{
    if (!closeRequested()) {
        return false;
    }
    hide();
    return true;
}

bool Form::enabled() const
{
    return m_window && m_window->isEnabled();
}

void Form::setEnabled(bool enabled)
{
    if (m_window) {
        m_window->setEnabled(enabled);
    }
}

int Form::left() const
{
    return m_window ? m_window->x() : 0;
}
int Form::top() const
{
    return m_window ? m_window->y() : 0;
}

void Form::move(int left, int top)
{
    if (m_window) {
        m_window->move(left, top);
    }
}

int Form::width() const
{
    return m_window ? m_window->width() : 0;
}
int Form::height() const
{
    return m_window ? m_window->height() : 0;
}

void Form::resize(int width, int height)
{
    if (!m_window) {
        return;
    }
    width = std::max(1, width);
    height = std::max(1, height);
    if (m_resizable) {
        m_window->setMinimumSize(0, 0);
        m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_window->resize(width, height);
    } else {
        m_window->setFixedSize(width, height);
    }
}

void Form::setResizable(bool resizable)
{
    m_resizable = resizable;
    resize(width(), height());
}

int Form::outerWidth() const
{
    return m_window ? m_window->frameGeometry().width() : 0;
}
int Form::outerHeight() const
{
    return m_window ? m_window->frameGeometry().height() : 0;
}

void Form::setBackColor(gfx::Rgb colour)
{
    if (!m_window) {
        return;
    }
    QPalette palette = m_window->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(colour & 0xFFFFFF));
    m_window->setPalette(palette);
    m_window->setAutoFillBackground(true);
}

void Form::refresh()
{
    if (m_window) {
        m_window->update();
    }
}

void Form::refresh(int x, int y, int width, int height)
{
    if (m_window) {
        m_window->update(x, y, width, height);
    }
}

} // namespace platform::ui
