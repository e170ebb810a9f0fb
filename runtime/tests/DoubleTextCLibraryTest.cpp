// The C library's doubles as text (DoubleTextCLibrary.cpp), which builds without
// std::to_chars and std::from_chars for double use, give exactly the standard library's
// answers.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <system_error>

#include "runtime/DoubleText.hpp"

namespace {

std::string StandardShortest(double value) {
    std::array<char, 32> text{};
    const char* begin = text.data();
    const char* end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific)
            .ptr;
    return {begin, end};
}

std::optional<double> StandardRead(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc{} && end == text.data() + text.size() ? std::optional(value)
                                                                    : std::nullopt;
}

TEST(DoubleTextCLibrary, ShortestAsTheStandardLibrary) {
    // Every power of two (where the interval is lopsided), the edges of the subnormals, and
    // random doubles of every magnitude and of few digits.
    for (int exponent = -1074; exponent <= 1023; ++exponent) {
        const double value = std::ldexp(1.0, exponent);
        ASSERT_EQ(runtime::ShortestScientific(value), StandardShortest(value)) << exponent;
    }
    std::mt19937_64 random(20240601);
    for (int i = 0; i < 20000; ++i) {
        const double any = std::bit_cast<double>(random());
        const double value = std::isfinite(any) ? any : 0.0;
        ASSERT_EQ(runtime::ShortestScientific(value), StandardShortest(value)) << value;
        const double few = static_cast<double>(random() % 100000) / 1000 - 50;
        ASSERT_EQ(runtime::ShortestScientific(few), StandardShortest(few)) << few;
    }
}

TEST(DoubleTextCLibrary, ReadsAsTheStandardLibrary) {
    std::mt19937_64 random(20240602);
    const std::string digits = "0123456789";
    for (int i = 0; i < 20000; ++i) {
        std::string text = random() % 2 ? "-" : "";
        const auto count = [&] { return 1 + random() % 20; };
        for (auto n = count(); n > 0; --n) {
            text += digits[random() % 10];
        }
        if (random() % 2) {
            text += '.';
            for (auto n = count(); n > 0; --n) {
                text += digits[random() % 10];
            }
        }
        if (random() % 2) {
            text += 'e' + std::to_string(static_cast<int>(random() % 700) - 350);
        }
        ASSERT_EQ(runtime::ReadDecimal(text), StandardRead(text)) << text;
    }
}

TEST(DoubleTextCLibrary, FixedAsTheStandardLibrary) {
    // Exact halves (ties), negative zero, and random doubles of every magnitude at every
    // number of decimals.
    std::mt19937_64 random(20240603);
    const auto same = [](double value, int decimals) {
        std::array<char, 330> ours{};
        std::array<char, 330> standard{};
        char* end = runtime::WriteFixed(value, decimals, ours.data(), ours.data() + 330);
        char* standardEnd = std::to_chars(standard.data(), standard.data() + 330, value,
                                          std::chars_format::fixed, decimals)
                                .ptr;
        return std::string(ours.data(), end) == std::string(standard.data(), standardEnd);
    };
    for (const double tie : {0.5, 1.5, 2.5, 0.125, 0.375, -0.0, -0.0005, 1e300})
        for (int decimals = 0; decimals <= 15; ++decimals)
            ASSERT_TRUE(same(tie, decimals)) << tie << " " << decimals;
    for (int i = 0; i < 20000; ++i) {
        const double any = std::bit_cast<double>(random());
        const int decimals = static_cast<int>(random() % 16);
        ASSERT_TRUE(same(std::isfinite(any) ? any : 0.0, decimals)) << any;
        const double degrees = static_cast<double>(random() % 360'000'000'000) / 1e9 - 180;
        ASSERT_TRUE(same(degrees, decimals)) << degrees;
    }
}

}  // namespace
