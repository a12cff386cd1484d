#include "platform/ui/picture_box.h"

#include "platform/ui/keys.h"
#include "platform/ui/picture_painting.h"
#include "platform/ui/shared_put.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

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
    int code = 0;
    if (buttons & Qt::LeftButton) {
        code |= kLeftButton;
    }
    if (buttons & Qt::RightButton) {
        code |= kRightButton;
    }
    if (buttons & Qt::MiddleButton) {
        code |= kMiddleButton;
    }
    return code;
}

int shiftCode(Qt::KeyboardModifiers mods)
{
    int code = 0;
    if (mods & Qt::ShiftModifier) {
        code |= kShiftMask;
    }
    if (mods & Qt::ControlModifier) {
        code |= kCtrlMask;
    }
    if (mods & Qt::AltModifier) {
        code |= kAltMask;
    }
    return code;
}

} // namespace

// Paints the owner's picture and passes the mouse to its event procedures.
class PictureBox::Canvas : public QFrame
{
public:
    explicit Canvas(PictureBox* owner) : m_owner(owner)
    {
        setMouseTracking(true);
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFrameStyle(QFrame::NoFrame);
    }

    void forget() { m_owner = nullptr; }

    // Readies the puts from shared memory (once), before the box is first shown where it can.
    void preparePut()
    {
        if (!m_putTried) {
            m_putTried = true;
            m_put = detail::SharedPut::create(this);
        }
    }

    // Shows the rectangle of a program's picture (all of the box when `part` is null) at once
    // from shared memory where the window system allows; otherwise asks for a repaint at the
    // next event processing.
    void showPicture(gfx::Picture& picture, const QRect& part = QRect())
    {
        preparePut();
        const QRect shown = part.isNull() ? picture.image().rect() : part;
        if (m_put != nullptr && isVisible() && m_put->put(picture, shown, contentsRect().topLeft())) {
            return;
        }
        if (part.isNull()) {
            update();
        } else {
            update(part.translated(contentsRect().topLeft()));
        }
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        detail::paintPicture(painter, event->rect(), contentsRect(),
                             m_owner != nullptr ? &m_owner->picture() : nullptr, palette().color(QPalette::Window));
        painter.end();
        QFrame::paintEvent(event); // the border, when there is one
    }

    void mousePressEvent(QMouseEvent* event) override { press(event); }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        // The second press of a double click is a press too.
        press(event);
        if (m_owner != nullptr && event->button() == Qt::LeftButton && m_owner->onDblClick) {
            m_owner->onDblClick();
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        event->accept();
        if (m_owner != nullptr && m_owner->onMouseMove) {
            const QPoint p = local(event);
            m_owner->onMouseMove(buttonsCode(event->buttons()), shiftCode(event->modifiers()), p.x(), p.y());
        }
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        event->accept();
        if (m_owner == nullptr) {
            return;
        }
        const QPoint p = local(event);
        if (m_owner->onMouseUp) {
            m_owner->onMouseUp(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
        }
        if (m_owner != nullptr && event->button() == Qt::LeftButton &&
            rect().contains(event->position().toPoint()) && m_owner->onClick) {
            m_owner->onClick();
        }
    }

private:
    QPoint local(const QMouseEvent* event) const
    {
        return event->position().toPoint() - contentsRect().topLeft();
    }

    void press(QMouseEvent* event)
    {
        event->accept();
        if (m_owner != nullptr && m_owner->onMouseDown) {
            const QPoint p = local(event);
            m_owner->onMouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), p.x(), p.y());
        }
    }

    PictureBox* m_owner;
    std::unique_ptr<detail::SharedPut> m_put;
    bool m_putTried = false;
};

PictureBox::PictureBox(Parent parent) : Control(parent, new Canvas(this))
{
    canvas()->setFocusPolicy(Qt::StrongFocus);
}

PictureBox::PictureBox(Parent parent, Tag) : Control(parent, new Canvas(this))
{
    canvas()->setFocusPolicy(Qt::NoFocus);
}

PictureBox::Canvas* PictureBox::canvas() const
{
    return static_cast<Canvas*>(widget());
}

void PictureBox::setPicture(const gfx::Picture& picture)
{
    gfx::Picture& shown = this->picture();
    if (&picture != &shown) {
        shown = picture;
    }
    if (m_autoSize && !shown.isNull()) {
        resize(shown.width() + 2 * (canvas() ? canvas()->frameWidth() : 0),
               shown.height() + 2 * (canvas() ? canvas()->frameWidth() : 0));
    }
    refresh();
}

void PictureBox::setPicture(gfx::Picture&& picture)
{
    this->picture() = std::move(picture);
    setPicture(this->picture());
}

void PictureBox::usePicture(gfx::Picture* picture)
{
    m_shown = picture != nullptr ? picture : &m_picture;
    if (picture != nullptr) {
        if (Canvas* c = canvas()) {
            c->preparePut();
        }
    }
    refresh();
}

bool PictureBox::loadPicture(const std::string& path)
{
    gfx::Picture loaded;
    if (!loaded.load(path)) {
        return false;
    }
    setPicture(std::move(loaded));
    return true;
}

void PictureBox::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (autoSize) {
        setPicture(picture());
    }
}

void PictureBox::setBorder(bool border)
{
    if (Canvas* c = canvas()) {
        c->setFrameStyle(border ? (QFrame::Panel | QFrame::Sunken) : QFrame::NoFrame);
        c->setLineWidth(border ? 2 : 0);
    }
}

void PictureBox::refresh()
{
    if (Canvas* c = canvas()) {
        if (m_shown != &m_picture) {
            c->showPicture(*m_shown);
        } else {
            c->update();
        }
    }
}

void PictureBox::refresh(int x, int y, int width, int height)
{
    if (Canvas* c = canvas()) {
        if (m_shown != &m_picture) {
            c->showPicture(*m_shown, QRect(x, y, width, height));
        } else {
            c->update(QRect(x, y, width, height).translated(c->contentsRect().topLeft()));
        }
    }
}

Image::Image(Parent parent) : PictureBox(parent, Tag{}) {}

} // namespace platform::ui
