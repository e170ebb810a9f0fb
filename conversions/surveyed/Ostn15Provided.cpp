// The shift tables of the web build: those the page handed over (ShiftLoading.hpp).

#include <utility>
#include <vector>

#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/ShiftEncoding.hpp"
#include "conversions/surveyed/ShiftLoading.hpp"

namespace Surveyed {
namespace {

// The web build's one piece of state: the tables, empty until the page has loaded them and
// ProvideShifts has handed them over, once; read-only from then on (the page has one
// thread), as the built-in tables of the native programs are.
std::vector<std::uint16_t>& ProvidedTables() {
    static std::vector<std::uint16_t> tables;
    return tables;
}

}  // namespace

std::optional<ShiftTables> Shifts() noexcept {
    const std::vector<std::uint16_t>& tables = ProvidedTables();
    if (tables.empty())
        return std::nullopt;
    return ShiftTables{tables.data(), tables.data() + kShiftNodes};
}

bool ProvideShifts(std::span<const std::uint8_t> encoded) {
    if (!ProvidedTables().empty())
        return true;
    auto decoded = DecodeShifts(encoded);
    if (!decoded)
        return false;
    ProvidedTables() = std::move(*decoded);
    return true;
}

}  // namespace Surveyed
