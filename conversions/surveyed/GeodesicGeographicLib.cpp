// The geodesic on WGS84 by GeographicLib.

#include <GeographicLib/Geodesic.hpp>

#include "conversions/surveyed/Geodesic.hpp"

namespace Surveyed::GeographicLibBackend {

GeodesicPath Inverse(GeodeticPosition from, GeodeticPosition to) noexcept {
    static const GeographicLib::Geodesic wgs84(kWgs84MajorAxis, 1 / kWgs84InverseFlattening);
    double distance = 0;
    double azimuth = 0;
    double finalAzimuth = 0;
    wgs84.Inverse(from.latitude, from.longitude, to.latitude, to.longitude, distance, azimuth,
                  finalAzimuth);
    return PathOf(distance, azimuth);
}

}  // namespace Surveyed::GeographicLibBackend
