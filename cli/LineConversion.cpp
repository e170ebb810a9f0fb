#include "LineConversion.hpp"

#include <optional>

#include "cli/RecordWriter.hpp"
#include "runtime/NumberReading.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

// Numbers on the command line and in files are written with a decimal point, whatever the
// user's locale.
constexpr std::string_view kDecimalPoint = ".";

struct Position {
    double latitude;
    double longitude;
};

// A latitude and a longitude, separated by a comma (blanks around it allowed) or else by
// blanks.
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
    if (!latitude || !longitude)
        return std::nullopt;
    return Position{*latitude, *longitude};
}

// The window's answer for a grid reference, and with `surveyed` the surveyed one.
void FromGridReference(std::string_view text, bool surveyed, Answer& answer) {
    Module1::ConvertNGR(text, answer.latitude, answer.longitude, answer.code);
    if (answer.Converted())
        Module1::CalcLocator(answer.latitude, answer.longitude, answer.locator);
    if (surveyed)
        answer.surveyed = Surveyed::Convert(text);
}

// The locator of a latitude and longitude pair; a pair out of range has none.
void FromLatLon(std::string_view text, Answer& answer) {
    if (const auto position = ReadPosition(text)) {
        answer.latitude = position->latitude;
        answer.longitude = position->longitude;
        Module1::CalcLocator(answer.latitude, answer.longitude, answer.locator);
    }
    if (answer.locator.empty())
        answer.code = kBadNumber;
}

}  // namespace

std::string_view TrimInput(std::string_view line) noexcept {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    return runtime::TrimBlanks(line);
}

Input TrimLine(std::string_view line, std::size_t limit) noexcept {
    const std::string_view text = TrimInput(line);
    if (text.size() <= limit)
        return {text, false};
    return {runtime::TrimBlanks(text.substr(0, limit)), true};
}

void CompactPartialLine(std::string& partial, std::size_t limit) {
    if (partial.size() <= limit)
        return;
    // Leading blanks are trimmed whatever follows.
    partial.erase(0, std::min(partial.find_first_not_of(" \t"), partial.size()));
    if (partial.size() <= limit)
        return;
    // Past the first `limit` bytes only three things matter: whether a byte that is not a
    // blank stands there before the last one (the line is too long, whatever follows; it is
    // then reported from its first bytes alone), else whether the last is a carriage return
    // (dropped if the line ends there, too long otherwise), else whether any blanks do.
    const std::string_view rest = std::string_view(partial).substr(limit);
    const bool content =
        rest.substr(0, rest.size() - 1).find_first_not_of(" \t") != std::string_view::npos ||
        (rest.back() != ' ' && rest.back() != '\t' && rest.back() != '\r');
    const char standIn = content ? 'x' : rest.back() == '\r' ? '\r' : ' ';
    partial.resize(limit);
    partial += standIn;
}

bool ConvertInput(std::string_view input, bool truncated, const Options& options,
                  std::string& out) {
    Answer answer;
    answer.input = input;
    // An input cut short is too long for any kind: it is read as the empty text, which none
    // accepts.
    const std::string_view text = truncated ? std::string_view() : input;
    switch (options.from) {
        case From::kGridReference:
            FromGridReference(text, options.surveyed, answer);
            break;
        case From::kLatLon:
            FromLatLon(text, answer);
            break;
    }
    AppendRecord(answer, options.Columns(), options.format, options.decimals, out);
    // The exit status speaks of the window's answer alone: an H or O reference, which only the
    // surveyed conversion accepts, counts as not converted.
    return answer.Converted();
}

}  // namespace cli
