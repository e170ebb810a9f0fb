#include "Text.hpp"

#include <cmath>
#include <cstdint>

namespace runtime {
namespace {

// Well-formed UTF-8 per RFC 3629 (no overlong forms, no surrogates, nothing above
// U+10FFFF). The result is the code point and the number of bytes it takes, or a width of
// 1 with `valid` false for a byte that starts no well-formed sequence.
struct Decoded {
    char32_t codePoint;
    std::size_t width;
    bool valid;
};

constexpr bool IsContinuation(unsigned char byte) noexcept {
    return (byte & 0xC0U) == 0x80U;
}

Decoded DecodeAt(std::string_view text, std::size_t pos) noexcept {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    const unsigned char lead = byteAt(0);
    const Decoded invalid{lead, 1, false};
    if (lead < 0x80U) {
        return {lead, 1, true};  // GCOVR_EXCL_LINE: both callers take ASCII themselves
    }

    std::size_t width = 0;
    char32_t codePoint = 0;
    // Bounds of the second byte, which rule out overlong forms, surrogates and values past
    // U+10FFFF (RFC 3629, section 4).
    unsigned char secondMin = 0x80U;
    unsigned char secondMax = 0xBFU;
    if (lead >= 0xC2U && lead <= 0xDFU) {
        width = 2;
        codePoint = lead & 0x1FU;
    } else if (lead >= 0xE0U && lead <= 0xEFU) {
        width = 3;
        codePoint = lead & 0x0FU;
        if (lead == 0xE0U)
            secondMin = 0xA0U;
        if (lead == 0xEDU)
            secondMax = 0x9FU;
    } else if (lead >= 0xF0U && lead <= 0xF4U) {
        width = 4;
        codePoint = lead & 0x07U;
        if (lead == 0xF0U)
            secondMin = 0x90U;
        if (lead == 0xF4U)
            secondMax = 0x8FU;
    } else {
        return invalid;
    }
    if (text.size() - pos < width) {
        return invalid;
    }
    const unsigned char second = byteAt(1);
    if (second < secondMin || second > secondMax) {
        return invalid;
    }
    for (std::size_t i = 1; i < width; ++i) {
        if (!IsContinuation(byteAt(i))) {
            return invalid;
        }
        codePoint = (codePoint << 6U) | (byteAt(i) & 0x3FU);
    }
    return {codePoint, width, true};
}

// Bytes taken by the character at `pos`; ASCII, by far the most common, needs no decoding.
std::size_t WidthAt(std::string_view text, std::size_t pos) noexcept {
    return static_cast<unsigned char>(text[pos]) < 0x80U ? 1 : DecodeAt(text, pos).width;
}

// Byte offset of the character after `chars` characters from the start (or the end).
std::size_t SkipChars(std::string_view text, std::size_t chars) noexcept {
    std::size_t pos = 0;
    for (; chars > 0 && pos < text.size(); --chars) {
        pos += WidthAt(text, pos);
    }
    return pos;
}

// Highest code of the single-byte code page.
constexpr int kMaxCode = 0xFF;

}  // namespace

std::size_t Length(std::string_view text) noexcept {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += WidthAt(text, pos)) {
        ++count;
    }
    return count;
}

bool DecodeCharCodes(std::string_view text, std::span<unsigned char> codes) noexcept {
    std::size_t pos = 0;
    for (unsigned char& code : codes) {
        if (pos == text.size()) {
            return false;
        }
        const std::size_t width = WidthAt(text, pos);
        code = static_cast<unsigned char>(CharCode(text.substr(pos, width)));
        pos += width;
    }
    return pos == text.size();
}

std::string_view Mid(std::string_view text, std::size_t start, std::size_t count) noexcept {
    if (start == 0) {
        start = 1;
    }
    const std::size_t first = SkipChars(text, start - 1);
    const std::string_view rest = text.substr(first);
    return rest.substr(0, SkipChars(rest, count));
}

std::string_view Left(std::string_view text, std::size_t count) noexcept {
    return text.substr(0, SkipChars(text, count));
}

int CharCodeBeyondAscii(std::string_view text) noexcept {
    if (text.empty()) {
        return 0;
    }
    const Decoded first = DecodeAt(text, 0);
    if (!first.valid || first.codePoint > static_cast<char32_t>(kMaxCode)) {
        return kUnmappableCode;
    }
    return static_cast<int>(first.codePoint);
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return upper;
}

std::optional<std::string_view> CharFromCode(double code, CharBuffer& buffer) noexcept {
    // Out of range or not finite; the bounds are the halves that still round into 0..255.
    if (!(code > -0.5 && code < kMaxCode + 0.5)) {
        return std::nullopt;
    }
    // nearbyint rounds halves to even in the default rounding mode, as a whole-number
    // conversion of a real does; whole codes, the usual case, skip the library call.
    auto value = static_cast<unsigned>(code);
    if (value != code) {
        value = static_cast<unsigned>(std::nearbyint(code));
    }
    if (value <= kMaxAsciiCode) {
        buffer[0] = static_cast<char>(value);
        return std::string_view(buffer.data(), 1);
    }
    // U+0080 to U+00FF: 110000xx 10xxxxxx.
    buffer[0] = static_cast<char>(0xC0U | (value >> 6U));
    buffer[1] = static_cast<char>(0x80U | (value & 0x3FU));
    return std::string_view(buffer.data(), 2);
}

}  // namespace runtime
