#pragma once

// Output gathered in memory and written to a file descriptor in large blocks.

#include <cstddef>
#include <string>

namespace cli {

class BlockWriter {
  public:
    // Bytes gathered before they are written: large enough that writing costs little per
    // line, small enough to keep memory low.
    static constexpr std::size_t kBlockBytes = std::size_t{1} << 20;

    explicit BlockWriter(int fd);

    // The buffer to append output to.
    std::string& Buffer() noexcept { return buffer_; }

    // Writes the buffer when it holds a block or more. False after a write error.
    bool FlushIfFull() { return buffer_.size() < kBlockBytes ? !failed_ : Flush(); }
    // Writes all that the buffer holds. False after a write error; the error number is then
    // Error().
    bool Flush();

    [[nodiscard]] int Error() const noexcept { return error_; }

  private:
    int fd_;
    std::string buffer_;
    bool failed_ = false;
    int error_ = 0;
};

}  // namespace cli
