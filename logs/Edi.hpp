#pragma once

// EDI logs (REG1TEST), as IARU Region 1 VHF contests take them, read line by line with every
// byte kept.
//
// A log is 7-bit ASCII lines, ended by CR LF (a line feed alone is read too, and kept), in
// sections, each opened by a line in brackets (section names in any case):
//   [REG1TEST;1]      the header: Key=Value lines (PCall=G4XXX, PWWLo=IO91WM, ...)
//   [Remarks]         free text
//   [QSORecords;N]    the N contacts, one line each of 15 fields separated by ';':
//                     Date;Time;Call;Mode;SentRST;SentNr;RcvdRST;RcvdNr;RcvdExch;RcvdWWL;
//                     Points;NewExch;NewWWL;NewDXCC;Dupe
//   [END;program]     the end; what follows it is kept, unread
// Empty lines are kept anywhere.
//
// Refused, stopping the reading, with the line: an empty log, or a first line that is not
// [REG1TEST;...]; a byte that is not 7-bit ASCII; an unknown section or one opened twice; a
// header line that is not Key=Value; a contact with another number of fields than 15; a line
// longer than kMaxPartBytes; a log that ends without a [QSORecords;N] section.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "logs/Input.hpp"

namespace Logs {

enum class EdiSection : std::uint8_t { kHeader, kRemarks, kRecords, kEnd };

// The fields of a contact, by their place from 0.
enum class EdiField : std::uint8_t {
    kDate,
    kTime,
    kCall,
    kMode,
    kSentRst,
    kSentNumber,
    kReceivedRst,
    kReceivedNumber,
    kReceivedExchange,
    kReceivedLocator,
    kPoints,
    kNewExchange,
    kNewLocator,
    kNewDxcc,
    kDupe,
};
inline constexpr std::size_t kEdiFieldCount = 15;

// The fields' names as the format's description has them, for messages.
inline constexpr std::array<std::string_view, kEdiFieldCount> kEdiFieldNames = {
    "Date",     "Time",    "Call",   "Mode",    "SentRST", "SentNr",  "RcvdRST", "RcvdNr",
    "RcvdExch", "RcvdWWL", "Points", "NewExch", "NewWWL",  "NewDXCC", "Dupe"};

enum class EdiLineKind : std::uint8_t { kSection, kEmpty, kHeaderEntry, kText, kRecord };

// One line, as it stands.
struct EdiLine {
    EdiLineKind kind = EdiLineKind::kText;
    // The section the line is in; for a section line, the one it opens.
    EdiSection section = EdiSection::kHeader;
    std::string_view text;     // without its line end
    std::string_view lineEnd;  // "\r\n", "\n", or empty for a last line without one
    std::size_t number = 0;    // from 1
    // A header entry: the text before the first '=' and after it.
    std::string_view key;
    std::string_view value;
    // A contact's fields.
    std::array<std::string_view, kEdiFieldCount> fields{};
    // [QSORecords;N]: the N; none when it is not a number.
    std::optional<std::size_t> recordCount;

    [[nodiscard]] std::string_view Field(EdiField field) const noexcept {
        return fields[static_cast<std::size_t>(field)];
    }
};

// Reads a log's lines in order, holding one line and one read block at a time.
class EdiReader {
  public:
    // Reads `in` (which stays the caller's), after the bytes `start` already read from it.
    EdiReader(std::FILE* in, std::string start);

    // The next line, valid until the next call; false at the end of the log, and when it
    // can't be read on (Error() then says why).
    bool Read(EdiLine& line);

    [[nodiscard]] const ReadError& Error() const noexcept { return error_; }

  private:
    bool Classify(EdiLine& line);
    bool Fail(std::size_t line, std::string what);

    BufferedInput input_;
    std::size_t number_ = 0;
    std::optional<EdiSection> section_;
    std::array<bool, 4> opened_{};
    ReadError error_;
};

// The mode a contact's Mode code names: "SSB", "CW", "SSB/CW" (sent/received), "CW/SSB",
// "AM", "FM", "RTTY", "SSTV", "ATV"; empty for 0 (none) and for any other text.
[[nodiscard]] std::string_view EdiModeName(std::string_view code) noexcept;

// Whether a log starting with `start` is an EDI log: its first line opens [REG1TEST; (in any
// case).
[[nodiscard]] bool StartsEdiLog(std::string_view start) noexcept;

}  // namespace Logs
