#include "Stream.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/LineConversion.hpp"
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

// The output lines of a run of consecutive inputs, and whether all of them converted; on a
// cache line of its own, as each core writes to its own part all the time.
constexpr std::size_t kCacheLineBytes = 64;
struct alignas(kCacheLineBytes) Part {
    std::string lines;
    bool allConverted = true;
};
// A batch's parts, kept from batch to batch with the room their buffers have grown to.
using Parts = std::array<Part, kMaxParts>;

// Writes `text` to `out`; false, with the error in `result`, when it can't.
bool Write(std::string_view text, std::FILE* out, StreamResult& result) {
    if (std::fwrite(text.data(), 1, text.size(), out) == text.size())
        return true;
    result.error = ErrorText("write error");
    return false;
}

// Converts inputs 0 to count - 1 with `convert(i, out)`, which appends input i's output to
// `out` and says whether it converted, in consecutive parts, each into its own buffer, on
// every core (OpenMP, where the compiler has it), then writes the buffers in input order.
// Adds to `result`; false after a write error.
template <typename Convert>
bool ConvertBatch(std::size_t inputs, const Convert& convert, Parts& parts, std::FILE* out,
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
        part.allConverted = true;
        for (std::size_t i = first; i < end; ++i)
            part.allConverted = convert(i, part.lines) && part.allConverted;
    }
    for (const Part& part : std::span(parts).first(count)) {
        result.allConverted = result.allConverted && part.allConverted;
        if (!Write(part.lines, out, result))
            return false;
    }
    return true;
}

}  // namespace

StreamResult ConvertInputs(std::span<const std::string> inputs, const Options& options,
                           std::FILE* out) {
    StreamResult result;
    Parts parts;
    ConvertBatch(
        inputs.size(),
        [&](std::size_t i, std::string& lines) { return ConvertLine(inputs[i], options, lines); },
        parts, out, result);
    return result;
}

StreamResult ConvertStream(std::FILE* in, std::FILE* out, const Options& options) {
    StreamResult result;
    std::string buffer;  // the start of a line, then what the last read added
    std::vector<std::string_view> lines;
    Parts parts;
    const auto convertLine = [&](std::size_t i, std::string& output) {
        return ConvertStreamLine(lines[i], options, output);
    };
    const auto convert = [&] {
        const bool written = ConvertBatch(lines.size(), convertLine, parts, out, result);
        lines.clear();
        return written;
    };
    for (;;) {
        const std::size_t held = buffer.size();
        buffer.resize(held + kReadBytes);
        const std::size_t read = std::fread(buffer.data() + held, 1, kReadBytes, in);
        buffer.resize(held + read);
        if (read == 0) {
            if (std::ferror(in)) {
                result.error = ErrorText("read error");
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
        convert();
    }
    return result;
}

StreamResult ConvertTable(std::FILE* in, std::string_view name, std::FILE* out,
                          TableConversion& conversion) {
    StreamResult result;
    const TableOptions& table = conversion.Table();
    TableReader reader(in, table.delimiter);
    TableRows rows;
    Parts parts;
    const auto failed = [&](std::string error) {
        result.error = std::move(error);
        return result;
    };
    // The first record starts the table: its header, or with --no-header its first row.
    if (!reader.Read(rows)) {
        if (!reader.Error().empty())
            return failed(std::string(name) + ": " + reader.Error());
        return result;  // an empty table
    }
    const bool first = !conversion.Started();
    if (std::string error = conversion.Start(rows, reader.Delimiter(), name); !error.empty())
        return failed(std::move(error));
    if (first) {
        std::string start;
        conversion.AppendStart(reader.HadByteOrderMark(), start);
        if (!Write(start, out, result))
            return result;
    }
    if (table.header)
        rows.Clear();
    const auto convertRow = [&](std::size_t i, std::string& output) {
        return conversion.ConvertRow(rows, i, output);
    };
    for (bool ended = false; !ended;) {
        while (!ended && rows.Size() < kBatchLines && rows.Bytes() < kBatchBytes)
            ended = !reader.Read(rows);
        if (!ConvertBatch(rows.Size(), convertRow, parts, out, result))
            return result;
        rows.Clear();
    }
    if (!reader.Error().empty())
        return failed(std::string(name) + ": " + reader.Error());
    return result;
}

}  // namespace cli
