#include "FixedDecimals.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace cli {
namespace {

__extension__ using Uint128 = unsigned __int128;

constexpr int kMaxDecimals = 15;
constexpr std::array<std::uint64_t, kMaxDecimals + 1> kPowersOfTen = [] {
    std::array<std::uint64_t, kMaxDecimals + 1> powers{};
    std::uint64_t power = 1;
    for (auto& p : powers) {
        p = power;
        power *= 10;
    }
    return powers;
}();

// IEEE 754 double: 52 stored mantissa bits, 11 exponent bits biased by 1023; the value of a
// normal number is (2^52 + mantissa) * 2^(exponent - 1075).
constexpr int kMantissaBits = 52;
constexpr std::uint64_t kHiddenBit = std::uint64_t{1} << kMantissaBits;
constexpr std::uint64_t kExponentMask = 0x7FF;
constexpr int kExponentBias = 1075;

// The fast road takes values whose scaled magnitude stays below 10^18, so the rounded
// result fits 64 bits and the product mantissa * 10^decimals (below 2^53 * 2^50) fits 128.
constexpr double kFastLimit = 1e18;
// With a larger shift every remainder is below half of the unit: the result rounds to 0.
constexpr int kMaxShift = 120;

// Room for the fast road's text: a sign, 19 digits and the point.
constexpr std::size_t kFastRoom = 24;

char* WriteGeneral(double value, int decimals, char* out) noexcept {
    const auto [end, error] =
        std::to_chars(out, out + kFixedRoom, value, std::chars_format::fixed, decimals);
    return error == std::errc{} ? end : out;
}

}  // namespace

char* WriteFixed(double value, int decimals, char* out) noexcept {
    if (!std::isfinite(value))
        return out;
    if (decimals < 0 || decimals > kMaxDecimals ||
        !(std::fabs(value) * static_cast<double>(kPowersOfTen[static_cast<std::size_t>(decimals)]) <
          kFastLimit / 2)) {
        return WriteGeneral(value, decimals, out);
    }
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const auto exponentField = (bits >> kMantissaBits) & kExponentMask;
    std::uint64_t mantissa = bits & (kHiddenBit - 1);
    int exponent = 1 - kExponentBias;  // subnormal
    if (exponentField != 0) {
        mantissa |= kHiddenBit;
        exponent = static_cast<int>(exponentField) - kExponentBias;
    }

    // value * 10^decimals = mantissa * 10^decimals * 2^exponent, rounded to a whole number,
    // ties to even. The magnitude check above keeps the result below 10^18; a positive
    // exponent is then small enough for the shift.
    const Uint128 scaled = Uint128{mantissa} * kPowersOfTen[static_cast<std::size_t>(decimals)];
    std::uint64_t whole = 0;
    if (exponent >= 0) {
        whole = static_cast<std::uint64_t>(scaled << exponent);
    } else if (-exponent <= kMaxShift) {
        const int shift = -exponent;
        whole = static_cast<std::uint64_t>(scaled >> shift);
        const Uint128 remainder = scaled & ((Uint128{1} << shift) - 1);
        const Uint128 half = Uint128{1} << (shift - 1);
        if (remainder > half || (remainder == half && (whole & 1) != 0))
            ++whole;
    }

    // The text, written backwards from its last digit, then copied.
    std::array<char, kFastRoom> text;
    char* const end = text.data() + text.size();
    char* first = end;
    for (int i = 0; i < decimals; ++i) {
        *--first = static_cast<char>('0' + whole % 10);
        whole /= 10;
    }
    if (decimals > 0)
        *--first = '.';
    do {
        *--first = static_cast<char>('0' + whole % 10);
        whole /= 10;
    } while (whole != 0);
    if (std::signbit(value))
        *--first = '-';
    return std::copy(first, end, out);
}

}  // namespace cli
