#include "cli/RecordWriter.hpp"

#include <gtest/gtest.h>

#include <array>
#include <charconv>
#include <cmath>
#include <random>
#include <string>

namespace {

// Numbers are written exactly as std::to_chars writes them in fixed notation, whatever the
// way taken: values near a half of their last decimal, ties, carries, negative zero, and
// random values of every size.
TEST(RecordWriter, NumbersAsToCharsWritesThem) {
    const auto expected = [](double value, int decimals) {
        std::array<char, 400> text{};
        return std::string(text.data(), std::to_chars(text.data(), text.data() + text.size(), value,
                                                      std::chars_format::fixed, decimals)
                                            .ptr);
    };
    const auto written = [](double value, int decimals) {
        std::string out;
        cli::AppendCell(cli::Cell::Number(value), cli::Format::kText, ',', decimals, out);
        return out;
    };
    for (const double value :
         {0.0, -0.0, 0.5, 1.5, 2.5, 0.125, -0.125, 0.9999995, 51.5030705, -0.0000001,
          179.9999999999, 1e-300, 123456789.5, 999999999.9999, 4503599627370495.5, 1e20}) {
        for (int decimals = 0; decimals <= 15; ++decimals)
            EXPECT_EQ(written(value, decimals), expected(value, decimals))
                << value << " " << decimals;
    }
    std::mt19937_64 random(20261210);
    std::uniform_real_distribution<double> mantissa(-1, 1);
    std::uniform_int_distribution<int> exponent(-12, 12);
    std::uniform_int_distribution<int> decimals(0, 15);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::ldexp(mantissa(random), exponent(random) * 3);
        const int d = decimals(random);
        ASSERT_EQ(written(value, d), expected(value, d)) << value << " " << d;
        // Halves of the last decimal, and their neighbours.
        const double half = (std::floor(std::fabs(value) * 1e6) + 0.5) / 1e6;
        for (const double near : {half, std::nextafter(half, 0.0), std::nextafter(half, 1e9)})
            ASSERT_EQ(written(near, 6), expected(near, 6)) << near;
    }
}

}  // namespace
