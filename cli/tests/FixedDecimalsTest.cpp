#include "cli/FixedDecimals.hpp"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace {

std::string Fixed(double value, int decimals) {
    std::array<char, cli::kFixedRoom> text;
    char* end = cli::WriteFixed(value, decimals, text.data());
    return std::string(text.data(), end);
}

std::string Reference(double value, int decimals) {
    std::array<char, 400> text;
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::fixed, decimals);
    return std::string(text.data(), result.ptr);
}

TEST(AppendFixed, Coordinates) {
    EXPECT_EQ(Fixed(51.503070553073165, 6), "51.503071");
    EXPECT_EQ(Fixed(-0.127237834115411, 6), "-0.127238");
    EXPECT_EQ(Fixed(-0.127237834115411, 0), "-0");
    EXPECT_EQ(Fixed(-180, 3), "-180.000");
    EXPECT_EQ(Fixed(0, 0), "0");
    EXPECT_EQ(Fixed(-0.0, 2), "-0.00");
    EXPECT_EQ(Fixed(0.0005, 15), "0.000500000000000");
}

TEST(AppendFixed, ExactTiesGoToEven) {
    EXPECT_EQ(Fixed(0.5, 0), "0");
    EXPECT_EQ(Fixed(1.5, 0), "2");
    EXPECT_EQ(Fixed(2.5, 0), "2");
    EXPECT_EQ(Fixed(0.125, 2), "0.12");
    EXPECT_EQ(Fixed(0.375, 2), "0.38");
    EXPECT_EQ(Fixed(-0.625, 2), "-0.62");
    EXPECT_EQ(Fixed(0.1, 0), "0");  // not a tie: 0.1 is a little above one tenth
}

TEST(AppendFixed, NotFiniteWritesNothing) {
    EXPECT_EQ(Fixed(std::numeric_limits<double>::quiet_NaN(), 6), "");
    EXPECT_EQ(Fixed(-std::numeric_limits<double>::infinity(), 6), "");
}

TEST(AppendFixed, SameTextAsToChars) {
    std::mt19937_64 rng(11);
    std::uniform_real_distribution<double> coordinate(-180, 180);
    std::uniform_int_distribution<std::uint64_t> anyBits;
    std::uniform_int_distribution<int> power(-20, 25);
    for (int round = 0; round < 5000; ++round) {
        const double values[] = {
            coordinate(rng),
            std::ldexp(coordinate(rng), power(rng)),
            // Few significant bits: exact ties at some number of decimals.
            std::ldexp(std::round(coordinate(rng) * 64), -power(rng) / 2 - 6),
            std::bit_cast<double>(anyBits(rng)),
        };
        for (const double value : values) {
            if (!std::isfinite(value))
                continue;
            for (int decimals = 0; decimals <= 15; ++decimals) {
                ASSERT_EQ(Fixed(value, decimals), Reference(value, decimals))
                    << value << " with " << decimals;
            }
        }
    }
}

TEST(AppendFixed, SameTextAsToCharsAroundTheFastRoadsLimits) {
    for (const double value : {5e17, 4.9999999e17, 1e18, 1e300, 4.9e-324, 2.2250738585072014e-308,
                               std::nextafter(0.5, 1.0), std::nextafter(0.5, 0.0), 999.9999995, 9.5,
                               99.5, 1e-16, 5e-16}) {
        for (int decimals = 0; decimals <= 15; ++decimals) {
            EXPECT_EQ(Fixed(value, decimals), Reference(value, decimals)) << value;
            EXPECT_EQ(Fixed(-value, decimals), Reference(-value, decimals)) << value;
        }
    }
}

}  // namespace
