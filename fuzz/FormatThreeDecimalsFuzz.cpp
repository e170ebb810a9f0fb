// The "###.###" formatter on arbitrary doubles, with each kind of decimal separator: the text
// has the pattern's shape, reads back as the value to within half a thousandth, and for
// decimal values rounds exactly as the pattern promises.

#include <array>
#include <cmath>
#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>

#include "fuzz/Property.hpp"
#include "runtime/DecimalFormat.hpp"
#include "runtime/NumberReading.hpp"

namespace {

using fuzz::Require;

// Full stop, comma, and a separator of more than one byte (U+066B, Arabic).
constexpr std::array<std::string_view, 3> kSeparators = {".", ",", "\xD9\xAB"};

constexpr std::size_t kDecimals = 3;
// The most a shown value may differ from the value: half of the last decimal shown.
constexpr double kHalfThousandth = 0.0005;
// A shortest round-trip text has at most 17 significant digits. From 10^13 on at least 14
// of them are whole digits, so it has at most three decimals and the formatter rounds
// nothing away: the text reads back as the very same double.
constexpr double kExactFrom = 1e13;
// Decimal values n / 10^k with |n| below 10^15 have at most 15 significant digits, so the
// nearest double's shortest text is exactly n / 10^k again, and the rounding is predictable.
constexpr std::int64_t kExactDigitsBelow = 1'000'000'000'000'000;
constexpr int kMaxScale = 7;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string Describe(double value) {
    std::array<char, 64> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return {buffer.data(), static_cast<std::size_t>(n)};
}

// The text of a finite value: an optional minus, the whole digits without leading zeros, the
// separator, at most three decimals without trailing zeros; a minus only for a value below
// zero that does not show as zero.
void CheckShape(double value, std::string_view shown, std::string_view separator) {
    std::string_view rest = shown;
    const bool minus = rest.starts_with('-');
    if (minus) {
        rest.remove_prefix(1);
    }
    const std::size_t at = rest.find(separator);
    Require(at != std::string_view::npos, "the separator is always shown", Describe(value));
    const std::string_view whole = rest.substr(0, at);
    const std::string_view fraction = rest.substr(at + separator.size());
    for (const std::string_view digits : {whole, fraction}) {
        for (const char c : digits) {
            Require(IsDigit(c), "only digits around the separator", shown);
        }
    }
    Require(!whole.starts_with('0'), "no leading zero", shown);
    Require(fraction.size() <= kDecimals, "at most three decimals", shown);
    Require(!fraction.ends_with('0'), "no trailing zero", shown);
    const bool showsZero = whole.empty() && fraction.empty();
    Require(minus == (value < 0 && !showsZero), "a minus exactly for a value below zero", shown);
}

void CheckRoundTrip(double value, const std::string& shown, std::string_view separator) {
    const std::optional<double> read = runtime::ReadNumber(shown, separator);
    Require(read.has_value(), "what the formatter shows reads as a number", shown);
    if (std::fabs(value) >= kExactFrom) {
        Require(*read == value, "large values read back exactly", Describe(value));
        return;
    }
    // Half a thousandth, plus the rounding of the shortest text, of the reading and of the
    // subtraction: a unit in the last place each at most.
    const double magnitude = std::fmax(std::fabs(value), std::fabs(*read));
    const double ulp = std::nextafter(magnitude, HUGE_VAL) - magnitude;
    Require(std::fabs(*read - value) <= kHalfThousandth + 2 * ulp,
            "reads back within half a thousandth", Describe(value) + " shown as " + shown);
}

void Check(double value) {
    for (const std::string_view separator : kSeparators) {
        const std::string shown = runtime::FormatThreeDecimals(value, separator);
        if (std::isnan(value)) {
            Require(shown == "NaN", "NaN shows as NaN", shown);
        } else if (std::isinf(value)) {
            Require(shown == (value < 0 ? "-Infinity" : "Infinity"), "infinities by name", shown);
        } else {
            CheckShape(value, shown, separator);
            CheckRoundTrip(value, shown, separator);
        }
    }
}

// The value n / 10^scale, whose shortest text is its own decimal digits: it must show
// rounded half away from zero at the third decimal, computed here in whole numbers.
void CheckDecimal(std::int64_t n, int scale) {
    std::int64_t divisor = 1;
    for (int i = 0; i < scale; ++i)
        divisor *= 10;
    const double value = static_cast<double>(n) / static_cast<double>(divisor);

    const std::uint64_t magnitude =
        n < 0 ? 0 - static_cast<std::uint64_t>(n) : static_cast<std::uint64_t>(n);
    std::uint64_t thousandths = magnitude;
    if (scale > static_cast<int>(kDecimals)) {
        std::uint64_t cut = 1;
        for (int i = static_cast<int>(kDecimals); i < scale; ++i)
            cut *= 10;
        thousandths = magnitude / cut + (magnitude % cut >= cut / 2 ? 1 : 0);
    } else {
        for (int i = scale; i < static_cast<int>(kDecimals); ++i)
            thousandths *= 10;
    }
    std::string fraction = std::to_string(thousandths % 1000);
    fraction.insert(0, kDecimals - fraction.size(), '0');
    fraction.erase(fraction.find_last_not_of('0') + 1);
    const std::uint64_t whole = thousandths / 1000;

    std::string expected = n < 0 && thousandths != 0 ? "-" : "";
    if (whole != 0)
        expected += std::to_string(whole);
    expected += ".";
    expected += fraction;
    Require(runtime::FormatThreeDecimals(value, ".") == expected,
            "decimal values round half away from zero", expected);
    Check(value);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    // Any double, bit for bit.
    Check(fuzz::ValueAt<double>(bytes, 0));

    // The same bytes as a decimal number of up to 15 digits with up to 7 decimals.
    const int scale = fuzz::ValueAt<std::uint8_t>(bytes, sizeof(double)) % (kMaxScale + 1);
    const std::int64_t n = fuzz::ValueAt<std::int64_t>(bytes, 0) % kExactDigitsBelow;
    CheckDecimal(n, scale);
    return 0;
}
