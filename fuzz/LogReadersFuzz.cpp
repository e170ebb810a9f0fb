// The ADIF and EDI readers on arbitrary bytes: no crash, and every byte read back. The parts
// (ADIF) or lines (EDI) read, written back unchanged, give the input itself, whole when the
// reading succeeds and up to the fault when it stops; fields lie in their parts in order, and
// a fault names a line. Each ADIF record is then reviewed and written with what fill would
// add, and each EDI line scored and corrected, which must not crash either.
//
// The input's first byte chooses the reader (its low bit) and how many of the bytes after it
// the reader is handed already read (the rest), as the program hands it a log's start.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz/Property.hpp"
#include "logs/Adif.hpp"
#include "logs/AdifReview.hpp"
#include "logs/Edi.hpp"
#include "logs/EdiReview.hpp"

namespace {

using fuzz::Require;

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

void Adif(std::FILE* in, std::string start, std::string_view log) {
    Logs::AdifReader reader(in, std::move(start));
    Logs::AdifPart part;
    Logs::AdifRecord record;
    Logs::AdifReview review;
    std::string read;
    std::string written;
    std::size_t line = 1;
    while (reader.Read(part)) {
        read += part.text;
        Require(part.line >= line, "parts start on lines in order", part.text);
        line = part.line;
        std::size_t end = 0;
        for (const Logs::AdifField& field : part.fields) {
            Require(field.begin >= end && field.end <= part.text.size() && field.begin < field.end,
                    "fields lie in their part, in order", part.text);
            Require(part.text.substr(field.end - field.data.size(), field.data.size()).data() ==
                        field.data.data(),
                    "a field's data ends it", part.text);
            end = field.end;
        }
        if (part.kind != Logs::AdifPartKind::kRecord)
            continue;
        record.Index(part);
        written.clear();
        Logs::AppendChangedRecord(record, {}, written);
        Require(written == part.text, "a record written without changes is unchanged", part.text);
        Logs::ReviewAdifRecord(record, {}, review);
        std::vector<Logs::AdifChange> changes = review.additions;
        for (const Logs::AdifFinding& finding : review.findings)
            changes.insert(changes.end(), finding.corrections.begin(), finding.corrections.end());
        written.clear();
        Logs::AppendChangedRecord(record, changes, written);
    }
    if (reader.Error().Failed()) {
        Require(reader.Error().line >= 1, "a fault names a line", reader.Error().what);
        Require(log.starts_with(read), "the parts before a fault are the log's start", read);
    } else {
        Require(read == log, "the parts read are the whole log", read);
    }
}

void Edi(std::FILE* in, std::string start, std::string_view log) {
    Logs::EdiReader reader(in, std::move(start));
    Logs::EdiLine line;
    Logs::EdiScorer scorer;
    Logs::EdiScore score;
    std::vector<Logs::Finding> findings;
    std::string read;
    std::size_t number = 0;
    while (reader.Read(line)) {
        read += line.text;
        read += line.lineEnd;
        Require(line.number == ++number, "lines are numbered in order", line.text);
        findings.clear();
        scorer.Take(line, score, findings);
        if (line.kind == Logs::EdiLineKind::kRecord)
            static_cast<void>(Logs::EdiScorer::CorrectedRecord(line, score));
    }
    scorer.FindTotals(findings);
    if (reader.Error().Failed()) {
        Require(reader.Error().line == number + 1, "a fault names the line after the last read",
                reader.Error().what);
        Require(log.starts_with(read), "the lines before a fault are the log's start", read);
    } else {
        Require(read == log, "the lines read are the whole log", read);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::string_view log = fuzz::AsText(data + 1, size - 1);
    const std::size_t startBytes = std::min<std::size_t>(data[0] >> 1U, log.size());
    std::string rest(log.substr(startBytes));
    // A stream of no bytes is one that fmemopen does not make.
    const File file(
        rest.empty() ? std::fopen("/dev/null", "rb") : fmemopen(rest.data(), rest.size(), "rb"),
        std::fclose);
    Require(file != nullptr, "the log can be opened");
    std::string start(log.substr(0, startBytes));
    if ((data[0] & 1U) != 0)
        Edi(file.get(), std::move(start), log);
    else
        Adif(file.get(), std::move(start), log);
    return 0;
}
