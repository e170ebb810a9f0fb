#pragma once

// The panel below the window on the web page, without a toolkit: what its fields show for
// the text typed into txtWhere or for a fix from the phone. Its answers are quorvane-convert's
// (cli::AnswerInput, written by cli::AppendRecord), with the input's kind decided as
// --qrb-from decides it (Surveyed::KindOfStation).
//
// The National Grid's answers need OSTN15's shift tables, which the page loads after it
// starts; until they are there (`shiftsReady` false) an answer that needs them says that they
// are loading, and the Irish Grid's, UTM 30's and those off the grids come at once.

#include <string>
#include <string_view>

#include "cli/Options.hpp"
#include "cli/Record.hpp"
#include "conversions/surveyed/Station.hpp"

namespace ui {

// What the panel's fields show: whereGrid (the reference with its grid's name, or "on no
// grid"), whereLatLon (latitude and longitude, 6 decimals), whereLocator (10 characters, the
// first 6 set apart), whereWAB (the Worked All Britain square), whereNote (the window's
// locator for the same 100 m square where it is not the true one) and whereMessage (why
// there is no answer, or that the shifts are loading). Without an answer all but the message
// are empty.
struct PanelView {
    std::string grid = {};
    std::string latLon = {};
    std::string locator = {};
    std::string wab = {};
    std::string note = {};
    std::string message = {};
    bool operator==(const PanelView&) const = default;
};

inline constexpr std::string_view kShiftsLoading =
    "Loading the Ordnance Survey's OSTN15 shifts for the National Grid\u2026";

// When the page could not load them (offline on its first visit).
inline constexpr std::string_view kShiftsMissing =
    "The Ordnance Survey's OSTN15 shifts could not be loaded: the National Grid's answers need "
    "the page to be opened once with a network.";

// Digits of a typed input's grid reference: 1 m.
inline constexpr int kTypedDigits = 10;
inline constexpr int kPanelLocatorLength = 10;

// quorvane-convert's options for the panel: inputs of kind `from`, references of `ngrDigits`
// digits, locators of kPanelLocatorLength, and the columns the panel shows: input, status,
// latitude, longitude, locator, grid, ngr, wab (the record of a text is these cells, in
// that order).
[[nodiscard]] cli::Options PanelOptions(cli::From from, int ngrDigits);

// What quorvane-convert's --from calls `kind`.
[[nodiscard]] cli::From FromKind(Surveyed::StationKind kind) noexcept;

// quorvane-convert's answer for the text of txtWhere, read as it reads a line (cli::TrimLine)
// of the kind KindOfStation says, with the panel's options for it (PanelOptions, references
// of kTypedDigits). `answer` views `text`.
void ConvertText(std::string_view text, cli::Options& options, cli::Answer& answer);

// The panel for the text of txtWhere: ConvertText's answer, shown.
[[nodiscard]] PanelView AnswerText(std::string_view text, bool shiftsReady);

// The panel for a fix: WGS84 degrees (in range) and its accuracy in metres, which sets the
// reference's digits (DigitsForAccuracy).
[[nodiscard]] PanelView AnswerFix(double latitude, double longitude, double accuracy,
                                  bool shiftsReady);

// The digits of a fix's reference: 10 for an accuracy up to 1 m, 8 up to 10 m, 6 up to
// 100 m, else (and for an accuracy that is not a number) 4.
[[nodiscard]] int DigitsForAccuracy(double accuracy) noexcept;

// whereAccuracy for a fix: "±N m", N the accuracy in whole metres rounded up.
[[nodiscard]] std::string AccuracyText(double accuracy);

// Why the phone gave no position; whereMessage says it, and nothing else changes.
enum class FixFault {
    kRefused,        // the user or the browser refused the page the position
    kNoFix,          // no fix within kFixTimeoutSeconds
    kUnavailable,    // the phone cannot find its position (no GPS or location service on)
    kNoGeolocation,  // the browser has no geolocation
};
inline constexpr int kFixTimeoutSeconds = 30;
[[nodiscard]] std::string FixFaultText(FixFault fault);

}  // namespace ui
