#include "conversions/surveyed/ShiftEncoding.hpp"

#include <cstddef>

#include "conversions/surveyed/Ostn15.hpp"

namespace Surveyed {
namespace {

constexpr unsigned kGroupBits = 7;
constexpr std::uint8_t kMore = 0x80;
constexpr std::uint8_t kGroup = 0x7F;
// Enough groups for any difference of two 16-bit values, zigzagged (18 bits).
constexpr unsigned kMaxGroups = 3;

// The prediction of node `i` of `table` from its neighbours already known.
long Predicted(const std::uint16_t* table, std::size_t i) noexcept {
    const std::size_t column = i % kShiftColumns;
    const bool west = column > 0;
    const bool south = i >= kShiftColumns;
    if (west && south)
        return long{table[i - 1]} + table[i - kShiftColumns] - table[i - kShiftColumns - 1];
    if (west)
        return table[i - 1];
    return south ? table[i - kShiftColumns] : 0;
}

void EncodeTable(std::span<const std::uint16_t> table, std::vector<std::uint8_t>& out) {
    for (std::size_t i = 0; i < kShiftNodes; ++i) {
        const long difference = long{table[i]} - Predicted(table.data(), i);
        auto zigzag =
            static_cast<unsigned long>(difference < 0 ? -2 * difference - 1 : 2 * difference);
        for (; zigzag > kGroup; zigzag >>= kGroupBits)
            out.push_back(static_cast<std::uint8_t>((zigzag & kGroup) | kMore));
        out.push_back(static_cast<std::uint8_t>(zigzag));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeShifts(std::span<const std::uint16_t> east,
                                       std::span<const std::uint16_t> north) {
    std::vector<std::uint8_t> out;
    out.reserve(2 * kShiftNodes);
    EncodeTable(east, out);
    EncodeTable(north, out);
    return out;
}

std::optional<std::vector<std::uint16_t>> DecodeShifts(std::span<const std::uint8_t> encoded) {
    std::vector<std::uint16_t> tables(2 * kShiftNodes);
    std::size_t at = 0;
    for (std::size_t i = 0; i < tables.size(); ++i) {
        unsigned long zigzag = 0;
        for (unsigned group = 0;; ++group) {
            if (at == encoded.size() || group == kMaxGroups)
                return std::nullopt;
            const std::uint8_t byte = encoded[at++];
            zigzag |= static_cast<unsigned long>(byte & kGroup) << (group * kGroupBits);
            if ((byte & kMore) == 0)
                break;
        }
        const long difference = (zigzag & 1U) != 0 ? -static_cast<long>(zigzag >> 1U) - 1
                                                   : static_cast<long>(zigzag >> 1U);
        // The north table's nodes are predicted from its own.
        const std::size_t table = i < kShiftNodes ? 0 : kShiftNodes;
        const long value = Predicted(tables.data() + table, i - table) + difference;
        if (value < 0 || value > UINT16_MAX)
            return std::nullopt;
        tables[i] = static_cast<std::uint16_t>(value);
    }
    if (at != encoded.size())
        return std::nullopt;
    return tables;
}

}  // namespace Surveyed
