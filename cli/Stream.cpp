#include "Stream.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string_view>
#include <thread>
#include <vector>

namespace cli {
namespace {

// Bytes asked of each read, and the most lines converted at once: large enough that starting
// the threads costs little, small enough that the output of a batch stays small, even for
// empty lines, whose output is many times their size.
constexpr std::size_t kReadBytes = std::size_t{1} << 20;
constexpr std::size_t kBatchLines = std::size_t{1} << 14;
// A batch is cut into this many parts per core, taken by whichever thread is free, so that a
// core busy with other work holds the batch up little.
constexpr std::size_t kPartsPerCore = 4;

std::string ErrorText(std::string_view what) {
    return std::string(what) + ": " + std::strerror(errno);
}

// The output of a batch's parts, each in its own buffer, kept from batch to batch.
using Parts = std::vector<std::string>;
Parts MakeParts() {
    return Parts(kPartsPerCore * std::max(1U, std::thread::hardware_concurrency()));
}

// Converts `inputs` on every core, each part into its own buffer, then writes the buffers in
// input order. Adds to `result`; false after a write error.
bool ConvertBatch(std::span<const Input> inputs, const Options& options, Parts& parts,
                  std::FILE* out, StreamResult& result) {
    const std::size_t count = parts.size();
    bool allConverted = true;
#pragma omp parallel for schedule(dynamic) reduction(&& : allConverted)
    for (std::size_t p = 0; p < count; ++p) {
        parts[p].clear();
        const std::size_t first = inputs.size() * p / count;
        const std::size_t end = inputs.size() * (p + 1) / count;
        for (const Input& input : inputs.subspan(first, end - first)) {
            allConverted =
                ConvertInput(input.text, input.truncated, options, parts[p]) && allConverted;
        }
    }
    result.allConverted = result.allConverted && allConverted;
    for (const std::string& part : parts) {
        if (std::fwrite(part.data(), 1, part.size(), out) != part.size()) {
            result.error = ErrorText("write error");
            return false;
        }
    }
    return true;
}

}  // namespace

StreamResult ConvertInputs(std::span<const Input> inputs, const Options& options, std::FILE* out) {
    StreamResult result;
    Parts parts = MakeParts();
    ConvertBatch(inputs, options, parts, out, result);
    return result;
}

StreamResult ConvertStream(std::FILE* in, std::FILE* out, const Options& options) {
    StreamResult result;
    std::string buffer;  // the start of a line, then what the last read added
    std::vector<Input> lines;
    Parts parts = MakeParts();
    const auto convert = [&] {
        const bool written = ConvertBatch(lines, options, parts, out, result);
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
            lines.push_back(TrimLine(data.substr(0, end)));
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
        lines.push_back(TrimLine(buffer));
        convert();
    }
    return result;
}

}  // namespace cli
