// What check finds in ADIF records and what fill adds to them, on records as loggers write
// them; and a generated log filled in, its distances against GeographicLib's GeodSolve.

#include "logs/AdifReview.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cli/tests/TemporaryFile.hpp"

namespace {

using Logs::AdifOptions;

// The one record of `text`, reviewed.
struct Reviewed {
    cli::test::File file;
    Logs::AdifReader reader;
    Logs::AdifPart part;
    Logs::AdifRecord record;
    Logs::AdifReview review;

    Reviewed(const std::string& text, const AdifOptions& options)
        : file(cli::test::WithContent(text)), reader(file.get(), {}) {
        EXPECT_TRUE(reader.Read(part)) << reader.Error().what;
        record.Index(part);
        Logs::ReviewAdifRecord(record, options, review);
    }

    [[nodiscard]] std::vector<std::string> Findings() const {
        std::vector<std::string> lines;
        for (const Logs::AdifFinding& f : review.findings)
            lines.push_back(f.finding.field + ": " + f.finding.what +
                            (f.finding.shouldBe.empty() ? "" : " (" + f.finding.shouldBe + ")"));
        return lines;
    }

    // The record as fill writes it; with `correct`, as fill --correct does.
    [[nodiscard]] std::string Filled(bool correct = false) const {
        std::vector<Logs::AdifChange> changes = review.additions;
        for (const Logs::AdifFinding& f : review.findings) {
            if (correct)
                changes.insert(changes.end(), f.corrections.begin(), f.corrections.end());
        }
        std::string out;
        Logs::AppendChangedRecord(record, changes, out);
        return out;
    }
};

constexpr const char* kLondon = "<MY_GRIDSQUARE:6>IO91WM ";
constexpr const char* kLondonPoint = "<MY_LAT:11>N051 31.248 <MY_LON:11>W000 07.500 ";

TEST(AdifReview, FindsWhatIsWrongAndWhatItShouldBe) {
    const struct {
        std::string fields;
        std::vector<std::string> findings;
    } cases[] = {
        // Lower case, a 10-character locator in GRIDSQUARE or split, a distance within the
        // squares: nothing.
        {std::string(kLondon) + "<GRIDSQUARE:6>io92ab <DISTANCE:5>140.1", {}},
        {std::string(kLondon) + "<GRIDSQUARE:10>IO92AB12CD <DISTANCE:3>140", {}},
        {std::string(kLondon) + "<GRIDSQUARE:8>IO92AB12 <GRIDSQUARE_EXT:2>cd", {}},
        // Distances: in miles, wrong, not a number, the short path given for the long.
        {std::string(kLondon) + "<GRIDSQUARE:6>IO92AB <DISTANCE:4>87.1",
         {"DISTANCE: 87.1 km is not the distance between the stations, which is 87.1 miles "
          "(140.1)"}},
        {std::string(kLondon) + "<GRIDSQUARE:6>IO92AB <DISTANCE:3>300",
         {"DISTANCE: 300 km is not the distance between the stations (140.1)"}},
        {std::string(kLondon) + "<GRIDSQUARE:6>IO92AB <DISTANCE:3>far",
         {"DISTANCE: \"far\" is not a number of kilometres (140.1)"}},
        {std::string(kLondon) + "<GRIDSQUARE:6>IO92AB <DISTANCE:5>140.1 <ANT_PATH:1>L",
         {"DISTANCE: 140.1 km is not the long path between the stations (39888.8)"}},
        // Locators: not one (with LAT/LON to say what it should be), not where LAT/LON are,
        // an extension after 6 characters.
        {std::string(kLondon) + "<GRIDSQUARE:1>. <LAT:11>N052 12.050 <LON:11>W001 06.067",
         {"GRIDSQUARE: \".\" is not a locator: character 1, \".\", is not a field letter (A to R) "
          "(IO92KE)"}},
        {"<GRIDSQUARE:7>VARIOUS",
         {"GRIDSQUARE: \"VARIOUS\" is not a locator: character 1, \"V\", is not a field letter "
          "(A to R)"}},
        {"<GRIDSQUARE:6>IO92KF <LAT:11>N052 12.050 <LON:11>W001 06.067",
         {"GRIDSQUARE: IO92KF disagrees with LAT/LON (IO92KE)"}},
        {"<GRIDSQUARE:6>IO92KE <GRIDSQUARE_EXT:2>AB",
         {"GRIDSQUARE_EXT: \"AB\" extends a GRIDSQUARE of 8 characters, not of 6"}},
        // Positions: decimal degrees, a latitude alone, not a position.
        {"<MY_LAT:7>51.5208 <MY_LON:6>-0.125",
         {"MY_LAT: \"51.5208\" is not in ADIF's form XDDD MM.MMM (N051 31.248)",
          "MY_LON: \"-0.125\" is not in ADIF's form XDDD MM.MMM (W000 07.500)"}},
        {"<LAT:11>N052 12.050", {"LAT: \"N052 12.050\" without LON"}},
        {"<LAT:11>N092 12.050 <LON:11>W001 06.067",
         {"LAT: \"N092 12.050\" and \"W001 06.067\" are not a latitude and longitude: 'N092 "
          "12.050' "
          "is beyond 90 degrees: not a latitude"}},
        // Worked All Britain: the station's square, read as written in any case and spacing.
        {std::string(kLondonPoint) + "<MY_SIG:3>wab <MY_SIG_INFO:5>tq 38", {}},
        {std::string(kLondonPoint) + "<MY_SIG:3>WAB <MY_SIG_INFO:4>SP18",
         {"MY_SIG_INFO: \"SP18\" is not the station's Worked All Britain square (TQ38)"}},
        {"<GRIDSQUARE:6>IO91WM <SIG:3>WAB <SIG_INFO:4>SP18",
         {"SIG_INFO: \"SP18\" is not the contacted station's Worked All Britain square (TQ27 or "
          "TQ28 or TQ37 or TQ38)"}},
    };
    for (const auto& c : cases) {
        const Reviewed reviewed("<CALL:5>G4ABC " + c.fields + " <EOR>", {});
        EXPECT_EQ(reviewed.Findings(), c.findings) << c.fields;
    }
}

TEST(AdifReview, AddsWhatIsMissingAndKeepsTheRest) {
    AdifOptions station;
    station.station = Logs::PlaceAtLocator("IO91WM");
    AdifOptions tenAndWab = station;
    tenAndWab.locatorLength = 10;
    tenAndWab.wab = true;
    const struct {
        std::string record;
        AdifOptions options;
        std::string filled;
    } cases[] = {
        {"<CALL:5>G4ABC <GRIDSQUARE:6>IO92AB <MY_GRIDSQUARE:6>IO91WM <EOR>",
         {},
         "<CALL:5>G4ABC <GRIDSQUARE:6>IO92AB <MY_GRIDSQUARE:6>IO91WM <DISTANCE:5>140.1 <EOR>"},
        // An empty field filled where it stands; the long way round.
        {"<call:5>G4ABC<gridsquare:6>IO92AB<distance:0><my_gridsquare:6>IO91WM<ant_path:1>L<eor>",
         {},
         "<call:5>G4ABC<gridsquare:6>IO92AB<distance:7>39888.8<my_gridsquare:6>IO91WM"
         "<ant_path:1>L<eor>"},
        // A record over several lines, LAT/LON only, the station from --station: each new
        // field on a line of its own, the 9th and 10th characters in GRIDSQUARE_EXT.
        {"\r\n<CALL:4>M0XY\r\n<LAT:11>N052 12.050\r\n<LON:11>W001 06.067\r\n<EOR>", tenAndWab,
         "\r\n<CALL:4>M0XY\r\n<LAT:11>N052 12.050\r\n<LON:11>W001 06.067\r\n"
         "<GRIDSQUARE:8>IO92KE78\r\n<GRIDSQUARE_EXT:2>UE\r\n<MY_GRIDSQUARE:6>IO91WM\r\n"
         "<DISTANCE:5>101.2\r\n<EOR>"},
        // --wab where the station is a point; not over another MY_SIG.
        {std::string("<CALL:4>M0XY ") + kLondonPoint + "<EOR>", tenAndWab,
         std::string("<CALL:4>M0XY ") + kLondonPoint +
             "<MY_GRIDSQUARE:8>IO91WM54 <MY_GRIDSQUARE_EXT:2>AX <MY_SIG:3>WAB <MY_SIG_INFO:4>TQ38 "
             "<EOR>"},
        {std::string("<CALL:4>M0XY ") + kLondonPoint + "<MY_SIG:4>POTA <EOR>", tenAndWab,
         std::string("<CALL:4>M0XY ") + kLondonPoint +
             "<MY_SIG:4>POTA <MY_GRIDSQUARE:8>IO91WM54 <MY_GRIDSQUARE_EXT:2>AX <EOR>"},
        // A comment between the fields: new ones after a space.
        {"<CALL:4>M0XY // note\n<GRIDSQUARE:4>IO92\n<EOR>", station,
         "<CALL:4>M0XY // note\n<GRIDSQUARE:4>IO92 <MY_GRIDSQUARE:6>IO91WM <DISTANCE:5>124.4\n"
         "<EOR>"},
        // A doubled <EOR> is no contact: nothing added, even with --station.
        {"\n<EOR>", station, "\n<EOR>"},
    };
    for (const auto& c : cases) {
        const Reviewed reviewed(c.record, c.options);
        EXPECT_EQ(reviewed.Filled(), c.filled) << c.record;
    }
}

// --correct: the wrong fields replaced where they stand, their names' case and type kept.
TEST(AdifReview, CorrectsInPlace) {
    const Reviewed reviewed(
        "<CALL:5>G4ABC <gridsquare:6:S>IO92KF <LAT:11>N052 12.050 <LON:11>W001 06.067 "
        "<MY_LAT:7>51.5208 <MY_LON:6>-0.125 <DISTANCE:3>300 <EOR>",
        {});
    EXPECT_EQ(reviewed.Filled(true),
              "<CALL:5>G4ABC <gridsquare:6:S>IO92KE <LAT:11>N052 12.050 <LON:11>W001 06.067 "
              "<MY_LAT:11>N051 31.248 <MY_LON:11>W000 07.500 <DISTANCE:5>101.2 "
              "<MY_GRIDSQUARE:6>IO91WM <EOR>");
    EXPECT_EQ(reviewed.Filled(false),
              "<CALL:5>G4ABC <gridsquare:6:S>IO92KF <LAT:11>N052 12.050 <LON:11>W001 06.067 "
              "<MY_LAT:7>51.5208 <MY_LON:6>-0.125 <DISTANCE:3>300 <MY_GRIDSQUARE:6>IO91WM <EOR>");
}

TEST(AdifLocation, WritesAndKnowsAdifsForm) {
    EXPECT_EQ(Logs::AdifLocation(52.200833, true), "N052 12.050");
    EXPECT_EQ(Logs::AdifLocation(-0.1011, false), "W000 06.066");
    EXPECT_EQ(Logs::AdifLocation(-179.9999999, false), "W180 00.000");  // rounds up to 180
    EXPECT_EQ(Logs::AdifLocation(-0.0000001, true), "N000 00.000");     // no "S" on zero
    for (const char* good : {"N052 12.050", "S090 00.000", "E180 00.000"})
        EXPECT_TRUE(Logs::IsAdifLocation(good, good[0] == 'N' || good[0] == 'S')) << good;
    for (const char* bad :
         {"N52 12.050", "N052 12.05", "E052 12.050", "N090 00.001", "N052 60.000", "N052.12.050"})
        EXPECT_FALSE(Logs::IsAdifLocation(bad, true)) << bad;
}

#ifdef QUORVANE_GEODSOLVE
// A generated log in the ways loggers write it (lower-case grids, 4 to 10 characters, LAT/LON
// only, APP_ fields of UTF-8 counted in bytes, distances missing or empty) comes back from
// fill with every field as it was, and a DISTANCE within 0.1 km of GeodSolve's between the
// places (its LAT/LON, else its square's centre).
TEST(AdifReview, FilledDistancesAgreeWithGeodSolve) {
    std::mt19937 random(7);
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const auto locator = [&](bool lower) {
        std::string text;
        const char letter = lower ? 'a' : 'A';
        text += static_cast<char>('A' + 7 + pick(5));  // fields H to L: Europe to Asia
        text += static_cast<char>('J' + pick(3));
        text += static_cast<char>('0' + pick(10));
        text += static_cast<char>('0' + pick(10));
        for (int pair = 0, pairs = pick(4); pair < pairs; ++pair) {
            const bool letters = pair % 2 == 0;
            for (int i = 0; i < 2; ++i)
                text += letters ? static_cast<char>(letter + pick(24))
                                : static_cast<char>('0' + pick(10));
        }
        return text;
    };
    const auto field = [](std::string_view name, const std::string& data) {
        std::string text;
        Logs::AppendAdifField(name, "", data, text);
        return text + " ";
    };
    std::vector<std::string> records;
    std::vector<std::string> lines;  // for GeodSolve: "lat1 lon1 lat2 lon2"
    for (int i = 0; i < 400; ++i) {
        std::string record =
            field("CALL", "G" + std::to_string(i)) +
            field("APP_LOGGER_NOTE", "Caf\xC3\xA9 \xE2\x82\xAC" + std::to_string(i));
        std::optional<Logs::Place> contacted;
        if (pick(3) == 0) {
            const double lat = -60 + pick(120'000) / 1000.0;
            const double lon = -179 + pick(358'000) / 1000.0;
            record += field("LAT", Logs::AdifLocation(lat, true)) +
                      field("LON", Logs::AdifLocation(lon, false));
            contacted = Logs::PlaceAt(
                {std::round(lat * 60'000) / 60'000, std::round(lon * 60'000) / 60'000});
        } else {
            std::string grid = locator(pick(2) == 0);
            contacted = Logs::PlaceAtLocator(grid);
            if (grid.size() == 10 && pick(2) == 0) {
                record += field("GRIDSQUARE", grid.substr(0, 8)) +
                          field("GRIDSQUARE_EXT", grid.substr(8));
            } else {
                record += field("GRIDSQUARE", grid);
            }
        }
        const std::string mine = locator(false);
        record += field("MY_GRIDSQUARE", mine);
        if (pick(2) == 0)
            record += field("DISTANCE", "");
        records.push_back(record + "<EOR>\n");
        const Logs::Place station = *Logs::PlaceAtLocator(mine);
        char line[128];
        std::snprintf(line, sizeof line, "%.12f %.12f %.12f %.12f", station.position.latitude,
                      station.position.longitude, contacted->position.latitude,
                      contacted->position.longitude);
        lines.emplace_back(line);
    }
    const std::string input = testing::TempDir() + "logs-geodsolve";
    {
        std::ofstream file(input);
        for (const std::string& line : lines)
            file << line << '\n';
    }
    const std::string command = std::string(QUORVANE_GEODSOLVE) + " -i -p 6 < '" + input + "'";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    ASSERT_TRUE(pipe);
    for (std::size_t i = 0; i < records.size(); ++i) {
        double azimuth1 = 0, azimuth2 = 0, metres = 0;
        ASSERT_EQ(std::fscanf(pipe.get(), "%lf %lf %lf", &azimuth1, &azimuth2, &metres), 3);
        const Reviewed reviewed(records[i], {});
        const std::string filled = reviewed.Filled();
        // Every field as it was (an empty DISTANCE filled where it stands), the new ones
        // after them.
        const Reviewed again(filled, {});
        const std::vector<Logs::AdifField>& before = reviewed.part.fields;
        const std::vector<Logs::AdifField>& after = again.part.fields;
        ASSERT_GT(after.size(), before.size() - 1) << filled;
        for (std::size_t f = 0; f < before.size(); ++f) {
            EXPECT_EQ(after[f].name, before[f].name) << filled;
            if (before[f].name != "DISTANCE") {
                EXPECT_EQ(after[f].data, before[f].data) << filled;
            }
        }
        const std::string_view distance = again.record.Value(Logs::Adif::kDistance);
        EXPECT_NEAR(std::stod(std::string(distance)), metres / 1000, 0.1) << records[i];
        EXPECT_TRUE(again.review.findings.empty()) << filled;
    }
}
#endif

}  // namespace
