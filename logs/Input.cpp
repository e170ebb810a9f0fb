#include "logs/Input.hpp"

#include <cerrno>
#include <cstring>
#include <utility>

namespace Logs {
namespace {

// Bytes read at a time.
constexpr std::size_t kBlockBytes = std::size_t{1} << 16;

}  // namespace

BufferedInput::BufferedInput(std::FILE* in, std::string start)
    : in_(in), buffer_(std::move(start)) {}

bool BufferedInput::More() {
    if (end_)
        return false;
    // What is before the mark goes first, once it is most of what is held.
    if (mark_ > buffer_.size() / 2) {
        buffer_.erase(0, mark_);
        mark_ = 0;
    }
    const std::size_t held = buffer_.size();
    buffer_.resize(held + kBlockBytes);
    const std::size_t read = std::fread(buffer_.data() + held, 1, kBlockBytes, in_);
    buffer_.resize(held + read);
    if (read == 0) {
        end_ = true;
        if (std::ferror(in_))
            failure_ = std::string("read error: ") + std::strerror(errno);
        return false;
    }
    return true;
}

}  // namespace Logs
