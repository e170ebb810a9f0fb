#include "NumberText.hpp"

#include "Floor.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace runtime {
namespace {

// Significant digits of a double that survive a round trip through decimal text.
constexpr int kSignificantDigits = 15;
// Whole numbers below this are written digit for digit rather than in exponent form.
constexpr double kWholeNumberLimit = 1e15;

}  // namespace

std::string_view NumberToText(double value, NumberBuffer& buffer) noexcept {
    const char sign = std::signbit(value) && value != 0 ? '-' : ' ';
    if (std::isnan(value)) {
        return " NaN";
    }
    if (std::isinf(value)) {
        return sign == '-' ? "-Inf" : " Inf";
    }
    const double magnitude = std::fabs(value);
    buffer[0] = sign;
    char* const digits = buffer.data() + 1;
    if (magnitude < kWholeNumberLimit && magnitude == Floor(magnitude)) {
        const char* end = std::to_chars(digits, buffer.data() + buffer.size(),
                                        static_cast<std::int64_t>(magnitude))
                              .ptr;
        return {buffer.data(), end};
    }
    char* end = std::to_chars(digits, buffer.data() + buffer.size(), magnitude,
                              std::chars_format::general, kSignificantDigits)
                    .ptr;
    std::replace(digits, end, 'e', 'E');
    // No zero before the decimal point.
    if (std::string_view(digits, end).starts_with("0.")) {
        std::copy(digits + 1, end, digits);
        --end;
    }
    return {buffer.data(), end};
}

std::string_view TrimLeft(std::string_view text) noexcept {
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::string_view{} : text.substr(first);
}

}  // namespace runtime
