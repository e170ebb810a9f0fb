// The shift tables of the native programs: built in by Ostn15Data.cpp.

#include <bit>

#include "conversions/surveyed/Ostn15.hpp"

extern "C" const std::uint16_t quorvane_ostn15_east_shifts[];
extern "C" const std::uint16_t quorvane_ostn15_north_shifts[];

namespace Surveyed {

static_assert(std::endian::native == std::endian::little,
              "the shift tables are little-endian, as the files they are built from");

std::optional<ShiftTables> Shifts() noexcept {
    return ShiftTables{quorvane_ostn15_east_shifts, quorvane_ostn15_north_shifts};
}

}  // namespace Surveyed
