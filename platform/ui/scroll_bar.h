#pragma once
// Horizontal and vertical scroll bars with a range, small and large changes, and change and
// scroll events.

#include "platform/ui/control.h"

class QScrollBar;

namespace platform::ui {

class ScrollBar : public Control
{
public:
    enum class Orientation { Horizontal, Vertical };

    ScrollBar(Parent parent, Orientation orientation);

    int min() const;
    int max() const;
    // A new range keeps the value inside it (running onChange when that moves it). A maximum
    // below the minimum is taken as the minimum.
    void setMin(int min);
    void setMax(int max);
    void setRange(int min, int max);

    int value() const;
    // Clamped to min .. max; runs onChange when the value changes.
    void setValue(int value);

    int smallChange() const; // the arrows' step
    int largeChange() const; // the step of a click beside the thumb
    void setSmallChange(int step);
    void setLargeChange(int step);

    // The value changed: by code, by the arrows or the track, or at the end of a drag of the thumb.
    std::function<void()> onChange;
    // The thumb is being dragged; value() is where it is now.
    std::function<void()> onScroll;

    QScrollBar* scrollWidget() const;

private:
    void valueChangedInWidget(int value);
    void sliderReleased();

    int m_lastChange = 0; // the value last reported by onChange
};

class HScrollBar : public ScrollBar
{
public:
    explicit HScrollBar(Parent parent) : ScrollBar(parent, Orientation::Horizontal) {}
};

class VScrollBar : public ScrollBar
{
public:
    explicit VScrollBar(Parent parent) : ScrollBar(parent, Orientation::Vertical) {}
};

} // namespace platform::ui
