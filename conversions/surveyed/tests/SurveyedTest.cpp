#include "conversions/surveyed/Surveyed.hpp"

#include <gtest/gtest.h>

#include <limits>

#include "conversions/surveyed/GridReference.hpp"

namespace {

using Surveyed::Status;

struct Outcome {
    const char* text;
    Status status;
};

// Readings that have an answer, that are not grid positions, and that are grid positions
// without OSTN15 shifts: west of the grid (Rockall's sea), the 500 km squares' far rows and
// columns beyond 700 km east and 1250 km north, and west of the shift grid's edge by less
// than the shifts' 100-odd metres.
TEST(Surveyed, StatusOfEachKindOfText) {
    for (const Outcome& o : {
             Outcome{"NN 16667 71283", Status::kOk},
             Outcome{"216667,771283", Status::kOk},
             Outcome{"HU474414", Status::kOk},
             Outcome{"TQ", Status::kOk},
             Outcome{"NN1234567", Status::kBadGridReference},
             Outcome{"II1234", Status::kBadGridReference},
             Outcome{"-50000 800000", Status::kOutsideTheGrid},
             Outcome{"TE000000", Status::kOutsideTheGrid},
             Outcome{"HA000000", Status::kOutsideTheGrid},
             Outcome{"50 600000", Status::kOutsideTheGrid},
             Outcome{"150 600000", Status::kOk},
         }) {
        EXPECT_EQ(Surveyed::FromText(o.text).status, o.status) << o.text;
    }
    EXPECT_EQ(Surveyed::StatusText(Status::kOk), "ok");
    EXPECT_EQ(Surveyed::StatusText(Status::kBadGridReference), "bad grid reference");
    EXPECT_EQ(Surveyed::StatusText(Status::kOutsideTheGrid), "outside the grid");
}

// A position outside the grid keeps what was read and has no latitude or longitude.
TEST(Surveyed, OutsideTheGridKeepsThePositionRead) {
    const Surveyed::Position p = Surveyed::FromText("TE123456");
    EXPECT_EQ(p.nationalGrid.easting, 912'350);
    EXPECT_EQ(p.nationalGrid.northing, 445'650);
    EXPECT_EQ(p.wgs84.latitude, 0);
}

TEST(Surveyed, FromWgs84RefusesWhatIsNoPositionOnTheGrid) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const Surveyed::GeodeticPosition p : {Surveyed::GeodeticPosition{91, -2},
                                               {52, 181},
                                               {kNaN, -2},
                                               {52, kNaN},
                                               {-33.9, 18.4},
                                               {57.6, -13.7}}) {
        EXPECT_EQ(Surveyed::FromWgs84(p).status, Status::kOutsideTheGrid)
            << p.latitude << " " << p.longitude;
    }
    // Fort William's hill, as a GPS gives it.
    const Surveyed::Position p = Surveyed::FromWgs84({56.7969, -5.0036});
    ASSERT_EQ(p.status, Status::kOk);
    EXPECT_EQ(Surveyed::GridReferenceOf(p.nationalGrid, 6), "NN166712");
}

}  // namespace
