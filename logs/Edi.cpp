#include "logs/Edi.hpp"

#include <algorithm>
#include <charconv>
#include <utility>

#include "runtime/Text.hpp"

namespace Logs {
namespace {

struct SectionName {
    std::string_view name;
    EdiSection section;
    bool takesArgument;  // name;argument
};
constexpr std::array<SectionName, 4> kSections = {{
    {"REG1TEST", EdiSection::kHeader, true},
    {"Remarks", EdiSection::kRemarks, false},
    {"QSORecords", EdiSection::kRecords, true},
    {"END", EdiSection::kEnd, true},
}};

std::string Hex(unsigned char byte) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    return {'0', 'x', kDigits[byte >> 4U], kDigits[byte & 0xFU]};
}

// The section a line in brackets opens, and its argument; none when it opens none.
struct Opening {
    const SectionName* section = nullptr;
    std::string_view argument;
};
Opening OpeningOf(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.size() < 2 || text.front() != '[' || text.back() != ']')
        return {};
    const std::string_view inner = text.substr(1, text.size() - 2);
    const std::size_t semicolon = inner.find(';');
    const std::string_view name = inner.substr(0, semicolon);
    for (const SectionName& section : kSections) {
        if (runtime::EqualsIgnoringCase(name, section.name) &&
            section.takesArgument == (semicolon != std::string_view::npos))
            return {&section, semicolon == std::string_view::npos ? std::string_view()
                                                                  : inner.substr(semicolon + 1)};
    }
    return {};
}

}  // namespace

std::string_view EdiModeName(std::string_view code) noexcept {
    constexpr std::array<std::string_view, 10> kModes = {"",   "SSB", "CW",   "SSB/CW", "CW/SSB",
                                                         "AM", "FM",  "RTTY", "SSTV",   "ATV"};
    code = runtime::TrimBlanks(code);
    if (code.size() != 1 || !runtime::IsDigit(code.front()))
        return {};
    return kModes[static_cast<std::size_t>(code.front() - '0')];
}

bool StartsEdiLog(std::string_view start) noexcept {
    return runtime::EqualsIgnoringCase(start.substr(0, 10), "[REG1TEST;");
}

EdiReader::EdiReader(std::FILE* in, std::string start) : input_(in, std::move(start)) {}

bool EdiReader::Fail(std::size_t line, std::string what) {
    error_ = {line, std::move(what)};
    return false;
}

bool EdiReader::Read(EdiLine& line) {
    if (error_.Failed())
        return false;
    std::string_view text = input_.Unread();
    std::size_t newline = text.find('\n');
    while (newline == std::string_view::npos && !input_.AtEnd()) {
        if (text.size() > kMaxPartBytes)
            return Fail(number_ + 1,
                        "a line longer than " + std::to_string(kMaxPartBytes >> 20) + " MiB");
        const std::size_t searched = text.size();
        if (!input_.More() && !input_.ReadFailure().empty())
            return Fail(number_ + 1, input_.ReadFailure());
        text = input_.Unread();
        newline = text.find('\n', searched);
    }
    if (text.empty()) {
        if (!section_)
            return Fail(number_ + 1, "not an EDI log: it is empty");
        if (!opened_[static_cast<std::size_t>(EdiSection::kRecords)])
            return Fail(number_ + 1, "the log ends without its [QSORecords;N] section");
        return false;
    }
    const bool ended = newline != std::string_view::npos;
    const std::size_t length = ended ? newline : text.size();
    line.number = ++number_;
    line.text = text.substr(0, length);
    line.lineEnd = text.substr(length, ended ? 1 : 0);
    if (ended && line.text.ends_with('\r')) {
        line.text.remove_suffix(1);
        line.lineEnd = text.substr(length - 1, 2);
    }
    input_.Consume(ended ? length + 1 : length);
    const auto notAscii = std::find_if(line.text.begin(), line.text.end(), [](char c) {
        return static_cast<unsigned char>(c) >= 0x80;
    });
    if (notAscii != line.text.end()) {
        return Fail(line.number, "byte " + Hex(static_cast<unsigned char>(*notAscii)) +
                                     " at column " +
                                     std::to_string(notAscii - line.text.begin() + 1) +
                                     " is not 7-bit ASCII, which EDI logs are");
    }
    return Classify(line);
}

bool EdiReader::Classify(EdiLine& line) {
    const std::string_view text = line.text;
    const Opening opening = OpeningOf(text);
    if (!section_) {
        if (!opening.section || opening.section->section != EdiSection::kHeader)
            return Fail(line.number, "not an EDI log: its first line is not [REG1TEST;1]");
    }
    if (section_ == EdiSection::kEnd) {
        line.kind = EdiLineKind::kText;
        line.section = EdiSection::kEnd;
        return true;
    }
    // In the remarks, a line in brackets is text unless it opens a section.
    const bool opensSection =
        opening.section || (text.starts_with('[') && section_ != EdiSection::kRemarks);
    if (opensSection) {
        if (!opening.section)
            return Fail(line.number, "an unknown section, " + std::string(text));
        const auto index = static_cast<std::size_t>(opening.section->section);
        if (opened_[index])
            return Fail(line.number, "a second [" + std::string(opening.section->name) + "]");
        opened_[index] = true;
        section_ = opening.section->section;
        line.kind = EdiLineKind::kSection;
        line.section = *section_;
        line.recordCount.reset();
        std::size_t count = 0;
        const std::string_view argument = runtime::TrimBlanks(opening.argument);
        const auto [end, error] =
            std::from_chars(argument.data(), argument.data() + argument.size(), count);
        if (*section_ == EdiSection::kRecords && error == std::errc{} &&
            end == argument.data() + argument.size() && !argument.empty())
            line.recordCount = count;
        return true;
    }
    line.section = *section_;
    if (runtime::TrimBlanks(text).empty()) {
        line.kind = EdiLineKind::kEmpty;
        return true;
    }
    switch (*section_) {
        case EdiSection::kHeader: {
            const std::size_t equals = text.find('=');
            if (equals == std::string_view::npos)
                return Fail(line.number,
                            "a header line that is not Key=Value: " + std::string(text));
            line.kind = EdiLineKind::kHeaderEntry;
            line.key = text.substr(0, equals);
            line.value = text.substr(equals + 1);
            return true;
        }
        case EdiSection::kRecords: {
            const auto separators =
                static_cast<std::size_t>(std::count(text.begin(), text.end(), ';'));
            if (separators + 1 != kEdiFieldCount)
                return Fail(line.number, "a contact of " + std::to_string(separators + 1) +
                                             " fields, not " + std::to_string(kEdiFieldCount) +
                                             ": " + std::string(text));
            std::string_view rest = text;
            for (std::string_view& field : line.fields) {
                const std::size_t semicolon = rest.find(';');
                field = rest.substr(0, semicolon);
                rest.remove_prefix(std::min(rest.size(), semicolon + 1));
            }
            line.kind = EdiLineKind::kRecord;
            return true;
        }
        case EdiSection::kRemarks:
        case EdiSection::kEnd:
            line.kind = EdiLineKind::kText;
            return true;
    }
    return true;
}

}  // namespace Logs
