#pragma once

// UTF-8 as the fuzz targets judge it, written from the encoding's definition rather than
// from the program's own decoder, so that the two can disagree.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// The largest code point, the surrogates (never encoded), and U+FFFD in UTF-8.
inline constexpr std::uint32_t kMaxCodePoint = 0x10FFFF;
inline constexpr std::uint32_t kFirstSurrogate = 0xD800;
inline constexpr std::uint32_t kLastSurrogate = 0xDFFF;
inline constexpr std::string_view kReplacementCharacter = "\xEF\xBF\xBD";

// Bytes of the well-formed sequence that starts `bytes` (not empty), or 0: the lead byte
// gives the length, each further byte must be 10xxxxxx, and the code point must need that
// length (no overlong form), lie at most at U+10FFFF and not be a surrogate.
inline std::size_t WellFormedLength(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    std::size_t length = 0;
    std::uint32_t codePoint = 0;
    if (lead < 0x80) {
        return 1;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2;
        codePoint = lead & 0x1Fu;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        codePoint = lead & 0x0Fu;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        codePoint = lead & 0x07u;
    } else {
        return 0;
    }
    if (bytes.size() < length) {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(bytes[i]);
        if ((next & 0xC0) != 0x80) {
            return 0;
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    // The smallest code point that needs 2, 3 and 4 bytes.
    constexpr std::array<std::uint32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < kSmallest[length] || codePoint > kMaxCodePoint ||
        (codePoint >= kFirstSurrogate && codePoint <= kLastSurrogate)) {
        return 0;
    }
    return length;
}

inline bool IsValidUtf8(std::string_view text) {
    while (!text.empty()) {
        const std::size_t length = WellFormedLength(text);
        if (length == 0) {
            return false;
        }
        text.remove_prefix(length);
    }
    return true;
}

// `text` with each byte that starts no well-formed sequence replaced by U+FFFD.
inline std::string Repaired(std::string_view text) {
    std::string repaired;
    while (!text.empty()) {
        const std::size_t length = WellFormedLength(text);
        if (length == 0) {
            repaired += kReplacementCharacter;
            text.remove_prefix(1);
        } else {
            repaired += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return repaired;
}

}  // namespace fuzz
