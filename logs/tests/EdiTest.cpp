// The EDI reader and the scoring of a contest log: every byte back as it was, each fault
// named with its line, and the points, duplicates and totals by the contest rules.

#include "logs/Edi.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/tests/TemporaryFile.hpp"
#include "logs/EdiReview.hpp"

namespace {

// A log as contest programs write it, CR LF, with three faults: the first contact's points
// are wrong, the second's locator has 4 characters, the third works the first station again
// without the mark (in lower case), and the header's totals are those of the wrong points.
// G4ABC/P is another station.
const std::string kLog =
    "[REG1TEST;1]\r\nTName=UK Activity Contest\r\nTDate=20240102;20240102\r\nPCall=G4XXX\r\n"
    "PWWLo=IO91WM\r\nPExch=\r\nPSect=SO\r\nPBand=144 MHz\r\nCQSOs=4;1\r\nCQSOP=320\r\n"
    "CWWLs=0;0;1\r\nCWWLB=0\r\nCExcs=0;0;1\r\nCExcB=0\r\nCDXCs=0;0;1\r\nCDXCB=0\r\n"
    "CToSc=320\r\nCODXC=G4ABC;IO92AB;100\r\n[Remarks]\r\n[antenna: 9 el]\r\n[QSORecords;4]\r\n"
    "240102;1902;G4ABC;1;59;001;59;017;;IO92AB;120;;N;N;\r\n"
    "240102;1905;M0XYZ;1;59;002;59;003;;IO92;10;;N;N;\r\n"
    "240102;1910;g4abc;2;599;003;599;018;;IO92AB;140;;;;\r\n"
    "240102;1920;G4ABC/P;1;59;004;59;001;;JO01AA;50;;;;\r\n"
    "[END;Test logger 1.0]\r\n";

struct Read {
    std::vector<std::string> lines;  // text and line end
    std::vector<Logs::Finding> findings;
    Logs::ReadError error;
};

Read ReadAll(const std::string& log) {
    const cli::test::File file = cli::test::WithContent(log);
    Logs::EdiReader reader(file.get(), {});
    Logs::EdiScorer scorer;
    Logs::EdiScore score;
    Read read;
    Logs::EdiLine line;
    while (reader.Read(line)) {
        read.lines.push_back(std::string(line.text) + std::string(line.lineEnd));
        scorer.Take(line, score, read.findings);
    }
    read.error = reader.Error();
    scorer.FindTotals(read.findings);
    return read;
}

std::vector<std::string> Lines(const std::vector<Logs::Finding>& findings) {
    std::vector<std::string> lines;
    for (const Logs::Finding& f : findings)
        lines.push_back(std::to_string(f.line) + " " + f.field + ": " + f.what +
                        (f.shouldBe.empty() ? "" : " (" + f.shouldBe + ")"));
    return lines;
}

TEST(EdiLog, FindsWrongPointsLocatorsDuplicatesAndTotals) {
    const Read read = ReadAll(kLog);
    ASSERT_FALSE(read.error.Failed()) << read.error.what;
    std::string all;
    for (const std::string& line : read.lines)
        all += line;
    EXPECT_EQ(all, kLog);
    EXPECT_EQ(Lines(read.findings),
              (std::vector<std::string>{
                  "22 Points: \"120\" are not the points from IO91WM to IO92AB (140)",
                  "23 RcvdWWL: \"IO92\" has 4 characters, not 6",
                  "23 Points: \"10\" for a contact without a valid locator (0)",
                  "24 Points: \"140\" on a duplicate (0)",
                  "24 Dupe: a second contact with g4abc (the first on line 22) is not marked (D)",
                  "25 Points: \"50\" are not the points from IO91WM to JO01AA (57)",
                  "9 CQSOs: claims \"4;1\" (2;1)",
                  "10 CQSOP: claims \"320\" (197)",
                  "18 CODXC: claims \"G4ABC;IO92AB;100\" (G4ABC;IO92AB;139)",
                  "17 CToSc: claims \"320\" (197)",
              }));
}

// The log as fill writes it: each wrong value put right where it stands, a missing total
// added at the header's end, and nothing found wrong again but the locator.
TEST(EdiLog, CorrectedLinesScoreClean) {
    std::string log = kLog;
    log.erase(log.find("CToSc=320\r\n"), 11);
    const cli::test::File file = cli::test::WithContent(log);
    Logs::EdiScorer totals;
    Logs::EdiScore score;
    std::vector<Logs::Finding> findings;
    Logs::EdiLine line;
    {
        Logs::EdiReader reader(file.get(), {});
        while (reader.Read(line))
            totals.Take(line, score, findings);
    }
    EXPECT_EQ(totals.WrongTotals(),
              (std::vector<std::string_view>{"CQSOs", "CQSOP", "CODXC", "CToSc"}));
    std::rewind(file.get());
    Logs::EdiReader reader(file.get(), {});
    Logs::EdiScorer scorer;
    std::string filled;
    while (reader.Read(line)) {
        scorer.Take(line, score, findings);
        std::optional<std::string> corrected;
        if (line.kind == Logs::EdiLineKind::kSection && line.section == Logs::EdiSection::kRemarks)
            filled += totals.MissingTotals("\r\n");
        if (line.kind == Logs::EdiLineKind::kHeaderEntry)
            corrected = totals.CorrectedHeaderLine(line);
        if (line.kind == Logs::EdiLineKind::kRecord)
            corrected = Logs::EdiScorer::CorrectedRecord(line, score);
        filled += (corrected ? *corrected : std::string(line.text)) + std::string(line.lineEnd);
    }
    EXPECT_NE(filled.find("CQSOs=2;1\r\nCQSOP=197\r\n"), std::string::npos) << filled;
    EXPECT_NE(filled.find("CODXC=G4ABC;IO92AB;139\r\nCToSc=197\r\n[Remarks]"), std::string::npos);
    EXPECT_NE(filled.find(";IO92AB;140;;N;N;\r\n"), std::string::npos);
    EXPECT_NE(filled.find(";g4abc;2;599;003;599;018;;IO92AB;0;;;;D\r\n"), std::string::npos);
    EXPECT_EQ(Lines(ReadAll(filled).findings),
              (std::vector<std::string>{"23 RcvdWWL: \"IO92\" has 4 characters, not 6"}));
}

TEST(EdiLog, BandMultiplierAndNoPwwlo) {
    std::string log = kLog;
    log.replace(log.find("CQSOs=4;1"), 9, "CQSOs=2;2");
    const std::vector<std::string> lines = Lines(ReadAll(log).findings);
    EXPECT_EQ(lines.front(),
              "22 Points: \"120\" are not the points from IO91WM to IO92AB times the band "
              "multiplier 2 (280)");
    log.replace(log.find("PWWLo=IO91WM"), 12, "PWWLo=IO91");
    const Read unscored = ReadAll(log);
    // Without the station's locator, nothing is scored, and that is said once.
    EXPECT_EQ(Lines(unscored.findings),
              (std::vector<std::string>{"23 RcvdWWL: \"IO92\" has 4 characters, not 6",
                                        "24 Dupe: a second contact with g4abc (the first on line "
                                        "22) is not marked (D)",
                                        "5 PWWLo: \"IO91\" has 4 characters, not 6"}));
}

TEST(EdiReader, NamesEachFaultWithItsLine) {
    const std::string start = "[REG1TEST;1]\r\nPCall=G4XXX\r\n";
    const struct {
        std::string log;
        std::size_t line;
        std::string what;
    } cases[] = {
        {"PCall=G4XXX\r\n", 1, "not an EDI log: its first line is not [REG1TEST;1]"},
        {start + "PAdr1=Caf\xC3\xA9\r\n", 3, "byte 0xC3 at column 10 is not 7-bit ASCII"},
        {start + "[Soapbox]\r\n", 3, "an unknown section, [Soapbox]"},
        {start + "just text\r\n", 3, "a header line that is not Key=Value: just text"},
        {start + "[QSORecords;1]\r\n240102;1902;G4ABC;1;59;001;59;017;;IO92AB;120;;N;N\r\n", 4,
         "a contact of 14 fields, not 15"},
        {start + "[Remarks]\r\n[Remarks]\r\n", 4, "a second [Remarks]"},
        {"", 1, "not an EDI log: it is empty"},
        {start + "PWWLo=IO91WM\r\n[END;Test logger 1.0]\r\n", 5,
         "the log ends without its [QSORecords;N] section"},
    };
    for (const auto& c : cases) {
        const Read read = ReadAll(c.log);
        EXPECT_EQ(read.error.line, c.line) << c.log;
        EXPECT_NE(read.error.what.find(c.what), std::string::npos) << read.error.what;
    }
}

}  // namespace
