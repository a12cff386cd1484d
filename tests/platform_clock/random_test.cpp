#include "platform/clock/random.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using platform::clock::Random;

namespace {

std::vector<double> draws(Random& random, int n)
{
    std::vector<double> out;
    for (int i = 0; i < n; ++i) {
        out.push_back(random.rnd());
    }
    return out;
}

TEST(Random, SameSeedSameSequence)
{
    Random a(7);
    Random b(7);
    Random c(8);
    const auto first = draws(a, 20);
    EXPECT_EQ(first, draws(b, 20));
    EXPECT_NE(first, draws(c, 20));

    a.seed(7);
    EXPECT_EQ(draws(a, 20), first);
}

TEST(Random, StaysInsideZeroToOneAndPicksEveryPosition)
{
    // Picking a position 1..n as Int(Rnd * n) + 1 must reach every position and never n + 1.
    Random random(12345);
    constexpr int n = 10;
    std::set<int> seen;
    double sum = 0;
    constexpr int count = 200000;
    for (int i = 0; i < count; ++i) {
        const double r = random.rnd();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        sum += r;
        const int p = static_cast<int>(r * n) + 1;
        ASSERT_LE(p, n);
        seen.insert(p);
    }
    EXPECT_EQ(seen.size(), static_cast<std::size_t>(n));
    EXPECT_NEAR(sum / count, 0.5, 0.01);
}

TEST(Random, RandomizeLeavesTheFixedSequence)
{
    Random fixed(1);
    Random randomized(1);
    randomized.randomize();
    EXPECT_NE(draws(fixed, 10), draws(randomized, 10));
}

} // namespace
