#pragma once

// Trimming a line that arrives in pieces and may be longer than any buffer.

#include <cstddef>
#include <string>
#include <string_view>

namespace cli {

// Takes the bytes of one line (no line feed) in any number of pieces and keeps what
// TrimInput would give for the whole line, but never more than `capacity` bytes of it:
// leading blanks are skipped as they arrive and trailing ones dropped at the end, so a line
// of any length costs at most `capacity` bytes of memory.
class LineTrimmer {
  public:
    explicit LineTrimmer(std::size_t capacity);

    // Starts a new line.
    void Reset() noexcept;
    // Adds the next bytes of the line.
    void Feed(std::string_view bytes);

    // TrimInput of the whole line when Truncated() is false; otherwise its first `capacity`
    // bytes, without trailing blanks.
    [[nodiscard]] std::string_view Text() const noexcept {
        return std::string_view(kept_).substr(0, contentEnd_);
    }
    // True when the trimmed line is longer than `capacity` bytes.
    [[nodiscard]] bool Truncated() const noexcept { return truncated_; }

  private:
    void Accept(char c);

    std::size_t capacity_;
    std::string kept_;            // trimmed so far, blanks after the last non-blank included
    std::size_t contentEnd_ = 0;  // end of the last non-blank in kept_
    bool started_ = false;        // a non-blank has arrived: blanks are no longer leading
    bool pendingReturn_ = false;  // a carriage return arrived last: dropped if it ends the line
    bool blanksDropped_ = false;  // blanks that did not fit were dropped
    bool truncated_ = false;
};

}  // namespace cli
