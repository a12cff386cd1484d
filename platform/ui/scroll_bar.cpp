#include "platform/ui/scroll_bar.h"

#include <QScrollBar>

namespace platform::ui {

ScrollBar::ScrollBar(Parent parent, Orientation orientation)
    : Control(parent, new QScrollBar(orientation == Orientation::Horizontal ? Qt::Horizontal : Qt::Vertical))
{
    QScrollBar* bar = scrollWidget();
    bar->setRange(0, 32767);
    bar->setSingleStep(1);
    bar->setPageStep(1);
    bar->setTracking(true);
    bar->setFocusPolicy(Qt::StrongFocus);
    m_lastChange = bar->value();
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this](int v) { valueChangedInWidget(v); });
    QObject::connect(bar, &QScrollBar::sliderReleased, bar, [this] { sliderReleased(); });
}

QScrollBar* ScrollBar::scrollWidget() const
{
    return static_cast<QScrollBar*>(widget());
}

void ScrollBar::valueChangedInWidget(int value)
{
    QScrollBar* bar = scrollWidget();
    if (bar != nullptr && bar->isSliderDown()) {
        if (onScroll) {
            onScroll();
        }
        return;
    }
    if (value == m_lastChange) {
        return;
    }
    m_lastChange = value;
    if (onChange) {
        onChange();
    }
}

void ScrollBar::sliderReleased()
{
    // The end of a drag reports the value where the thumb was left.
    QScrollBar* bar = scrollWidget();
    if (bar != nullptr && bar->value() != m_lastChange) {
        m_lastChange = bar->value();
        if (onChange) {
            onChange();
        }
    }
}

int ScrollBar::min() const
{
    return scrollWidget() ? scrollWidget()->minimum() : 0;
}
int ScrollBar::max() const
{
    return scrollWidget() ? scrollWidget()->maximum() : 0;
}

void ScrollBar::setMin(int min)
{
    setRange(min, std::max(min, max()));
}
void ScrollBar::setMax(int max)
{
    setRange(min(), max);
}

void ScrollBar::setRange(int min, int max)
{
    if (QScrollBar* bar = scrollWidget()) {
        bar->setRange(min, std::max(min, max));
    }
}

int ScrollBar::value() const
{
    return scrollWidget() ? scrollWidget()->value() : 0;
}

void ScrollBar::setValue(int value)
{
    if (QScrollBar* bar = scrollWidget()) {
        bar->setValue(std::clamp(value, bar->minimum(), bar->maximum()));
    }
}

int ScrollBar::smallChange() const
{
    return scrollWidget() ? scrollWidget()->singleStep() : 1;
}
int ScrollBar::largeChange() const
{
    return scrollWidget() ? scrollWidget()->pageStep() : 1;
}

void ScrollBar::setSmallChange(int step)
{
    if (QScrollBar* bar = scrollWidget()) {
        bar->setSingleStep(std::max(1, step));
    }
}

void ScrollBar::setLargeChange(int step)
{
    if (QScrollBar* bar = scrollWidget()) {
        bar->setPageStep(std::max(1, step));
    }
}

} // namespace platform::ui
