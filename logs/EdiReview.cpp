#include "logs/EdiReview.hpp"

#include <algorithm>
#include <charconv>

#include "conversions/Maidenhead.hpp"
#include "runtime/Text.hpp"

namespace Logs {
namespace {

// EDI's locators have six characters.
constexpr std::size_t kEdiLocatorLength = 6;
constexpr std::string_view kDupeMark = "D";

// Header entries that claim multipliers (their first part) or bonuses (their value).
constexpr std::array<std::string_view, 3> kMultiplierKeys = {"CWWLs", "CExcs", "CDXCs"};
constexpr std::array<std::string_view, 3> kBonusKeys = {"CWWLB", "CExcB", "CDXCB"};

// A whole number, not negative, with nothing but blanks around it.
std::optional<long> WholeNumber(std::string_view text) {
    text = runtime::TrimBlanks(text);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

// The part of a ';'-separated value, from 0; empty past its end.
std::string_view PartOf(std::string_view value, std::size_t index) {
    for (; index > 0; --index) {
        const std::size_t semicolon = value.find(';');
        if (semicolon == std::string_view::npos)
            return {};
        value.remove_prefix(semicolon + 1);
    }
    return runtime::TrimBlanks(value.substr(0, value.find(';')));
}

// Whether a claim is of nothing: empty, or zero.
bool ClaimsNothing(std::string_view text) {
    const std::optional<long> number = WholeNumber(text);
    return runtime::TrimBlanks(text).empty() || (number && *number == 0);
}

std::string UpperCase(std::string_view text) {
    std::string upper(text);
    for (char& c : upper)
        c = runtime::UpperCase(c);
    return upper;
}

std::optional<EdiTotal> TotalNamed(std::string_view key) {
    for (std::size_t i = 0; i < kEdiTotalKeys.size(); ++i) {
        if (runtime::EqualsIgnoringCase(key, kEdiTotalKeys[i]))
            return static_cast<EdiTotal>(i);
    }
    return std::nullopt;
}

bool IsOneOf(std::string_view key, std::span<const std::string_view> keys) {
    return std::any_of(keys.begin(), keys.end(), [key](std::string_view one) {
        return runtime::EqualsIgnoringCase(key, one);
    });
}

// Why `locator` is not one of EDI's; empty when it is.
std::string LocatorFault(std::string_view locator) {
    if (locator.empty())
        return "empty: no locator";
    const Maidenhead::Reading reading = Maidenhead::ReadLocator(locator);
    if (!reading.area)
        return reading.error;
    if (reading.locator.size() != kEdiLocatorLength)
        return QuotedValue(locator) + " has " + std::to_string(reading.locator.size()) +
               " characters, not 6";
    return {};
}

}  // namespace

void EdiScorer::Take(const EdiLine& line, EdiScore& score, std::vector<Finding>& findings) {
    if (line.kind == EdiLineKind::kRecord)
        TakeRecord(line, score, findings);
    else
        TakeHeader(line);
}

void EdiScorer::TakeHeader(const EdiLine& line) {
    if (line.kind == EdiLineKind::kSection && line.section == EdiSection::kRecords) {
        recordsLine_ = line.number;
        recordsClaimed_ = line.recordCount;
        return;
    }
    if (line.kind != EdiLineKind::kHeaderEntry)
        return;
    const std::string_view key = runtime::TrimBlanks(line.key);
    const std::string_view value = runtime::TrimBlanks(line.value);
    if (runtime::EqualsIgnoringCase(key, "PCall")) {
        call_ = value;
    } else if (runtime::EqualsIgnoringCase(key, "PBand")) {
        band_ = value;
    } else if (runtime::EqualsIgnoringCase(key, "PWWLo")) {
        homeLine_ = line.number;
        homeLocator_ = UpperCase(value);
        homeError_ = LocatorFault(value);
        home_ = homeError_.empty() ? Surveyed::StationAtLocator(value) : std::nullopt;
    } else if (const std::optional<EdiTotal> total = TotalNamed(key)) {
        claims_[static_cast<std::size_t>(*total)] = {line.number, std::string(value)};
        if (*total == EdiTotal::kQsos) {
            const std::optional<long> multiplier = WholeNumber(PartOf(value, 1));
            multiplier_ = multiplier && *multiplier > 0 ? *multiplier : 1;
        } else if (*total == EdiTotal::kOdx) {
            claimedOdxCall_ = UpperCase(PartOf(value, 0));
            claimedOdxLocator_ = UpperCase(PartOf(value, 1));
        }
    } else if (IsOneOf(key, kMultiplierKeys)) {
        multipliersClaimed_ = multipliersClaimed_ || !ClaimsNothing(PartOf(value, 0));
    } else if (IsOneOf(key, kBonusKeys)) {
        multipliersClaimed_ = multipliersClaimed_ || !ClaimsNothing(value);
    }
}

void EdiScorer::TakeRecord(const EdiLine& line, EdiScore& score, std::vector<Finding>& findings) {
    ++records_;
    const std::string_view written = runtime::TrimBlanks(line.Field(EdiField::kCall));
    const std::string call = UpperCase(written);
    const std::string_view locator = runtime::TrimBlanks(line.Field(EdiField::kReceivedLocator));
    const auto finding = [&](EdiField field, std::string what, std::string shouldBe) {
        findings.push_back({line.number,
                            std::string(kEdiFieldNames[static_cast<std::size_t>(field)]),
                            std::move(what), std::move(shouldBe)});
    };
    const std::string locatorFault = LocatorFault(locator);
    if (!locatorFault.empty())
        finding(EdiField::kReceivedLocator, locatorFault, {});
    const std::optional<Surveyed::Station> there =
        locatorFault.empty() ? Surveyed::StationAtLocator(locator) : std::nullopt;

    std::size_t firstLine = line.number;
    score.duplicate = false;
    if (!call.empty()) {
        const auto [first, inserted] = calls_.try_emplace(call, line.number);
        score.duplicate = !inserted;
        firstLine = first->second;
    }
    score.marked =
        runtime::EqualsIgnoringCase(runtime::TrimBlanks(line.Field(EdiField::kDupe)), kDupeMark);
    score.writtenPoints = WholeNumber(line.Field(EdiField::kPoints));
    score.points = 0;
    score.position = there ? std::optional(there->position) : std::nullopt;
    if (there && !score.duplicate) {
        ++valid_;
        if (home_) {
            const double distance =
                Maidenhead::ContestDistanceKm(home_->contestArea, there->contestArea);
            const long km = Maidenhead::ContestKilometres(distance);
            score.points = Maidenhead::ContestPoints(distance) * multiplier_;
            points_ += score.points;
            if (km > odxKm_) {
                odxKm_ = km;
                odx_ = std::string(written) + ";" + UpperCase(locator) + ";" + std::to_string(km);
            }
            if (call == claimedOdxCall_ && UpperCase(locator) == claimedOdxLocator_)
                claimedOdxKm_ = std::max(claimedOdxKm_, km);
        }
    }

    if (home_ && score.writtenPoints != score.points) {
        const std::string_view points = line.Field(EdiField::kPoints);
        std::string what = QuotedValue(points);
        if (!score.writtenPoints)
            what += " is not a number of points";
        else if (score.duplicate)
            what += " on a duplicate";
        else if (!there)
            what += " for a contact without a valid locator";
        else
            what +=
                " are not the points from " + homeLocator_ + " to " + UpperCase(locator) +
                (multiplier_ == 1 ? ""
                                  : " times the band multiplier " + std::to_string(multiplier_));
        finding(EdiField::kPoints, std::move(what), std::to_string(score.points));
    }
    if (score.duplicate && !score.marked)
        finding(EdiField::kDupe,
                "a second contact with " + std::string(written) + " (the first on line " +
                    std::to_string(firstLine) + ") is not marked",
                std::string(kDupeMark));
    if (!score.duplicate && score.marked)
        finding(EdiField::kDupe,
                "marked " + std::string(kDupeMark) + ", but the first contact with " +
                    QuotedValue(written),
                "no mark");
}

bool EdiScorer::CanScore(std::string& error) const {
    if (!home_)
        error = "PWWLo: " + homeError_;
    return home_.has_value();
}

bool EdiScorer::ClaimsNoMultiplier() const {
    return !multipliersClaimed_;
}

std::string EdiScorer::TotalText(EdiTotal total) const {
    switch (total) {
        case EdiTotal::kQsos: {
            const std::optional<std::string>& claim =
                claims_[static_cast<std::size_t>(total)].value;
            const std::size_t semicolon = claim ? claim->find(';') : std::string::npos;
            return std::to_string(valid_) +
                   (semicolon == std::string::npos ? std::string(";1") : claim->substr(semicolon));
        }
        case EdiTotal::kQsoPoints:
        case EdiTotal::kTotalScore:
            return std::to_string(points_);
        case EdiTotal::kOdx:
        case EdiTotal::kCount:
            break;
    }
    return odx_;
}

bool EdiScorer::TotalRight(EdiTotal total) const {
    const std::optional<std::string>& claim = claims_[static_cast<std::size_t>(total)].value;
    switch (total) {
        case EdiTotal::kQsos:
            return claim && WholeNumber(PartOf(*claim, 0)) == static_cast<long>(valid_);
        case EdiTotal::kQsoPoints:
            return claim && WholeNumber(*claim) == points_;
        case EdiTotal::kOdx:
            if (odxKm_ < 0)
                return !claim || claim->empty();
            return claim && WholeNumber(PartOf(*claim, 2)) == odxKm_ && claimedOdxKm_ == odxKm_;
        case EdiTotal::kTotalScore:
            return !ClaimsNoMultiplier() || (claim && WholeNumber(*claim) == points_);
        case EdiTotal::kCount:
            break;
    }
    return true;
}

void EdiScorer::FindTotals(std::vector<Finding>& findings) const {
    if (!home_)
        findings.push_back({homeLine_, "PWWLo", homeError_, {}});
    if (recordsClaimed_ != records_) {
        findings.push_back({recordsLine_, "QSORecords",
                            "says " +
                                (recordsClaimed_ ? std::to_string(*recordsClaimed_)
                                                 : std::string("no number of")) +
                                " contacts; the log has " + std::to_string(records_),
                            std::to_string(records_)});
    }
    if (!home_)
        return;
    for (std::size_t i = 0; i < kEdiTotalKeys.size(); ++i) {
        const auto total = static_cast<EdiTotal>(i);
        if (TotalRight(total))
            continue;
        const Claim& claim = claims_[i];
        findings.push_back({claim.value ? claim.line : homeLine_, std::string(kEdiTotalKeys[i]),
                            claim.value ? "claims " + QuotedValue(*claim.value) : "missing",
                            TotalText(total)});
    }
}

std::vector<std::string_view> EdiScorer::WrongTotals() const {
    std::vector<std::string_view> wrong;
    if (recordsClaimed_ != records_)
        wrong.push_back("QSORecords");
    for (std::size_t i = 0; home_ && i < kEdiTotalKeys.size(); ++i) {
        if (!TotalRight(static_cast<EdiTotal>(i)))
            wrong.push_back(kEdiTotalKeys[i]);
    }
    return wrong;
}

std::optional<std::string> EdiScorer::CorrectedHeaderLine(const EdiLine& line) const {
    if (line.kind != EdiLineKind::kHeaderEntry || !home_)
        return std::nullopt;
    const std::optional<EdiTotal> total = TotalNamed(runtime::TrimBlanks(line.key));
    if (!total || TotalRight(*total))
        return std::nullopt;
    return std::string(line.key) + "=" + TotalText(*total);
}

std::string EdiScorer::MissingTotals(std::string_view lineEnd) const {
    std::string lines;
    for (std::size_t i = 0; home_ && i < kEdiTotalKeys.size(); ++i) {
        if (!claims_[i].value && !TotalRight(static_cast<EdiTotal>(i))) {
            lines += kEdiTotalKeys[i];
            lines += '=' + TotalText(static_cast<EdiTotal>(i));
            lines += lineEnd;
        }
    }
    return lines;
}

std::optional<std::string> EdiScorer::CorrectedRecordsSection(const EdiLine& line) const {
    const std::size_t semicolon = line.text.find(';');
    if (recordsClaimed_ == records_ || semicolon == std::string_view::npos)
        return std::nullopt;
    return std::string(line.text.substr(0, semicolon + 1)) + std::to_string(records_) + "]";
}

std::optional<std::string> EdiScorer::CorrectedRecord(const EdiLine& line, const EdiScore& score) {
    const bool pointsWrong = score.writtenPoints != score.points;
    if (!pointsWrong && score.marked == score.duplicate)
        return std::nullopt;
    std::string corrected;
    for (std::size_t i = 0; i < kEdiFieldCount; ++i) {
        if (i > 0)
            corrected += ';';
        const auto field = static_cast<EdiField>(i);
        if (field == EdiField::kPoints && pointsWrong)
            corrected += std::to_string(score.points);
        else if (field == EdiField::kDupe && score.marked != score.duplicate)
            corrected += score.duplicate ? kDupeMark : std::string_view();
        else
            corrected += line.fields[i];
    }
    return corrected;
}

}  // namespace Logs
