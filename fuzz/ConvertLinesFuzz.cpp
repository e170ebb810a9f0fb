// quorvane-convert's line handling on arbitrary bytes, read as lines: for every format, with
// and without --latlon, each line gives exactly one output line, which reads back under the
// format's own rules into the right number of cells; the output is valid UTF-8; the input
// cell is the line after the documented trimming, with each malformed byte as U+FFFD; the
// cells agree with the conversions and across the three formats; and the streaming driver
// writes exactly the lines' outputs, in order.
//
// The number of decimals is the input's size modulo 16, so that every setting is tried. The
// streaming driver allocates megabytes per call, which under the sanitizers costs some 25
// times the rest of a run: it is checked for one input in kStreamEvery, in one of the six
// settings, both picked by a hash of the input so that a finding replays.

#include <sys/mman.h>

#include <array>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/LineConversion.hpp"
#include "cli/Options.hpp"
#include "cli/Record.hpp"
#include "cli/Stream.hpp"
#include "conversions/Module1.hpp"
#include "fuzz/Property.hpp"
#include "fuzz/RecordReaders.hpp"
#include "fuzz/Utf8Oracle.hpp"

namespace {

using fuzz::Cell;
using fuzz::Cells;
using fuzz::Require;

constexpr std::array<cli::Format, 3> kFormats = {cli::Format::kText, cli::Format::kCsv,
                                                 cli::Format::kJson};
// The target runs without --surveyed: the window's columns only, as the manual names them.
constexpr std::array<std::string_view, 6> kColumnNames = {"input",    "code",      "status",
                                                          "latitude", "longitude", "locator"};
enum Column : std::size_t { kInput, kCode, kStatus, kLatitude, kLongitude, kLocator };
constexpr std::size_t kColumns = kColumnNames.size();
using Module1::kMaxLatitude;
using Module1::kMaxLongitude;
// The streaming driver is checked for one input in this many (see the top of the file).
constexpr std::size_t kStreamEvery = 16;
constexpr std::size_t kNoSetting = ~std::size_t{0};

// FNV-1a, 64 bits: offset basis and prime from the algorithm's definition.
std::size_t Hash(std::string_view bytes) {
    std::uint64_t hash = 0xcbf29ce484222325;
    for (const char c : bytes) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 0x100000001b3;
    }
    return static_cast<std::size_t>(hash);
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// What the README promises of each input: one trailing carriage return, then the blanks
// around it, are removed.
std::string_view Trimmed(std::string_view line) {
    if (line.ends_with('\r')) {
        line.remove_suffix(1);
    }
    while (!line.empty() && IsBlank(line.front())) {
        line.remove_prefix(1);
    }
    while (!line.empty() && IsBlank(line.back())) {
        line.remove_suffix(1);
    }
    return line;
}

// The lines of `text` as the program sees them: ended by line feeds, the last one also
// without; no lines in an empty text.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

// `value` with `decimals` decimals as std::to_chars writes it, the program's promise.
std::string Fixed(double value, int decimals) {
    std::array<char, 400> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return {buffer.data(), end};
}

bool IsLocator(std::string_view text) {
    const auto in = [](char c, char first, char last) { return c >= first && c <= last; };
    return text.size() == 6 && in(text[0], 'A', 'R') && in(text[1], 'A', 'R') &&
           in(text[2], '0', '9') && in(text[3], '0', '9') && in(text[4], 'A', 'X') &&
           in(text[5], 'A', 'X');
}

// The value of a number's text, or NaN when the text is not one number.
double ValueOf(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : std::nan("");
}

// Whether `cell` shows the number `text` writes: in text and CSV that very text, in JSON a
// number of its value (the JSON reader keeps values, not texts).
bool ShowsNumber(const Cell& cell, std::string_view text) {
    if (cell.kind == Cell::Kind::kNumber) {
        return cell.number == ValueOf(text);
    }
    return cell.text == text;
}

// A number as the program writes one: optional minus, digits, and then a point and exactly
// `decimals` digits unless there are none; within -limit..limit. In JSON only its value is
// known, and checked.
bool IsFixedNumber(const Cell& cell, int decimals, double limit) {
    const std::string_view text = cell.text;
    const double value = cell.kind == Cell::Kind::kNumber ? cell.number : ValueOf(text);
    if (!(value >= -limit && value <= limit)) {
        return false;
    }
    if (cell.kind == Cell::Kind::kNumber) {
        return true;
    }
    const std::size_t point = text.find('.');
    return decimals == 0 ? point == std::string_view::npos
                         : point != std::string_view::npos &&
                               text.size() - point - 1 == static_cast<std::size_t>(decimals);
}

// Reads an output line in its format; stops when it breaks the format's rules.
Cells ReadRecord(std::string_view out, cli::Format format, std::string_view line) {
    std::optional<Cells> cells;
    switch (format) {
        case cli::Format::kText:
            cells = fuzz::ReadTextRecord(out);
            Require(cells.has_value(), "a text line reads back as tab-separated fields", line);
            break;
        case cli::Format::kCsv:
            cells = fuzz::ReadCsvRecord(out);
            Require(cells.has_value(), "a CSV line is one RFC 4180 record", line);
            break;
        case cli::Format::kJson: {
            const auto json = fuzz::ReadJsonRecord(out);
            Require(json.has_value(), "a JSON line is one valid JSON object", line);
            Require(json->size() == kColumns, "a JSON object has a member per column", line);
            cells.emplace();
            for (const auto& [key, value] : json->items()) {
                Require(key == kColumnNames[cells->size()],
                        "JSON keys are the column names, in order", line);
                Cell& cell = cells->emplace_back();
                if (value.is_string()) {
                    cell = {Cell::Kind::kString, value.get<std::string>()};
                } else if (value.is_number()) {
                    cell = {Cell::Kind::kNumber, value.dump(), value.get<double>()};
                } else {
                    cell.kind = value.is_null() ? Cell::Kind::kNull : Cell::Kind::kOther;
                }
            }
            break;
        }
    }
    Require(cells->size() == kColumns, "a record has one cell per column", line);
    return *cells;
}

// In JSON the empty cells are null, the numbers numbers, the texts strings.
void CheckJsonKinds(const Cells& cells, bool ok, std::string_view line) {
    using Kind = Cell::Kind;
    Require(cells[kInput].kind == Kind::kString && cells[kStatus].kind == Kind::kString,
            "input and status are JSON strings", line);
    Require(cells[kCode].kind == Kind::kNumber, "the code is a JSON number", line);
    const Kind number = ok ? Kind::kNumber : Kind::kNull;
    const Kind locator = ok ? Kind::kString : Kind::kNull;
    Require(cells[kLatitude].kind == number && cells[kLongitude].kind == number &&
                cells[kLocator].kind == locator,
            "the position is given exactly when the line converted, null otherwise", line);
}

// Checks one line's output in one format and returns its cells.
Cells CheckOutput(std::string_view line, const cli::Options& options, std::string_view out,
                  bool converted) {
    Require(!out.empty() && out.find('\n') == out.size() - 1,
            "one input line gives exactly one output line", line);
    Require(fuzz::IsValidUtf8(out), "output is valid UTF-8", line);
    const Cells cells = ReadRecord(out, options.format, line);

    const std::string_view input = Trimmed(line);
    Require(cells[kInput].text == fuzz::Repaired(input),
            "the input cell is the trimmed line, malformed bytes as U+FFFD", line);

    const std::string& code = cells[kCode].text;
    Require(code.size() == 1 && code[0] >= '0' &&
                static_cast<std::size_t>(code[0] - '0') < cli::kStatusTexts.size(),
            "the code is one of the result codes", line);
    const auto codeValue = static_cast<std::size_t>(code[0] - '0');
    Require(cells[kStatus].text == cli::kStatusTexts[codeValue], "the status names the code", line);
    const bool ok = codeValue == 0;
    Require(ok == converted, "the line reports converted exactly for code 0", line);
    if (!ok) {
        Require(cells[kLatitude].text.empty() && cells[kLongitude].text.empty() &&
                    cells[kLocator].text.empty(),
                "a line that did not convert shows no position", line);
    }

    if (options.from == cli::From::kLatLon) {
        Require(codeValue == 0 || codeValue == cli::kBadNumber,
                "a latitude and longitude line is ok or a bad number", line);
        if (ok) {
            Require(IsFixedNumber(cells[kLatitude], options.decimals, kMaxLatitude) &&
                        IsFixedNumber(cells[kLongitude], options.decimals, kMaxLongitude),
                    "a converted pair shows two numbers in range with the chosen decimals", line);
            Require(IsLocator(cells[kLocator].text), "a converted pair has a locator", line);
        }
    } else {
        double latitude = 0;
        double longitude = 0;
        std::int16_t result = -1;
        Module1::ConvertNGR(input, latitude, longitude, result);
        Require(codeValue == static_cast<std::size_t>(result),
                "the code is the grid reference conversion's", line);
        if (ok) {
            std::string locator;
            Module1::CalcLocator(latitude, longitude, locator);
            Require(ShowsNumber(cells[kLatitude], Fixed(latitude, options.decimals)) &&
                        ShowsNumber(cells[kLongitude], Fixed(longitude, options.decimals)),
                    "latitude and longitude are the conversion's, with the chosen decimals", line);
            Require(cells[kLocator].text == locator, "the locator is the conversion's", line);
        }
    }
    if (options.format == cli::Format::kJson) {
        CheckJsonKinds(cells, ok, line);
    }
    return cells;
}

// A file in memory holding `content`, read from its start.
class MemoryFile {
  public:
    explicit MemoryFile(std::string_view content)
        : file_(::fdopen(::memfd_create("fuzz", 0), "w+"), std::fclose) {
        Require(file_ != nullptr, "a memory file can be made");
        Require(std::fwrite(content.data(), 1, content.size(), Get()) == content.size(),
                "a memory file takes the input");
        std::rewind(Get());
    }

    [[nodiscard]] std::FILE* Get() const { return file_.get(); }

    [[nodiscard]] std::string Content() const {
        std::string all;
        std::array<char, 1 << 16> block{};
        std::fflush(Get());
        std::rewind(Get());
        for (std::size_t n; (n = std::fread(block.data(), 1, block.size(), Get())) > 0;) {
            all.append(block.data(), n);
        }
        return all;
    }

  private:
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file_;
};

// The streaming driver on the whole input writes what the lines gave one by one.
void CheckStream(std::string_view data, const cli::Options& options, std::string_view expected,
                 bool allConverted) {
    const MemoryFile input(data);
    const MemoryFile output("");
    const cli::StreamResult result = cli::ConvertStream(input.Get(), output.Get(), options);
    Require(result.error.empty(), "the stream is read and written");
    Require(output.Content() == expected,
            "the stream gives the lines' outputs, one per line, in order", data);
    Require(result.allConverted == allConverted,
            "the stream reports success exactly when every line converted", data);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text = fuzz::AsText(data, size);
    const std::vector<std::string_view> lines = Lines(text);
    constexpr std::size_t kDecimalSettings = cli::kMaxDecimals + 1;
    const int decimals = static_cast<int>(size % kDecimalSettings);
    const std::size_t hash = Hash(text);
    const std::size_t streamed =
        hash % kStreamEvery == 0 ? hash / kStreamEvery % (2 * kFormats.size()) : kNoSetting;

    for (const bool latlon : {false, true}) {
        std::array<std::vector<Cells>, kFormats.size()> cellsByFormat;
        for (std::size_t f = 0; f < kFormats.size(); ++f) {
            cli::Options options;
            options.format = kFormats[f];
            options.decimals = decimals;
            options.from = latlon ? cli::From::kLatLon : cli::From::kGridReference;
            std::string all;
            bool allConverted = true;
            for (const std::string_view line : lines) {
                std::string out;
                const bool converted = cli::ConvertLine(line, options, out);
                cellsByFormat[f].push_back(CheckOutput(line, options, out, converted));
                allConverted &= converted;
                all += out;
            }
            if (streamed == f + (latlon ? kFormats.size() : 0)) {
                CheckStream(text, options, all, allConverted);
            }
        }
        for (std::size_t l = 0; l < lines.size(); ++l) {
            for (std::size_t c = 0; c < kColumns; ++c) {
                const std::string& shown = cellsByFormat[0][l][c].text;
                Require(cellsByFormat[1][l][c].text == shown &&
                            (cellsByFormat[2][l][c].kind == Cell::Kind::kNumber
                                 ? ShowsNumber(cellsByFormat[2][l][c], shown)
                                 : cellsByFormat[2][l][c].text == shown),
                        "the three formats show the same cells", lines[l]);
            }
        }
    }
    return 0;
}
