#include "cli/LogCommands.hpp"

#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/Files.hpp"
#include "logs/Adif.hpp"
#include "logs/AdifRecord.hpp"
#include "logs/Edi.hpp"
#include "logs/EdiReview.hpp"
#include "logs/Place.hpp"
#include "runtime/Text.hpp"

namespace cli {
namespace {

// Enough of a log's start to tell its kind.
constexpr std::size_t kStartBytes = 16;
// Output is written in blocks of about this size.
constexpr std::size_t kWriteBytes = std::size_t{1} << 16;
// The locator a point is shown with on a map.
constexpr int kMapLocatorLength = 6;
constexpr int kKilometreDecimals = 1;

// Text for `out`, written a block at a time.
class Output {
  public:
    explicit Output(std::FILE* out) : out_(out) {}
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;
    ~Output() { Flush(); }

    std::string& Text() noexcept { return text_; }
    // Writes what is held once it is a block.
    void Spill() {
        if (text_.size() >= kWriteBytes)
            Flush();
    }
    void Flush() {
        std::fwrite(text_.data(), 1, text_.size(), out_);
        text_.clear();
    }

  private:
    std::FILE* out_;
    std::string text_;
};

std::string Counted(std::size_t count, std::string_view thing) {
    return std::to_string(count) + " " + std::string(thing) + (count == 1 ? "" : "s");
}

std::string ReadFailure(const LogInput& log, const Logs::ReadError& error) {
    return log.name + ":" + std::to_string(error.line) + ": " + runtime::Printable(error.what);
}

void AppendFinding(const LogInput& log, std::string_view call, const Logs::Finding& finding,
                   std::string& out) {
    out += log.name;
    out += ':';
    out += std::to_string(finding.line);
    out += ": ";
    out += runtime::Printable(call);
    out += ": ";
    out += finding.field;
    out += ": ";
    out += runtime::Printable(finding.what);
    if (!finding.shouldBe.empty())
        out += " (" + runtime::Printable(finding.shouldBe) + ")";
    out += '\n';
}

// The call a finding names: the record's, or else its number.
std::string CallOf(std::string_view call, std::string_view thing, std::size_t number) {
    return call.empty() ? std::string(thing) + " " + std::to_string(number) : std::string(call);
}

std::string AdifCall(const Logs::AdifRecord& record) {
    return CallOf(record.Value(Logs::Adif::kCall), "record", record.Part().number);
}

// YYYYMMDD (ADIF) or YYMMDD (EDI, this century) as YYYY-MM-DD; anything else as it is.
std::string IsoDate(std::string_view date) {
    constexpr std::size_t kAdifDate = 8;
    constexpr std::size_t kEdiDate = 6;
    const bool digits = std::all_of(date.begin(), date.end(), runtime::IsDigit);
    if (!digits || (date.size() != kAdifDate && date.size() != kEdiDate))
        return std::string(date);
    const std::string full = (date.size() == kEdiDate ? "20" : "") + std::string(date);
    return full.substr(0, 4) + "-" + full.substr(4, 2) + "-" + full.substr(6, 2);
}

// HHMM or HHMMSS as HH:MM or HH:MM:SS; anything else as it is.
std::string Clock(std::string_view time) {
    const bool digits = std::all_of(time.begin(), time.end(), runtime::IsDigit);
    if (!digits || (time.size() != 4 && time.size() != 6))
        return std::string(time);
    std::string clock(time.substr(0, 2));
    for (std::size_t at = 2; at < time.size(); at += 2)
        clock.append(":").append(time.substr(at, 2));
    return clock;
}

std::string LocatorShown(const Logs::Place& place) {
    return place.square ? place.locator : Logs::LocatorOfPlace(place, kMapLocatorLength);
}

Cell Kilometres(std::optional<double> km) {
    return km ? Cell::Number(*km, kKilometreDecimals) : Cell{};
}

// Reads an ADIF log to its end, reviewing each record, and hands each part to `each` with
// its record and review (none for the header and the trailer). Returns what stopped the
// reading; empty at the end of the log.
template <typename Each>
std::string EachAdifPart(LogInput& log, const Logs::AdifOptions& options, Each each) {
    Logs::AdifReader reader(log.stream, std::move(log.start));
    Logs::AdifPart part;
    Logs::AdifRecord record;
    Logs::AdifReview review;
    while (reader.Read(part)) {
        const bool isRecord = part.kind == Logs::AdifPartKind::kRecord;
        if (isRecord) {
            record.Index(part);
            Logs::ReviewAdifRecord(record, options, review);
        }
        each(part, isRecord ? &record : nullptr, review);
    }
    return reader.Error().Failed() ? ReadFailure(log, reader.Error()) : std::string();
}

// EachAdifPart for the records alone, each counted in `result`: `each` gets the record and
// its review.
template <typename Each>
std::string EachAdifRecord(LogInput& log, const Logs::AdifOptions& options, LogResult& result,
                           Each each) {
    return EachAdifPart(
        log, options,
        [&](const Logs::AdifPart&, const Logs::AdifRecord* record, const Logs::AdifReview& review) {
            if (!record)
                return;
            ++result.records;
            each(*record, review);
        });
}

// Reads an EDI log from its stream (after `start`) to its end, scoring each line by
// `scorer`, and hands each line to `each` with its score (of a contact) and findings.
// Returns what stopped the reading; empty at the end of the log.
template <typename Each>
std::string EachEdiLine(LogInput& log, std::string start, Logs::EdiScorer& scorer, Each each) {
    Logs::EdiReader reader(log.stream, std::move(start));
    Logs::EdiLine line;
    Logs::EdiScore score;
    std::vector<Logs::Finding> findings;
    while (reader.Read(line)) {
        findings.clear();
        scorer.Take(line, score, findings);
        each(line, score, findings);
    }
    return reader.Error().Failed() ? ReadFailure(log, reader.Error()) : std::string();
}

std::string EdiCall(const Logs::EdiLine& line, std::size_t contact) {
    return CallOf(runtime::TrimBlanks(line.Field(Logs::EdiField::kCall)), "contact", contact);
}

// ---- check

LogResult CheckAdif(LogInput& log, const Logs::AdifOptions& options, Output& output) {
    LogResult result;
    result.error = EachAdifRecord(
        log, options, result, [&](const Logs::AdifRecord& record, const Logs::AdifReview& review) {
            for (const Logs::AdifFinding& finding : review.findings)
                AppendFinding(log, AdifCall(record), finding.finding, output.Text());
            result.problems += review.findings.size();
            output.Spill();
        });
    return result;
}

LogResult CheckEdi(LogInput& log, Output& output) {
    LogResult result;
    Logs::EdiScorer scorer;
    result.error = EachEdiLine(log, std::move(log.start), scorer,
                               [&](const Logs::EdiLine& line, const Logs::EdiScore&,
                                   const std::vector<Logs::Finding>& findings) {
                                   if (line.kind == Logs::EdiLineKind::kRecord)
                                       ++result.records;
                                   for (const Logs::Finding& finding : findings)
                                       AppendFinding(log, EdiCall(line, result.records), finding,
                                                     output.Text());
                                   result.problems += findings.size();
                                   output.Spill();
                               });
    if (!result.error.empty())
        return result;
    std::vector<Logs::Finding> totals;
    scorer.FindTotals(totals);
    for (const Logs::Finding& finding : totals)
        AppendFinding(log, scorer.Call().empty() ? "header" : scorer.Call(), finding,
                      output.Text());
    result.problems += totals.size();
    return result;
}

// ---- fill

LogResult FillAdif(LogInput& log, const Logs::AdifOptions& options, bool correct, Output& output) {
    LogResult result;
    std::vector<Logs::AdifChange> changes;
    constexpr auto kFields = static_cast<std::size_t>(Logs::Adif::kCount);
    std::array<std::size_t, kFields> added{};
    std::array<std::size_t, kFields> corrected{};
    std::size_t left = 0;
    result.error = EachAdifPart(log, options,
                                [&](const Logs::AdifPart& part, const Logs::AdifRecord* record,
                                    const Logs::AdifReview& review) {
                                    std::string& text = output.Text();
                                    if (!record) {
                                        text += part.text;
                                        return;
                                    }
                                    ++result.records;
                                    changes = review.additions;
                                    for (const Logs::AdifChange& change : changes)
                                        ++added[static_cast<std::size_t>(change.field)];
                                    for (const Logs::AdifFinding& finding : review.findings) {
                                        if (!correct || finding.corrections.empty()) {
                                            ++left;
                                            continue;
                                        }
                                        for (const Logs::AdifChange& change : finding.corrections) {
                                            changes.push_back(change);
                                            ++corrected[static_cast<std::size_t>(change.field)];
                                        }
                                    }
                                    if (changes.empty())
                                        text += part.text;
                                    else
                                        Logs::AppendChangedRecord(*record, changes, text);
                                    output.Spill();
                                });
    if (!result.error.empty())
        return result;
    result.problems = left;
    const auto list = [](const std::array<std::size_t, kFields>& counts) {
        std::string text;
        for (std::size_t i = 0; i < kFields; ++i) {
            if (counts[i] > 0)
                text += (text.empty() ? "" : ", ") + std::to_string(counts[i]) + " " +
                        std::string(Logs::kAdifNames[i]);
        }
        return text;
    };
    result.summary = log.name + ": " + Counted(result.records, "record");
    const std::string addedText = list(added);
    const std::string correctedText = list(corrected);
    if (addedText.empty() && correctedText.empty())
        result.summary += "; nothing added";
    if (!addedText.empty())
        result.summary += "; added " + addedText;
    if (!correctedText.empty())
        result.summary += "; corrected " + correctedText;
    if (left > 0)
        result.summary +=
            "; " + Counted(left, "wrong field") + " left as " +
            (left == 1 ? "it was" : "they were") +
            (correct ? " (check says why)" : " (check lists them, --correct replaces them)");
    return result;
}

// Gives `log` a stream that can be read again from its start: its own, or else (standard
// input from a pipe) a temporary copy of it. False, with `error`, when there is none.
bool Rewindable(LogInput& log, std::string& error) {
    if (IsDiskFile(log.stream))
        return true;
    std::FILE* const copy = std::tmpfile();
    if (!copy) {
        error = "cannot make a temporary copy of " + log.name + ": " + std::strerror(errno);
        return false;
    }
    log.file.reset(copy);
    std::fwrite(log.start.data(), 1, log.start.size(), copy);
    std::array<char, kWriteBytes> block{};
    for (std::size_t read; (read = std::fread(block.data(), 1, block.size(), log.stream)) > 0;)
        std::fwrite(block.data(), 1, read, copy);
    if (std::ferror(log.stream) || std::fflush(copy) != 0 || std::ferror(copy)) {
        error = "cannot copy " + log.name + ": " + std::strerror(errno);
        return false;
    }
    log.stream = copy;
    log.start.clear();
    std::rewind(copy);
    return true;
}

LogResult FillEdi(LogInput& log, Output& output) {
    LogResult result;
    if (!Rewindable(log, result.error))
        return result;
    // The first reading scores the log, for the header that comes before its contacts.
    Logs::EdiScorer totals;
    result.error = EachEdiLine(log, log.start, totals, [](const auto&...) {});
    std::string why;
    if (result.error.empty() && !totals.CanScore(why))
        result.error = log.name + ": " + why + ": its contacts can't be scored";
    if (result.error.empty() && std::fseek(log.stream, 0, SEEK_SET) != 0)
        result.error = "cannot read " + log.name + " again: " + std::strerror(errno);
    if (!result.error.empty())
        return result;

    // The second writes it.
    Logs::EdiScorer scorer;
    bool inHeader = false;
    std::string headerLineEnd;
    std::size_t pointsCorrected = 0;
    std::size_t marked = 0;
    std::size_t unmarked = 0;
    result.error =
        EachEdiLine(log, {}, scorer,
                    [&](const Logs::EdiLine& line, const Logs::EdiScore& score,
                        const std::vector<Logs::Finding>&) {
                        std::string& text = output.Text();
                        std::optional<std::string> corrected;
                        switch (line.kind) {
                            case Logs::EdiLineKind::kSection:
                                if (inHeader)
                                    text += totals.MissingTotals(headerLineEnd);
                                inHeader = line.section == Logs::EdiSection::kHeader;
                                if (inHeader)
                                    headerLineEnd = line.lineEnd.empty() ? "\r\n" : line.lineEnd;
                                if (line.section == Logs::EdiSection::kRecords)
                                    corrected = totals.CorrectedRecordsSection(line);
                                break;
                            case Logs::EdiLineKind::kHeaderEntry:
                                corrected = totals.CorrectedHeaderLine(line);
                                break;
                            case Logs::EdiLineKind::kRecord:
                                ++result.records;
                                corrected = Logs::EdiScorer::CorrectedRecord(line, score);
                                pointsCorrected += score.writtenPoints != score.points ? 1U : 0U;
                                marked += score.duplicate && !score.marked ? 1U : 0U;
                                unmarked += !score.duplicate && score.marked ? 1U : 0U;
                                break;
                            case Logs::EdiLineKind::kEmpty:
                            case Logs::EdiLineKind::kText:
                                break;
                        }
                        text += corrected ? std::string_view(*corrected) : line.text;
                        text += line.lineEnd;
                        output.Spill();
                    });
    if (!result.error.empty())
        return result;
    if (inHeader)
        output.Text() += totals.MissingTotals(headerLineEnd);
    result.summary = log.name + ": " + Counted(result.records, "contact");
    std::string changes;
    const auto add = [&changes](std::size_t count, const std::string& what) {
        if (count > 0)
            changes += (changes.empty() ? "" : ", ") + what;
    };
    add(pointsCorrected, "points corrected on " + Counted(pointsCorrected, "contact"));
    add(marked, Counted(marked, "duplicate") + " marked D");
    add(unmarked, Counted(unmarked, "D mark") + " taken off");
    std::string header;
    for (const std::string_view key : totals.WrongTotals())
        header += (header.empty() ? "" : ", ") + std::string(key);
    add(header.size(), "header: " + header);
    result.summary += changes.empty() ? "; nothing to correct" : "; " + changes;
    return result;
}

// ---- map

LogResult MapAdif(LogInput& log, const Logs::AdifOptions& options, MapWriter& map, Output& output) {
    LogResult result;
    std::optional<Surveyed::GeodeticPosition> stationShown;
    std::size_t mapped = 0;
    result.error = EachAdifRecord(
        log, options, result, [&](const Logs::AdifRecord& record, const Logs::AdifReview& review) {
            std::string& text = output.Text();
            std::string_view station = record.Value(Logs::Adif::kStationCallsign);
            station = station.empty() ? record.Value(Logs::Adif::kOperator) : station;
            station = station.empty() ? std::string_view("station") : station;
            if (review.station &&
                (!stationShown || stationShown->latitude != review.station->position.latitude ||
                 stationShown->longitude != review.station->position.longitude)) {
                stationShown = review.station->position;
                const std::string locator = LocatorShown(*review.station);
                const std::array<MapProperty, 3> properties = {{{"kind", Cell::Text("station")},
                                                                {"call", Cell::Text(station)},
                                                                {"locator", Cell::Text(locator)}}};
                map.Point(station, review.station->position, properties, text);
            }
            if (!review.contacted)
                return;
            ++mapped;
            const std::string call = AdifCall(record);
            const std::string date = IsoDate(record.Value(Logs::Adif::kQsoDate));
            const std::string time = Clock(record.Value(Logs::Adif::kTimeOn));
            const std::string locator = LocatorShown(*review.contacted);
            std::array<MapProperty, 8> properties = {{
                {"kind", Cell::Text("contact")},
                {"call", Cell::Text(call)},
                {"date", Cell::TextOrNothing(date)},
                {"time", Cell::TextOrNothing(time)},
                {"band", Cell::TextOrNothing(record.Value(Logs::Adif::kBand))},
                {"mode", Cell::TextOrNothing(record.Value(Logs::Adif::kMode))},
                {"locator", Cell::Text(locator)},
                {"distance_km", Kilometres(review.distanceKm)},
            }};
            map.Point(call, review.contacted->position, properties, text);
            if (review.station) {
                properties[0].value = Cell::Text("path");
                map.Line(call, review.station->position, review.contacted->position, properties,
                         text);
            }
            output.Spill();
        });
    result.summary = log.name + ": " + Counted(mapped, "contact") + " mapped of " +
                     Counted(result.records, "record");
    if (mapped < result.records)
        result.summary += "; " + std::to_string(result.records - mapped) + " without a place";
    return result;
}

LogResult MapEdi(LogInput& log, MapWriter& map, Output& output) {
    LogResult result;
    Logs::EdiScorer scorer;
    bool stationShown = false;
    std::size_t mapped = 0;
    const auto showStation = [&](std::string& text) {
        const std::optional<Surveyed::GeodeticPosition> home = scorer.HomePosition();
        if (stationShown || !home)
            return;
        stationShown = true;
        const std::string locator = Logs::LocatorOfPlace(Logs::PlaceAt(*home), kMapLocatorLength);
        const std::array<MapProperty, 4> properties = {
            {{"kind", Cell::Text("station")},
             {"call", Cell::TextOrNothing(scorer.Call())},
             {"band", Cell::TextOrNothing(scorer.Band())},
             {"locator", Cell::Text(locator)}}};
        map.Point(scorer.Call(), *home, properties, text);
    };
    result.error = EachEdiLine(
        log, std::move(log.start), scorer,
        [&](const Logs::EdiLine& line, const Logs::EdiScore& score, const auto&) {
            if (line.kind != Logs::EdiLineKind::kRecord)
                return;
            ++result.records;
            std::string& text = output.Text();
            showStation(text);
            if (!score.position)
                return;
            ++mapped;
            const std::optional<Surveyed::GeodeticPosition> home = scorer.HomePosition();
            const std::string call = EdiCall(line, result.records);
            const std::string date =
                IsoDate(runtime::TrimBlanks(line.Field(Logs::EdiField::kDate)));
            const std::string time = Clock(runtime::TrimBlanks(line.Field(Logs::EdiField::kTime)));
            const Logs::Place there = Logs::PlaceAt(*score.position);
            const std::string locator = Logs::LocatorOfPlace(there, kMapLocatorLength);
            std::array<MapProperty, 9> properties = {{
                {"kind", Cell::Text("contact")},
                {"call", Cell::Text(call)},
                {"date", Cell::TextOrNothing(date)},
                {"time", Cell::TextOrNothing(time)},
                {"band", Cell::TextOrNothing(scorer.Band())},
                {"mode", Cell::TextOrNothing(Logs::EdiModeName(line.Field(Logs::EdiField::kMode)))},
                {"locator", Cell::Text(locator)},
                {"distance_km", Kilometres(home ? std::optional(Logs::DistanceKm(
                                                      Logs::PlaceAt(*home), there, false))
                                                : std::nullopt)},
                {"points", home ? Cell::Integer(score.points) : Cell{}},
            }};
            map.Point(call, there.position, properties, text);
            if (home) {
                properties[0].value = Cell::Text("path");
                map.Line(call, *home, there.position, properties, text);
            }
            output.Spill();
        });
    showStation(output.Text());
    result.summary = log.name + ": " + Counted(mapped, "contact") + " mapped of " +
                     Counted(result.records, "contact");
    if (mapped < result.records)
        result.summary +=
            "; " + std::to_string(result.records - mapped) + " without a valid locator";
    return result;
}

}  // namespace

std::optional<LogInput> OpenLog(const std::string& path, std::string& error) {
    std::optional<InputFile> input = OpenInput(path, error);
    if (!input)
        return std::nullopt;
    LogInput log{std::move(*input), {}, false};
    log.start.resize(kStartBytes);
    log.start.resize(std::fread(log.start.data(), 1, log.start.size(), log.stream));
    if (std::ferror(log.stream)) {
        error = "cannot read " + log.name + ": " + std::strerror(errno);
        return std::nullopt;
    }
    constexpr std::string_view kEdiExtension = ".edi";
    log.edi =
        Logs::StartsEdiLog(log.start) ||
        (path.size() >= kEdiExtension.size() &&
         runtime::EqualsIgnoringCase(
             std::string_view(path).substr(path.size() - kEdiExtension.size()), kEdiExtension));
    return log;
}

LogResult CheckLog(LogInput& log, const Logs::AdifOptions& options, std::FILE* out) {
    Output output(out);
    LogResult result = log.edi ? CheckEdi(log, output) : CheckAdif(log, options, output);
    if (result.error.empty())
        output.Text() += log.name + ": " + Counted(result.records, log.edi ? "contact" : "record") +
                         ", " + Counted(result.problems, "problem") + "\n";
    return result;
}

LogResult FillLog(LogInput& log, const Logs::AdifOptions& options, bool correct, std::FILE* out) {
    Output output(out);
    return log.edi ? FillEdi(log, output) : FillAdif(log, options, correct, output);
}

LogResult MapLog(LogInput& log, const Logs::AdifOptions& options, Format format, std::FILE* out) {
    Output output(out);
    MapWriter map(format);
    map.Begin(log.name, output.Text());
    LogResult result = log.edi ? MapEdi(log, map, output) : MapAdif(log, options, map, output);
    map.End(output.Text());
    return result;
}

}  // namespace cli
