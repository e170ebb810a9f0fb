#pragma once

// What the fuzz targets share: turning input bytes into values, and stopping when a promise
// is broken.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string_view>

namespace fuzz {

// Stops the run when `holds` is false, naming the broken promise and the value it concerns;
// libFuzzer saves the input that did it. Aborting (rather than returning) is what makes a
// broken property a finding.
inline void Require(bool holds, std::string_view promise, std::string_view detail = {}) {
    if (holds) {
        return;
    }
    std::fprintf(stderr, "\nBroken promise: %.*s\n  concerning: \"%.*s\"\n",
                 static_cast<int>(promise.size()), promise.data(), static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

// The input as text.
inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// The value whose bytes are the `sizeof(T)` bytes of `bytes` from `offset`, short input
// padded with zero bytes, so that every input, however short, gives one.
template <typename T>
T ValueAt(std::span<const std::uint8_t> bytes, std::size_t offset) {
    std::array<std::uint8_t, sizeof(T)> raw{};
    if (offset < bytes.size()) {
        std::memcpy(raw.data(), bytes.data() + offset, std::min(raw.size(), bytes.size() - offset));
    }
    T value;
    std::memcpy(&value, raw.data(), raw.size());
    return value;
}

// The blanks the README names, which every reader trims: space, tab, U+00A0, U+202F, U+200B
// to U+200D and U+FEFF.
inline constexpr std::array<std::string_view, 8> kBlanks = {
    " ",           "\t", "\xC2\xA0", "\xE2\x80\xAF", "\xE2\x80\x8B", "\xE2\x80\x8C", "\xE2\x80\x8D",
    "\xEF\xBB\xBF"};

// `text` without the blanks around it.
inline std::string_view TrimBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : kBlanks) {
            while (text.starts_with(blank) || text.ends_with(blank)) {
                text = text.starts_with(blank) ? text.substr(blank.size())
                                               : text.substr(0, text.size() - blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

// Identical doubles, telling -0.0 from 0.0 and comparing NaNs by their bits.
inline bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace fuzz
