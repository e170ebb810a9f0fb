// Which grid a position is on, by Boost.Geometry's point-in-polygon test on the outlines of
// GridAreas.geojson, which the build turns into GridAreasData.inc.

#include "conversions/surveyed/Grids.hpp"

#include <algorithm>
#include <boost/geometry/algorithms/append.hpp>
#include <boost/geometry/algorithms/covered_by.hpp>
#include <boost/geometry/geometries/point_xy.hpp>
#include <boost/geometry/geometries/polygon.hpp>
#include <cmath>
#include <vector>

namespace Surveyed {
namespace {

// The grid GridName calls `name`; kNone for any other name.
constexpr Grid GridNamed(std::string_view name) noexcept {
    for (const Grid grid : {Grid::kGreatBritain, Grid::kIrish, Grid::kUtm30}) {
        if (GridName(grid) == name)
            return grid;
    }
    return Grid::kNone;
}

// kGridAreas, from GridAreas.geojson.
#include "GridAreasData.inc"

static_assert(std::none_of(kGridAreas.begin(), kGridAreas.end(),
                           [](const GridArea& area) { return area.grid == Grid::kNone; }),
              "GridAreas.geojson names a grid that is not gb, irish or utm30");

namespace bg = boost::geometry;
// Longitude and latitude as a plane, in which the outlines' edges are straight.
using Point = bg::model::d2::point_xy<double>;
using Polygon = bg::model::polygon<Point, /*ClockWise=*/false, /*Closed=*/false>;

// The polygon of each outline, in the order of kGridAreas.
const std::vector<Polygon>& Polygons() {
    static const std::vector<Polygon> polygons = [] {
        std::vector<Polygon> built(kGridAreas.size());
        for (std::size_t i = 0; i < kGridAreas.size(); ++i) {
            for (const GeodeticPosition& vertex : kGridAreas[i].outline)
                bg::append(built[i], Point(vertex.longitude, vertex.latitude));
        }
        return built;
    }();
    return polygons;
}

}  // namespace

std::span<const GridArea> GridAreas() noexcept {
    return kGridAreas;
}

Grid GridOf(GeodeticPosition wgs84) noexcept {
    if (!std::isfinite(wgs84.latitude) || !std::isfinite(wgs84.longitude))
        return Grid::kNone;
    const Point point(wgs84.longitude, wgs84.latitude);
    const std::vector<Polygon>& polygons = Polygons();
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        if (bg::covered_by(point, polygons[i]))
            return kGridAreas[i].grid;
    }
    return Grid::kNone;
}

}  // namespace Surveyed
