// ConvertNGR on arbitrary bytes: the result code tells exactly whether the text is a grid
// reference, a failed text leaves the outputs alone, and a valid one lands in Great Britain.

#include <cstdint>
#include <string>
#include <string_view>

#include "conversions/Module1.hpp"
#include "fuzz/Property.hpp"

namespace {

using fuzz::Require;

// Extremes over all 75 million valid references (first letter N, S or T, 25 second letters,
// 10^6 digit pairs), found by converting every one of them: latitude 49.60143 (TZ999000) to
// 58.89120 (NE000999), longitude -8.91293 (NA000999) to 7.17393 (TE999999). The box is that
// range rounded outwards to the next hundredth of a degree (about a kilometre). The eastern
// sea squares lie well east of Greenwich on this sphere, so the box reaches 7.18 degrees.
constexpr double kMinLatitude = 49.60;
constexpr double kMaxLatitude = 58.90;
constexpr double kMinLongitude = -8.92;
constexpr double kMaxLongitude = 7.18;

// A UTF-8 character takes at most this many bytes, so eight characters at most 32 bytes.
constexpr std::size_t kMaxBytesPerCharacter = 4;
using Module1::kGridReferenceLength;

// Values no conversion writes: any change to them shows.
constexpr double kUntouchedLatitude = -1234.5;
constexpr double kUntouchedLongitude = 9876.25;

bool IsAsciiLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// The two grid letters as the conversion accepts them: N, S or T, then any letter but I.
bool AreGridLetters(std::string_view text) {
    if (text.size() < 2 || !IsAsciiLetter(text[0]) || !IsAsciiLetter(text[1])) {
        return false;
    }
    const char first = Upper(text[0]);
    return (first == 'N' || first == 'S' || first == 'T') && Upper(text[1]) != 'I';
}

// Written independently of the conversion: every acceptable character is ASCII, so a grid
// reference is exactly eight bytes.
bool IsGridReference(std::string_view text) {
    if (text.size() != kGridReferenceLength || !AreGridLetters(text)) {
        return false;
    }
    for (std::size_t i = 2; i < kGridReferenceLength; ++i) {
        if (!IsDigit(text[i])) {
            return false;
        }
    }
    return true;
}

bool AllAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

struct Converted {
    std::int16_t result = -1;
    double latitude = kUntouchedLatitude;
    double longitude = kUntouchedLongitude;
};

Converted Convert(std::string_view text) {
    Converted c;
    Module1::ConvertNGR(text, c.latitude, c.longitude, c.result);
    return c;
}

void CheckValidPosition(std::string_view text, const Converted& c) {
    Require(c.latitude >= kMinLatitude && c.latitude <= kMaxLatitude, "latitude in Great Britain",
            text);
    Require(c.longitude >= kMinLongitude && c.longitude <= kMaxLongitude,
            "longitude in Great Britain", text);

    // Grid letters may be lower case: the same square, to the bit.
    std::string upper(text);
    upper[0] = Upper(upper[0]);
    upper[1] = Upper(upper[1]);
    const Converted u = Convert(upper);
    Require(u.result == Module1::kValid && fuzz::SameBits(u.latitude, c.latitude) &&
                fuzz::SameBits(u.longitude, c.longitude),
            "lower-case letters convert as upper case", text);

    // Britain lies in fields IN, IO, JN and JO.
    std::string locator;
    Module1::CalcLocator(c.latitude, c.longitude, locator);
    Require(locator.size() == 6 && (locator[0] == 'I' || locator[0] == 'J') &&
                (locator[1] == 'N' || locator[1] == 'O'),
            "a reference's locator lies in fields IN, IO, JN or JO", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const Converted c = Convert(text);

    Require(c.result >= Module1::kValid && c.result <= Module1::kBadDigit, "result code 0 to 3",
            text);
    Require((c.result == Module1::kValid) == IsGridReference(text),
            "result 0 exactly for two grid letters and six digits", text);
    if (c.result != Module1::kValid) {
        Require(fuzz::SameBits(c.latitude, kUntouchedLatitude) &&
                    fuzz::SameBits(c.longitude, kUntouchedLongitude),
                "outputs untouched unless the result is 0", text);
    }
    if (c.result == Module1::kWrongLength) {
        Require(!(text.size() == kGridReferenceLength && AllAscii(text)),
                "eight ASCII bytes are eight characters", text);
    } else {
        Require(text.size() >= kGridReferenceLength &&
                    text.size() <= kGridReferenceLength * kMaxBytesPerCharacter,
                "a text of the wrong length is rejected for its length", text);
    }
    if (c.result == Module1::kBadGridLetter) {
        Require(!AreGridLetters(text), "good grid letters are not rejected", text);
    }
    if (c.result == Module1::kBadDigit) {
        Require(AreGridLetters(text), "letters are checked before digits", text);
    }
    if (c.result == Module1::kValid) {
        CheckValidPosition(text, c);
    }
    return 0;
}
