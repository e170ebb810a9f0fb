#include "LineTrimmer.hpp"

namespace cli {
namespace {

constexpr bool IsBlank(char c) noexcept {
    return c == ' ' || c == '\t';
}

}  // namespace

LineTrimmer::LineTrimmer(std::size_t capacity) : capacity_(capacity) {
    kept_.reserve(capacity);
}

void LineTrimmer::Reset() noexcept {
    kept_.clear();
    contentEnd_ = 0;
    started_ = false;
    pendingReturn_ = false;
    blanksDropped_ = false;
    truncated_ = false;
}

void LineTrimmer::Feed(std::string_view bytes) {
    for (const char c : bytes) {
        // Only the line's last carriage return is removed: one that is followed by anything
        // is part of the text.
        if (pendingReturn_) {
            pendingReturn_ = false;
            Accept('\r');
        }
        if (c == '\r') {
            pendingReturn_ = true;
        } else {
            Accept(c);
        }
    }
}

void LineTrimmer::Accept(char c) {
    if (IsBlank(c)) {
        if (!started_)
            return;
        // Blanks may turn out to be trailing: they are kept while there is room, and only
        // a non-blank after dropped ones makes the text too long.
        if (kept_.size() < capacity_) {
            kept_.push_back(c);
        } else {
            blanksDropped_ = true;
        }
        return;
    }
    started_ = true;
    if (kept_.size() < capacity_ && !blanksDropped_) {
        kept_.push_back(c);
        contentEnd_ = kept_.size();
    } else {
        truncated_ = true;
    }
}

}  // namespace cli
