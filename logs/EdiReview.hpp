#pragma once

// What `check` finds wrong in an EDI log and what `fill` puts right: one scoring of the log,
// so that both always agree.
//
// The contest rules, as the log is scored here:
// - a contact's points are Maidenhead::ContestPoints between PWWLo and its RcvdWWL (whole
//   kilometres between the six-character locators' centres, by the IARU Region 1 formula,
//   plus one), times the band multiplier, CQSOs's second part (1 where there is none);
// - a RcvdWWL that is not a locator of 6 characters scores 0;
// - a duplicate scores 0 and is marked D: a contact with a call (blanks aside, either case)
//   that an earlier contact of the log already has, whatever its locator. The log is one
//   band, so this is the same call on the same band; G4ABC/P is another station than G4ABC,
//   as it works from elsewhere.
// - the header's totals: [QSORecords;N] every contact; CQSOs's first part the valid contacts
//   (neither duplicates nor without a valid locator); CQSOP the sum of their points; CODXC
//   the longest of them, Call;WWL;km in whole kilometres (the first, of equals); and, where
//   the log claims no multiplier and no bonus (CWWLs, CExcs and CDXCs with 0 or nothing in
//   their first part, CWWLB, CExcB and CDXCB 0 or nothing), CToSc equal to CQSOP.
// Found wrong: a PWWLo or RcvdWWL that is not a locator of 6 characters; Points that are not
// the contact's; an unmarked duplicate, and a D on a contact that is none; a header total
// that is not the log's (or is missing), which are reported after the contacts they count.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "conversions/surveyed/Station.hpp"
#include "logs/Edi.hpp"
#include "logs/Finding.hpp"

namespace Logs {

// The header entries that the totals are written in.
enum class EdiTotal : std::uint8_t { kQsos, kQsoPoints, kOdx, kTotalScore, kCount };
inline constexpr std::array<std::string_view, static_cast<std::size_t>(EdiTotal::kCount)>
    kEdiTotalKeys = {"CQSOs", "CQSOP", "CODXC", "CToSc"};

// One contact, scored.
struct EdiScore {
    long points = 0;
    bool duplicate = false;
    // The points it has in the log, as written (a number), and its Dupe mark.
    std::optional<long> writtenPoints;
    bool marked = false;
    // The centre of its RcvdWWL, when that is a locator of 6 characters.
    std::optional<Surveyed::GeodeticPosition> position;
};

// Scores a log's lines in the order read, and says what is wrong with them.
class EdiScorer {
  public:
    // Takes in one line; a contact's score goes to `score`, what is wrong with it to
    // `findings`.
    void Take(const EdiLine& line, EdiScore& score, std::vector<Finding>& findings);

    // What is wrong with the header's totals, once every line has been taken.
    void FindTotals(std::vector<Finding>& findings) const;

    // Whether PWWLo is a locator of 6 characters, so that contacts can be scored; `error`
    // says why not.
    [[nodiscard]] bool CanScore(std::string& error) const;

    // A header line (any line of the header section) with the log's totals written in, once
    // every line has been taken; none when it stays as it is.
    [[nodiscard]] std::optional<std::string> CorrectedHeaderLine(const EdiLine& line) const;
    // The header entries for totals the header lacks, each ended by `lineEnd`.
    [[nodiscard]] std::string MissingTotals(std::string_view lineEnd) const;
    // [QSORecords;N] with the number of contacts; none when it is right.
    [[nodiscard]] std::optional<std::string> CorrectedRecordsSection(const EdiLine& line) const;
    // A contact's line with its points and Dupe mark as `score` has them; none when they are.
    [[nodiscard]] static std::optional<std::string> CorrectedRecord(const EdiLine& line,
                                                                    const EdiScore& score);

    // What the header says of the station: its call (PCall), band (PBand), and the centre of
    // PWWLo when it is a locator of 6 characters.
    [[nodiscard]] const std::string& Call() const noexcept { return call_; }
    [[nodiscard]] const std::string& Band() const noexcept { return band_; }
    [[nodiscard]] std::optional<Surveyed::GeodeticPosition> HomePosition() const noexcept {
        return home_ ? std::optional(home_->position) : std::nullopt;
    }

    // Which totals the header has wrong or lacks (after FindTotals's rules).
    [[nodiscard]] std::vector<std::string_view> WrongTotals() const;

  private:
    struct Claim {
        std::size_t line = 0;
        std::optional<std::string> value;
    };
    [[nodiscard]] std::string TotalText(EdiTotal total) const;
    [[nodiscard]] bool TotalRight(EdiTotal total) const;
    [[nodiscard]] bool ClaimsNoMultiplier() const;
    void TakeHeader(const EdiLine& line);
    void TakeRecord(const EdiLine& line, EdiScore& score, std::vector<Finding>& findings);

    // The header.
    std::string call_;
    std::string band_;
    std::optional<Surveyed::Station> home_;
    std::string homeLocator_;
    std::string homeError_ = "missing";
    std::size_t homeLine_ = 1;
    long multiplier_ = 1;
    std::array<Claim, static_cast<std::size_t>(EdiTotal::kCount)> claims_{};
    bool multipliersClaimed_ = false;
    std::size_t recordsLine_ = 0;
    std::optional<std::size_t> recordsClaimed_;
    // The contacts: the first line of each call, and the totals.
    std::unordered_map<std::string, std::size_t> calls_;
    std::size_t records_ = 0;
    std::size_t valid_ = 0;
    long points_ = 0;
    long odxKm_ = -1;
    std::string odx_;
    // The claimed CODXC's call and locator, and the longest of the contacts that match them.
    std::string claimedOdxCall_;
    std::string claimedOdxLocator_;
    long claimedOdxKm_ = -1;
};

}  // namespace Logs
