#include "Text.hpp"

#include <algorithm>
#include <array>

namespace runtime {
namespace {

// Highest code of the single-byte code page.
constexpr char32_t kMaxCode = 0xFF;

constexpr bool IsContinuation(unsigned char byte, unsigned char low = 0x80,
                              unsigned char high = 0xBF) noexcept {
    return byte >= low && byte <= high;
}

// The code of the character that starts `text` (not empty), which takes `width` bytes
// (Utf8SequenceLength, 0 for a malformed byte).
int CodeOf(std::string_view text, std::size_t width) noexcept {
    const auto lead = static_cast<unsigned char>(text.front());
    if (width == 1) {
        return lead;
    }
    // Only two-byte sequences, U+0080 to U+07FF, can hold a code of the code page.
    if (width != 2) {
        return kUnmappableCode;
    }
    const char32_t codePoint = (lead & 0x1FU) << 6U | (static_cast<unsigned char>(text[1]) & 0x3FU);
    return codePoint <= kMaxCode ? static_cast<int>(codePoint) : kUnmappableCode;
}

// What pasting from web pages, word processors and spreadsheets brings: no-break spaces
// (U+00A0, U+202F), zero-width space, non-joiner and joiner (U+200B to U+200D), and the byte
// order mark or zero-width no-break space (U+FEFF). Each starts with one of three lead bytes,
// which no ASCII text has, and none is the end of another character.
constexpr std::array<std::string_view, 6> kPastedBlanks = {"\u00A0", "\u202F", "\u200B",
                                                           "\u200C", "\u200D", "\uFEFF"};
constexpr unsigned char kLatin1Lead = 0xC2;
constexpr unsigned char kPunctuationLead = 0xE2;
constexpr unsigned char kSpecialsLead = 0xEF;

// Bytes of the blank that ends `text`, or 0.
std::size_t TrailingBlankLength(std::string_view text) noexcept {
    if (text.ends_with(' ') || text.ends_with('\t'))
        return 1;
    for (const std::string_view blank : kPastedBlanks) {
        if (text.ends_with(blank))
            return blank.size();
    }
    return 0;
}

}  // namespace

std::size_t Utf8SequenceLength(std::string_view text) noexcept {
    const auto at = [&](std::size_t i) -> unsigned char {
        return i < text.size() ? static_cast<unsigned char>(text[i]) : 0;
    };
    if (text.empty()) {
        return 0;
    }
    const unsigned char lead = at(0);
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return IsContinuation(at(1)) ? 2 : 0;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        // E0 needs A0..BF next (no overlong form), ED needs 80..9F (no surrogate).
        const unsigned char low = lead == 0xE0 ? 0xA0 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : 0xBF;
        return IsContinuation(at(1), low, high) && IsContinuation(at(2)) ? 3 : 0;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        // F0 needs 90..BF next (no overlong form), F4 needs 80..8F (nothing above U+10FFFF).
        const unsigned char low = lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xF4 ? 0x8F : 0xBF;
        return IsContinuation(at(1), low, high) && IsContinuation(at(2)) && IsContinuation(at(3))
                   ? 4
                   : 0;
    }
    return 0;
}

std::size_t CutCharacterLength(std::string_view text) noexcept {
    const auto continuation = [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) == 0x80U;
    };
    std::size_t start = text.size();
    while (start > 0 && text.size() - start < 2 && continuation(text[start - 1]))
        --start;
    if (start == 0)
        return 0;
    const auto lead = static_cast<unsigned char>(text[start - 1]);
    constexpr unsigned char kTwo = 0xC0;
    constexpr unsigned char kThree = 0xE0;
    constexpr unsigned char kFour = 0xF0;
    const std::size_t length = lead >= kFour ? 4 : lead >= kThree ? 3 : lead >= kTwo ? 2 : 0;
    const std::size_t have = text.size() - (start - 1);
    return have < length ? have : 0;
}

std::size_t Length(std::string_view text) noexcept {
    std::size_t count = 0;
    for (; !text.empty(); ++count) {
        // A malformed byte is one character.
        text.remove_prefix(std::max<std::size_t>(Utf8SequenceLength(text), 1));
    }
    return count;
}

bool DecodeCharCodes(std::string_view text, std::span<unsigned char> codes) noexcept {
    for (unsigned char& code : codes) {
        if (text.empty()) {
            return false;
        }
        const std::size_t width = Utf8SequenceLength(text);
        code = static_cast<unsigned char>(CodeOf(text, width));
        text.remove_prefix(std::max<std::size_t>(width, 1));
    }
    return text.empty();
}

std::string_view FirstCharacter(std::string_view text) noexcept {
    return text.substr(0, std::max<std::size_t>(Utf8SequenceLength(text), 1));
}

std::size_t BlankLength(std::string_view text) noexcept {
    if (text.empty())
        return 0;
    const auto lead = static_cast<unsigned char>(text.front());
    if (lead == ' ' || lead == '\t')
        return 1;
    if (lead != kLatin1Lead && lead != kPunctuationLead && lead != kSpecialsLead)
        return 0;
    for (const std::string_view blank : kPastedBlanks) {
        if (text.starts_with(blank))
            return blank.size();
    }
    return 0;
}

std::size_t FindBlank(std::string_view text) noexcept {
    for (std::size_t at = 0; at < text.size(); at += FirstCharacter(text.substr(at)).size()) {
        if (BlankLength(text.substr(at)) > 0) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::string_view TakeBlanks(std::string_view& text) noexcept {
    std::size_t n = 0;
    while (const std::size_t blank = BlankLength(text.substr(n))) {
        n += blank;
    }
    const std::string_view blanks = text.substr(0, n);
    text.remove_prefix(n);
    return blanks;
}

std::string_view TakeDigits(std::string_view& text) noexcept {
    std::size_t n = 0;
    while (n < text.size() && IsDigit(text[n])) {
        ++n;
    }
    const std::string_view digits = text.substr(0, n);
    text.remove_prefix(n);
    return digits;
}

std::string_view TrimBlanks(std::string_view text) noexcept {
    TakeBlanks(text);
    while (const std::size_t blank = TrailingBlankLength(text))
        text.remove_suffix(blank);
    return text;
}

std::string Printable(std::string_view text) {
    std::string printable;
    const auto escaped = [&printable](unsigned char code) {
        constexpr std::string_view kHex = "0123456789ABCDEF";
        printable.append("\\x").append(1, kHex[code >> 4]).append(1, kHex[code & 0xF]);
    };
    constexpr unsigned char kFirstPrintable = 0x20;
    constexpr unsigned char kDelete = 0x7F;
    // U+0080 to U+009F, the C1 controls: C2 80 to C2 9F.
    constexpr unsigned char kC1Lead = 0xC2;
    constexpr unsigned char kAfterC1 = 0xA0;
    while (!text.empty()) {
        const std::size_t length = Utf8SequenceLength(text);
        const auto lead = static_cast<unsigned char>(text[0]);
        if (length == 0 || (length == 1 && (lead < kFirstPrintable || lead == kDelete))) {
            escaped(lead);
        } else if (length == 2 && lead == kC1Lead &&
                   static_cast<unsigned char>(text[1]) < kAfterC1) {
            escaped(static_cast<unsigned char>(text[1]));
        } else {
            printable.append(text.substr(0, length));
        }
        text.remove_prefix(std::max<std::size_t>(length, 1));
    }
    return printable;
}

std::string Quoted(std::string_view text, char quote) {
    // Appended piece by piece: GCC 12 misreads "'" + std::string(text) at -O3 (-Wrestrict).
    std::string quoted(1, quote);
    quoted.append(text).push_back(quote);
    return quoted;
}

std::string EvenNumbersText(int first, int last) {
    std::string text = std::to_string(first);
    for (int n = first + 2; n <= last; n += 2) {
        text += n == last ? " or " : ", ";
        text += std::to_string(n);
    }
    return text;
}

}  // namespace runtime
