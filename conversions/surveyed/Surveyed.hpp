#pragma once

// The surveyed answer for a grid reference: a second opinion beside Module1::ConvertNGR's
// spherical approximation, telling where the centre of the reference's 100 m square really
// is on WGS84 and which locator it falls in.

#include <cstdint>
#include <string>
#include <string_view>

namespace Surveyed {

struct Answer {
    // Module1::kValid, kWrongLength, kBadGridLetter or kBadDigit (see ReadGridReference:
    // every 100 km square of the National Grid is accepted, H, J and O included).
    std::int16_t result = 0;
    // WGS84 degrees, north and east positive; 0 unless `result` is kValid.
    double latitude = 0;
    double longitude = 0;
    // Six characters (Module1::CalcLocator of the position above); empty unless `result` is
    // kValid.
    std::string locator;
};

// Centre of the 100 m square (+50 m, +50 m) -> OSGB36 by the National Grid's transverse
// Mercator projection -> WGS84 by the Ordnance Survey's Helmert transformation (good to a few
// metres; the grid-based OSTN15 is not used) -> locator. Never throws; a valid reference
// allocates nothing (the locator fits the string's own buffer).
[[nodiscard]] Answer Convert(std::string_view ngr);

// Empty where this build has the surveyed conversion. A build without GeographicLib links a
// stand-in instead, whose WhyUnavailable() says "not available in this build" and whose
// Convert reads no reference (result kBadGridLetter).
[[nodiscard]] std::string_view WhyUnavailable() noexcept;

}  // namespace Surveyed
