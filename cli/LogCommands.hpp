#pragma once

// quorvane-log's three commands over one log each: read it part by part, review each record
// by the core's rules (logs/), write what the command writes.

#include <cstdio>
#include <memory>
#include <optional>
#include <string>

#include "cli/Files.hpp"
#include "cli/MapWriter.hpp"
#include "logs/AdifReview.hpp"

namespace cli {

// A log to read: its name for messages, its stream, and its first bytes, already read, which
// say what kind of log it is.
struct LogInput : InputFile {
    std::string start;
    bool edi = false;
};

// Opens the log at `path` ("-": standard input) and reads its start. It is an EDI log when
// it starts [REG1TEST; or its name ends in .edi (in any case); else ADIF. None, with `error`
// saying why, when it can't be read.
[[nodiscard]] std::optional<LogInput> OpenLog(const std::string& path, std::string& error);

struct LogResult {
    // Records (ADIF) or contacts (EDI) read, and problems found.
    std::size_t records = 0;
    std::size_t problems = 0;
    // For fill and map: what was done, one line.
    std::string summary;
    // Empty, or why the log could not be done, one line: "NAME:LINE: what", or a read or
    // write error. What was written is then incomplete.
    std::string error;
};

// Writes a line for each problem to `out`, "NAME:LINE: CALL: FIELD: what (what it should
// be)" (CALL "record N" or "contact N" where there is none; for an EDI header, PCall), in
// the order found (an EDI header's totals after the contacts), then "NAME: N records, M
// problems" (contacts, for EDI).
[[nodiscard]] LogResult CheckLog(LogInput& log, const Logs::AdifOptions& options, std::FILE* out);

// Writes the log again to `out`, every byte as it was but what the review adds (and with
// `correct` replaces). An EDI log is read twice (standard input through a temporary file).
[[nodiscard]] LogResult FillLog(LogInput& log, const Logs::AdifOptions& options, bool correct,
                                std::FILE* out);

// Writes the log as a map: the station as a point where it first stands and wherever it
// moves, each contact with a place as a point and, where the station's place is known, a
// line from it; their call, date, time, band, mode, locator and distance (and for EDI the
// points) as properties; in `format`, a map's (IsMap).
[[nodiscard]] LogResult MapLog(LogInput& log, const Logs::AdifOptions& options, Format format,
                               std::FILE* out);

}  // namespace cli
