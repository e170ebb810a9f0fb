#include "logs/Adif.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

#include "runtime/Text.hpp"

namespace Logs {
namespace {

// The longest specifier looked for between '<' and '>': far longer than any field's name.
constexpr std::size_t kMaxSpecifierBytes = 256;
// The most digits a length is read with: up to a billion bytes, far past kMaxPartBytes. A
// length of more digits is taken as a billion, past the end of any part read just the same.
constexpr std::size_t kMaxLengthDigits = 9;
constexpr std::size_t kLengthPastAnyPart = 1'000'000'000;
// The bytes of the longest UTF-8 character: a character counted at the end of what is held
// needs them to be whole.
constexpr std::size_t kMaxCharacterBytes = 4;

constexpr std::string_view kEndOfRecord = "EOR";
constexpr std::string_view kEndOfHeader = "EOH";

// The characters ADIF allows in no field name.
constexpr std::string_view kNotInNames = ",:<>{}";

struct Specifier {
    std::string_view name;
    std::string_view type;
    std::size_t length = 0;
};

// Reads "NAME:LENGTH" or "NAME:LENGTH:TYPE" (the text between '<' and '>'); false when it is
// no field's specifier.
bool ReadSpecifier(std::string_view text, Specifier& specifier) {
    const std::size_t colon = text.find(':');
    if (colon == 0 || colon == std::string_view::npos)
        return false;
    specifier.name = text.substr(0, colon);
    const bool printable = std::all_of(specifier.name.begin(), specifier.name.end(), [](char c) {
        return c >= ' ' && c <= '~' && kNotInNames.find(c) == std::string_view::npos;
    });
    if (!printable || specifier.name.front() == ' ' || specifier.name.back() == ' ')
        return false;
    std::string_view rest = text.substr(colon + 1);
    const std::string_view digits = runtime::TakeDigits(rest);
    if (digits.empty())
        return false;
    specifier.length = kLengthPastAnyPart;
    if (digits.size() <= kMaxLengthDigits)
        std::from_chars(digits.data(), digits.data() + digits.size(), specifier.length);
    if (!rest.empty() && rest.front() != ':')
        return false;
    specifier.type = rest.empty() ? rest : rest.substr(1);
    return true;
}

// Whether a tag <EOR> (in any case) starts in `text` between `begin` and `end`: a field's
// data from `begin` to `end` that holds it, or ends within it.
bool EndOfRecordStartsIn(std::string_view text, std::size_t begin, std::size_t end) {
    for (std::size_t at = text.find('<', begin); at < end; at = text.find('<', at + 1)) {
        if (runtime::EqualsIgnoringCase(text.substr(at + 1, kEndOfRecord.size() + 1), "EOR>"))
            return true;
    }
    return false;
}

// Whether a field's data from `begin` to `end` ends inside a tag: its last '<' opens a
// field's specifier, <EOR> or <EOH> whose '>' stands at or after `end`, so that the length
// cuts the next field (or the record's end) in two.
bool EndsInsideTag(std::string_view text, std::size_t begin, std::size_t end) {
    const std::size_t open = text.substr(0, end).rfind('<');
    if (open == std::string_view::npos || open < begin)
        return false;
    const std::string_view inner = text.substr(open + 1, kMaxSpecifierBytes);
    const std::size_t close = inner.find('>');
    if (close == std::string_view::npos || open + 1 + close < end)
        return false;
    Specifier specifier;
    const std::string_view tag = inner.substr(0, close);
    return ReadSpecifier(tag, specifier) || runtime::EqualsIgnoringCase(tag, kEndOfRecord) ||
           runtime::EqualsIgnoringCase(tag, kEndOfHeader);
}

}  // namespace

AdifReader::AdifReader(std::FILE* in, std::string start) : input_(in, std::move(start)) {}

bool AdifReader::Read(AdifPart& part) {
    if (error_.Failed())
        return false;
    for (;;) {
        switch (Parse(part)) {
            case Step::kPart:
                return true;
            case Step::kEnd:
            case Step::kFault:
                return false;
            case Step::kMore:
                if (!input_.More() && !input_.ReadFailure().empty()) {
                    error_ = {line_, input_.ReadFailure()};
                    return false;
                }
        }
    }
}

AdifReader::Step AdifReader::Fault(std::size_t line, std::string what) {
    error_ = {line, std::move(what)};
    return Step::kFault;
}

AdifReader::Step AdifReader::Parse(AdifPart& part) {
    const std::string_view text = input_.Unread();
    const bool atEnd = input_.AtEnd();
    part.fields.clear();
    // The line at `counted`, counted on as the parse moves on.
    std::size_t line = line_;
    std::size_t counted = 0;
    const auto lineAt = [&](std::size_t at) {
        line += static_cast<std::size_t>(
            std::count(text.begin() + static_cast<std::ptrdiff_t>(counted),
                       text.begin() + static_cast<std::ptrdiff_t>(at), '\n'));
        counted = at;
        return line;
    };
    const auto recordName = [&] {
        return first_ ? std::string("the header or record 1")
                      : "record " + std::to_string(records_ + 1);
    };
    if (first_ && runtime::EqualsIgnoringCase(text.substr(0, 5), "<?xml"))
        return Fault(line_, "an XML log (ADX), not ADIF's tagged form: export it as .adi");

    // What follows `at`: the next tag (after line spaces, a '<' or the end of the file), or
    // text; kMore when what is held does not tell.
    const auto follow = [&](std::size_t at) {
        while (at < text.size() && IsLineSpace(text[at]))
            ++at;
        if (at == text.size())
            return atEnd ? Step::kPart : Step::kMore;
        return text[at] == '<' ? Step::kPart : Step::kEnd;
    };

    for (std::size_t at = 0;;) {
        const std::size_t open = text.find('<', at);
        if (std::min(open, text.size()) > kMaxPartBytes) {
            return Fault(part.fields.empty() ? line_ : part.fields.front().line,
                         recordName() + ": longer than " + std::to_string(kMaxPartBytes >> 20) +
                             " MiB without an <EOR>");
        }
        if (open == std::string_view::npos) {
            if (!atEnd)
                return Step::kMore;
            if (!part.fields.empty())
                return Fault(part.fields.front().line,
                             recordName() + ": the last record has no <EOR>");
            if (text.empty())
                return Step::kEnd;
            // Blanks and line ends alone (a byte order mark among them) are an empty log.
            const std::string_view unblank = runtime::TrimBlanks(text);
            if (first_ && !std::all_of(unblank.begin(), unblank.end(), IsLineSpace))
                return Fault(line_,
                             "not an ADIF log: no <NAME:LENGTH> field, <EOH> or <EOR> in it");
            part.kind = AdifPartKind::kTrailer;
            part.text = text;
            part.line = line_;
            part.number = 0;
            line_ = lineAt(text.size());
            input_.Consume(text.size());
            return Step::kPart;
        }
        const std::string_view window = text.substr(open + 1, kMaxSpecifierBytes);
        const std::size_t close = window.find('>');
        if (close == std::string_view::npos) {
            if (!atEnd && window.size() < kMaxSpecifierBytes)
                return Step::kMore;
            at = open + 1;
            continue;
        }
        const std::string_view specifierText = window.substr(0, close);
        const std::size_t afterTag = open + close + 2;
        const bool endOfHeader = runtime::EqualsIgnoringCase(specifierText, kEndOfHeader);
        if (endOfHeader || runtime::EqualsIgnoringCase(specifierText, kEndOfRecord)) {
            if (endOfHeader && !first_)
                return Fault(lineAt(open), "record " + std::to_string(records_ + 1) +
                                               ": an <EOH> after the header");
            part.kind = endOfHeader ? AdifPartKind::kHeader : AdifPartKind::kRecord;
            part.text = text.substr(0, afterTag);
            part.number = endOfHeader ? 0 : ++records_;
            part.line = part.fields.empty() ? line_ : part.fields.front().line;
            line_ = lineAt(afterTag);
            input_.Consume(afterTag);
            first_ = false;
            return Step::kPart;
        }
        Specifier specifier;
        if (!ReadSpecifier(specifierText, specifier)) {
            at = open + 1;
            continue;
        }

        const std::size_t dataStart = afterTag;
        const std::size_t byteEnd = dataStart + specifier.length;
        const auto runsPast = [&](std::string_view where) {
            return Fault(lineAt(open), recordName() + ": <" + std::string(specifierText) +
                                           "> runs past " + std::string(where));
        };
        if (byteEnd > text.size()) {
            if (atEnd)
                return runsPast("the end of the file");
            if (byteEnd > kMaxPartBytes)
                return runsPast("the longest record read, " + std::to_string(kMaxPartBytes >> 20) +
                                " MiB");
            return Step::kMore;
        }
        std::size_t dataEnd = byteEnd;
        const Step afterBytes = follow(byteEnd);
        if (afterBytes == Step::kMore)
            return Step::kMore;
        if (afterBytes != Step::kPart) {
            // The same number of characters, where they are all held.
            std::size_t end = dataStart;
            std::size_t characters = 0;
            for (; characters < specifier.length && end < text.size(); ++characters) {
                if (!atEnd && text.size() - end < kMaxCharacterBytes)
                    return Step::kMore;
                end += runtime::FirstCharacter(text.substr(end)).size();
            }
            if (characters == specifier.length) {
                const Step afterCharacters = follow(end);
                if (afterCharacters == Step::kMore)
                    return Step::kMore;
                if (afterCharacters == Step::kPart)
                    dataEnd = end;
            } else if (!atEnd) {
                return Step::kMore;
            }
            if (dataEnd == byteEnd && !atEnd && text.size() < byteEnd + kEndOfRecord.size() + 1)
                return Step::kMore;
            if (dataEnd == byteEnd && EndOfRecordStartsIn(text, dataStart, byteEnd))
                return runsPast("the record's <EOR>");
            if (dataEnd == byteEnd && EndsInsideTag(text, dataStart, byteEnd))
                return Fault(lineAt(open), recordName() + ": <" + std::string(specifierText) +
                                               "> ends inside the next tag");
        }
        part.fields.push_back({specifier.name, specifier.type,
                               text.substr(dataStart, dataEnd - dataStart), open, dataEnd,
                               lineAt(open)});
        at = dataEnd;
    }
}

void AppendAdifField(std::string_view name, std::string_view type, std::string_view data,
                     std::string& out) {
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(data.size());
    if (!type.empty()) {
        out += ':';
        out += type;
    }
    out += '>';
    out += data;
}

}  // namespace Logs
