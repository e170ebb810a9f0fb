// The Ordnance Survey's OSTN15 test files (ostn15/, see SOURCE.md there), checked without a
// test framework, so that the Windows builds can run it too (under wine):
//
//   ostn15_test_points DIR
//
// The 40 test points from Scilly to Shetland, St Kilda and the Flannan Isles among them,
// both ways: WGS84 to grid within 1 mm of the published grid positions, grid to WGS84 within
// 1 cm of the published latitudes and longitudes. Those come from the Ordnance Survey's
// series formulas for the projection, which drift from the exact one far from the central
// meridian: at St Kilda (TP31, 6.6 degrees west of it) by 5.6 mm in latitude and longitude
// and by 1.0 mm in northing, which with the published millimetres puts its grid position
// 1.05 mm away; so TP31's grid position has 1.1 mm. And the 160 grid nodes the files name by
// record number, with their shifts, which pin the tables' layout (row by row from the
// south-west, easting fastest, 701 nodes a row) and their offsets. Prints the worst
// differences; exits 0 when all pass, 1 otherwise.

#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/Surveyed.hpp"
#include "conversions/surveyed/tests/MetresApart.hpp"

namespace {

using Surveyed::GeodeticPosition;
using Surveyed::GridPoint;

using SurveyedTest::MetresApart;

// A difference that stands for no answer: never within a tolerance.
constexpr double kNoAnswer = std::numeric_limits<double>::quiet_NaN();

// The rows of a test file (comma-separated, a header line, CRLF line ends in some) by the
// point's name, each as its fields; of the files with several rows a point, the rows whose
// second field is `onlyRowsWith`.
using Rows = std::map<std::string, std::vector<std::string>>;
Rows ReadTestFile(const std::string& dir, const std::string& name,
                  const std::string& onlyRowsWith = "") {
    std::ifstream in(dir + "/" + name);
    Rows rows;
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        std::vector<std::string> fields;
        std::istringstream fieldsIn(line);
        for (std::string field; std::getline(fieldsIn, field, ',');)
            fields.push_back(field);
        if (fields.size() >= 3 && (onlyRowsWith.empty() || fields[1] == onlyRowsWith))
            rows[fields[0]] = fields;
    }
    if (rows.size() != 40)
        std::fprintf(stderr, "%s/%s: %zu points, expected 40\n", dir.c_str(), name.c_str(),
                     rows.size());
    return rows;
}

double Field(const std::vector<std::string>& fields, std::size_t i) {
    return i < fields.size() ? std::stod(fields[i]) : kNoAnswer;
}

class Check {
  public:
    // Notes how far `point` is from the published value; a failure when beyond `tolerance`
    // or without an answer (NaN).
    void Difference(const std::string& what, const std::string& point, double metres,
                    double tolerance) {
        if (!(metres <= tolerance)) {
            std::fprintf(stderr, "FAIL: %s %s: %.2f mm (at most %.2f mm)\n", what.c_str(),
                         point.c_str(), metres * 1000, tolerance * 1000);
            ++failures_;
        }
        Worst& worst = worst_[what];
        if (metres > worst.metres)
            worst = {metres, point};
    }
    int Report() const {
        for (const auto& [what, worst] : worst_)
            std::printf("%s: worst %.2f mm (%s)\n", what.c_str(), worst.metres * 1000,
                        worst.point.c_str());
        return failures_ == 0 ? 0 : 1;
    }

  private:
    struct Worst {
        double metres = 0;
        std::string point;
    };
    std::map<std::string, Worst> worst_;
    int failures_ = 0;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ostn15_test_points DIR\n");
        return 2;
    }
    const std::string dir = argv[1];
    const Rows gridIn = ReadTestFile(dir, "OSTN15_OSGM15_TestInput_OSGBtoETRS.txt");
    const Rows wgs84Out = ReadTestFile(dir, "OSTN15_OSGM15_TestOutput_OSGBtoETRS.txt", "RESULT");
    const Rows wgs84In = ReadTestFile(dir, "OSTN15_OSGM15_TestInput_ETRStoOSGB.txt");
    const Rows gridOut = ReadTestFile(dir, "OSTN15_OSGM15_TestOutput_ETRStoOSGB.txt");
    if (gridIn.size() + wgs84Out.size() + wgs84In.size() + gridOut.size() != 160)
        return 1;

    Check check;
    for (const auto& [point, fields] : gridIn) {
        const auto p = Surveyed::FromNationalGrid({Field(fields, 1), Field(fields, 2)});
        const auto& expected = wgs84Out.at(point);
        check.Difference("grid to WGS84", point,
                         p.status != Surveyed::Status::kOk
                             ? kNoAnswer
                             : MetresApart(p.wgs84, {Field(expected, 2), Field(expected, 3)}),
                         0.01);
    }
    for (const auto& [point, fields] : wgs84In) {
        const auto p = Surveyed::FromWgs84({Field(fields, 1), Field(fields, 2)});
        const auto& expected = gridOut.at(point);
        check.Difference(
            "WGS84 to grid", point,
            p.status != Surveyed::Status::kOk
                ? kNoAnswer
                : MetresApart(p.gridPosition, {Field(expected, 1), Field(expected, 2)}),
            point == "TP31" ? 0.0011 : 0.001);
    }
    constexpr int kColumns = 701;
    for (const auto& [point, fields] : gridOut) {
        for (std::size_t node = 0; node < 4; ++node) {
            const std::size_t at = 5 + 5 * node;  // RecNoS<node>, Se<node>, Sn<node>, ...
            const int record = static_cast<int>(Field(fields, at)) - 1;
            const GridPoint etrs89{1000.0 * (record % kColumns), 1000.0 * (record / kColumns)};
            const auto grid = Surveyed::Etrs89ToNationalGrid(etrs89);
            check.Difference(
                "node shifts", point + " node " + std::to_string(node),
                !grid ? kNoAnswer
                      : MetresApart(GridPoint{grid->easting - etrs89.easting,
                                              grid->northing - etrs89.northing},
                                    GridPoint{Field(fields, at + 1), Field(fields, at + 2)}),
                1e-9);
        }
    }
    return check.Report();
}
