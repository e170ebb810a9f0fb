#pragma once

// OSTN15's shift tables (Ostn15.hpp) in the compact form the web page loads, which gives
// them back exactly.
//
// The tables are smooth: a node is nearly its west neighbour plus its south neighbour less
// the south-west one. Each node is written as what it differs from that prediction (on the
// first row from its west neighbour, in the first column from its south one, the first node
// from 0), zigzagged to a whole number (0, -1, 1, -2, ... as 0, 1, 2, 3, ...) and written in
// 7-bit groups, least significant first, the high bit set on every byte but a number's last.
// The east table comes first, then the north one. Nearly every node takes one byte, and the
// bytes compress well (gzip, at build time): 3.5 MB of tables become about 0.4 MB.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace Surveyed {

// The encoding of two tables of kShiftNodes values each.
[[nodiscard]] std::vector<std::uint8_t> EncodeShifts(std::span<const std::uint16_t> east,
                                                     std::span<const std::uint16_t> north);

// The two tables, east then north, 2 x kShiftNodes values; none unless `encoded` is exactly
// the encoding of two such tables (nothing missing or left over, every value in 16 bits).
[[nodiscard]] std::optional<std::vector<std::uint16_t>> DecodeShifts(
    std::span<const std::uint8_t> encoded);

}  // namespace Surveyed
