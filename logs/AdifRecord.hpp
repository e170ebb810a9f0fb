#pragma once

// The fields of an ADIF record that this program reads, found by name, and ADIF's form of a
// latitude or longitude.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "logs/Adif.hpp"

namespace Logs {

// The fields read, by ADIF's names (kAdifNames).
enum class Adif : std::uint8_t {
    kCall,
    kQsoDate,
    kTimeOn,
    kBand,
    kMode,
    kAntPath,
    kDistance,
    kStationCallsign,
    kOperator,
    kGridsquare,
    kGridsquareExt,
    kLat,
    kLon,
    kSig,
    kSigInfo,
    kMyGridsquare,
    kMyGridsquareExt,
    kMyLat,
    kMyLon,
    kMySig,
    kMySigInfo,
    kCount
};

inline constexpr std::array<std::string_view, static_cast<std::size_t>(Adif::kCount)> kAdifNames = {
    "CALL",
    "QSO_DATE",
    "TIME_ON",
    "BAND",
    "MODE",
    "ANT_PATH",
    "DISTANCE",
    "STATION_CALLSIGN",
    "OPERATOR",
    "GRIDSQUARE",
    "GRIDSQUARE_EXT",
    "LAT",
    "LON",
    "SIG",
    "SIG_INFO",
    "MY_GRIDSQUARE",
    "MY_GRIDSQUARE_EXT",
    "MY_LAT",
    "MY_LON",
    "MY_SIG",
    "MY_SIG_INFO"};

[[nodiscard]] constexpr std::string_view NameOf(Adif field) noexcept {
    return kAdifNames[static_cast<std::size_t>(field)];
}

// The fields that say where one end of a contact is: the contacted station's, or with MY_
// the station's own.
struct AdifSide {
    Adif grid, gridExt, lat, lon, sig, sigInfo;
    std::string_view who;  // for messages: "the contacted station", "the station"
};
inline constexpr AdifSide kContactedSide = {
    Adif::kGridsquare, Adif::kGridsquareExt,   Adif::kLat, Adif::kLon, Adif::kSig,
    Adif::kSigInfo,    "the contacted station"};
inline constexpr AdifSide kStationSide = {
    Adif::kMyGridsquare, Adif::kMyGridsquareExt, Adif::kMyLat, Adif::kMyLon,
    Adif::kMySig,        Adif::kMySigInfo,       "the station"};

// A record's fields by name: the first of each name, in any case.
class AdifRecord {
  public:
    // Finds the fields of `part`, which must outlive the record's use.
    void Index(const AdifPart& part);

    [[nodiscard]] const AdifPart& Part() const noexcept { return *part_; }
    // The field, or none.
    [[nodiscard]] const AdifField* Find(Adif field) const noexcept {
        const int index = found_[static_cast<std::size_t>(field)];
        return index < 0 ? nullptr : &part_->fields[static_cast<std::size_t>(index)];
    }
    // Its data without the blanks around it; empty when the field is missing or empty.
    [[nodiscard]] std::string_view Value(Adif field) const noexcept;
    // The line a finding about the field names: the field's, or the record's.
    [[nodiscard]] std::size_t LineOf(Adif field) const noexcept;

  private:
    const AdifPart* part_ = nullptr;
    std::array<int, static_cast<std::size_t>(Adif::kCount)> found_{};
};

// ADIF's Location: "XDDD MM.MMM", X one of N and S for a latitude, E and W for a longitude,
// DDD the degrees (up to 090 or 180), MM.MMM the minutes, below 60: "N052 12.050".
[[nodiscard]] bool IsAdifLocation(std::string_view text, bool latitude) noexcept;

// `degrees` (north or east positive) in ADIF's Location, to the nearest thousandth of a minute.
[[nodiscard]] std::string AdifLocation(double degrees, bool latitude);

}  // namespace Logs
