#include "BlockWriter.hpp"

#include <unistd.h>

#include <cerrno>

#include "cli/BinaryStandardStreams.hpp"

namespace cli {

BlockWriter::BlockWriter(int fd) : fd_(fd) {
    // Room for a block and the output of the slice that completes it (see Stream.cpp).
    buffer_.reserve(2 * kBlockBytes);
}

bool BlockWriter::Flush() {
    std::size_t written = 0;
    while (!failed_ && written < buffer_.size()) {
        const ssize_t n =
            ::write(fd_, buffer_.data() + written, IoByteCount(buffer_.size() - written));
        if (n >= 0) {
            written += static_cast<std::size_t>(n);
        } else if (errno != EINTR) {
            failed_ = true;
            error_ = errno;
        }
    }
    buffer_.clear();
    return !failed_;
}

}  // namespace cli
