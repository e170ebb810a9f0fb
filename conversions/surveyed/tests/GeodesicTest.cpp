#include "conversions/surveyed/Geodesic.hpp"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using Surveyed::GeodeticPosition;

// Distances and initial bearings from GeographicLib's own tool, version 2.1.2:
//   echo "LAT1 LON1 LAT2 LON2" | GeodSolve -i -p 6      (prints azi1 azi2 s12)
TEST(Geodesic, AgreesWithGeodSolve) {
    struct Case {
        GeodeticPosition from, to;
        double metres, bearing;
    };
    const Case cases[] = {
        {{51.520833333333, -0.125}, {56.7969, -5.0036}, 667776.546097, 360 - 26.53059836929},
        {{55.9375, 11.875}, {55.729166666667, 12.458333333333}, 43290.687171, 122.15710908688},
        {{51.4778, -0.0015}, {40.6892, -74.0445}, 5598774.482881, 360 - 71.52959727778},
        {{0, 0}, {0.5, 179.7}, 19944127.420750, 15.55688279349},  // nearly antipodal
        {{-33.8568, 151.2153}, {51.5, -0.1}, 16987378.060521, 360 - 40.72093672596},
        {{60.1548, -1.1471}, {49.9223, -6.2998}, 1184900.721461, 360 - 161.72026090302},
    };
    for (const Case& c : cases) {
        const Surveyed::GeodesicPath path = Surveyed::Geodesic(c.from, c.to);
        EXPECT_NEAR(path.distance, c.metres, 1e-5) << c.from.latitude << " " << c.to.latitude;
        EXPECT_NEAR(path.bearing, c.bearing, 1e-9) << c.from.latitude << " " << c.to.latitude;
    }
    const Surveyed::GeodesicPath none = Surveyed::Geodesic({52, -2}, {52, -2});
    EXPECT_EQ(none.distance, 0);
    EXPECT_EQ(none.bearing, 0);
    // Due north and due south: 0 and 180, never 360 or -0 (the azimuth from a pole).
    EXPECT_EQ(Surveyed::Geodesic({52, -2}, {53, -2}).bearing, 0);
    EXPECT_FALSE(std::signbit(Surveyed::Geodesic({52, -2}, {90, 180}).bearing));
    EXPECT_EQ(Surveyed::Geodesic({53, -2}, {52, -2}).bearing, 180);
}

}  // namespace
