// Doubles as text by the C library, for standard libraries without std::to_chars and
// std::from_chars for double. snprintf rounds correctly to any number of digits and strtod
// reads correctly rounded, so trying one digit more at a time finds the shortest text that
// reads back, as std::to_chars does.

#include <locale.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "DoubleText.hpp"

namespace runtime {
namespace {

// Seventeen significant digits tell every double apart (IEEE 754, 5.12.2).
constexpr int kMaxDigits = 17;

// Makes the "C" locale, in which snprintf and strtod write and read "." as the decimal
// point, the calling thread's for as long as it lives.
class InCLocale {
  public:
    InCLocale() : previous_(uselocale(CLocale())) {}
    InCLocale(const InCLocale&) = delete;
    InCLocale& operator=(const InCLocale&) = delete;
    ~InCLocale() { uselocale(previous_); }

  private:
    static locale_t CLocale() {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", nullptr);
        return c;
    }
    locale_t previous_;
};

bool ReadsBackAs(const std::string& text, double value) {
    return std::strtod(text.c_str(), nullptr) == value;
}

// Significant digits as a whole number and a power of ten: (15, 0) is 1.5e+00 with two
// digits.
struct Scientific {
    std::uint64_t digits;
    int exponent;
};

// `value` to `count` significant digits, correctly rounded.
Scientific Rounded(double value, int count) {
    std::array<char, 40> text{};
    std::snprintf(text.data(), text.size(), "%.*e", count - 1, std::fabs(value));
    Scientific s{0, 0};
    const char* c = text.data();
    for (; *c != 'e'; ++c) {
        if (*c != '.') {
            s.digits = s.digits * 10 + static_cast<std::uint64_t>(*c - '0');
        }
    }
    s.exponent = static_cast<int>(std::strtol(c + 1, nullptr, 10));
    return s;
}

// "d.ddde+xx" of `s`, which has `count` digits.
std::string Written(bool negative, Scientific s, int count) {
    std::string digits = std::to_string(s.digits);
    if (count > 1) {
        digits.insert(1, ".");
    }
    std::array<char, 8> exponent{};
    std::snprintf(exponent.data(), exponent.size(), "e%c%02d", s.exponent < 0 ? '-' : '+',
                  std::abs(s.exponent));
    return (negative ? "-" : "") + digits + exponent.data();
}

}  // namespace

std::string ShortestScientific(double value) {
    const InCLocale c;
    const bool negative = std::signbit(value);
    std::uint64_t lowest = 1;  // the smallest number of `count` digits
    for (int count = 1;; ++count, lowest *= 10) {
        // The nearest text of `count` digits, which reads back unless `value` lies too far
        // from it within its interval. At a power of two the interval reaches twice as far
        // above `value` as below it, so the next text above may read back where the nearest
        // one, below, does not.
        const Scientific nearest = Rounded(value, count);
        const std::string text = Written(negative, nearest, count);
        if (count == kMaxDigits || ReadsBackAs(text, value)) {
            return text;
        }
        if (std::fabs(std::strtod(text.c_str(), nullptr)) < std::fabs(value)) {
            Scientific above{nearest.digits + 1, nearest.exponent};
            if (above.digits == lowest * 10) {
                above = {lowest, above.exponent + 1};
            }
            const std::string next = Written(negative, above, count);
            if (ReadsBackAs(next, value)) {
                return next;
            }
        }
    }
}

char* WriteFixed(double value, int decimals, char* first, char* last) noexcept {
    const InCLocale c;
    // A sign, 309 whole digits, the point, 15 decimals and the terminating NUL.
    std::array<char, 328> text{};
    const int length = std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    const auto size = static_cast<std::size_t>(std::max(0, length));
    return std::copy_n(text.data(), std::min(size, static_cast<std::size_t>(last - first)), first);
}

std::optional<double> ReadDecimal(std::string_view decimal) {
    const InCLocale c;
    const std::string text(decimal);
    char* end = nullptr;
    const double value = std::strtod(text.c_str(), &end);
    if (end != text.c_str() + text.size() || std::isinf(value)) {
        return std::nullopt;
    }
    const std::string_view mantissa = decimal.substr(0, decimal.find_first_of("eE"));
    if (value == 0 && mantissa.find_first_of("123456789") != std::string_view::npos) {
        return std::nullopt;
    }
    return value;
}

}  // namespace runtime
