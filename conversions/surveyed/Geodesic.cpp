#include "conversions/surveyed/Geodesic.hpp"

#include <cmath>

namespace Surveyed {

GeodesicPath PathOf(double distance, double azimuth) noexcept {
    constexpr double kFullCircle = 360;
    if (distance == 0)
        return {0, 0};
    double bearing = azimuth < 0 ? azimuth + kFullCircle : azimuth;
    // Azimuths just below zero round to a full circle, and -0.0 is not below zero: both are
    // north, 0.
    if (bearing >= kFullCircle || bearing == 0)
        bearing = 0;
    return {distance, bearing};
}

}  // namespace Surveyed
