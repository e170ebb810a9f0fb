// CalcLocator on arbitrary pairs of doubles (NaN, infinities, subnormals, huge values and
// points on cell edges): every point of the globe gets a well-formed locator whose cell
// holds it, and anything else gets the empty locator.

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

#include "conversions/Module1.hpp"
#include "fuzz/Property.hpp"

namespace {

using fuzz::Require;

using Module1::kMaxLatitude;
using Module1::kMaxLongitude;
// Cell sizes of the locator in degrees: field 20 x 10, square 2 x 1, subsquare 5' x 2.5'.
constexpr double kFieldLon = 20;
constexpr double kFieldLat = 10;
constexpr double kSquareLon = 2;
constexpr double kSquareLat = 1;
constexpr double kSubsquareLon = 2.0 / 24;
constexpr double kSubsquareLat = 1.0 / 24;
// Latitude 90 is held at this value, inside the northernmost subsquare.
constexpr double kLatitudeClamp = 89.9999;
// How far outside its cell a point may seem from the rounding of the shifted coordinates:
// a few units in the last place of 360, far below this (a tenth of a millimetre).
constexpr double kSlack = 1e-9;
// Edge points: whole numbers of half subsquares, which hit every field, square and subsquare
// edge, and a good deal of the world beyond.
constexpr double kEdgeStepsPerDegreeLat = 48;
constexpr double kEdgeStepsPerDegreeLon = 24;

bool InRange(char c, char first, char last) {
    return c >= first && c <= last;
}

bool IsLocator(const std::string& l) {
    return l.size() == 6 && InRange(l[0], 'A', 'R') && InRange(l[1], 'A', 'R') &&
           InRange(l[2], '0', '9') && InRange(l[3], '0', '9') && InRange(l[4], 'A', 'X') &&
           InRange(l[5], 'A', 'X');
}

// Every digit, so that a value a unit in the last place from an edge shows as such.
std::string Number(double value) {
    std::array<char, 32> buffer{};
    const int n = std::snprintf(buffer.data(), buffer.size(), "%.17g", value);
    return {buffer.data(), static_cast<std::size_t>(n)};
}

std::string Describe(double latitude, double longitude) {
    return Number(latitude) + ", " + Number(longitude);
}

void Check(double latitude, double longitude) {
    std::string locator = "left over from before";
    Module1::CalcLocator(latitude, longitude, locator);

    const bool onGlobe = latitude >= -kMaxLatitude && latitude <= kMaxLatitude &&
                         longitude >= -kMaxLongitude && longitude <= kMaxLongitude;
    if (!onGlobe) {
        Require(locator.empty(), "empty locator off the globe", Describe(latitude, longitude));
        return;
    }
    Require(IsLocator(locator), "locator [A-R]{2}[0-9]{2}[A-X]{2}", Describe(latitude, longitude));

    // The cell the locator names, from its south-west corner.
    const double west = -kMaxLongitude + (locator[0] - 'A') * kFieldLon +
                        (locator[2] - '0') * kSquareLon + (locator[4] - 'A') * kSubsquareLon;
    const double south = -kMaxLatitude + (locator[1] - 'A') * kFieldLat +
                         (locator[3] - '0') * kSquareLat + (locator[5] - 'A') * kSubsquareLat;
    // Meridian 180 is also meridian -180, the western edge of the first field. A longitude a
    // unit in the last place below 180 reaches it too, as its sum with 180 rounds to 360.
    const auto inCell = [&](double x) {
        return x >= west - kSlack && x < west + kSubsquareLon + kSlack;
    };
    Require(inCell(longitude) || inCell(longitude - 2 * kMaxLongitude), "longitude inside its cell",
            locator + " for " + Describe(latitude, longitude));
    const double y = latitude == kMaxLatitude ? kLatitudeClamp : latitude;
    Require(y >= south - kSlack && y < south + kSubsquareLat + kSlack, "latitude inside its cell",
            locator + " for " + Describe(latitude, longitude));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);

    // Any pair of doubles, bit for bit.
    Check(fuzz::ValueAt<double>(bytes, 0), fuzz::ValueAt<double>(bytes, sizeof(double)));

    // The same bytes as a point on the edges of cells, or one unit in the last place beside.
    const auto nudge = [](double v, std::uint8_t how) {
        switch (how % 3) {
            case 1:
                return std::nextafter(v, HUGE_VAL);
            case 2:
                return std::nextafter(v, -HUGE_VAL);
            default:
                return v;
        }
    };
    const std::uint8_t how = fuzz::ValueAt<std::uint8_t>(bytes, 4);
    const double latitude = fuzz::ValueAt<std::int16_t>(bytes, 0) / kEdgeStepsPerDegreeLat;
    const double longitude = fuzz::ValueAt<std::int16_t>(bytes, 2) / kEdgeStepsPerDegreeLon;
    Check(nudge(latitude, how), nudge(longitude, static_cast<std::uint8_t>(how / 3)));
    return 0;
}
