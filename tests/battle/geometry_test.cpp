// Directions, distances and the strict inside test.

#include "game/battle/geometry.h"

#include <gtest/gtest.h>

using namespace tolvar::battle;

TEST(CalcANG, EveryQuadrantAndBothAxesSeenFromTheSecondPoint)
{
    struct Case
    {
        float x1, y1, x2, y2, angle;
    };
    // Screen y grows downwards: a point above the second one has a smaller y.
    const Case cases[] = {
        {13, 7, 10, 10, 45},
        {7, 7, 10, 10, 135},
        {7, 13, 10, 10, 225},
        {13, 13, 10, 10, 315},
        {20, 10, 10, 10, 0},
        {10, 0, 10, 10, 90},
        {0, 10, 10, 10, 180},
        {10, 20, 10, 10, 270},
        {10, 10, 10, 10, 0},
        {10 + 1.7320508f, 9, 10, 10, 30},
        {9, 10 + 1.7320508f, 10, 10, 240},
    };
    for (const Case& c : cases)
        EXPECT_NEAR(CalcANG(c.x1, c.y1, c.x2, c.y2), c.angle, 1e-3)
            << "(" << c.x1 << ", " << c.y1 << ") from (" << c.x2 << ", " << c.y2 << ")";
}

TEST(CalcANG, StaysBelow360JustUnderTheAxis)
{
    const float a = CalcANG(1000, 10.01f, 0, 10);
    EXPECT_GE(a, 359.9f);
    EXPECT_LT(a, 360.0f);
}

TEST(CalcDIS, IsTheStraightDistance)
{
    EXPECT_FLOAT_EQ(CalcDIS(1, 2, 4, 6), 5);
    EXPECT_FLOAT_EQ(CalcDIS(4, 6, 1, 2), 5);
    EXPECT_FLOAT_EQ(CalcDIS(3, 3, 3, 3), 0);
}

TEST(InArea, IsStrictOnEveryEdge)
{
    EXPECT_TRUE(InArea(5, 5, 0, 0, 10, 10));
    EXPECT_TRUE(InArea(0.01f, 9.99f, 0, 0, 10, 10));
    for (auto [x, y] : {std::pair{0.f, 5.f}, {10.f, 5.f}, {5.f, 0.f}, {5.f, 10.f}, {-1.f, 5.f}})
        EXPECT_FALSE(InArea(x, y, 0, 0, 10, 10)) << x << ", " << y;
}
