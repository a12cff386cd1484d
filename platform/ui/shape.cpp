#include "platform/ui/shape.h"

#include <QPainter>
#include <QWidget>

namespace platform::ui {

class Shape::Outline : public QWidget
{
public:
    explicit Outline(const Shape* owner) : m_owner(owner)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        const int w = std::max(1, m_owner->m_borderWidth);
        QPainter painter(this);
        const QColor colour = QColor::fromRgb(m_owner->m_colour & 0xFFFFFF);
        // The outline lies inside the shape's rectangle.
        painter.fillRect(0, 0, width(), w, colour);
        painter.fillRect(0, height() - w, width(), w, colour);
        painter.fillRect(0, 0, w, height(), colour);
        painter.fillRect(width() - w, 0, w, height(), colour);
    }

private:
    const Shape* m_owner;
};

Shape::Shape(Parent parent) : Control(parent, new Outline(this))
{
    bringToFront();
}

void Shape::setBorderColor(gfx::Rgb colour)
{
    m_colour = colour;
    if (widget() != nullptr) {
        widget()->update();
    }
}

void Shape::setBorderWidth(int pixels)
{
    m_borderWidth = std::max(1, pixels);
    if (widget() != nullptr) {
        widget()->update();
    }
}

} // namespace platform::ui
