#pragma once
// The battle's geometry: directions, distances and the strict inside test of boxes.

namespace tolvar::battle {

// Direction of point 1 seen from point 2, degrees in [0, 360): 0 towards +x, 90 towards the top of
// the screen (-y), counter-clockwise. Equal points give 0.
float CalcANG(float x1, float y1, float x2, float y2);

// Distance between the two points.
float CalcDIS(float x1, float y1, float x2, float y2);

// True when (x, y) lies strictly inside the box from (x1, y1) to (x2, y2).
bool InArea(float x, float y, float x1, float y1, float x2, float y2);

} // namespace tolvar::battle
