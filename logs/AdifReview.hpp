#pragma once

// What `check` finds wrong in an ADIF record and what `fill` adds to it: one review of the
// record, so that both always agree.
//
// A station's place is its LAT and LON (MY_LAT and MY_LON for the station's own) where both
// are there, in any form PositionText reads; else the centre of its GRIDSQUARE (with
// GRIDSQUARE_EXT after a GRIDSQUARE of 8 characters: characters 9 and 10; ADIF allows 4
// there for 12 characters, of which the first 2 are read). For the station, --station
// stands in where the record gives no place. A field that is missing or empty counts as
// missing.
//
// Found wrong (each with what it should be, where that is known):
// - a GRIDSQUARE that is not a locator (Maidenhead::ReadLocator: pairs in range, 2 to 10
//   characters, either case), and a GRIDSQUARE_EXT after a GRIDSQUARE of other than 8;
// - LAT and LON that are not a position, or not in ADIF's form XDDD MM.MMM;
// - a GRIDSQUARE whose square does not hold LAT/LON (allowing the half of a thousandth of a
//   minute that ADIF's form rounds to);
// - SIG (MY_SIG) WAB with a SIG_INFO (MY_SIG_INFO) that is not the station's Worked All
//   Britain square (WorkedAllBritainSquares; blanks and case aside);
// - a DISTANCE that is not a number, or is further from the distance between the places
//   (DistanceKm; the long way round when ANT_PATH is L) than the farthest corners of the two
//   squares from their centres (0 for a point), plus half of DISTANCE's last written digit,
//   allow.
// Added where missing: DISTANCE between the two places, in km to one decimal; GRIDSQUARE
// (MY_GRIDSQUARE) from LAT/LON, and for the station from --station, `locatorLength`
// characters, the 9th and 10th in GRIDSQUARE_EXT; with `wab`, MY_SIG WAB and MY_SIG_INFO where
// the station's place is in one Worked All Britain square and the record has no other MY_SIG.

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "logs/AdifRecord.hpp"
#include "logs/Finding.hpp"
#include "logs/Place.hpp"

namespace Logs {

// A field's new data: it replaces the field's data where the record has the field, or the
// field is added.
struct AdifChange {
    Adif field;
    std::string data;
};

struct AdifFinding {
    Finding finding;
    // What puts it right (fill --correct); empty when that is not known.
    std::vector<AdifChange> corrections;
};

struct AdifOptions {
    std::optional<Place> station;
    int locatorLength = 6;
    bool wab = false;
};

struct AdifReview {
    std::vector<AdifFinding> findings;
    std::vector<AdifChange> additions;
    // The two places, where known, and the distance between them (DistanceKm, by ANT_PATH).
    std::optional<Place> contacted;
    std::optional<Place> station;
    std::optional<double> distanceKm;
};

// Reviews `record` into `review` (cleared first); a record without fields gets no review.
void ReviewAdifRecord(const AdifRecord& record, const AdifOptions& options, AdifReview& review);

// Appends the record's text with `changes` made, every other byte as it was. A field the
// record has keeps its name and type as written, with the new data and length. New fields
// follow the record's last field in the order of `changes`, each after the text between the
// record's last two fields (in a record of one field, between it and <EOR>) where that is
// nothing but spaces, tabs and line ends, else after a space.
void AppendChangedRecord(const AdifRecord& record, std::span<const AdifChange> changes,
                         std::string& out);

}  // namespace Logs
