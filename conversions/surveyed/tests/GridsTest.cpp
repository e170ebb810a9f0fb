#include "conversions/surveyed/Grids.hpp"

#include <gtest/gtest.h>

#include <cstddef>
#include <limits>

#include "conversions/surveyed/GridReference.hpp"
#include "conversions/surveyed/IrishGrid.hpp"
#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Projection.hpp"
#include "conversions/surveyed/Utm30.hpp"

namespace {

using Surveyed::GeodeticPosition;
using Surveyed::Grid;

struct Place {
    const char* name;
    GeodeticPosition position;
    Grid grid;
};

// Towns well inside each area, and the islands, headlands and rocks nearest the dividing
// lines, on both sides of them.
TEST(GridOf, TellsEachAreaByItsOutline) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const Place& p : {
             Place{"Belfast", {54.5973, -5.9301}, Grid::kIrish},
             Place{"Dublin", {53.3498, -6.2603}, Grid::kIrish},
             Place{"Galway", {53.2707, -9.0568}, Grid::kIrish},
             Place{"London", {51.5072, -0.1276}, Grid::kGreatBritain},
             Place{"Douglas, Isle of Man", {54.1523, -4.4861}, Grid::kGreatBritain},
             Place{"Lerwick", {60.1546, -1.1494}, Grid::kGreatBritain},
             Place{"St Helier", {49.1868, -2.1065}, Grid::kUtm30},
             Place{"St Peter Port", {49.4550, -2.5360}, Grid::kUtm30},
             Place{"Paris", {48.8566, 2.3522}, Grid::kNone},
             Place{"Torshavn", {62.0107, -6.7741}, Grid::kNone},
             Place{"0, 0", {0, 0}, Grid::kNone},
             Place{"not a number", {kNaN, -6}, Grid::kNone},
             // Across the North Channel and the Irish Sea.
             Place{"Rathlin Island, Altacarry Head", {55.3030, -6.1730}, Grid::kIrish},
             Place{"Inishtrahull", {55.4310, -7.2370}, Grid::kIrish},
             Place{"Copeland Islands", {54.6700, -5.5300}, Grid::kIrish},
             Place{"Tuskar Rock", {52.2020, -6.2080}, Grid::kIrish},
             Place{"Mull of Kintyre", {55.3110, -5.8020}, Grid::kGreatBritain},
             Place{"Islay, Mull of Oa", {55.5900, -6.3300}, Grid::kGreatBritain},
             Place{"Mull of Galloway", {54.6350, -4.8570}, Grid::kGreatBritain},
             Place{"Calf of Man", {54.0500, -4.8300}, Grid::kGreatBritain},
             Place{"The Smalls", {51.7210, -5.6700}, Grid::kGreatBritain},
             // The far corners of Great Britain.
             Place{"Bishop Rock, Scilly", {49.8720, -6.4450}, Grid::kGreatBritain},
             Place{"St Kilda, Soay", {57.8170, -8.6300}, Grid::kGreatBritain},
             Place{"Muckle Flugga", {60.8560, -0.8860}, Grid::kGreatBritain},
             Place{"North Rona", {59.1230, -5.8200}, Grid::kGreatBritain},
             Place{"Dover", {51.1280, 1.3200}, Grid::kGreatBritain},
             Place{"Cap Gris-Nez", {50.8720, 1.5830}, Grid::kNone},
             // The Channel Islands and the French coast beside them.
             Place{"Alderney, Quesnard", {49.7290, -2.1650}, Grid::kUtm30},
             Place{"The Casquets", {49.7220, -2.3770}, Grid::kUtm30},
             Place{"Les Ecrehous", {49.2860, -1.9290}, Grid::kUtm30},
             Place{"Les Minquiers", {48.9750, -2.0600}, Grid::kUtm30},
             Place{"Cap de la Hague", {49.7250, -1.9450}, Grid::kNone},
             Place{"Carteret", {49.3750, -1.8000}, Grid::kNone},
             Place{"Iles Chausey", {48.8730, -1.8260}, Grid::kNone},
             Place{"Roches Douvres", {49.1080, -2.8150}, Grid::kNone},
         }) {
        EXPECT_EQ(Surveyed::GridOf(p.position), p.grid) << p.name;
    }
}

// Every point of every outline's edges has an answer on its grid: on the National Grid
// within OSTN15's shifts, on the Irish Grid and in the Channel Islands within the lettered
// squares. (The outlines are no larger than their grids.)
TEST(GridAreas, LieWithinTheirGrids) {
    constexpr int kStepsPerEdge = 100;
    const auto onItsGrid = [](Grid grid, GeodeticPosition p) {
        switch (grid) {
            case Grid::kGreatBritain:
                return Surveyed::InShiftGrid(Surveyed::Project(p));
            case Grid::kIrish:
                return !Surveyed::GridReferenceOf(grid, Surveyed::IrishGrid::FromEtrs89(p), 0)
                            .empty();
            case Grid::kUtm30:
                return !Surveyed::GridReferenceOf(grid, Surveyed::Utm30::FromWgs84(p), 0).empty();
            case Grid::kNone:
                break;
        }
        return false;
    };
    ASSERT_EQ(Surveyed::GridAreas().size(), 3u);
    EXPECT_EQ(Surveyed::GridAreas()[0].grid, Grid::kIrish);
    for (const Surveyed::GridArea& area : Surveyed::GridAreas()) {
        const std::size_t n = area.outline.size();
        for (std::size_t i = 0; i < n; ++i) {
            const GeodeticPosition a = area.outline[i];
            const GeodeticPosition b = area.outline[(i + 1) % n];
            for (int step = 0; step < kStepsPerEdge; ++step) {
                const double t = static_cast<double>(step) / kStepsPerEdge;
                const GeodeticPosition p{a.latitude + t * (b.latitude - a.latitude),
                                         a.longitude + t * (b.longitude - a.longitude)};
                EXPECT_TRUE(onItsGrid(area.grid, p))
                    << Surveyed::GridName(area.grid) << " " << p.latitude << " " << p.longitude;
            }
        }
    }
}

}  // namespace
