#include "conversions/surveyed/Surveyed.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

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
             Outcome{"J 338 742", Status::kOk},
             Outcome{"WV 652 484", Status::kOk},
             Outcome{"I338742", Status::kBadGridReference},
             Outcome{"WB652484", Status::kBadGridReference},
         }) {
        EXPECT_EQ(Surveyed::FromText(o.text).status, o.status) << o.text;
    }
    // Metres on the other grids: the Irish Grid's within its lettered table, UTM zone 30's
    // within its lettered columns, from the equator to the pole.
    for (const auto& [text, grid, status] : {
             std::tuple{"499999 0", Surveyed::Grid::kIrish, Status::kOk},
             {"500000 0", Surveyed::Grid::kIrish, Status::kOutsideTheGrid},
             {"-1 5", Surveyed::Grid::kIrish, Status::kOutsideTheGrid},
             {"100000 0", Surveyed::Grid::kUtm30, Status::kOk},
             {"899999 9999999", Surveyed::Grid::kUtm30, Status::kOk},
             {"99999 5400000", Surveyed::Grid::kUtm30, Status::kOutsideTheGrid},
             {"500000 10000000", Surveyed::Grid::kUtm30, Status::kOutsideTheGrid},
             {"500000 -1", Surveyed::Grid::kUtm30, Status::kOutsideTheGrid},
         }) {
        const Surveyed::Position p = Surveyed::FromText(text, grid);
        EXPECT_EQ(p.status, status) << text;
        EXPECT_EQ(p.grid, grid) << text;
        if (status == Status::kOk) {
            EXPECT_TRUE(std::isfinite(p.wgs84.latitude) && std::isfinite(p.wgs84.longitude) &&
                        std::abs(p.wgs84.latitude) <= 90 && std::abs(p.wgs84.longitude) <= 180)
                << text;
        }
    }
    EXPECT_EQ(Surveyed::StatusText(Status::kOk), "ok");
    EXPECT_EQ(Surveyed::StatusText(Status::kBadGridReference), "bad grid reference");
    EXPECT_EQ(Surveyed::StatusText(Status::kOutsideTheGrid), "outside the grid");
    EXPECT_EQ(Surveyed::StatusText(Status::kOnNoGrid), "on no grid");
}

// A position outside the grid keeps what was read and has no latitude or longitude.
TEST(Surveyed, OutsideTheGridKeepsThePositionRead) {
    const Surveyed::Position p = Surveyed::FromText("TE123456");
    EXPECT_EQ(p.gridPosition.easting, 912'350);
    EXPECT_EQ(p.gridPosition.northing, 445'650);
    EXPECT_EQ(p.wgs84.latitude, 0);
}

TEST(Surveyed, FromWgs84RefusesWhatIsNoPositionOnAGrid) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const Surveyed::GeodeticPosition p :
         {Surveyed::GeodeticPosition{91, -2}, {52, 181}, {kNaN, -2}, {52, kNaN}}) {
        EXPECT_EQ(Surveyed::FromWgs84(p).status, Status::kOutsideTheGrid)
            << p.latitude << " " << p.longitude;
    }
    // Cape Town, Rockall, the North Sea off Denmark.
    for (const Surveyed::GeodeticPosition p :
         {Surveyed::GeodeticPosition{-33.9, 18.4}, {57.6, -13.7}, {56.0, 6.0}}) {
        const Surveyed::Position none = Surveyed::FromWgs84(p);
        EXPECT_EQ(none.status, Status::kOnNoGrid) << p.latitude << " " << p.longitude;
        EXPECT_EQ(none.grid, Surveyed::Grid::kNone);
    }
}

struct OnGrid {
    Surveyed::GeodeticPosition wgs84;
    Surveyed::Grid grid;
    const char* reference;
    const char* square;
};

// A GPS position on each grid: Fort William's hill, Belfast, St Helier.
TEST(Surveyed, FromWgs84AnswersOnTheGridOfThePlace) {
    for (const OnGrid& g :
         {OnGrid{{56.7969, -5.0036}, Surveyed::Grid::kGreatBritain, "NN166712", "NN17"},
          {{54.5973, -5.9301}, Surveyed::Grid::kIrish, "J338740", "J37"},
          {{49.1868, -2.1065}, Surveyed::Grid::kUtm30, "WV651486", "WV64"}}) {
        const Surveyed::Position p = Surveyed::FromWgs84(g.wgs84);
        ASSERT_EQ(p.status, Status::kOk) << g.reference;
        EXPECT_EQ(p.grid, g.grid) << g.reference;
        EXPECT_EQ(Surveyed::GridReferenceOf(p.grid, p.gridPosition, 6), g.reference);
        EXPECT_EQ(Surveyed::WorkedAllBritainSquare(p.grid, p.gridPosition), g.square);
    }
}

}  // namespace
