// Doubles as text by the standard library.

#include <array>
#include <charconv>
#include <system_error>

#include "DoubleText.hpp"

namespace runtime {

std::string ShortestScientific(double value) {
    // "-d.dddddddddddddddde-308": 24 characters at most.
    std::array<char, 32> text{};
    const char* begin = text.data();
    const char* end =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::scientific)
            .ptr;
    return {begin, end};
}

char* WriteFixed(double value, int decimals, char* first, char* last) noexcept {
    return std::to_chars(first, last, value, std::chars_format::fixed, decimals).ptr;
}

std::optional<double> ReadDecimal(std::string_view decimal) {
    double value = 0;
    const char* end = decimal.data() + decimal.size();
    const auto [stop, error] = std::from_chars(decimal.data(), end, value);
    if (error != std::errc{} || stop != end) {
        return std::nullopt;
    }
    return value;
}

}  // namespace runtime
