#include "Stream.hpp"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <string_view>
#include <thread>

#include "cli/BinaryStandardStreams.hpp"
#include "cli/HelperThread.hpp"
#include "cli/LineConversion.hpp"
#include "cli/LineTrimmer.hpp"

#include "cli/BinaryStandardStreams.hpp"

namespace cli {
namespace {

// Bytes asked of each read.
constexpr std::size_t kReadBytes = std::size_t{1} << 20;
// Complete lines are converted in slices of at most about kSliceBytes and at most
// kSliceLines lines, two at a time when a second core is there: large enough that handing a
// slice to the other thread costs little, small enough that a slice's output stays small
// (even for empty lines, whose output is many times their size).
constexpr std::size_t kSliceBytes = std::size_t{1} << 16;
constexpr std::size_t kSliceLines = 8192;

std::string ErrorText(std::string_view what, int error) {
    return std::string(what) + ": " + std::strerror(error);
}

// Converts complete lines, each ended by a line feed.
bool ConvertLines(std::string_view lines, const Options& options, std::string& out) {
    bool allConverted = true;
    for (std::size_t end; (end = lines.find('\n')) != std::string_view::npos;) {
        allConverted &= ConvertLine(lines.substr(0, end), options, out);
        lines.remove_prefix(end + 1);
    }
    return allConverted;
}

// Takes the first slice of complete lines off `lines`, which ends with a line feed.
std::string_view TakeSlice(std::string_view& lines) {
    std::size_t end = 0;
    for (std::size_t count = 0; end < lines.size() && end < kSliceBytes && count < kSliceLines;
         ++count) {
        end = lines.find('\n', end) + 1;
    }
    const std::string_view slice = lines.substr(0, end);
    lines.remove_prefix(end);
    return slice;
}

// Converts complete lines in slices, writing the output block by block; a pair of slices is
// converted at once, the first on the helper thread, when the system has a second core.
class SliceConverter {
  public:
    SliceConverter(const Options& options, BlockWriter& output)
        : options_(options), output_(output), parallel_(std::thread::hardware_concurrency() > 1) {}

    // False when writing failed.
    bool Convert(std::string_view lines) {
        while (!lines.empty()) {
            const std::string_view first = TakeSlice(lines);
            const std::string_view second = parallel_ ? TakeSlice(lines) : std::string_view();
            if (second.empty()) {
                allConverted_ &= ConvertLines(first, options_, ownOut_);
                if (!Deliver(ownOut_))
                    return false;
                continue;
            }
            if (!helper_)
                helper_.emplace();
            bool helperConverted = true;
            helper_->Start([&] { helperConverted = ConvertLines(first, options_, helperOut_); });
            const bool converted = ConvertLines(second, options_, ownOut_);
            helper_->Wait();
            allConverted_ &= helperConverted && converted;
            if (!Deliver(helperOut_) || !Deliver(ownOut_))
                return false;
        }
        return true;
    }

    [[nodiscard]] bool AllConverted() const noexcept { return allConverted_; }
    void AddResult(bool converted) noexcept { allConverted_ &= converted; }

  private:
    // Moves a slice's output to the writer, writing first what the writer holds when the
    // two would not fit its buffer together, so that the buffer never grows.
    bool Deliver(std::string& part) {
        std::string& out = output_.Buffer();
        if (out.size() + part.size() > out.capacity() && !output_.Flush())
            return false;
        out.append(part);
        part.clear();
        return output_.FlushIfFull();
    }

    const Options& options_;
    BlockWriter& output_;
    bool parallel_;
    bool allConverted_ = true;
    std::optional<HelperThread> helper_;
    std::string helperOut_;
    std::string ownOut_;
};

}  // namespace

StreamResult ConvertStream(int inputFd, BlockWriter& output, const Options& options) {
    StreamResult result;
    std::string& out = output.Buffer();
    // A partial line of up to kMaxLineBytes stays at the buffer's start while the next block
    // is read behind it.
    const std::size_t capacity = kMaxLineBytes + kReadBytes;
    const auto buffer = std::make_unique_for_overwrite<char[]>(capacity);
    std::size_t held = 0;  // bytes of a partial line at the buffer's start
    LineTrimmer longLine(kMaxLineBytes);
    bool inLongLine = false;

    SliceConverter lines(options, output);

    const auto finishLongLine = [&] {
        lines.AddResult(ConvertInput(longLine.Text(), longLine.Truncated(), options, out));
        inLongLine = false;
    };

    for (;;) {
        const ssize_t n = ::read(inputFd, buffer.get() + held, IoByteCount(capacity - held));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            result.error = ErrorText("read error", errno);
            return result;
        }
        if (n == 0)
            break;
        std::string_view data(buffer.get(), held + static_cast<std::size_t>(n));

        if (inLongLine) {
            const std::size_t end = data.find('\n');
            longLine.Feed(data.substr(0, end));
            if (end == std::string_view::npos) {
                held = 0;
                continue;
            }
            finishLongLine();
            data.remove_prefix(end + 1);
        }
        if (const std::size_t lastEnd = data.rfind('\n'); lastEnd != std::string_view::npos) {
            if (!lines.Convert(data.substr(0, lastEnd + 1)))
                return result;
            data.remove_prefix(lastEnd + 1);
        }
        if (data.size() > kMaxLineBytes) {
            inLongLine = true;
            longLine.Reset();
            longLine.Feed(data);
            held = 0;
        } else {
            std::memmove(buffer.get(), data.data(), data.size());
            held = data.size();
        }
    }
    if (inLongLine) {
        finishLongLine();
    } else if (held > 0) {
        lines.AddResult(ConvertLine(std::string_view(buffer.get(), held), options, out));
    }
    result.allConverted = lines.AllConverted();
    return result;
}

}  // namespace cli
