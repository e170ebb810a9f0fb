#include "conversions/surveyed/Geodesic.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <utility>

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

// The long way round: the rest of the equator and of a meridian, which are both geodesics and
// great ellipses (the quarter meridian by GeodSolve -i -p 6: 0 0 90 0 gives 10001965.729313),
// and between the two for any other plane.
TEST(Geodesic, LongPathIsTheRestOfTheGreatEllipse) {
    constexpr double kQuarterMeridian = 10'001'965.729313;
    const double equator = 2 * std::numbers::pi * Surveyed::kWgs84MajorAxis;
    EXPECT_NEAR(Surveyed::LongPathDistance({0, 0}, {0, 90}), equator * 3 / 4, 1e-3);
    EXPECT_NEAR(Surveyed::LongPathDistance({10, 5}, {-30, 5}),
                4 * kQuarterMeridian - Surveyed::Geodesic({10, 5}, {-30, 5}).distance, 1e-3);
    // One point twice, and antipodes: the meridian of the first, whole or halved.
    EXPECT_NEAR(Surveyed::LongPathDistance({52, -2}, {52, -2}), 4 * kQuarterMeridian, 1e-3);
    EXPECT_NEAR(Surveyed::LongPathDistance({52, -2}, {-52, 178}), 2 * kQuarterMeridian, 1e-3);
    for (const auto& [from, to] :
         {std::pair<GeodeticPosition, GeodeticPosition>{{51.5, -0.1}, {-33.9, 151.2}},
          {{60.15, -1.15}, {49.92, -6.30}}}) {
        const double around =
            Surveyed::LongPathDistance(from, to) + Surveyed::Geodesic(from, to).distance;
        EXPECT_GT(around, 4 * kQuarterMeridian);
        EXPECT_LT(around, equator);
    }
}

}  // namespace
