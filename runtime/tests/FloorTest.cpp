#include "runtime/Floor.hpp"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>
#include <random>

namespace {

// Same bits as std::floor, sign of zero included.
void ExpectSameAsStdFloor(double x) {
    const double expected = std::floor(x);
    const double actual = runtime::Floor(x);
    if (std::isnan(expected)) {
        EXPECT_TRUE(std::isnan(actual)) << x;
        return;
    }
    EXPECT_EQ(actual, expected) << x;
    EXPECT_EQ(std::signbit(actual), std::signbit(expected)) << x;
}

TEST(Floor, EdgesAgreeWithStdFloor) {
    constexpr double kInf = std::numeric_limits<double>::infinity();
    for (const double x : {0.0,
                           -0.0,
                           0.5,
                           -0.5,
                           1.0,
                           -1.0,
                           2.999999999999999,
                           -2.000000000000001,
                           4503599627370495.5,
                           -4503599627370495.5,
                           4503599627370496.0,
                           -4503599627370497.0,
                           9.3e18,
                           -9.3e18,
                           1e300,
                           -1e300,
                           kInf,
                           -kInf,
                           std::numeric_limits<double>::denorm_min(),
                           -std::numeric_limits<double>::denorm_min(),
                           std::numeric_limits<double>::quiet_NaN()}) {
        ExpectSameAsStdFloor(x);
    }
}

TEST(Floor, RandomValuesAgreeWithStdFloor) {
    std::mt19937_64 rng(7);
    std::uniform_real_distribution<double> around(-400, 400);
    for (int i = 0; i < 100000; ++i) {
        ExpectSameAsStdFloor(around(rng));
        ExpectSameAsStdFloor(std::bit_cast<double>(rng()));  // any bit pattern
    }
}

}  // namespace
