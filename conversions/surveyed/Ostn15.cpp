#include "conversions/surveyed/Ostn15.hpp"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <initializer_list>

namespace Surveyed {
namespace {

constexpr double kNodeSpacing = 1'000;  // metres
// The smallest shifts, in millimetres, which the files' names carry: a node's east shift is
// (value + 82140) mm, its north shift (value - 84180) mm.
constexpr double kEastShiftBase = 82'140;
constexpr double kNorthShiftBase = -84'180;
constexpr double kMetresPerMillimetre = 0.001;

// A step smaller than this ends the iteration (metres).
constexpr double kConvergence = 0.000'1;
// The iteration shrinks its error at least 4000-fold a step (no two neighbouring nodes differ
// by more than 0.25 m), so it converges in three or four; this only bounds the loop.
constexpr int kMaxIterations = 10;

struct Shift {
    double east;
    double north;
};

// The cell of the shift grid that holds `etrs89`, which must be in it: `etrs89` in node
// spacings, and the index of the cell's south-western node. On the last row or column the
// cell below or to the west, where the point is on its edge.
struct Cell {
    double x;
    double y;
    std::size_t column;
    std::size_t row;
    std::size_t sw;
};

Cell CellOf(GridPoint etrs89) noexcept {
    const double x = etrs89.easting / kNodeSpacing;
    const double y = etrs89.northing / kNodeSpacing;
    const std::size_t column = std::min(static_cast<std::size_t>(x), kShiftColumns - 2);
    const std::size_t row = std::min(static_cast<std::size_t>(y), kShiftRows - 2);
    return {x, y, column, row, row * kShiftColumns + column};
}

// The bilinear interpolation in `tables` of the four nodes of the cell around `etrs89`,
// which must be in the shift grid.
Shift ShiftAt(const ShiftTables& tables, GridPoint etrs89) noexcept {
    const Cell cell = CellOf(etrs89);
    const double t = cell.x - static_cast<double>(cell.column);
    const double u = cell.y - static_cast<double>(cell.row);
    const std::size_t sw = cell.sw;
    const std::size_t nw = sw + kShiftColumns;
    const auto interpolate = [&](const std::uint16_t* table) {
        return (1 - t) * (1 - u) * table[sw] + t * (1 - u) * table[sw + 1] + t * u * table[nw + 1] +
               (1 - t) * u * table[nw];
    };
    return {(interpolate(tables.east) + kEastShiftBase) * kMetresPerMillimetre,
            (interpolate(tables.north) + kNorthShiftBase) * kMetresPerMillimetre};
}

// `point` moved onto the shift grid's nearest edge when it lies beyond it.
GridPoint ClampToShiftGrid(GridPoint point) noexcept {
    return {std::clamp(point.easting, 0.0, kShiftGridMaxEasting),
            std::clamp(point.northing, 0.0, kShiftGridMaxNorthing)};
}

}  // namespace

bool InShiftGrid(GridPoint etrs89) noexcept {
    return etrs89.easting >= 0 && etrs89.easting <= kShiftGridMaxEasting && etrs89.northing >= 0 &&
           etrs89.northing <= kShiftGridMaxNorthing;
}

std::optional<GridPoint> Etrs89ToNationalGrid(GridPoint etrs89) noexcept {
    const auto tables = Shifts();
    if (!tables || !InShiftGrid(etrs89))
        return std::nullopt;
    const Shift shift = ShiftAt(*tables, etrs89);
    return GridPoint{etrs89.easting + shift.east, etrs89.northing + shift.north};
}

void PrefetchShifts(GridPoint nationalGrid) noexcept {
#if defined(__GNUC__)
    const auto tables = Shifts();
    if (!tables || !std::isfinite(nationalGrid.easting) || !std::isfinite(nationalGrid.northing))
        return;
    const std::size_t sw = CellOf(ClampToShiftGrid(nationalGrid)).sw;
    for (const std::uint16_t* table : {tables->east, tables->north}) {
        __builtin_prefetch(table + sw);
        __builtin_prefetch(table + sw + kShiftColumns);
    }
#else
    static_cast<void>(nationalGrid);
#endif
}

std::optional<GridPoint> NationalGridToEtrs89(GridPoint nationalGrid) noexcept {
    // NaN would pass through the clamp.
    const auto tables = Shifts();
    if (!tables || !std::isfinite(nationalGrid.easting) || !std::isfinite(nationalGrid.northing))
        return std::nullopt;
    GridPoint estimate = nationalGrid;
    for (int i = 0; i < kMaxIterations; ++i) {
        const Shift shift = ShiftAt(*tables, ClampToShiftGrid(estimate));
        const GridPoint next{nationalGrid.easting - shift.east,
                             nationalGrid.northing - shift.north};
        const bool converged = std::abs(next.easting - estimate.easting) < kConvergence &&
                               std::abs(next.northing - estimate.northing) < kConvergence;
        estimate = next;
        if (converged)
            break;
    }
    // The estimate is good to the step that ended the iteration, so it may stand that far
    // beyond an edge that the true position is on.
    const GridPoint inside = ClampToShiftGrid(estimate);
    if (!(std::abs(inside.easting - estimate.easting) <= kConvergence &&
          std::abs(inside.northing - estimate.northing) <= kConvergence)) {
        return std::nullopt;
    }
    return estimate;
}

}  // namespace Surveyed
