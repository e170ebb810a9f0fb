#include "cli/Encoding.hpp"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <utility>

#include "runtime/Text.hpp"

namespace cli {
namespace {

// The characters of Windows-1252's bytes 0x80 to 0x9F (WHATWG Encoding Standard,
// index-windows-1252); the five it leaves unassigned are the C1 controls of their own codes.
// Every other byte is the character of its own code (ISO 8859-1).
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
constexpr unsigned char kFirstHigh = 0x80;
constexpr unsigned char kLastHigh = 0x9F;

constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kFirstHighSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kFirstSupplementary = 0x10000;
// The lead bytes of a lone surrogate's three bytes (ED A0..BF 80..BF) and of an odd last
// byte's two (F8..FB 80..BF).
constexpr unsigned char kSurrogateLead = 0xED;
constexpr unsigned char kOddByteLead = 0xF8;

unsigned char Byte(char c) noexcept {
    return static_cast<unsigned char>(c);
}

// The line feeds of `text`, when it is ASCII alone; none else. Counted in runs of 255 bytes,
// each in a byte: the loop the compiler vectorizes best (a 64 KiB read in two fifths of the
// time of a count kept in a std::size_t).
std::optional<std::size_t> AsciiLineFeeds(std::string_view text) noexcept {
    constexpr std::size_t kRun = 255;
    unsigned char any = 0;
    std::size_t feeds = 0;
    for (std::size_t at = 0; at < text.size(); at += kRun) {
        unsigned char run = 0;
        for (const char c : text.substr(at, kRun)) {
            any |= Byte(c);
            run = static_cast<unsigned char>(run + (c == '\n' ? 1 : 0));
        }
        feeds += run;
    }
    return any < 0x80 ? std::optional(feeds) : std::nullopt;
}

bool IsContinuation(unsigned char byte, unsigned char low = 0x80) noexcept {
    return byte >= low && byte <= 0xBF;
}

// Appends `codePoint` (up to U+10FFFF, surrogates too) in UTF-8's form.
void AppendUtf8(char32_t codePoint, std::string& out) {
    const auto put = [&out](char32_t bits) { out += static_cast<char>(bits); };
    if (codePoint < 0x80) {
        put(codePoint);
    } else if (codePoint < 0x800) {
        put(0xC0 | codePoint >> 6);
        put(0x80 | (codePoint & 0x3F));
    } else if (codePoint < kFirstSupplementary) {
        put(0xE0 | codePoint >> 12);
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    } else {
        put(0xF0 | codePoint >> 18);
        put(0x80 | (codePoint >> 12 & 0x3F));
        put(0x80 | (codePoint >> 6 & 0x3F));
        put(0x80 | (codePoint & 0x3F));
    }
}

// The code point of the `length` bytes (1 to 4, of UTF-8's form) that start `text`.
char32_t CodePointOf(std::string_view text, std::size_t length) noexcept {
    if (length == 1)
        return Byte(text[0]);
    char32_t codePoint = Byte(text[0]) & (0x7FU >> length);
    for (std::size_t i = 1; i < length; ++i)
        codePoint = codePoint << 6 | (Byte(text[i]) & 0x3FU);
    return codePoint;
}

// Windows-1252's bytes 0x80 to 0xFF in UTF-8, each two or three bytes.
struct Utf8Character {
    std::array<char, 3> bytes{};
    std::size_t size = 0;
};
constexpr auto kHighInUtf8 = [] {
    std::array<Utf8Character, 0x80> table{};
    for (std::size_t byte = 0x80; byte <= 0xFF; ++byte) {
        const char32_t codePoint =
            byte <= kLastHigh ? kWindows1252High[byte - kFirstHigh] : static_cast<char32_t>(byte);
        Utf8Character& character = table[byte - 0x80];
        if (codePoint < 0x800) {
            character = {{static_cast<char>(0xC0 | codePoint >> 6),
                          static_cast<char>(0x80 | (codePoint & 0x3F))},
                         2};
        } else {
            character = {{static_cast<char>(0xE0 | codePoint >> 12),
                          static_cast<char>(0x80 | (codePoint >> 6 & 0x3F)),
                          static_cast<char>(0x80 | (codePoint & 0x3F))},
                         3};
        }
    }
    return table;
}();

// Decoding and encoding Windows-1252 write through a pointer into room made first: a file in
// it is decoded and encoded whole, a byte at a time, and this is the cheaper way.
void AppendWindows1252AsUtf8(std::string_view bytes, std::string& out) {
    const std::size_t start = out.size();
    out.resize(start + 3 * bytes.size());
    char* to = out.data() + start;
    for (const char c : bytes) {
        if (Byte(c) < 0x80) {
            *to++ = c;
            continue;
        }
        const Utf8Character& character = kHighInUtf8[Byte(c) - 0x80];
        to = std::copy_n(character.bytes.data(), character.size, to);
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
}

// Appends the UTF-16 code units of `bytes` as UTF-8 (the header's mapping). Returns the
// bytes taken: all of them at the `end` of the input, else all but the start of a unit, or
// of a pair, that the end of `bytes` cuts.
std::size_t AppendUtf16AsUtf8(std::string_view bytes, bool bigEndian, bool end, std::string& out) {
    const auto unit = [&](std::size_t i) -> char32_t {
        const char32_t first = Byte(bytes[i]);
        const char32_t second = Byte(bytes[i + 1]);
        return bigEndian ? first << 8 | second : second << 8 | first;
    };
    std::size_t i = 0;
    for (; i + 2 <= bytes.size(); i += 2) {
        const char32_t u = unit(i);
        if (u >= kFirstHighSurrogate && u < kFirstLowSurrogate) {
            if (i + 4 > bytes.size() && !end)
                break;  // its pair may follow
            const char32_t low = i + 4 <= bytes.size() ? unit(i + 2) : 0;
            if (low >= kFirstLowSurrogate && low <= kLastSurrogate) {
                AppendUtf8(kFirstSupplementary + ((u - kFirstHighSurrogate) << 10) +
                               (low - kFirstLowSurrogate),
                           out);
                i += 2;
                continue;
            }
        }
        AppendUtf8(u, out);
    }
    if (end && i < bytes.size()) {
        const unsigned char odd = Byte(bytes[i++]);
        out += static_cast<char>(kOddByteLead | odd >> 6);
        out += static_cast<char>(0x80 | (odd & 0x3F));
    }
    return i;
}

void AppendUtf16Unit(char32_t unit, bool bigEndian, std::string& out) {
    const auto high = static_cast<char>(unit >> 8);
    const auto low = static_cast<char>(unit & 0xFF);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
}

// `inputsOwn`: the text is of a UTF-16 input, whose lone surrogates and odd last byte are
// written back as they were; else each of their bytes is no character.
void AppendAsUtf16(std::string_view text, bool bigEndian, bool inputsOwn, std::string& out) {
    while (!text.empty()) {
        const unsigned char lead = Byte(text[0]);
        const std::size_t length = runtime::Utf8SequenceLength(text);
        std::size_t taken = std::max<std::size_t>(length, 1);
        if (length > 0) {
            const char32_t codePoint = CodePointOf(text, length);
            if (codePoint >= kFirstSupplementary) {
                const char32_t above = codePoint - kFirstSupplementary;
                AppendUtf16Unit(kFirstHighSurrogate + (above >> 10), bigEndian, out);
                AppendUtf16Unit(kFirstLowSurrogate + (above & 0x3FF), bigEndian, out);
            } else {
                AppendUtf16Unit(codePoint, bigEndian, out);
            }
        } else if (inputsOwn && lead == kSurrogateLead && text.size() >= 3 &&
                   IsContinuation(Byte(text[1]), 0xA0) && IsContinuation(Byte(text[2]))) {
            AppendUtf16Unit(CodePointOf(text, 3), bigEndian, out);
            taken = 3;
        } else if (inputsOwn && (lead & 0xFC) == kOddByteLead && text.size() >= 2 &&
                   IsContinuation(Byte(text[1]))) {
            out += static_cast<char>((lead & 0x03U) << 6 | (Byte(text[1]) & 0x3FU));
            taken = 2;
        } else {
            AppendUtf16Unit(kReplacement, bigEndian, out);
        }
        text.remove_prefix(taken);
    }
}

std::size_t AppendAsWindows1252(std::string_view text, std::string& out) {
    std::size_t unwritable = 0;
    const std::size_t start = out.size();
    out.resize(start + text.size());  // no character is longer in Windows-1252
    char* to = out.data() + start;
    // Most characters are ASCII, or U+00A0 to U+00FF (lead byte C2 or C3), each written as the
    // byte of its own code without decoding.
    constexpr unsigned char kLatin1Lead = 0xC2;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = Byte(text[i]);
        if (lead < 0x80) {
            *to++ = text[i++];
            continue;
        }
        const unsigned char next = i + 1 < text.size() ? Byte(text[i + 1]) : 0;
        if ((lead == kLatin1Lead && next >= 0xA0 && next <= 0xBF) ||
            (lead == kLatin1Lead + 1 && IsContinuation(next))) {
            *to++ = static_cast<char>((lead & 0x03U) << 6 | (next & 0x3FU));
            i += 2;
            continue;
        }
        const std::size_t length = runtime::Utf8SequenceLength(text.substr(i));
        if (length == 0) {
            *to++ = text[i++];  // a byte that is no character: as it is
            continue;
        }
        const char32_t codePoint = CodePointOf(text.substr(i), length);
        i += length;
        const auto* const high =
            std::find(kWindows1252High.begin(), kWindows1252High.end(), codePoint);
        if (high != kWindows1252High.end()) {
            *to++ = static_cast<char>(kFirstHigh + (high - kWindows1252High.begin()));
        } else {
            *to++ = '?';
            ++unwritable;
        }
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return unwritable;
}

}  // namespace

std::string_view EncodingName(Encoding encoding) noexcept {
    switch (encoding) {
        case Encoding::kUtf8:
            return "UTF-8";
        case Encoding::kWindows1252:
            return "Windows-1252";
        case Encoding::kUtf16Le:
            return "UTF-16 LE";
        case Encoding::kUtf16Be:
            return "UTF-16 BE";
    }
    return {};
}

std::size_t AppendEncoded(std::string_view text, Encoding encoding, std::string& out,
                          bool inputsOwn) {
    switch (encoding) {
        case Encoding::kUtf8:
            out.append(text);
            return 0;
        case Encoding::kWindows1252:
            return AppendAsWindows1252(text, out);
        case Encoding::kUtf16Le:
        case Encoding::kUtf16Be:
            AppendAsUtf16(text, encoding == Encoding::kUtf16Be, inputsOwn, out);
            return 0;
    }
    return 0;
}

TextInput::TextInput(std::FILE* file, std::optional<Encoding> encoding)
    : file_(file), given_(encoding) {}

TextInput::TextInput(std::string_view bytes, std::optional<Encoding> encoding)
    : memory_(bytes), given_(encoding) {}

std::size_t TextInput::ReadRaw(std::string& into, std::size_t bytes) {
    const std::size_t held = into.size();
    if (!file_) {
        const std::size_t read = std::min(bytes, memory_.size());
        into.append(memory_.substr(0, read));
        memory_.remove_prefix(read);
        end_ = memory_.empty();
        return read;
    }
    into.resize(held + bytes);
    const std::size_t read = std::fread(into.data() + held, 1, bytes, file_);
    into.resize(held + read);
    if (read < bytes) {
        end_ = true;
        if (std::ferror(file_))
            error_ = std::string("read error: ") + std::strerror(errno);
    }
    return read;
}

void TextInput::Start() {
    started_ = true;
    constexpr std::size_t kLongestMark = 3;
    while (held_.size() < kLongestMark && !end_)
        ReadRaw(held_, kLongestMark - held_.size());
    struct Mark {
        std::string_view bytes;
        Encoding encoding;
    };
    constexpr std::array<Mark, 3> kMarks = {{{kByteOrderMark, Encoding::kUtf8},
                                             {"\xFF\xFE", Encoding::kUtf16Le},
                                             {"\xFE\xFF", Encoding::kUtf16Be}}};
    for (const Mark& mark : kMarks) {
        if (std::string_view(held_).starts_with(mark.bytes)) {
            byteOrderMark_ = true;
            encoding_ = mark.encoding;
            held_.erase(0, mark.bytes.size());
            return;
        }
    }
    encoding_ = given_;
}

bool TextInput::Read(std::string& out, std::size_t bytes) {
    if (!started_)
        Start();
    while (error_.empty() && !(end_ && held_.empty())) {
        const std::size_t before = out.size();
        if (encoding_ && *encoding_ != Encoding::kUtf8) {
            raw_.assign(held_);
            held_.clear();
            if (!end_)
                ReadRaw(raw_, bytes);
            if (*encoding_ == Encoding::kWindows1252) {
                AppendWindows1252AsUtf8(raw_, out);
            } else {
                const std::size_t taken =
                    AppendUtf16AsUtf8(raw_, *encoding_ == Encoding::kUtf16Be, end_, out);
                held_.assign(raw_, taken);
            }
        } else {
            // UTF-8, or ASCII so far: read as it is, into `out`.
            out += held_;
            held_.clear();
            if (!end_)
                ReadRaw(out, bytes);
            if (watching_)
                Watch(out, before);
        }
        if (out.size() > before)
            return true;
    }
    return false;
}

// Checks the bytes of `out` from `from` on, just read, for the first that is not ASCII, which
// decides the encoding while there is none, or else for the first that is not UTF-8.
void TextInput::Watch(std::string& out, std::size_t from) {
    // A character cut by the end of the read is checked whole, with the next.
    const auto holdCut = [&] {
        if (end_)
            return;
        const std::size_t cut = runtime::CutCharacterLength(std::string_view(out).substr(from));
        held_.assign(out, out.size() - cut);
        out.erase(out.size() - cut);
    };
    holdCut();
    // Most reads are ASCII alone: their line feeds are counted, no more.
    if (const auto feeds = AsciiLineFeeds(std::string_view(out).substr(from))) {
        lines_ += *feeds;
        return;
    }
    for (std::size_t i = from; i < out.size();) {
        const unsigned char byte = Byte(out[i]);
        if (byte < 0x80) {
            lines_ += byte == '\n' ? 1 : 0;
            ++i;
            continue;
        }
        if (!encoding_) {
            // The first byte that is not ASCII: the kDetectionBytes from it decide.
            while (out.size() - i < kDetectionBytes && !end_) {
                out += held_;
                held_.clear();
                ReadRaw(out, kDetectionBytes);
                holdCut();
            }
            const std::size_t stop = std::min(out.size(), i + kDetectionBytes);
            std::size_t next = i;
            while (next < stop) {
                const std::size_t length =
                    runtime::Utf8SequenceLength(std::string_view(out).substr(next));
                if (length == 0)
                    break;
                next += length;
            }
            if (next >= stop) {
                encoding_ = Encoding::kUtf8;
                continue;
            }
            encoding_ = Encoding::kWindows1252;
            watching_ = false;
            const auto line = lines_ + 1 +
                              static_cast<std::size_t>(std::count(
                                  out.begin() + static_cast<std::ptrdiff_t>(i),
                                  out.begin() + static_cast<std::ptrdiff_t>(next), '\n'));
            notes_.push_back("read as Windows-1252, as it is not UTF-8 (line " +
                             std::to_string(line) + " holds the byte " +
                             runtime::Printable(out.substr(next, 1)) + ")");
            // All before `i` is ASCII, the same in both.
            const std::string raw = out.substr(i) + held_;
            held_.clear();
            out.resize(i);
            AppendWindows1252AsUtf8(raw, out);
            return;
        }
        const std::size_t length = runtime::Utf8SequenceLength(std::string_view(out).substr(i));
        if (length == 0) {
            watching_ = false;
            notes_.push_back("line " + std::to_string(lines_ + 1) +
                             " is not UTF-8, as the lines before it are (it holds the byte " +
                             runtime::Printable(out.substr(i, 1)) +
                             "): its bytes are kept as they are (in JSON each is U+FFFD); "
                             "--encoding windows-1252 reads the input as Windows-1252");
            return;
        }
        i += length;
    }
}

void TextOutput::Follow(std::optional<Encoding> input) noexcept {
    input_ = input;
    if (encoding_ || !input || !inInputEncoding_)
        return;
    encoding_ = IsUtf16(*input) && written_ ? Encoding::kUtf8 : *input;
}

bool TextOutput::Write(std::string_view text) {
    if (text.empty())
        return true;
    if (text.starts_with(leading_))
        text.remove_prefix(leading_.size());
    leading_ = {};
    written_ = true;
    if (encoding_ && *encoding_ != Encoding::kUtf8) {
        encoded_.clear();
        unwritable_ += AppendEncoded(text, *encoding_, encoded_, input_ == encoding_);
        text = encoded_;
    }
    return std::fwrite(text.data(), 1, text.size(), file_) == text.size();
}

std::size_t TextOutput::TakeUnwritable() noexcept {
    return std::exchange(unwritable_, 0);
}

}  // namespace cli
