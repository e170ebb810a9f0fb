// The ADIF reader on logs as loggers write them: every byte back as it was, the fields where
// they stand, lengths in bytes or characters, and each fault named with its line.

#include "logs/Adif.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tests/TemporaryFile.hpp"

namespace {

struct Read {
    std::vector<Logs::AdifPart> parts;  // views into `texts`
    std::vector<std::string> texts;
    std::vector<std::vector<std::string>> fields;  // "NAME=DATA" of each part
    Logs::ReadError error;
};

Read ReadAll(const std::string& log, std::size_t startBytes = 0) {
    const cli::test::File file = cli::test::WithContent(log.substr(startBytes));
    Logs::AdifReader reader(file.get(), log.substr(0, startBytes));
    Read read;
    Logs::AdifPart part;
    while (reader.Read(part)) {
        read.texts.emplace_back(part.text);
        read.parts.push_back(part);
        auto& fields = read.fields.emplace_back();
        for (const Logs::AdifField& field : part.fields)
            fields.push_back(std::string(field.name) + "=" + std::string(field.data));
    }
    read.error = reader.Error();
    return read;
}

std::string Joined(const Read& read) {
    std::string all;
    for (const std::string& text : read.texts)
        all += text;
    return all;
}

// Logs in the styles of several programs: a header of text and fields with CR LF and a
// record a line; lower-case tags and no header; a record over several lines with a comment;
// a header of fields alone; a type indicator and a trailer.
TEST(AdifReader, KeepsEveryByteOfEachStyle) {
    struct Case {
        std::string log;
        std::vector<Logs::AdifPartKind> kinds;
        std::vector<std::string> firstRecord;
    };
    using K = Logs::AdifPartKind;
    const Case cases[] = {
        {"Log of G4XXX\r\n<ADIF_VER:5>3.1.4\r\n<PROGRAMID:4>Test\r\n<EOH>\r\n"
         "<CALL:5>G4ABC <QSO_DATE:8>20240101 <GRIDSQUARE:6>IO92ab <EOR>\r\n"
         "<CALL:4>M0XY <EOR>\r\n",
         {K::kHeader, K::kRecord, K::kRecord, K::kTrailer},
         {"CALL=G4ABC", "QSO_DATE=20240101", "GRIDSQUARE=IO92ab"}},
        {"<call:5>G4ABC<band:2>2m<eor>\n<call:4>M0XY<band:4>70cm<eor>",
         {K::kRecord, K::kRecord},
         {"call=G4ABC", "band=2m"}},
        {"<CALL:5>G4ABC\n// worked on the hill\n<MODE:2>CW\n<EOR>\n\n<CALL:2>G5\n<EOR>\n",
         {K::kRecord, K::kRecord, K::kTrailer},
         {"CALL=G4ABC", "MODE=CW"}},
        {"<ADIF_VER:5>3.1.4<EOH><CALL:5>G4ABC<EOR>", {K::kHeader, K::kRecord}, {"CALL=G4ABC"}},
        {"header text < with a bracket\n<EOH>\n<FREQ:7:N>144.300<App_HillLog_Misc:3:S>a>b<EoR>\n"
         "end of log\n",
         {K::kHeader, K::kRecord, K::kTrailer},
         {"FREQ=144.300", "App_HillLog_Misc=a>b"}},
        {"\xEF\xBB\xBF\r\n", {K::kTrailer}, {}},  // an empty log with a byte order mark
    };
    for (const Case& c : cases) {
        for (const std::size_t start : {std::size_t{0}, std::size_t{5}}) {
            const Read read = ReadAll(c.log, start);
            EXPECT_FALSE(read.error.Failed()) << read.error.what;
            EXPECT_EQ(Joined(read), c.log);
            std::vector<Logs::AdifPartKind> kinds;
            for (const Logs::AdifPart& part : read.parts)
                kinds.push_back(part.kind);
            EXPECT_EQ(kinds, c.kinds) << c.log;
            const std::size_t first = c.kinds.front() == K::kHeader ? 1 : 0;
            ASSERT_GT(read.fields.size(), first);
            EXPECT_EQ(read.fields[first], c.firstRecord) << c.log;
        }
    }
}

// Lengths in bytes, or in characters where only they are followed by the next tag.
TEST(AdifReader, ReadsLengthsInBytesOrCharacters) {
    const struct {
        std::string log;
        std::string name;  // what NAME reads
    } cases[] = {
        {"<NAME:4>Zo\xC3\xAB<EOR>", "Zo\xC3\xAB"},                          // bytes
        {"<NAME:3>Zo\xC3\xAB <EOR>", "Zo\xC3\xAB"},                         // characters
        {"<NAME:7>J\xC3\xBCrgen M\xC3\xBCller\r\n<EOR>", "J\xC3\xBCrgen"},  // bytes, a space next
        {"<NAME:13>J\xC3\xBCrgen M\xC3\xBCller\r\n<EOR>", "J\xC3\xBCrgen M\xC3\xBCller"},
        {"<NAME:3>Zo\xEB<EOR>", "Zo\xEB"},  // Windows-1252: bytes
        {"<NAME:2>Zoe<EOR>", "Zo"},         // neither fits: bytes
        {"<NAME:4>Zo\xC3\xAB comment <EOR>", "Zo\xC3\xAB"},
    };
    for (const auto& c : cases) {
        const Read read = ReadAll(c.log);
        ASSERT_FALSE(read.error.Failed()) << read.error.what;
        ASSERT_EQ(read.fields.size(), 1U) << c.log;
        EXPECT_EQ(read.fields[0].at(0), "NAME=" + c.name) << c.log;
        EXPECT_EQ(Joined(read), c.log);
    }
}

// ASCII `text` in UTF-16 LE with its byte order mark, as Windows' Notepad saves "Unicode".
std::string Utf16(std::string_view text) {
    std::string utf16 = "\xFF\xFE";
    for (const char c : text)
        utf16.append({c, '\0'});
    return utf16;
}

TEST(AdifReader, NamesEachFaultWithItsLine) {
    const struct {
        std::string log;
        std::size_t line;
        std::string what;
        std::size_t records;  // read before it
    } cases[] = {
        {"<EOH>\n<CALL:4>G4AB<EOR>\n<CALL:20>M0XY<EOR>\n", 3,
         "record 2: <CALL:20> runs past the end of the file", 1},
        {"<CALL:4>G4AB<EOR>\n<CALL:12>M0XY<EOR>\n<CALL:4>G5XX<EOR>\n", 2,
         "record 2: <CALL:12> runs past the record's <EOR>", 1},
        {"<CALL:4>G4AB<EOR>\n<CALL:7>M0XY<EOR>\n<CALL:4>G5XX<EOR>\n", 2,
         "record 2: <CALL:7> runs past the record's <EOR>", 1},
        {"<CALL:4>G4AB<EOR>\n<CALL:6>M0XY<GRIDSQUARE:6>IO92AB<EOR>\n", 2,
         "record 2: <CALL:6> ends inside the next tag", 1},
        {"<CALL:4>G4AB<EOR>\n<CALL:4294967297>M0XY<EOR>\n", 2,
         "record 2: <CALL:4294967297> runs past", 1},
        {"<CALL:4>G4AB<EOR>\n<CALL:4>M0XY\n<MODE:2>CW\n", 2,
         "record 2: the last record has no <EOR>", 1},
        // Not ADIF: a Cabrillo log, and ADIF saved as UTF-16.
        {"START-OF-LOG: 3.0\nQSO: 144000 PH 2024-06-01 1032 M0XYZ 59 G4ABC 59\n", 1,
         "not an ADIF log: no <NAME:LENGTH> field, <EOH> or <EOR> in it", 0},
        {Utf16("<CALL:4>G4AB<EOR>\r\n"), 1, "not an ADIF log", 0},
        {"<EOH><CALL:4>G4AB<EOR>\n\n<EOH>", 3, "record 2: an <EOH> after the header", 1},
        {"<?xml version=\"1.0\"?>\n<ADX>", 1, "an XML log (ADX)", 0},
    };
    for (const auto& c : cases) {
        const Read read = ReadAll(c.log);
        EXPECT_EQ(read.error.line, c.line) << c.log;
        EXPECT_NE(read.error.what.find(c.what), std::string::npos) << read.error.what;
        std::size_t records = 0;
        for (const Logs::AdifPart& part : read.parts)
            records += part.kind == Logs::AdifPartKind::kRecord ? 1 : 0;
        EXPECT_EQ(records, c.records) << c.log;
    }
}

// Read blocks end anywhere in a record; a part longer than the limit is refused, not held.
TEST(AdifReader, StreamsAcrossBlocksInBoundedMemory) {
    std::string log = "<ADIF_VER:5>3.1.4 <EOH>\n";
    for (int i = 0; i < 5'000; ++i)
        log += "<CALL:5>G4ABC <COMMENT:9>caf\xC3\xA9 \xC3\xA0 <GRIDSQUARE:6>IO92AB <EOR>\n";
    const Read read = ReadAll(log);
    EXPECT_FALSE(read.error.Failed()) << read.error.what;
    EXPECT_EQ(read.parts.size(), 5'002U);
    EXPECT_EQ(Joined(read), log);
    EXPECT_EQ(read.parts.back().line, 5'001U);  // the trailer, the last line end

    const Read endless = ReadAll("<CALL:5>G4ABC" + std::string(Logs::kMaxPartBytes, ' '));
    EXPECT_NE(endless.error.what.find("longer than 1 MiB without an <EOR>"), std::string::npos)
        << endless.error.what;
}

TEST(AdifWriter, CountsTheDataInBytes) {
    std::string out;
    Logs::AppendAdifField("DISTANCE", "", "140.1", out);
    Logs::AppendAdifField("NAME", "S", "Zo\xC3\xAB", out);
    EXPECT_EQ(out, "<DISTANCE:5>140.1<NAME:4:S>Zo\xC3\xAB");
}

}  // namespace
