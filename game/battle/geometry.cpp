#include "game/battle/geometry.h"

#include <cmath>

namespace tolvar::battle {

float CalcANG(float x1, float y1, float x2, float y2)
{
    constexpr double pi = 3.14159265358979;
    if (x1 == x2) {
        if (y1 < y2)
            return 90;
        if (y1 > y2)
            return 270;
        return 0;
    }
    if (y1 == y2)
        return x1 > x2 ? 0.0f : 180.0f;
    // The arc tangent gives -90..90; the quadrant of point 1 around point 2 puts it in 0..360.
    double angle = std::atan((static_cast<double>(y2) - y1) / (static_cast<double>(x1) - x2)) * 180 / pi;
    if (x1 < x2)
        angle += 180;
    else if (y1 > y2)
        angle += 360;
    return static_cast<float>(angle);
}

float CalcDIS(float x1, float y1, float x2, float y2)
{
    const double dx = static_cast<double>(x2) - x1;
    const double dy = static_cast<double>(y2) - y1;
    return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

bool InArea(float x, float y, float x1, float y1, float x2, float y2)
{
    return x1 < x && x < x2 && y1 < y && y < y2;
}

} // namespace tolvar::battle
