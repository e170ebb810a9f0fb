#pragma once

// ADIF logs (.adi, ADIF 3.1's tagged form), read and written part by part with every byte kept.
//
// A log is an optional header, records, and whatever follows the last record:
// - a field is <NAME:LENGTH> or <NAME:LENGTH:TYPE> followed by LENGTH of data; names in any
//   case; a '<' that starts no such specifier (nor <EOR> or <EOH>) is text;
// - a record is the fields up to <EOR>, in any case; the text before its first field (the
//   line end after the record before, comments) is part of it, and so is the text between
//   its fields, kept as it was;
// - the header is everything up to and including the first <EOH>, with its own fields
//   (ADIF_VER, PROGRAMID, ...), when that <EOH> comes before the first <EOR>. ADIF says a file
//   that starts with '<' has no header; one that starts <ADIF_VER:5>3.1.4<EOH>, as some
//   programs write, is read as having one. A file without <EOH> has no header, and any text
//   before its first field belongs to its first record.
//
// Lengths. ADIF counts a field's length in bytes, and so do most programs; some count
// characters when the data is not ASCII (UTF-8 names and QTHs). A length is read as bytes,
// unless what follows those bytes is not the next tag while what follows that many
// characters is: then it counts characters. "The next tag" is a '<' (or the end of the file)
// after nothing but spaces, tabs and line ends. So <NAME:4>Zoë<EOR> (4 bytes) and
// <NAME:3>Zoë<EOR> (3 characters) both read Zoë, and a byte count that cuts a character in
// two never stands.
//
// Refused, stopping the reading, with the line and the record: a length that runs past the
// end of the file, into or across the record's <EOR>, or that ends inside the next field's
// tag (when characters do not fit either);
// a last record without <EOR>; a second <EOH>; a part longer than kMaxPartBytes; an XML log
// (.adx); a file that is not blank but has no field, <EOH> or <EOR> (Cabrillo, UTF-16).

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "logs/Input.hpp"

namespace Logs {

// Whether `c` may stand between an ADIF log's fields as layout: a space, a tab or a line end.
[[nodiscard]] constexpr bool IsLineSpace(char c) noexcept {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// One field, as it stands in its part's text.
struct AdifField {
    std::string_view name;  // as written
    std::string_view type;  // the data type indicator as written; empty when none
    std::string_view data;
    std::size_t begin = 0;  // offset of its '<' in the part's text
    std::size_t end = 0;    // offset just past its data
    std::size_t line = 0;   // the line of the file its '<' stands on, from 1
};

enum class AdifPartKind { kHeader, kRecord, kTrailer };

// A header, a record, or the text after the last record (the trailer, which has no field).
// Written back as `text`, the log is unchanged.
struct AdifPart {
    AdifPartKind kind = AdifPartKind::kRecord;
    // Every byte: from the end of the part before to the end of its <EOH> or <EOR>; for the
    // trailer, to the end of the file.
    std::string_view text;
    std::vector<AdifField> fields;
    // The line its first field stands on (else its text starts on), from 1.
    std::size_t line = 0;
    // Records counted from 1; 0 for the header and the trailer.
    std::size_t number = 0;
};

// Reads a log's parts in order, holding one part and one read block at a time.
class AdifReader {
  public:
    // Reads `in` (which stays the caller's), after the bytes `start` already read from it.
    AdifReader(std::FILE* in, std::string start);

    // The next part, valid until the next call; false at the end of the log, and when it
    // can't be read on (Error() then says why).
    bool Read(AdifPart& part);

    [[nodiscard]] const ReadError& Error() const noexcept { return error_; }

  private:
    enum class Step { kPart, kMore, kEnd, kFault };
    Step Parse(AdifPart& part);
    Step Fault(std::size_t line, std::string what);

    BufferedInput input_;
    std::size_t line_ = 1;  // the line the next part starts on
    std::size_t records_ = 0;
    bool first_ = true;  // the next part is the first: it may be the header
    ReadError error_;
};

// Appends a new field, <NAME:LENGTH>DATA (<NAME:LENGTH:TYPE>DATA when `type` is not empty),
// its length in bytes. For data in ASCII, as every field written here is, bytes and
// characters are one.
void AppendAdifField(std::string_view name, std::string_view type, std::string_view data,
                     std::string& out);

}  // namespace Logs
