#include "conversions/surveyed/Geodesic.hpp"

#include <cmath>

namespace Surveyed {

GeodesicPath PathOf(double distance, double azimuth) noexcept {
    constexpr double kFullCircle = 360;
    if (distance == 0)
        return {0, 0};
    double bearing = azimuth < 0 ? azimuth + kFullCircle : azimuth;
    // -0.0 and azimuths just below zero would round to a full circle.
    if (bearing >= kFullCircle)
        bearing = 0;
    return {distance, bearing};
}

}  // namespace Surveyed
