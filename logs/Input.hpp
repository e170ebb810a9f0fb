#pragma once

// What the readers of both kinds of log share: the input, read in blocks into a buffer that
// holds no more than the part being read, and how a reading fails.

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace Logs {

// The longest part of a log held at once: an ADIF record or header, or an EDI line. Far
// longer than any a logging program writes; a longer one is refused as a fault of the file.
inline constexpr std::size_t kMaxPartBytes = std::size_t{1} << 20;

// Why a log could not be read on: the line of the file (from 1) and what is wrong there,
// naming the record, e.g. "record 3: <CALL:20> runs past the end of the file".
struct ReadError {
    std::size_t line = 0;
    std::string what;

    [[nodiscard]] bool Failed() const noexcept { return !what.empty(); }
};

// An input read a block at a time, from a mark: what is before the mark may be dropped.
class BufferedInput {
  public:
    // Reads `in` (which stays the caller's), after the bytes `start` already read from it.
    BufferedInput(std::FILE* in, std::string start);

    // The bytes held from the mark on: a view valid until More or Consume.
    [[nodiscard]] std::string_view Unread() const noexcept {
        return std::string_view(buffer_).substr(mark_);
    }
    // Whether the input has nothing beyond what is held.
    [[nodiscard]] bool AtEnd() const noexcept { return end_; }

    // Reads another block after what is held; false when the input has no more (AtEnd), or
    // its reading failed (ReadFailure then says why).
    bool More();

    // Moves the mark `bytes` further on.
    void Consume(std::size_t bytes) noexcept { mark_ += bytes; }

    // Empty, or the system's reason why reading failed.
    [[nodiscard]] const std::string& ReadFailure() const noexcept { return failure_; }

  private:
    std::FILE* in_;
    std::string buffer_;
    std::size_t mark_ = 0;
    bool end_ = false;
    std::string failure_;
};

}  // namespace Logs
