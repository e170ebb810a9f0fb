// The surveyed conversion's stand-in, for builds without it: the same interface, answering
// that the conversion is not there.

#include <limits>

#include "conversions/surveyed/Geodesic.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace Surveyed {

Position FromNationalGrid(GridPoint) noexcept {
    return {};
}

Position FromText(std::string_view) noexcept {
    return {};
}

Position FromWgs84(GeodeticPosition) noexcept {
    return {};
}

GeodesicPath Geodesic(GeodeticPosition, GeodeticPosition) noexcept {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    return {kNaN, kNaN};
}

std::string_view WhyUnavailable() noexcept {
    return "not available in this build";
}

}  // namespace Surveyed
