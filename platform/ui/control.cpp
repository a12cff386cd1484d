#include "platform/ui/control.h"

#include "platform/text/codepage.h"
#include "platform/ui/form.h"
#include "platform/ui/keys.h"

#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPalette>

namespace platform::ui {

Parent::Parent(Form& form) : m_widget(form.widget()) {}

Parent::Parent(Control& container) : m_widget(container.clientWidget()) {}

// Passes the key events of the control's widgets to the control's handlers.
class Control::KeyRelay : public QObject
{
public:
    explicit KeyRelay(Control& owner) : m_owner(owner) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusOut) {
            const Qt::FocusReason reason = static_cast<const QFocusEvent&>(*event).reason();
            if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
                m_owner.onLostFocus) {
                m_owner.onLostFocus();
            }
            return false;
        }
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease) {
            return false;
        }
        auto* w = qobject_cast<QWidget*>(watched);
        if (w == nullptr || !w->isEnabled()) {
            return false;
        }
        const auto& key = static_cast<const QKeyEvent&>(*event);
        const int code = keyCodeOf(key);
        if (event->type() == QEvent::KeyPress) {
            if (code != 0 && m_owner.onKeyDown) {
                m_owner.onKeyDown(code, shiftOf(key));
            }
            const int ascii = keyAsciiOf(key);
            if (ascii != 0 && m_owner.onKeyPress) {
                m_owner.onKeyPress(ascii);
            }
        } else if (code != 0 && m_owner.onKeyUp && !key.isAutoRepeat()) {
            m_owner.onKeyUp(code, shiftOf(key));
        }
        return false;
    }

private:
    Control& m_owner;
};

Control::Control(Parent parent, QWidget* widget)
    : m_widget(widget), m_keyRelay(std::make_unique<KeyRelay>(*this))
{
    if (parent.widget() != nullptr) {
        widget->setParent(parent.widget());
        widget->show();
    }
    widget->installEventFilter(m_keyRelay.get());
}

Control::~Control()
{
    if (m_widget) {
        m_widget->removeEventFilter(m_keyRelay.get());
        delete m_widget.data();
    }
}

void Control::watchKeys(QWidget* widget)
{
    widget->installEventFilter(m_keyRelay.get());
}

int Control::left() const
{
    return m_widget ? m_widget->x() : 0;
}
int Control::top() const
{
    return m_widget ? m_widget->y() : 0;
}
int Control::width() const
{
    return m_widget ? m_widget->width() : 0;
}
int Control::height() const
{
    return m_widget ? m_widget->height() : 0;
}

void Control::setLeft(int left)
{
    move(left, top());
}
void Control::setTop(int top)
{
    move(left(), top);
}
void Control::setWidth(int width)
{
    resize(width, height());
}
void Control::setHeight(int height)
{
    resize(width(), height);
}

void Control::move(int left, int top)
{
    if (m_widget) {
        m_widget->move(left, top);
    }
}

void Control::move(int left, int top, int width, int height)
{
    if (m_widget) {
        m_widget->setGeometry(left, top, std::max(0, width), std::max(0, height));
    }
}

void Control::resize(int width, int height)
{
    if (m_widget) {
        m_widget->resize(std::max(0, width), std::max(0, height));
    }
}

bool Control::visible() const
{
    return m_widget && !m_widget->isHidden();
}

void Control::setVisible(bool visible)
{
    if (m_widget) {
        m_widget->setVisible(visible);
    }
}

bool Control::enabled() const
{
    return m_widget && !m_widget->testAttribute(Qt::WA_ForceDisabled);
}

void Control::setEnabled(bool enabled)
{
    if (m_widget) {
        m_widget->setEnabled(enabled);
    }
}

void Control::setFocus()
{
    if (m_widget) {
        m_widget->setFocus(Qt::OtherFocusReason);
    }
}

bool Control::hasFocus() const
{
    return m_widget && m_widget->window()->focusWidget() == m_widget.data();
}

void Control::setToolTipText(const std::string& text)
{
    if (m_widget) {
        m_widget->setToolTip(text::toUnicode(text));
    }
}

std::string Control::toolTipText() const
{
    return m_widget ? text::fromUnicode(m_widget->toolTip()) : std::string();
}

void Control::setFont(const gfx::Font& font)
{
    if (m_widget) {
        m_widget->setFont(qtFont(font));
    }
}

void Control::setForeColor(gfx::Rgb colour)
{
    if (!m_widget) {
        return;
    }
    QPalette palette = m_widget->palette();
    const QColor c = QColor::fromRgb(colour & 0xFFFFFF);
    palette.setColor(QPalette::WindowText, c);
    palette.setColor(QPalette::Text, c);
    palette.setColor(QPalette::ButtonText, c);
    m_widget->setPalette(palette);
}

void Control::setBackColor(gfx::Rgb colour)
{
    if (!m_widget) {
        return;
    }
    QPalette palette = m_widget->palette();
    const QColor c = QColor::fromRgb(colour & 0xFFFFFF);
    palette.setColor(QPalette::Window, c);
    palette.setColor(QPalette::Base, c);
    palette.setColor(QPalette::Button, c);
    m_widget->setPalette(palette);
    m_widget->setAutoFillBackground(true);
}

void Control::bringToFront()
{
    if (m_widget) {
        m_widget->raise();
    }
}

void Control::sendToBack()
{
    if (m_widget) {
        m_widget->lower();
    }
}

QFont qtFont(const gfx::Font& font)
{
    QString family = text::toUnicode(font.family);
    bool bold = font.bold;
    const std::string lower = text::lowerCase(font.family);
    if (lower == "arial black") {
        family = QStringLiteral("DejaVu Sans");
        bold = true;
    } else if (lower == "ms sans serif" || lower == "arial" || lower == "tahoma") {
        family = QStringLiteral("DejaVu Sans");
    } else if (lower == "terminal" || lower == "pixel") {
        family = QStringLiteral("DejaVu Sans Mono");
    }
    QFont result(family);
    result.setPointSize(std::max(1, font.pointSize));
    result.setBold(bold);
    return result;
}

} // namespace platform::ui
