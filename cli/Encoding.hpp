#pragma once

// The encodings of the files quorvane-convert reads and writes.
//
// Every input is read as UTF-8 (TextInput), whatever its own encoding, by a mapping that
// gives every byte string a text of its own, so that writing the text back in the input's
// encoding (TextOutput) gives every byte as it was:
//  - UTF-8 as it is; a byte that is not part of a character (RFC 3629) stays as it is;
//  - Windows-1252 each byte as its character; the five bytes it leaves unassigned, 0x81, 0x8D,
//    0x8F, 0x90 and 0x9D, as U+0081, U+008D, U+008F, U+0090 and U+009D, as the WHATWG
//    Encoding Standard's windows-1252 has them;
//  - UTF-16 each character as it is; a surrogate that is not one of a pair as its own three
//    bytes (ED A0 80 to ED BF BF, which are no UTF-8 character), and the last byte b of a file
//    of an odd number of bytes as the two bytes F8 + b / 64, 80 + b % 64 (nor are they).
//
// Which encoding an input is in (kDetectionBytes, below):
//  - a byte order mark at its start decides: EF BB BF UTF-8, FF FE UTF-16 LE, FE FF UTF-16
//    BE; it is not part of the text;
//  - else the encoding the run gives (--encoding; UTF-16 is then little-endian, as Windows
//    writes it);
//  - else: ASCII is the same in UTF-8 and Windows-1252, so an input is read byte for byte
//    until its first byte that is not ASCII. The kDetectionBytes from that byte (all that is
//    left, when that is less; a character that starts among them is judged whole) decide:
//    UTF-8 if they are, else Windows-1252, and a note says so. A pipe or standard input is
//    read as a file is, waiting for those bytes or for its end. An input that is ASCII to its
//    end is UTF-8 (and ASCII in either).
//  - An input read as UTF-8 whose later bytes are not UTF-8 keeps them as they are (JSON shows
//    each as U+FFFD), and a note names the first line that holds one: --encoding
//    windows-1252 reads it all as Windows-1252.

#include <cstddef>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace cli {

enum class Encoding { kUtf8, kWindows1252, kUtf16Le, kUtf16Be };

// The byte order mark, in UTF-8; TextInput reads each encoding's as this.
inline constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// The bytes from an input's first byte that is not ASCII that decide its encoding.
inline constexpr std::size_t kDetectionBytes = std::size_t{1} << 16;

// "UTF-8", "Windows-1252", "UTF-16 LE" or "UTF-16 BE".
[[nodiscard]] std::string_view EncodingName(Encoding encoding) noexcept;

[[nodiscard]] constexpr bool IsUtf16(Encoding encoding) noexcept {
    return encoding == Encoding::kUtf16Le || encoding == Encoding::kUtf16Be;
}

// Appends `text`, as TextInput reads any input, in `encoding`: the bytes TextInput read it
// from, for the text of an input in that encoding (`inputsOwn`). For the text of an input in
// another one: in UTF-16 a byte that is not part of a UTF-8 character is U+FFFD; in
// Windows-1252 such a byte is written as it is, and a character Windows-1252 lacks as "?".
// Returns how many characters were written as "?".
std::size_t AppendEncoded(std::string_view text, Encoding encoding, std::string& out,
                          bool inputsOwn = true);

// An input's text, read block by block in bounded memory, as UTF-8.
class TextInput {
  public:
    // Reads `file` (which stays the caller's); `encoding` is that of an input without a byte
    // order mark, or none to find it from its bytes.
    TextInput(std::FILE* file, std::optional<Encoding> encoding);
    // Reads `bytes` (which must outlive this) as a file that holds them.
    explicit TextInput(std::string_view bytes, std::optional<Encoding> encoding = std::nullopt);

    // Appends the text of the next `bytes` bytes of the input or so (more while its encoding
    // is decided, a few less where a read stops inside a character) to `out`; false when
    // there is none: at the end of the input, or after a read error (Error() says which).
    bool Read(std::string& out, std::size_t bytes);

    // The input's encoding as far as it is known: none while, with no byte order mark and no
    // encoding given, it has been ASCII alone.
    [[nodiscard]] std::optional<Encoding> Detected() const noexcept { return encoding_; }
    [[nodiscard]] bool HadByteOrderMark() const noexcept { return byteOrderMark_; }
    // Empty, or the read error: "read error: " and the system's reason.
    [[nodiscard]] const std::string& Error() const noexcept { return error_; }
    // What a user should know of how the input was read (one line each): that it was read
    // as Windows-1252, or that a line of it is not UTF-8 as its start was.
    [[nodiscard]] const std::vector<std::string>& Notes() const noexcept { return notes_; }

  private:
    std::size_t ReadRaw(std::string& into, std::size_t bytes);
    void Start();
    void Watch(std::string& out, std::size_t from);

    std::FILE* file_ = nullptr;
    std::string_view memory_;
    std::optional<Encoding> given_;
    std::optional<Encoding> encoding_;
    bool started_ = false;
    bool end_ = false;
    bool byteOrderMark_ = false;
    // Whether UTF-8 is still checked, for the note: until the first byte that is not.
    bool watching_ = true;
    // Line feeds read while watching.
    std::size_t lines_ = 0;
    // Bytes read and not yet appended: the start of a character cut by a read, or of a
    // UTF-16 code unit or pair.
    std::string held_;
    std::string raw_;
    std::string error_;
    std::vector<std::string> notes_;
};

// The output of a run: in text and CSV, in its inputs' encoding; JSON is UTF-8.
//
// The first input decides the output's encoding: a UTF-16 input makes it UTF-16 (in the
// input's byte order); an input in 8 bits (UTF-8 or Windows-1252) makes it the encoding the
// input is found to be in, or, while that input is ASCII, leaves it to the next input that
// decides (what is written meanwhile is ASCII, in both); a later UTF-16 input then makes it
// UTF-8. Each input in the output's encoding comes back byte for byte; one in another
// encoding is written in the output's, character for character (AppendEncoded).
class TextOutput {
  public:
    // `inInputEncoding`: text or CSV; false for JSON, always UTF-8.
    TextOutput(std::FILE* file, bool inInputEncoding) noexcept
        : file_(file), inInputEncoding_(inInputEncoding) {}

    // Takes the encoding of the input whose text is written next, as far as it is known.
    void Follow(std::optional<Encoding> input) noexcept;
    // Writes `text`, UTF-8 as TextInput reads it, in the output's encoding; false when the
    // write fails (errno says why).
    bool Write(std::string_view text);
    // Has the next text written lose `leading` where it starts with it: a map's first
    // feature goes without the separator each one starts with (MapWriter.hpp).
    void DropLeading(std::string_view leading) noexcept { leading_ = leading; }
    // The characters written as "?" since the last call (none unless the output is in
    // Windows-1252 and an input was not).
    [[nodiscard]] std::size_t TakeUnwritable() noexcept;
    [[nodiscard]] std::optional<Encoding> Decided() const noexcept { return encoding_; }
    // Whether anything has been written yet.
    [[nodiscard]] bool Written() const noexcept { return written_; }

  private:
    std::FILE* file_;
    bool inInputEncoding_;
    bool written_ = false;
    std::string_view leading_;
    std::optional<Encoding> encoding_;
    std::optional<Encoding> input_;
    std::size_t unwritable_ = 0;
    std::string encoded_;
};

}  // namespace cli
