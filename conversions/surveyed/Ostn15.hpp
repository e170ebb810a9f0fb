#pragma once

// OSTN15, the Ordnance Survey's definitive transformation between ETRS89 and the National
// Grid (OSGB36): a grid of east and north shifts at every kilometre, interpolated
// bilinearly, which reproduces the National Grid to about a centimetre. The shifts are
// indexed by ETRS89 grid position (see Projection.hpp); the National Grid position is that
// position plus the shifts.
//
// The shift grid's nodes run from (0, 0) to (700 km, 1250 km) in ETRS89 grid metres; a
// position on its last row or column is inside. There are no shifts beyond it, and so no
// answer: nothing here extrapolates.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "conversions/surveyed/Coordinates.hpp"

namespace Surveyed {

// The shift grid's nodes: kShiftColumns in a row, 0 to 700 km east, and kShiftRows rows, 0 to
// 1250 km north.
inline constexpr std::size_t kShiftColumns = 701;
inline constexpr std::size_t kShiftRows = 1'251;
inline constexpr std::size_t kShiftNodes = kShiftColumns * kShiftRows;

// The two shift tables, kShiftNodes values each: one unsigned 16-bit number per node, in
// millimetres above the smallest shift, row by row from the south-west corner, easting
// varying fastest (as Debian's libgeo-coordinates-osgb-perl ships them).
struct ShiftTables {
    const std::uint16_t* east;
    const std::uint16_t* north;
};

// The tables the functions below read. The native programs have them built in
// (Ostn15BuiltIn.cpp), always; the web page loads them after it starts and hands them over
// (ShiftLoading.hpp), and until then there are none: every function below then answers as
// outside the shift grid, and PrefetchShifts does nothing.
[[nodiscard]] std::optional<ShiftTables> Shifts() noexcept;

// The shift grid's far edges, in ETRS89 grid metres; its near edges are at 0.
inline constexpr double kShiftGridMaxEasting = 700'000;
inline constexpr double kShiftGridMaxNorthing = 1'250'000;

// Whether an ETRS89 grid position is in the shift grid, edges included (NaN is not).
[[nodiscard]] bool InShiftGrid(GridPoint etrs89) noexcept;

// The National Grid position of an ETRS89 grid position: it plus the bilinearly
// interpolated shifts. None outside the shift grid, or without the tables (Shifts).
[[nodiscard]] std::optional<GridPoint> Etrs89ToNationalGrid(GridPoint etrs89) noexcept;

// The ETRS89 grid position of a National Grid position, by the Ordnance Survey's iteration:
// subtract the shifts found at the latest estimate (the first is the National Grid position
// itself) until a step moves it by less than 0.1 mm. None unless that position is in the
// shift grid to within that 0.1 mm; estimates beyond it take the shifts of its nearest edge.
// None without the tables (Shifts).
[[nodiscard]] std::optional<GridPoint> NationalGridToEtrs89(GridPoint nationalGrid) noexcept;

// A hint, with no effect on any answer: starts loading into the processor's cache the shifts
// that NationalGridToEtrs89(nationalGrid) reads first, so that work done in between hides the
// wait for memory (the tables, 3.5 MB, do not stay in the cache). Any value is allowed.
void PrefetchShifts(GridPoint nationalGrid) noexcept;

}  // namespace Surveyed
