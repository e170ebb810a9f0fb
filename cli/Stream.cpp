#include "Stream.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <vector>

#include "cli/LineConversion.hpp"

namespace cli {
namespace {

// Bytes asked of each read, and the most lines converted at once: large enough that sharing
// them out costs little, small enough that the output of a batch stays small, even for empty
// lines, whose output is many times their size.
constexpr std::size_t kReadBytes = std::size_t{1} << 20;
constexpr std::size_t kBatchLines = std::size_t{1} << 15;
// A batch is converted in up to this many parts, of at least kMinPartLines lines, which the
// cores take one at a time: a core slowed by other programs then takes fewer of them, rather
// than holding up the batch with its half.
constexpr std::size_t kMaxParts = 16;
constexpr std::size_t kMinPartLines = 1024;

std::string ErrorText(std::string_view what) {
    return std::string(what) + ": " + std::strerror(errno);
}

using LineConverter = bool (*)(std::string_view, const Options&, std::string&);

// The output lines of a run of consecutive inputs, and whether all of them converted; on a
// cache line of its own, as each core writes to its own part all the time.
constexpr std::size_t kCacheLineBytes = 64;
struct alignas(kCacheLineBytes) Part {
    std::string lines;
    bool allConverted = true;
};
// A batch's parts, kept from batch to batch with the room their buffers have grown to.
using Parts = std::array<Part, kMaxParts>;

// Converts `inputs` with `convert` in consecutive parts, each into its own buffer, on every
// core (OpenMP, where the compiler has it), then writes the buffers in input order. Adds to
// `result`; false after a write error.
bool ConvertBatch(std::span<const std::string_view> inputs, LineConverter convert,
                  const Options& options, Parts& parts, std::FILE* out, StreamResult& result) {
    const std::size_t count = std::clamp<std::size_t>(inputs.size() / kMinPartLines, 1, kMaxParts);
#ifdef _OPENMP
#pragma omp parallel for schedule(dynamic)
#endif
    for (std::size_t p = 0; p < count; ++p) {
        const std::size_t first = inputs.size() * p / count;
        const std::size_t end = inputs.size() * (p + 1) / count;
        Part& part = parts[p];
        part.lines.clear();
        part.allConverted = true;
        for (const std::string_view input : inputs.subspan(first, end - first))
            part.allConverted = convert(input, options, part.lines) && part.allConverted;
    }
    for (const Part& part : std::span(parts).first(count)) {
        result.allConverted = result.allConverted && part.allConverted;
        if (std::fwrite(part.lines.data(), 1, part.lines.size(), out) != part.lines.size()) {
            result.error = ErrorText("write error");
            return false;
        }
    }
    return true;
}

}  // namespace

StreamResult ConvertInputs(std::span<const std::string_view> inputs, const Options& options,
                           std::FILE* out) {
    StreamResult result;
    Parts parts;
    ConvertBatch(inputs, ConvertLine, options, parts, out, result);
    return result;
}

StreamResult ConvertStream(std::FILE* in, std::FILE* out, const Options& options) {
    StreamResult result;
    std::string buffer;  // the start of a line, then what the last read added
    std::vector<std::string_view> lines;
    Parts parts;
    const auto convert = [&] {
        const bool written = ConvertBatch(lines, ConvertStreamLine, options, parts, out, result);
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

}  // namespace cli
