#include "conversions/Maidenhead.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <utility>

#include "conversions/Module1.hpp"
#include "runtime/Text.hpp"

namespace Maidenhead {
namespace {

// One pair of characters of the locator: what its characters are, and the size of the
// rectangle it picks as a fraction num / den of a degree, longitude and latitude.
struct Level {
    char first;  // 'A' or '0'
    int count;   // characters it may be: 18, 10 or 24
    std::string_view what;
    int lonNum, lonDen;
    int latNum, latDen;
};

constexpr std::array<Level, kMaxLength / 2> kLevels = {{
    {'A', 18, "a field letter (A to R)", 20, 1, 10, 1},
    {'0', 10, "a square digit (0 to 9)", 2, 1, 1, 1},
    {'A', 24, "a subsquare letter (A to X)", 1, 12, 1, 24},
    {'0', 10, "an extended square digit (0 to 9)", 1, 120, 1, 240},
    {'A', 24, "an extended subsquare letter (A to X)", 1, 2880, 1, 5760},
}};

// Where the areas are counted from: the south-west corner of field AA, in whole degrees.
constexpr long kSouthEdge = -90;
constexpr long kWestEdge = -180;

// The kilometres per degree of the contest rules.
constexpr double kContestKmPerDegree = 111.2;

constexpr bool IsValidLength(std::size_t length) {
    return length >= kMinLength && length <= kMaxLength && length % 2 == 0;
}

// Joins `parts` into one text.
std::string Joined(std::initializer_list<std::string_view> parts) {
    std::string joined;
    for (const std::string_view part : parts)
        joined += part;
    return joined;
}

std::string NotALocator(std::string_view text, std::string_view why) {
    return Joined({"\"", text, "\" is not a locator: ", why});
}

// 0 <= fraction < 1: the position within a rectangle, held inside it against rounding.
double Inside(double fraction) {
    return std::clamp(fraction, 0.0, std::nextafter(1.0, 0.0));
}

}  // namespace

std::optional<std::string> LocatorOf(double latitude, double longitude, int length) {
    if (length < 0 || !IsValidLength(static_cast<std::size_t>(length)))
        return std::nullopt;
    std::string locator;
    Module1::CalcLocator(latitude, longitude, locator);
    if (locator.empty())
        return std::nullopt;
    if (length <= Module1::kLocatorLength) {
        locator.resize(static_cast<std::size_t>(length));
        return locator;
    }

    // The point's place within its subsquare, from 0 to 1 each way, in the coordinates the
    // first six characters were found in.
    const auto [la, lo] = Module1::ShiftedForLocator(latitude, longitude);
    const Level& subsquare = kLevels[2];
    const double x =
        Inside((lo - std::floor(lo / 2) * 2) * subsquare.lonDen - (locator[4] - subsquare.first));
    const double y =
        Inside((la - std::floor(la)) * subsquare.latDen - (locator[5] - subsquare.first));

    // Extended square: tenths of the subsquare each way; extended subsquare: 24ths of that.
    const Level& square = kLevels[3];
    const Level& sub = kLevels[4];
    const int xSquare = std::min(static_cast<int>(x * square.count), square.count - 1);
    const int ySquare = std::min(static_cast<int>(y * square.count), square.count - 1);
    locator += static_cast<char>(square.first + xSquare);
    locator += static_cast<char>(square.first + ySquare);
    if (length == kMaxLength) {
        const double xRest = Inside(x * square.count - xSquare);
        const double yRest = Inside(y * square.count - ySquare);
        locator += static_cast<char>(sub.first + static_cast<int>(xRest * sub.count));
        locator += static_cast<char>(sub.first + static_cast<int>(yRest * sub.count));
    }
    return locator;
}

Reading ReadLocator(std::string_view text) {
    Reading reading;
    std::string upper;
    // Indices of the rectangles chosen so far, each way, counted in the last level's size.
    long lonIndex = 0;
    long latIndex = 0;
    std::size_t at = 0;
    for (std::size_t position = 1; at < text.size(); ++position) {
        const std::string_view character = runtime::FirstCharacter(text.substr(at));
        at += character.size();
        if (position > kMaxLength) {
            reading.error = NotALocator(
                text, "a locator has at most " + std::to_string(kMaxLength) + " characters");
            return reading;
        }
        const Level& level = kLevels[(position - 1) / 2];
        const int index = runtime::UpperCase(character.front()) - level.first;
        if (character.size() != 1 || index < 0 || index >= level.count) {
            reading.error =
                NotALocator(text, Joined({"character ", std::to_string(position), ", \"", character,
                                          "\", is not ", level.what}));
            return reading;
        }
        long& indexOfAxis = position % 2 == 1 ? lonIndex : latIndex;
        indexOfAxis = indexOfAxis * level.count + index;
        upper += runtime::UpperCase(character.front());
    }
    if (!IsValidLength(upper.size())) {
        reading.error =
            NotALocator(text, "a locator has " + runtime::EvenNumbersText(kMinLength, kMaxLength) +
                                  " characters, not " + std::to_string(upper.size()));
        return reading;
    }
    // Sizes are num / den degrees: the corner is a whole number of 1/den degrees, and
    // dividing by den last gives the double nearest to it.
    const Level& last = kLevels[upper.size() / 2 - 1];
    Area area;
    area.west = static_cast<double>(lonIndex * last.lonNum + kWestEdge * last.lonDen) / last.lonDen;
    area.south =
        static_cast<double>(latIndex * last.latNum + kSouthEdge * last.latDen) / last.latDen;
    area.width = static_cast<double>(last.lonNum) / last.lonDen;
    area.height = static_cast<double>(last.latNum) / last.latDen;
    reading.area = area;
    reading.locator = std::move(upper);
    return reading;
}

std::string InCase(std::string locator, LetterCase letterCase) {
    // The field, characters 1 and 2, and the square, 3 and 4, keep their case.
    constexpr std::size_t kFieldAndSquare = 4;
    if (letterCase == LetterCase::kLowerLast) {
        for (std::size_t i = kFieldAndSquare; i < locator.size(); ++i)
            locator[i] = runtime::LowerCase(locator[i]);
    }
    return locator;
}

double ContestDistanceKm(const Area& from, const Area& to) noexcept {
    constexpr double kRadiansPerDegree = std::numbers::pi / 180;
    const double b1 = from.CentreLatitude() * kRadiansPerDegree;
    const double b2 = to.CentreLatitude() * kRadiansPerDegree;
    const double dl = (from.CentreLongitude() - to.CentreLongitude()) * kRadiansPerDegree;
    // Rounding can take the cosine of a zero angle just past 1, where arccos has no value.
    const double cosine = std::clamp(
        std::sin(b1) * std::sin(b2) + std::cos(b1) * std::cos(b2) * std::cos(dl), -1.0, 1.0);
    return kContestKmPerDegree * std::acos(cosine) / kRadiansPerDegree;
}

long ContestKilometres(double distanceKm) noexcept {
    return static_cast<long>(distanceKm);
}

long ContestPoints(double distanceKm) noexcept {
    return ContestKilometres(distanceKm) + 1;
}

}  // namespace Maidenhead
