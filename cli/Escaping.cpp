#include "Escaping.hpp"

#include <array>
#include <cstring>

namespace cli {
namespace {

// U+FFFD in UTF-8.
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

constexpr bool IsContinuation(unsigned char c, unsigned char low = 0x80,
                              unsigned char high = 0xBF) {
    return c >= low && c <= high;
}

// Marks, for one format, the bytes that cannot simply be copied: every byte from 0x80 (it
// may start a malformed sequence) and the ASCII bytes the format escapes.
using SpecialBytes = std::array<bool, 256>;
constexpr SpecialBytes MarkSpecial(std::string_view escaped, bool controls) {
    SpecialBytes special{};
    for (std::size_t c = 0x80; c < special.size(); ++c)
        special[c] = true;
    for (const char c : escaped)
        special[static_cast<unsigned char>(c)] = true;
    if (controls) {
        for (std::size_t c = 0; c < ' '; ++c)
            special[c] = true;
    }
    return special;
}

// Copies bytes to `out` and returns the end of what it wrote.
char* Copy(std::string_view bytes, char* out) noexcept {
    std::memcpy(out, bytes.data(), bytes.size());
    return out + bytes.size();
}

// Writes `text` to `out`, replacing each malformed byte with U+FFFD and each ASCII byte
// marked in `special` with escape(byte), which is not empty for those bytes. Runs of ordinary
// bytes are copied whole. Returns the end of what it wrote.
template <typename Escape>
char* WriteUtf8(std::string_view text, char* out, const SpecialBytes& special,
                Escape escape) noexcept {
    std::size_t runStart = 0;  // start of the bytes still to copy unchanged
    std::size_t i = 0;
    while (true) {
        while (i < text.size() && !special[static_cast<unsigned char>(text[i])])
            ++i;
        if (i == text.size())
            break;
        const auto c = static_cast<unsigned char>(text[i]);
        std::string_view replacement;
        if (c < 0x80) {
            replacement = escape(c);
        } else if (const std::size_t length = Utf8SequenceLength(text.substr(i)); length != 0) {
            i += length;
            continue;
        } else {
            replacement = kReplacement;
        }
        out = Copy(text.substr(runStart, i - runStart), out);
        out = Copy(replacement, out);
        runStart = ++i;
    }
    return Copy(text.substr(runStart, i - runStart), out);
}

// JSON escapes of the control characters U+0000 to U+001F: the short forms where JSON has
// one, \u00XX for the others.
constexpr std::size_t kControlCount = 0x20;
constexpr std::size_t kEscapeLength = 6;  // \u00XX
using ControlEscapes = std::array<std::array<char, kEscapeLength>, kControlCount>;
constexpr ControlEscapes kJsonControlEscapes = [] {
    constexpr std::string_view kHex = "0123456789abcdef";
    ControlEscapes table{};
    for (std::size_t c = 0; c < kControlCount; ++c) {
        table[c] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
    }
    return table;
}();

std::string_view JsonEscape(unsigned char c) {
    switch (c) {
        case '"':
            return "\\\"";
        case '\\':
            return "\\\\";
        case '\b':
            return "\\b";
        case '\f':
            return "\\f";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        case '\t':
            return "\\t";
        default:
            if (c < kControlCount)
                return {kJsonControlEscapes[c].data(), kEscapeLength};
            return {};
    }
}

std::string_view TextEscape(unsigned char c) {
    switch (c) {
        case '\\':
            return "\\\\";
        case '\t':
            return "\\t";
        case '\n':
            return "\\n";
        case '\r':
            return "\\r";
        default:
            return {};
    }
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view bytes) noexcept {
    const auto at = [&](std::size_t i) -> unsigned char {
        return i < bytes.size() ? static_cast<unsigned char>(bytes[i]) : 0;
    };
    const unsigned char c = at(0);
    if (c < 0x80)
        return 1;
    if (c >= 0xC2 && c <= 0xDF)
        return IsContinuation(at(1)) ? 2 : 0;
    if (c >= 0xE0 && c <= 0xEF) {
        // E0 needs A0..BF next (no overlong form), ED needs 80..9F (no surrogate).
        const unsigned char low = c == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = c == 0xED ? 0x9F : 0xBF;
        return IsContinuation(at(1), low, high) && IsContinuation(at(2)) ? 3 : 0;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        // F0 needs 90..BF next (no overlong form), F4 needs 80..8F (nothing above U+10FFFF).
        const unsigned char low = c == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = c == 0xF4 ? 0x8F : 0xBF;
        return IsContinuation(at(1), low, high) && IsContinuation(at(2)) && IsContinuation(at(3))
                   ? 4
                   : 0;
    }
    return 0;
}

char* WriteTextField(std::string_view text, char* out) noexcept {
    static constexpr SpecialBytes kSpecial = MarkSpecial("\\\t\n\r", false);
    return WriteUtf8(text, out, kSpecial, [](unsigned char c) { return TextEscape(c); });
}

char* WriteCsvField(std::string_view text, char* out) noexcept {
    static constexpr SpecialBytes kSpecial = MarkSpecial("\"", false);
    const bool quoted = text.find_first_of(",\"\r\n") != std::string_view::npos;
    if (quoted)
        *out++ = '"';
    // A double quote only ever stands in a quoted field, where it is doubled.
    out = WriteUtf8(text, out, kSpecial, [](unsigned char) { return std::string_view("\"\""); });
    if (quoted)
        *out++ = '"';
    return out;
}

char* WriteJsonString(std::string_view text, char* out) noexcept {
    static constexpr SpecialBytes kSpecial = MarkSpecial("\"\\", true);
    *out++ = '"';
    out = WriteUtf8(text, out, kSpecial, [](unsigned char c) { return JsonEscape(c); });
    *out++ = '"';
    return out;
}

}  // namespace cli
