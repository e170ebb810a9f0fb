// The position reader on arbitrary bytes: every text it accepts gives a latitude and a
// longitude in range, every text it refuses says why; and a position written in each of the
// forms people use, to any number of decimals, reads back to within half the last unit
// written.

#include <array>
#include <cinttypes>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>

#include "conversions/PositionText.hpp"
#include "fuzz/Property.hpp"

namespace {

using fuzz::Require;
using PositionText::Fault;
using PositionText::ReadPosition;

// The promises of any reading of `text`.
void CheckReading(std::string_view text) {
    const PositionText::Reading reading = ReadPosition(text);
    if (reading.fault == Fault::kNone) {
        const auto [latitude, longitude] = reading.position;
        Require(std::fabs(latitude) <= 90 && std::fabs(longitude) <= 180,
                "an accepted position is in range", text);
        Require(reading.culprit.empty(), "an accepted position names no culprit", text);
        return;
    }
    Require(reading.position.latitude == 0 && reading.position.longitude == 0,
            "a refused text gives no position", text);
    Require(reading.culprit.empty() ||
                (reading.culprit.data() >= text.data() &&
                 reading.culprit.data() + reading.culprit.size() <= text.data() + text.size()),
            "the culprit is part of the text", text);
    Require(!PositionText::FaultText(reading).empty(), "a refusal says why", text);
}

template <typename... Args>
std::string Printed(const char* format, Args... args) {
    std::array<char, 256> text{};
    const int length = std::snprintf(text.data(), text.size(), format, args...);
    return {text.data(), static_cast<std::size_t>(length)};
}

// A coordinate in sexagesimal parts, rounded to `decimals` of its last part: whole degrees,
// whole minutes when seconds follow, and the last part with its decimals as an integer
// count of its units.
struct Parts {
    std::int64_t degrees = 0, minutes = 0;
    std::int64_t lastUnits = 0;  // minutes or seconds in units of 10^-decimals
    std::int64_t scale = 1;      // 10^decimals
};

// `magnitude` (not negative) in degrees and minutes (`seconds` false) or degrees, minutes
// and seconds, the last part to `decimals` decimals; `unit` is set to the last unit in
// degrees.
Parts Split(double magnitude, bool seconds, int decimals, double& unit) {
    Parts parts;
    for (int i = 0; i < decimals; ++i)
        parts.scale *= 10;
    const std::int64_t perDegree = (seconds ? 3600 : 60) * parts.scale;
    unit = 1.0 / static_cast<double>(perDegree);
    // In long double, so that only the rounding to the last unit moves the value.
    auto units = static_cast<std::int64_t>(
        std::llround(static_cast<long double>(magnitude) * static_cast<long double>(perDegree)));
    parts.degrees = units / perDegree;
    units %= perDegree;
    if (seconds) {
        parts.minutes = units / (60 * parts.scale);
        units %= 60 * parts.scale;
    }
    parts.lastUnits = units;
    return parts;
}

// The last part: its whole units, and its decimals after `point`.
std::string Last(const Parts& parts, int decimals, std::string_view point = ".") {
    std::string text = Printed("%02" PRId64, parts.lastUnits / parts.scale);
    if (decimals > 0) {
        text += point;
        text += Printed("%0*" PRId64, decimals, parts.lastUnits % parts.scale);
    }
    return text;
}

// One of the forms, for a latitude and a longitude in range; `unit` is set to its last unit
// in degrees.
std::string Written(unsigned form, double latitude, double longitude, int decimals, double& unit) {
    const char ns = std::signbit(latitude) ? 'S' : 'N';
    const char ew = std::signbit(longitude) ? 'W' : 'E';
    const double lat = std::fabs(latitude);
    const double lon = std::fabs(longitude);
    unit = std::pow(10.0, -decimals);
    double lonUnit = 0;
    switch (form) {
        case 0:
            return Printed("%.*f %.*f", decimals, latitude, decimals, longitude);
        case 1:
            return Printed("%.*f, %.*f", decimals, latitude, decimals, longitude);
        case 2:
            return Printed("%.*f%c %.*f%c", decimals, lat, ns, decimals, lon, ew);
        case 3:
            return Printed("%c%.*f %c%.*f", ns, decimals, lat, ew, decimals, lon);
        case 4: {  // decimal commas and a web page's blanks and minus sign
            std::string text = Printed("%.*f\u00A0%s%.*f", decimals, lat,
                                       std::signbit(longitude) ? "\u2212" : "", decimals, lon);
            std::string_view sign = std::signbit(latitude) ? "-" : "";
            for (char& c : text)
                c = c == '.' ? ',' : c;
            return std::string(sign) + text;
        }
        default:
            break;
    }
    // The sexagesimal forms.
    const bool seconds = form <= 9;
    const Parts a = Split(lat, seconds, decimals, unit);
    const Parts o = Split(lon, seconds, decimals, lonUnit);
    const auto dms = [&](const Parts& p, const char* degree, const char* minute,
                         const char* second) {
        return Printed("%" PRId64 "%s%02" PRId64 "%s", p.degrees, degree, p.minutes, minute) +
               Last(p, decimals) + second;
    };
    const auto dm = [&](const Parts& p, const char* degree, const char* minute) {
        return Printed("%" PRId64 "%s", p.degrees, degree) + Last(p, decimals) + minute;
    };
    switch (form) {
        case 5:
            return dms(a, "\u00B0", "'", "\"") + ns + ' ' + dms(o, "\u00B0", "'", "\"") + ew;
        case 6:  // signs and the letter d
            return (std::signbit(latitude) ? "-" : "") + dms(a, "d", "'", "\"") + ' ' +
                   (std::signbit(longitude) ? "-" : "") + dms(o, "d", "'", "\"");
        case 7:
            return dms(o, ":", ":", "") + ew + ' ' + dms(a, ":", ":", "") + ns;
        case 8:
            return dms(a, " ", " ", "") + ns + ' ' + dms(o, " ", " ", "") + ew;
        case 9:
            return dms(a, "\u00BA", "\u2032", "\u2033") + ' ' + ns + ", " +
                   dms(o, "\u00BA", "\u2032", "\u2033") + ' ' + ew;
        case 10:  // as GPS receivers and logs write it
            return ns + Printed("%02" PRId64 " ", a.degrees) + Last(a, decimals) + ' ' + ew +
                   Printed("%03" PRId64 " ", o.degrees) + Last(o, decimals);
        case 11:
            return ns + dm(a, "\u00B0", "'") + ' ' + ew + dm(o, "\u00B0", "'");
        case 12: {  // the letters d, m and s, the seconds' s before the south's S
            const Parts sa = Split(lat, true, decimals, unit);
            const Parts so = Split(lon, true, decimals, lonUnit);
            return dms(sa, "d", "m", "s") + ns + ' ' + dms(so, "d", "m", "s") + ew;
        }
        default:
            break;
    }
    // APRS: two decimals of minutes, two and three digits of degrees.
    const Parts pa = Split(lat, false, 2, unit);
    const Parts po = Split(lon, false, 2, lonUnit);
    return Printed("%02" PRId64, pa.degrees) + Last(pa, 2) + ns + '/' +
           Printed("%03" PRId64, po.degrees) + Last(po, 2) + ew + '>';
}

constexpr unsigned kForms = 14;
constexpr int kMaxDecimals = 9;

// A position from the input's first bytes written in the form they choose, read back.
void CheckRoundTrip(std::span<const std::uint8_t> bytes) {
    const auto value = [&](std::size_t offset, double limit) {
        const double v = fuzz::ValueAt<double>(bytes, offset);
        return std::isfinite(v) ? std::fmod(v, limit) : 0.0;
    };
    const double latitude = value(0, 90);
    const double longitude = value(8, 180);
    const auto choice = fuzz::ValueAt<std::uint8_t>(bytes, 16);
    const unsigned form = choice % kForms;
    const int decimals = (choice / kForms) % (kMaxDecimals + 1);
    double unit = 0;
    const std::string text = Written(form, latitude, longitude, decimals, unit);
    const PositionText::Reading reading = ReadPosition(text);
    Require(reading.fault == Fault::kNone, "a written position reads", text);
    // A sexagesimal sum may be a few bits off the exact one, far below any unit written.
    constexpr double kSumError = 1e-12;
    const double tolerance = unit / 2 + kSumError;
    Require(std::fabs(reading.position.latitude - latitude) <= tolerance,
            "the latitude reads back to within half its last unit", text);
    Require(std::fabs(reading.position.longitude - longitude) <= tolerance,
            "the longitude reads back to within half its last unit", text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    CheckReading(fuzz::AsText(data, size));
    CheckRoundTrip({data, size});
    return 0;
}
