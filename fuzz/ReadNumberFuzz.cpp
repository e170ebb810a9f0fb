// The number reader on arbitrary bytes, with each kind of decimal separator: it accepts
// exactly the texts that write a number, and reads each as the C library's correctly rounded
// reading of the same number does.

#include <array>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz/Property.hpp"
#include "runtime/NumberReading.hpp"

namespace {

using fuzz::Require;

// Full stop, comma, and a separator of more than one byte (U+066B, Arabic).
constexpr std::array<std::string_view, 3> kSeparators = {".", ",", "\xD9\xAB"};

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// `text` with its blanks trimmed and each separator made ".", the form strtod reads in the
// C locale; a byte that cannot be part of a number becomes "#", which no reading accepts.
std::string Canonical(std::string_view text, std::string_view separator) {
    text = fuzz::TrimBlanks(text);
    std::string canonical;
    while (!text.empty()) {
        if (text.starts_with(separator)) {
            canonical += '.';
            text.remove_prefix(separator.size());
            continue;
        }
        const char c = text.front();
        const bool numberByte = IsDigit(c) || c == '+' || c == '-' || c == 'e' || c == 'E';
        canonical += numberByte ? c : '#';
        text.remove_prefix(1);
    }
    return canonical;
}

// Whether `canonical` is sign, digits with at most one point (at least one digit), and an
// optional exponent with digits; or a sign and the point alone, as zero is shown.
bool IsNumber(std::string_view canonical, bool& pointAlone) {
    std::string_view rest = canonical;
    if (rest.starts_with('+') || rest.starts_with('-'))
        rest.remove_prefix(1);
    pointAlone = rest == ".";
    std::size_t digits = 0;
    while (!rest.empty() && IsDigit(rest.front()))
        rest.remove_prefix(1), ++digits;
    if (rest.starts_with('.')) {
        rest.remove_prefix(1);
        while (!rest.empty() && IsDigit(rest.front()))
            rest.remove_prefix(1), ++digits;
    }
    if (digits == 0) {
        return pointAlone;
    }
    if (rest.starts_with('e') || rest.starts_with('E')) {
        rest.remove_prefix(1);
        if (rest.starts_with('+') || rest.starts_with('-'))
            rest.remove_prefix(1);
        if (rest.empty() || !IsDigit(rest.front())) {
            return false;
        }
        while (!rest.empty() && IsDigit(rest.front()))
            rest.remove_prefix(1);
    }
    return rest.empty();
}

void Check(std::string_view text, std::string_view separator) {
    const std::optional<double> read = runtime::ReadNumber(text, separator);
    const std::string canonical = Canonical(text, separator);

    bool pointAlone = false;
    if (!IsNumber(canonical, pointAlone)) {
        Require(!read, "only numbers are read", text);
        return;
    }
    if (pointAlone) {
        Require(read && *read == 0 && std::signbit(*read) == canonical.starts_with('-'),
                "the separator alone reads as zero", text);
        return;
    }
    errno = 0;
    const double expected = std::strtod(canonical.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(expected)) {
        Require(!read, "a number too large for a double is not read", text);
        return;
    }
    Require(read.has_value(), "every number is read", text);
    Require(std::isfinite(*read), "readings are finite", text);
    Require(fuzz::SameBits(*read, expected), "read as the nearest double", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    for (const std::string_view separator : kSeparators) {
        Check(text, separator);
    }
    return 0;
}
