#include "Stream.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/LineConversion.hpp"
#include "cli/MapWriter.hpp"
#include "cli/RecordWriter.hpp"
#include "cli/Table.hpp"

namespace cli {
namespace {

// Bytes asked of each read, and the most lines converted at once: large enough that sharing
// them out costs little, small enough that the output of a batch stays small, even for empty
// lines, whose output is many times their size.
constexpr std::size_t kReadBytes = std::size_t{1} << 20;
constexpr std::size_t kBatchLines = std::size_t{1} << 15;
// A batch of table rows holds at most about this many bytes of them.
constexpr std::size_t kBatchBytes = std::size_t{1} << 22;
// A batch is converted in up to this many parts, of at least kMinPartLines lines, which the
// cores take one at a time: a core slowed by other programs then takes fewer of them, rather
// than holding up the batch with its half.
constexpr std::size_t kMaxParts = 16;
constexpr std::size_t kMinPartLines = 1024;

std::string ErrorText(std::string_view what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// What converting one input or row gave.
enum class Outcome { kAnswered, kUnanswered, kNoRow };

Outcome OutcomeOf(bool answered) noexcept {
    return answered ? Outcome::kAnswered : Outcome::kUnanswered;
}

// The output lines of a run of consecutive inputs, how many there were and how many have no
// answer; on a cache line of its own, as each core writes to its own part all the time.
constexpr std::size_t kCacheLineBytes = 64;
struct alignas(kCacheLineBytes) Part {
    std::string lines;
    std::size_t inputs = 0;
    std::size_t unanswered = 0;
};
// A batch's parts, kept from batch to batch with the room their buffers have grown to.
using Parts = std::array<Part, kMaxParts>;

// Writes `text` to `out`; false, with the error in `result`, when it can't.
bool Write(std::string_view text, TextOutput& out, StreamResult& result) {
    if (out.Write(text))
        return true;
    result.error = ErrorText("write error");
    return false;
}

// Writes the start of an output of lines: a byte order mark when `byteOrderMark` (not in
// JSON), the header line of CSV, or of text with --header.
bool WriteLineStart(bool byteOrderMark, const Options& options, TextOutput& out,
                    StreamResult& result) {
    std::string start;
    if (byteOrderMark && KeepsInputText(options.format))
        start += kByteOrderMark;
    if (options.format == Format::kCsv || options.header)
        AppendHeader(options.Columns(), options.format, start);
    return Write(start, out, result);
}

// The note for a stream whose first line, in `text`, is like a table's header: text of up to
// kMaxHeaderBytes, without control characters but tabs, that holds a delimiter and has no
// answer.
constexpr std::size_t kMaxHeaderBytes = 4096;
void HintAtTable(std::string_view text, const Options& options, StreamResult& result) {
    const std::string_view line = TrimInput(text.substr(0, text.find('\n')));
    const bool control = std::any_of(line.begin(), line.end(), [](char c) {
        return (static_cast<unsigned char>(c) < ' ' && c != '\t') || c == '\x7F';
    });
    if (line.size() > kMaxHeaderBytes || control)
        return;
    const std::vector<std::string> names = HeaderNames(line);
    if (names.empty())
        return;
    Answer answer;
    if (!AnswerInput(line, false, options, answer))
        result.notes.push_back("its first line is like a table's header (" + NamesText(names) +
                               "): to convert a column of the table, use --column and its name");
}

// The notes of an input read to its end: how it was read, and the characters of it that the
// output's encoding lacks.
void AddNotes(const TextInput& in, TextOutput& out, StreamResult& result) {
    result.notes.insert(result.notes.end(), in.Notes().begin(), in.Notes().end());
    if (const std::size_t unwritable = out.TakeUnwritable(); unwritable > 0) {
        result.notes.push_back(std::string(EncodingName(*out.Decided())) +
                               ", the output's encoding as the first input's, lacks " +
                               std::to_string(unwritable) + " of its characters: written as '?'");
    }
}

// Converts inputs 0 to count - 1 with `convert(i, out)`, which appends input i's output to
// `out` and returns its Outcome, in consecutive parts, each into its own buffer, on every core
// (OpenMP, where the compiler has it), then writes the buffers in input order. Adds to
// `result`; false after a write error.
template <typename Convert>
bool ConvertBatch(std::size_t inputs, const Convert& convert, Parts& parts, TextOutput& out,
                  StreamResult& result) {
    const std::size_t count = std::clamp<std::size_t>(inputs / kMinPartLines, 1, kMaxParts);
#ifdef _OPENMP
#pragma omp parallel for schedule(dynamic)
#endif
    for (std::size_t p = 0; p < count; ++p) {
        const std::size_t first = inputs * p / count;
        const std::size_t end = inputs * (p + 1) / count;
        Part& part = parts[p];
        part.lines.clear();
        part.inputs = 0;
        part.unanswered = 0;
        for (std::size_t i = first; i < end; ++i) {
            const Outcome outcome = convert(i, part.lines);
            part.inputs += outcome == Outcome::kNoRow ? 0 : 1;
            part.unanswered += outcome == Outcome::kUnanswered ? 1 : 0;
        }
    }
    for (const Part& part : std::span(parts).first(count)) {
        result.Add(part.inputs, part.unanswered);
        if (!Write(part.lines, out, result))
            return false;
    }
    return true;
}

}  // namespace

StreamResult ConvertInputs(std::span<const std::string> inputs, const Options& options,
                           TextOutput& out) {
    StreamResult result;
    out.Follow(Encoding::kUtf8);  // the command line's
    if (!WriteLineStart(false, options, out, result))
        return result;
    Parts parts;
    ConvertBatch(
        inputs.size(),
        [&](std::size_t i, std::string& lines) {
            return OutcomeOf(ConvertLine(inputs[i], options, lines));
        },
        parts, out, result);
    return result;
}

StreamResult ConvertStream(TextInput& in, TextOutput& out, const Options& options, bool first) {
    StreamResult result;
    std::string buffer;  // the start of a line, then what the last read added
    std::vector<std::string_view> lines;
    Parts parts;
    const auto convertLine = [&](std::size_t i, std::string& output) {
        return OutcomeOf(ConvertStreamLine(lines[i], options, output));
    };
    const auto convert = [&] {
        out.Follow(in.Detected());
        const bool written = ConvertBatch(lines.size(), convertLine, parts, out, result);
        lines.clear();
        return written;
    };
    for (bool started = false;;) {
        const bool read = in.Read(buffer, kReadBytes);
        if (!started) {
            started = true;
            out.Follow(in.Detected());
            if (first && !WriteLineStart(in.HadByteOrderMark(), options, out, result))
                return result;
            HintAtTable(buffer, options, result);
        }
        if (!read) {
            if (!in.Error().empty()) {
                result.error = in.Error();
                return result;
            }
            break;
        }
        std::string_view data = buffer;
        for (std::size_t end; (end = data.find('\n')) != std::string_view::npos;) {
            lines.push_back(data.substr(0, end));
            data.remove_prefix(end + 1);
            if (lines.size() == kBatchLines && !convert())
                return result;
        }
        if (!convert())
            return result;
        buffer.erase(0, buffer.size() - data.size());
        CompactPartialLine(buffer);
    }
    if (!buffer.empty()) {
        lines.push_back(buffer);
        if (!convert())
            return result;
    }
    AddNotes(in, out, result);
    return result;
}

StreamResult ConvertTable(TextInput& in, std::string_view name, TextOutput& out,
                          TableConversion& conversion) {
    StreamResult result;
    const TableOptions& table = conversion.Table();
    TableReader reader(in, table.delimiter, table.skipLines);
    TableRows rows;
    Parts parts;
    const auto failed = [&](std::string error) {
        result.error = std::move(error);
        return result;
    };
    // The first record that is not blank starts the table: its header, or with --no-header
    // its first row. The lines skipped and the blank records before it are written back,
    // after the input's byte order mark when nothing has been written before it.
    bool more = reader.Read(rows);
    std::string before;
    if (in.HadByteOrderMark() && !out.Written())
        conversion.AppendLines(kByteOrderMark, before);
    conversion.AppendLines(reader.SkippedLines(), before);
    for (; more && rows.Blank(0); more = reader.Read(rows)) {
        conversion.ConvertRow(rows, 0, before);
        rows.Clear();
    }
    out.Follow(in.Detected());
    if (!more) {
        if (!reader.Error().empty())
            return failed(std::string(name) + ": " + reader.Error());
        if (Write(before, out, result))
            AddNotes(in, out, result);  // a table of no records
        return result;
    }
    const bool first = !conversion.Started();
    if (std::string error = conversion.Start(rows, reader.Delimiter(), name); !error.empty())
        return failed(std::move(error));
    std::string start;
    if (first)
        conversion.AppendStart(before, start);
    else
        start = std::move(before);
    if (!Write(start, out, result))
        return result;
    if (table.header)
        rows.Clear();
    const auto convertRow = [&](std::size_t i, std::string& output) {
        const bool answered = conversion.ConvertRow(rows, i, output);
        return rows.Blank(i) ? Outcome::kNoRow : OutcomeOf(answered);
    };
    for (bool ended = false; !ended;) {
        while (!ended && rows.Size() < kBatchLines && rows.Bytes() < kBatchBytes)
            ended = !reader.Read(rows);
        out.Follow(in.Detected());
        if (!ConvertBatch(rows.Size(), convertRow, parts, out, result))
            return result;
        rows.Clear();
    }
    if (!reader.Error().empty())
        return failed(std::string(name) + ": " + reader.Error());
    AddNotes(in, out, result);
    return result;
}

bool WriteMapStart(const Options& options, TextOutput& out, StreamResult& result) {
    std::string start;
    AppendMapStart(options.format, {}, start);
    if (!Write(start, out, result))
        return false;
    out.DropLeading(FeatureSeparator(options.format));
    return true;
}

bool WriteMapEnd(const Options& options, TextOutput& out, StreamResult& result) {
    std::string end;
    AppendMapEnd(options.format, end);
    return Write(end, out, result);
}

std::string MapNote(const StreamResult& result, const Options& options) {
    if (result.unanswered == 0)
        return {};
    const bool one = result.unanswered == 1;
    return std::to_string(result.unanswered) + " of " + std::to_string(result.inputs) +
           (options.table ? " rows " : " inputs ") + (one ? "has" : "have") + " no position and " +
           (one ? "is" : "are") + " not on the map";
}

}  // namespace cli
