#include "LineConversion.hpp"

#include <cstdint>
#include <optional>

#include "cli/Record.hpp"
#include "cli/RecordWriter.hpp"
#include "conversions/Module1.hpp"
#if QUORVANE_SURVEYED
#include "conversions/surveyed/Surveyed.hpp"
#endif
#include "runtime/NumberReading.hpp"

namespace cli {
namespace {

constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

// Numbers on the command line and in files are written with a decimal point, whatever the
// user's locale.
constexpr std::string_view kDecimalPoint = ".";

constexpr double kMaxLatitude = 90;
constexpr double kMaxLongitude = 180;

struct Position {
    double latitude;
    double longitude;
};

// A latitude and a longitude, separated by a comma (blanks around it allowed) or else by
// blanks; both in range.
std::optional<Position> ReadPosition(std::string_view text) {
    std::size_t split = text.find(',');
    std::size_t skip = 1;
    if (split == std::string_view::npos) {
        split = text.find_first_of(" \t");
        skip = 0;  // the blanks stay with the longitude, which may have blanks around it
        if (split == std::string_view::npos)
            return std::nullopt;
    }
    const auto latitude = runtime::ReadNumber(text.substr(0, split), kDecimalPoint);
    const auto longitude = runtime::ReadNumber(text.substr(split + skip), kDecimalPoint);
    if (!latitude || !longitude || !(*latitude >= -kMaxLatitude && *latitude <= kMaxLatitude) ||
        !(*longitude >= -kMaxLongitude && *longitude <= kMaxLongitude)) {
        return std::nullopt;
    }
    return Position{*latitude, *longitude};
}

#if QUORVANE_SURVEYED
// Surveyed::Convert's answer for `input` (too long when it is truncated). Kept out of line so
// that ConvertInput, run for every line with or without --surveyed, stays small.
[[gnu::noinline]] Surveyed::Answer SurveyedAnswer(std::string_view input, bool truncated) {
    if (truncated)
        return {Module1::kWrongLength, 0, 0, {}};
    return Surveyed::Convert(input);
}

// Fills the surveyed columns of `record`, which then views `surveyed`'s locator. `locator` is
// the window's, empty when it has none.
void AddSurveyedColumns(const Surveyed::Answer& surveyed, std::string_view locator,
                        Record& record) {
    if (surveyed.result != Module1::kValid)
        return;
    record[kSurveyedLatitude] = Field::Number(surveyed.latitude);
    record[kSurveyedLongitude] = Field::Number(surveyed.longitude);
    record[kSurveyedLocator] = Field::PlainText(surveyed.locator);
    if (!locator.empty())
        record[kLocatorDiffers] = Field::PlainText(locator == surveyed.locator ? "no" : "yes");
}

#endif

}  // namespace

std::string_view TrimInput(std::string_view line) noexcept {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    while (!line.empty() && IsBlank(line.front()))
        line.remove_prefix(1);
    while (!line.empty() && IsBlank(line.back()))
        line.remove_suffix(1);
    return line;
}

bool ConvertInput(std::string_view input, bool truncated, const Options& options,
                  std::string& out) {
    std::int16_t code = Module1::kValid;
    double latitude = 0;
    double longitude = 0;
    // Six characters: held in the string itself, no allocation.
    std::string locator;
    if (options.latlon) {
        const auto position = truncated ? std::nullopt : ReadPosition(input);
        if (position) {
            latitude = position->latitude;
            longitude = position->longitude;
            Module1::CalcLocator(latitude, longitude, locator);
        }
        if (locator.empty())
            code = kBadNumber;
    } else if (truncated) {
        code = Module1::kWrongLength;
    } else {
        Module1::ConvertNGR(input, latitude, longitude, code);
        if (code == Module1::kValid)
            Module1::CalcLocator(latitude, longitude, locator);
    }

    const bool ok = code == Module1::kValid;
    Record record;
    record[kInput] = Field::Text(input);
    record[kCode] = Field::Integer(code);
    record[kStatus] = Field::PlainText(kStatusTexts[static_cast<std::size_t>(code)]);
    if (ok) {
        record[kLatitude] = Field::Number(latitude);
        record[kLongitude] = Field::Number(longitude);
        record[kLocator] = Field::PlainText(locator);
    }
#if QUORVANE_SURVEYED
    std::optional<Surveyed::Answer> surveyed;  // outlives `record`, which views its locator
    if (options.surveyed) {
        surveyed = SurveyedAnswer(input, truncated);
        AddSurveyedColumns(*surveyed, ok ? std::string_view(locator) : "", record);
    }
#endif
    AppendRecord(record, ColumnCount(options), options.format, options.decimals, out);
    // The exit status speaks of the window's answer alone: an H or O reference, which only the
    // surveyed conversion accepts, counts as not converted.
    return ok;
}

}  // namespace cli
