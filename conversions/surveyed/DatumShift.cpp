#include "conversions/surveyed/DatumShift.hpp"

#include <GeographicLib/Geocentric.hpp>

#include <numbers>

#include "conversions/surveyed/Ellipsoids.hpp"

namespace Surveyed {
namespace {

// The Ordnance Survey publishes the WGS84-to-OSGB36 Helmert transformation in "A guide to
// coordinate systems in Great Britain" (section 6.6): tx -446.448 m, ty +125.157 m,
// tz -542.060 m, s +20.4894 ppm, rx -0.1502", ry -0.2470", rz -0.8421", and runs it the other
// way by changing the sign of all seven. These are that reverse set. EPSG holds it, rounded to
// rx 0.15", ry 0.247", rz 0.842", s -20.489 ppm, as transformation 1314, "OSGB36 to WGS 84 (6)"
// (the rounding moves a point by a few millimetres).
constexpr double kTranslationX = 446.448;  // metres
constexpr double kTranslationY = -125.157;
constexpr double kTranslationZ = 542.060;
constexpr double kScalePpm = -20.4894;        // parts per million
constexpr double kRotationXSeconds = 0.1502;  // arc-seconds
constexpr double kRotationYSeconds = 0.2470;
constexpr double kRotationZSeconds = 0.8421;

constexpr double kPartsPerMillion = 1e-6;
constexpr double kRadiansPerSecond = std::numbers::pi / (180.0 * 3600.0);

// Points are taken on the ellipsoid: a grid reference carries no height.
constexpr double kEllipsoidHeight = 0;

struct Cartesian {
    double x;
    double y;
    double z;
};

// The small-angle Helmert transformation in the position vector convention (EPSG method
// 9606), which the Ordnance Survey's rotation signs follow: the scale multiplies the rotated
// vector. Grouping the scale with the diagonal alone instead differs by under a millimetre.
Cartesian Helmert(const Cartesian& p) {
    constexpr double rx = kRotationXSeconds * kRadiansPerSecond;
    constexpr double ry = kRotationYSeconds * kRadiansPerSecond;
    constexpr double rz = kRotationZSeconds * kRadiansPerSecond;
    constexpr double scale = 1 + kScalePpm * kPartsPerMillion;
    return {
        kTranslationX + scale * (p.x - rz * p.y + ry * p.z),
        kTranslationY + scale * (rz * p.x + p.y - rx * p.z),
        kTranslationZ + scale * (-ry * p.x + rx * p.y + p.z),
    };
}

}  // namespace

GeodeticPosition Osgb36ToWgs84(GeodeticPosition osgb36) {
    static const GeographicLib::Geocentric airy(kAiryMajorAxis, kAiryFlattening);
    Cartesian p{};
    airy.Forward(osgb36.latitude, osgb36.longitude, kEllipsoidHeight, p.x, p.y, p.z);
    const Cartesian q = Helmert(p);
    GeodeticPosition wgs84;
    double height = 0;
    GeographicLib::Geocentric::WGS84().Reverse(q.x, q.y, q.z, wgs84.latitude, wgs84.longitude,
                                               height);
    return wgs84;
}

}  // namespace Surveyed
