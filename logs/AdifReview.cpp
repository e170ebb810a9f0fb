#include "logs/AdifReview.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

#include "conversions/PositionText.hpp"
#include "runtime/DoubleText.hpp"
#include "runtime/NumberReading.hpp"
#include "runtime/Text.hpp"

namespace Logs {
namespace {

// Half a thousandth of a minute: what ADIF's Location rounds a position to.
constexpr double kLocationRoundingDegrees = 0.0005 / 60;
// ADIF's GRIDSQUARE holds up to 8 characters; GRIDSQUARE_EXT the 9th and 10th.
constexpr std::size_t kGridsquareLength = 8;
constexpr std::size_t kGridsquareExtLength = 2;
constexpr int kDistanceDecimals = 1;
constexpr double kKmPerMile = 1.609344;
constexpr double kMetresPerKm = 1000;
constexpr std::string_view kWorkedAllBritain = "WAB";

// Half a unit of the last digit `number` is written with: 0.05 for "122.6", 0.5 for "123".
double HalfLastDigit(std::string_view number) {
    const std::size_t point = number.find('.');
    double half = 0.5;
    if (point != std::string_view::npos) {
        for (std::size_t i = point + 1; i < number.size() && runtime::IsDigit(number[i]); ++i)
            half /= 10;
    }
    return half;
}

bool Holds(const Maidenhead::Area& area, Surveyed::GeodeticPosition point) {
    return point.latitude >= area.south - kLocationRoundingDegrees &&
           point.latitude <= area.south + area.height + kLocationRoundingDegrees &&
           point.longitude >= area.west - kLocationRoundingDegrees &&
           point.longitude <= area.west + area.width + kLocationRoundingDegrees;
}

// `locator` into a side's GRIDSQUARE, its first `gridLength` characters, and the rest into
// GRIDSQUARE_EXT, which is written also where `clearExt` (to empty it).
void AddLocator(const AdifSide& side, std::string_view locator, std::size_t gridLength,
                bool clearExt, std::vector<AdifChange>& changes) {
    gridLength = std::min(gridLength, locator.size());
    changes.push_back({side.grid, std::string(locator.substr(0, gridLength))});
    if (locator.size() > gridLength || clearExt)
        changes.push_back({side.gridExt, std::string(locator.substr(gridLength))});
}

class Reviewer {
  public:
    Reviewer(const AdifRecord& record, const AdifOptions& options, AdifReview& review)
        : record_(record), options_(options), review_(review) {}

    void Review() {
        std::optional<Place>& contacted = review_.contacted;
        std::optional<Place>& station = review_.station;
        contacted = Side(kContactedSide);
        station = Side(kStationSide);
        if (!station && options_.station) {
            station = options_.station;
            if (record_.Value(kStationSide.grid).empty())
                AddLocator(kStationSide, LocatorOfPlace(*station, options_.locatorLength),
                           kGridsquareLength, false, review_.additions);
        }
        WorkedAllBritain(kContactedSide, contacted, false);
        WorkedAllBritain(kStationSide, station, options_.wab);
        if (contacted && station)
            Distance(*station, *contacted);
    }

  private:
    void Find(Adif field, std::string what, std::string shouldBe = {},
              std::vector<AdifChange> corrections = {}) {
        review_.findings.push_back({{record_.LineOf(field), std::string(NameOf(field)),
                                     std::move(what), std::move(shouldBe)},
                                    std::move(corrections)});
    }

    // The place one side's fields give, after finding what is wrong with them.
    std::optional<Place> Side(const AdifSide& side) {
        const std::optional<Surveyed::GeodeticPosition> point = Point(side);
        const std::string_view grid = record_.Value(side.grid);
        const std::string_view ext = record_.Value(side.gridExt);
        const bool hasExt = record_.Find(side.gridExt) != nullptr;
        if (grid.empty()) {
            if (!point)
                return std::nullopt;
            AddLocator(side, LocatorOfPlace(PlaceAt(*point), options_.locatorLength),
                       kGridsquareLength, false, review_.additions);
            return PlaceAt(*point);
        }
        std::string locator(grid);
        const bool extended = !ext.empty() && grid.size() == kGridsquareLength;
        if (extended) {
            locator += ext.substr(0, kGridsquareExtLength);
        } else if (!ext.empty()) {
            Find(side.gridExt, QuotedValue(ext) + " extends a " + std::string(NameOf(side.grid)) +
                                   " of 8 characters, not of " +
                                   std::to_string(runtime::Length(grid)));
        }
        std::optional<Place> square = PlaceAtLocator(locator);
        if (!square) {
            std::string shouldBe;
            std::vector<AdifChange> corrections;
            if (point) {
                shouldBe = LocatorOfPlace(PlaceAt(*point), options_.locatorLength);
                AddLocator(side, shouldBe, kGridsquareLength, hasExt, corrections);
            }
            Find(side.grid, Maidenhead::ReadLocator(locator).error, shouldBe,
                 std::move(corrections));
        } else if (point && !Holds(*square->square, *point)) {
            const std::string shouldBe =
                LocatorOfPlace(PlaceAt(*point), static_cast<int>(square->locator.size()));
            std::vector<AdifChange> corrections;
            AddLocator(side, shouldBe, grid.size(), extended, corrections);
            Find(side.grid,
                 square->locator + " disagrees with " + std::string(NameOf(side.lat)) + "/" +
                     std::string(NameOf(side.lon)),
                 shouldBe, std::move(corrections));
        }
        if (point)
            return PlaceAt(*point);
        return square;
    }

    // The point LAT and LON give, after finding what is wrong with them.
    std::optional<Surveyed::GeodeticPosition> Point(const AdifSide& side) {
        const std::string_view lat = record_.Value(side.lat);
        const std::string_view lon = record_.Value(side.lon);
        if (lat.empty() != lon.empty()) {
            const bool hasLat = !lat.empty();
            Find(hasLat ? side.lat : side.lon,
                 QuotedValue(hasLat ? lat : lon) + " without " +
                     std::string(NameOf(hasLat ? side.lon : side.lat)));
        }
        if (lat.empty() || lon.empty())
            return std::nullopt;
        const PositionText::Reading reading = PositionText::ReadPosition(lat, lon);
        if (reading.fault != PositionText::Fault::kNone) {
            const bool inLon = !reading.culprit.empty() && reading.culprit.data() >= lon.data() &&
                               reading.culprit.data() < lon.data() + lon.size();
            Find(inLon ? side.lon : side.lat,
                 QuotedValue(lat) + " and " + QuotedValue(lon) +
                     " are not a latitude and longitude: " + PositionText::FaultText(reading));
            return std::nullopt;
        }
        for (const bool latitude : {true, false}) {
            const std::string_view text = latitude ? lat : lon;
            if (IsAdifLocation(text, latitude))
                continue;
            const Adif field = latitude ? side.lat : side.lon;
            std::string form = AdifLocation(
                latitude ? reading.position.latitude : reading.position.longitude, latitude);
            Find(field, QuotedValue(text) + " is not in ADIF's form XDDD MM.MMM", form,
                 {{field, form}});
        }
        return reading.position;
    }

    void WorkedAllBritain(const AdifSide& side, const std::optional<Place>& place, bool add) {
        const std::string_view sig = record_.Value(side.sig);
        const std::string_view info = record_.Value(side.sigInfo);
        const bool wab = runtime::EqualsIgnoringCase(sig, kWorkedAllBritain);
        if (!place || !(wab || (add && sig.empty() && info.empty())))
            return;
        const std::vector<std::string> squares = WorkedAllBritainSquares(*place);
        if (squares.empty())
            return;
        if (wab && !info.empty()) {
            std::string square;
            for (const char c : info) {
                if (c != ' ')
                    square += runtime::UpperCase(c);
            }
            if (std::find(squares.begin(), squares.end(), square) != squares.end())
                return;
            std::string shouldBe;
            for (const std::string& one : squares)
                shouldBe += (shouldBe.empty() ? "" : " or ") + one;
            std::vector<AdifChange> corrections;
            if (squares.size() == 1)
                corrections.push_back({side.sigInfo, squares.front()});
            Find(side.sigInfo,
                 QuotedValue(info) + " is not " + std::string(side.who) +
                     "'s Worked All Britain square",
                 shouldBe, std::move(corrections));
        } else if (add && squares.size() == 1) {
            if (!wab)
                review_.additions.push_back({side.sig, std::string(kWorkedAllBritain)});
            review_.additions.push_back({side.sigInfo, squares.front()});
        }
    }

    void Distance(const Place& station, const Place& contacted) {
        const bool longPath = runtime::EqualsIgnoringCase(record_.Value(Adif::kAntPath), "L");
        const double km = DistanceKm(station, contacted, longPath);
        review_.distanceKm = km;
        std::string shouldBe = runtime::FixedText(km, kDistanceDecimals);
        const std::string_view written = record_.Value(Adif::kDistance);
        if (written.empty()) {
            review_.additions.push_back({Adif::kDistance, std::move(shouldBe)});
            return;
        }
        const std::optional<double> value = runtime::ReadNumber(written, ".");
        if (!value || !std::isfinite(*value) || *value < 0) {
            Find(Adif::kDistance, QuotedValue(written) + " is not a number of kilometres", shouldBe,
                 {{Adif::kDistance, shouldBe}});
            return;
        }
        const double allowed =
            (UncertaintyMetres(station) + UncertaintyMetres(contacted)) / kMetresPerKm +
            HalfLastDigit(written);
        if (std::fabs(*value - km) <= allowed)
            return;
        std::string what = std::string(written) + " km is not the " +
                           (longPath ? "long path" : "distance") + " between the stations";
        if (std::fabs(*value * kKmPerMile - km) <= allowed * kKmPerMile)
            what += ", which is " + std::string(written) + " miles";
        Find(Adif::kDistance, std::move(what), shouldBe, {{Adif::kDistance, shouldBe}});
    }

    const AdifRecord& record_;
    const AdifOptions& options_;
    AdifReview& review_;
};

}  // namespace

void ReviewAdifRecord(const AdifRecord& record, const AdifOptions& options, AdifReview& review) {
    review.findings.clear();
    review.additions.clear();
    review.distanceKm.reset();
    // An empty record (a doubled <EOR>) is no contact: nothing is found or added.
    if (record.Part().fields.empty())
        return;
    Reviewer(record, options, review).Review();
}

void AppendChangedRecord(const AdifRecord& record, std::span<const AdifChange> changes,
                         std::string& out) {
    const AdifPart& part = record.Part();
    const std::string_view text = part.text;
    // The last change of each field counts.
    std::array<const AdifChange*, static_cast<std::size_t>(Adif::kCount)> latest{};
    for (const AdifChange& change : changes)
        latest[static_cast<std::size_t>(change.field)] = &change;

    // Fields the record has, replaced where they stand.
    std::vector<std::pair<const AdifField*, const AdifChange*>> replaced;
    for (const AdifChange* change : latest) {
        if (change && record.Find(change->field))
            replaced.emplace_back(record.Find(change->field), change);
    }
    std::sort(replaced.begin(), replaced.end(),
              [](const auto& a, const auto& b) { return a.first->begin < b.first->begin; });
    std::size_t copied = 0;
    for (const auto& [field, change] : replaced) {
        out.append(text.substr(copied, field->begin - copied));
        AppendAdifField(field->name, field->type, change->data, out);
        copied = field->end;
    }

    // New fields, after the last field.
    const std::size_t endTag = text.size() - std::string_view("<EOR>").size();
    const std::size_t last = part.fields.empty() ? endTag : part.fields.back().end;
    std::string_view separator;
    if (part.fields.size() >= 2)
        separator = text.substr(part.fields[part.fields.size() - 2].end,
                                part.fields.back().begin - part.fields[part.fields.size() - 2].end);
    else if (part.fields.size() == 1)
        separator = text.substr(last, endTag - last);
    if (!std::all_of(separator.begin(), separator.end(), IsLineSpace))
        separator = " ";
    out.append(text.substr(copied, last - std::min(copied, last)));
    copied = std::max(copied, last);
    for (const AdifChange& change : changes) {
        if (record.Find(change.field) || latest[static_cast<std::size_t>(change.field)] != &change)
            continue;
        out.append(separator);
        AppendAdifField(NameOf(change.field), {}, change.data, out);
    }
    out.append(text.substr(copied));
}

}  // namespace Logs
