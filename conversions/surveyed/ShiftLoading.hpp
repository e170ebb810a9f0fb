#pragma once

// The web build's OSTN15 shift tables: the page loads them after it has started (the
// encoding of ShiftEncoding.hpp) and hands them over here, once; Ostn15.hpp's Shifts() gives
// them from then on. The native builds have them built in and have no use for this.

#include <cstdint>
#include <span>

namespace Surveyed {

// Decodes `encoded` (DecodeShifts) and makes it the tables, if no tables were handed over
// before. Returns whether there are tables now: false when `encoded` is not whole.
bool ProvideShifts(std::span<const std::uint8_t> encoded);

}  // namespace Surveyed
