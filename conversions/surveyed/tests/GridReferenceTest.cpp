#include "conversions/surveyed/GridReference.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace {

using Surveyed::Grid;
using Surveyed::GridReading;
using Surveyed::ReadGridPosition;
using Surveyed::ReadingFault;

struct Read {
    const char* text;
    double easting;
    double northing;
};

// Every precision, blanks where people put them, either case, the metres forms, and one
// reference in each 500 km square and at the grid's corners: a wrong letter row or column, a
// missed I or a square's corner taken for its centre shows here.
TEST(ReadGridPosition, ReferencesAtTheirSquaresCentresMetresAsTheyAre) {
    for (const Read& r : {
             Read{"NN", 250'000, 750'000},
             Read{"NN17", 215'000, 775'000},
             Read{"NN1671", 216'500, 771'500},
             Read{"NN166712", 216'650, 771'250},
             Read{"NN 166 712", 216'650, 771'250},
             Read{"NN166 712", 216'650, 771'250},
             Read{" NN\t166712 ", 216'650, 771'250},
             Read{"nn 16667 71283", 216'667.5, 771'283.5},
             Read{"nN1666771283", 216'667.5, 771'283.5},
             Read{"216667 771283", 216'667, 771'283},
             Read{"216667.5,771283.2", 216'667.5, 771'283.2},
             Read{"216667 , 771283", 216'667, 771'283},
             Read{"-12.5 7", -12.5, 7},
             Read{"SV000000", 50, 50},
             Read{"TQ300800", 530'050, 180'050},
             Read{"sk123456", 412'350, 345'650},
             Read{"TW999999", 699'950, 99'950},
             Read{"OV000000", 500'050, 500'050},
             Read{"ob123456", 612'350, 945'650},
             Read{"HU474414", 447'450, 1'141'450},
             Read{"HL000000", 50, 1'200'050},
             Read{"JM999999", 699'950, 1'299'950},
             Read{"NZ999999", 499'950, 599'950},
             Read{"HA000000", 50, 1'400'050},
         }) {
        const GridReading reading = ReadGridPosition(r.text);
        EXPECT_EQ(reading.fault, ReadingFault::kNone) << r.text;
        EXPECT_EQ(reading.grid, Grid::kGreatBritain) << r.text;
        EXPECT_EQ(reading.position.easting, r.easting) << r.text;
        EXPECT_EQ(reading.position.northing, r.northing) << r.text;
    }
}

struct Refused {
    const char* text;
    ReadingFault fault;
    const char* culprit;
};

// What is refused, with the part at fault, which the message must quote: on the National
// Grid, the Irish Grid (one letter) and in the Channel Islands (WA, WV).
TEST(ReadGridPosition, RefusesWithTheReason) {
    for (const Refused& r : {
             Refused{"NN1234567", ReadingFault::kOddDigits, "1234567"},
             Refused{"NN 12 345", ReadingFault::kUnevenHalves, "12 345"},
             Refused{"II1234", ReadingFault::kBadFirstLetter, "I"},
             Refused{"AA123456", ReadingFault::kBadFirstLetter, "A"},
             Refused{"NI1234", ReadingFault::kBadSecondLetter, "I"},
             Refused{"I338742", ReadingFault::kBadIrishLetter, "I"},
             Refused{"i 33 74", ReadingFault::kBadIrishLetter, "i"},
             Refused{"N11234", ReadingFault::kOddDigits, "11234"},
             Refused{"J 338 7421", ReadingFault::kUnevenHalves, "338 7421"},
             Refused{"J338742123456", ReadingFault::kTooManyDigits, "338742123456"},
             Refused{"J?", ReadingFault::kBadSecondLetter, "?"},
             Refused{"J 33?", ReadingFault::kNotADigit, "?"},
             Refused{"WB652484", ReadingFault::kBadChannelIslandsSquare, "WB"},
             Refused{"wi 65 48", ReadingFault::kBadChannelIslandsSquare, "wi"},
             Refused{"WV 65 484", ReadingFault::kUnevenHalves, "65 484"},
             Refused{"WA12345", ReadingFault::kOddDigits, "12345"},
             Refused{"NN12345678901", ReadingFault::kTooManyDigits, "12345678901"},
             Refused{"NN123456 123456", ReadingFault::kTooManyDigits, "123456 123456"},
             Refused{"NN12x4", ReadingFault::kNotADigit, "x"},
             Refused{"NN12\xC3\xA9", ReadingFault::kNotADigit, "\xC3\xA9"},
             Refused{"NN 12 34 56", ReadingFault::kTooManyGroups, "56"},
             Refused{"", ReadingFault::kEmpty, ""},
             Refused{" \t", ReadingFault::kEmpty, ""},
             Refused{"?NN", ReadingFault::kNotAPosition, "?"},
             Refused{"\xC3\x9CN12", ReadingFault::kNotAPosition, "\xC3\x9C"},
             Refused{"216667", ReadingFault::kOneNumber, "216667"},
             Refused{"216667,", ReadingFault::kOneNumber, "216667"},
             Refused{"216667 77x", ReadingFault::kBadNumber, "77x"},
             Refused{"2e5 7e5", ReadingFault::kBadNumber, "2e5"},
             Refused{"216667. 771283", ReadingFault::kBadNumber, "216667."},
             Refused{"1,2,3", ReadingFault::kBadNumber, "2,3"},
         }) {
        const GridReading reading = ReadGridPosition(r.text);
        EXPECT_EQ(reading.fault, r.fault) << r.text;
        EXPECT_EQ(reading.culprit, r.culprit) << r.text;
        EXPECT_EQ(reading.grid, Grid::kNone) << r.text;
        EXPECT_EQ(reading.position.easting, 0) << r.text;
        const std::string message = Surveyed::FaultText(reading);
        const std::string quoted = *r.culprit ? "'" + std::string(r.culprit) + "'" : "";
        EXPECT_FALSE(message.empty()) << r.text;
        EXPECT_NE(message.find(quoted), std::string::npos) << r.text << ": " << message;
    }
    EXPECT_EQ(Surveyed::FaultText(ReadGridPosition("NN17")), "");
}

struct Form {
    const char* text;
    const char* second;  // the northing's own text, for the reader of two; else nullptr
    Grid metres;         // the grid metres are said to be on
    ReadingFault fault;
    const char* culprit;
    Grid grid;
    double easting;
    double northing;
};

// Tetrads (DINTY: columns of five from the west, each from the south, O left out) and
// quadrants on every grid with 10 km squares; metres with their letters, in either order, on
// the grid they are said to be on, in one text or two; and what each form refuses.
TEST(ReadGridPosition, TetradsQuadrantsAndMetresAsPeopleWriteThem) {
    constexpr auto kGb = Grid::kGreatBritain;
    constexpr auto kIrish = Grid::kIrish;
    constexpr auto kOk = ReadingFault::kNone;
    for (const Form& f : {
             Form{"SP48T", nullptr, kGb, kOk, "", kGb, 447'000, 287'000},
             Form{"sp 4 8 t", nullptr, kGb, kOk, "", kGb, 447'000, 287'000},
             Form{"SP48A", nullptr, kGb, kOk, "", kGb, 441'000, 281'000},
             Form{"SP48E", nullptr, kGb, kOk, "", kGb, 441'000, 289'000},
             Form{"SP48P", nullptr, kGb, kOk, "", kGb, 445'000, 289'000},
             Form{"SP48Z", nullptr, kGb, kOk, "", kGb, 449'000, 289'000},
             Form{"SP48NW", nullptr, kGb, kOk, "", kGb, 442'500, 287'500},
             Form{"SP 4 8 NW", nullptr, kGb, kOk, "", kGb, 442'500, 287'500},
             Form{"SP48 ne", nullptr, kGb, kOk, "", kGb, 447'500, 287'500},
             Form{"sp48sw", nullptr, kGb, kOk, "", kGb, 442'500, 282'500},
             Form{"H48T", nullptr, kGb, kOk, "", kIrish, 247'000, 387'000},
             Form{"WV64SE", nullptr, kGb, kOk, "", Grid::kUtm30, 567'500, 5'442'500},
             Form{"224100E 252100N", nullptr, kIrish, kOk, "", kIrish, 224'100, 252'100},
             Form{"224100e, 252100n", nullptr, kIrish, kOk, "", kIrish, 224'100, 252'100},
             Form{"E224100 N252100", nullptr, kIrish, kOk, "", kIrish, 224'100, 252'100},
             Form{"252100N 224100E", nullptr, kGb, kOk, "", kGb, 224'100, 252'100},
             Form{"252100N 224100", nullptr, kGb, kOk, "", kGb, 224'100, 252'100},
             Form{"287800 345800", nullptr, Grid::kUtm30, kOk, "", Grid::kUtm30, 287'800, 345'800},
             // A reference stays one: square E of the Irish Grid.
             Form{"E224100", nullptr, kGb, kOk, "", kIrish, 422'450, 410'050},
             Form{"224100", "252100N", kIrish, kOk, "", kIrish, 224'100, 252'100},
             Form{" N252100", "E224100 ", kGb, kOk, "", kGb, 224'100, 252'100},
             Form{"SP48O", nullptr, kGb, ReadingFault::kBadTetradLetter, "O", Grid::kNone, 0, 0},
             Form{"SP48NX", nullptr, kGb, ReadingFault::kBadQuadrant, "NX", Grid::kNone, 0, 0},
             Form{"SP48nww", nullptr, kGb, ReadingFault::kBadQuadrant, "nww", Grid::kNone, 0, 0},
             Form{"SP4385T", nullptr, kGb, ReadingFault::kNotTenKilometres, "4385T", Grid::kNone, 0,
                  0},
             Form{"SPNW", nullptr, kGb, ReadingFault::kNotTenKilometres, "NW", Grid::kNone, 0, 0},
             Form{"SP48T5", nullptr, kGb, ReadingFault::kNotADigit, "T", Grid::kNone, 0, 0},
             Form{"224100E 252100E", nullptr, kGb, ReadingFault::kTwoEastings, "252100E",
                  Grid::kNone, 0, 0},
             Form{"224100N,252100N", nullptr, kGb, ReadingFault::kTwoNorthings, "252100N",
                  Grid::kNone, 0, 0},
             Form{"224100EN 252100", nullptr, kGb, ReadingFault::kBadNumber, "224100EN",
                  Grid::kNone, 0, 0},
             Form{"E224100 N2521x", nullptr, kGb, ReadingFault::kBadNumber, "N2521x", Grid::kNone,
                  0, 0},
             Form{"NN166", "712", kGb, ReadingFault::kBadNumber, "NN166", Grid::kNone, 0, 0},
             Form{"224100", " ", kGb, ReadingFault::kOneNumber, "224100", Grid::kNone, 0, 0},
             Form{"", "", kGb, ReadingFault::kEmpty, "", Grid::kNone, 0, 0},
         }) {
        const GridReading reading = f.second ? ReadGridPosition(f.text, f.second, f.metres)
                                             : ReadGridPosition(f.text, f.metres);
        EXPECT_EQ(reading.fault, f.fault) << f.text;
        EXPECT_EQ(reading.culprit, f.culprit) << f.text;
        EXPECT_EQ(reading.grid, f.grid) << f.text;
        EXPECT_EQ(reading.position.easting, f.easting) << f.text;
        EXPECT_EQ(reading.position.northing, f.northing) << f.text;
        const std::string quoted = *f.culprit ? "'" + std::string(f.culprit) + "'" : "";
        EXPECT_NE(Surveyed::FaultText(reading).find(quoted), std::string::npos) << f.text;
    }
    EXPECT_EQ(Surveyed::FaultText(ReadGridPosition("SP48o")),
              "'o' is not a tetrad letter: A to Z but O (DINTY)");
    EXPECT_EQ(Surveyed::FaultText(ReadGridPosition("SP48NX")),
              "'NX' is not a quadrant: NW, NE, SW or SE");
}

struct Reference {
    Grid grid;
    double easting;
    double northing;
    int digits;
    const char* reference;
};

TEST(GridReferenceOf, TruncatesToTheSquareThatHoldsThePosition) {
    constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
    for (const Reference& r : {
             Reference{Grid::kGreatBritain, 216'667.9, 771'283.9, 10, "NN1666771283"},
             Reference{Grid::kGreatBritain, 216'667.9, 771'283.9, 6, "NN166712"},
             Reference{Grid::kGreatBritain, 216'667.9, 771'283.9, 2, "NN17"},
             Reference{Grid::kGreatBritain, 216'667.9, 771'283.9, 0, "NN"},
             Reference{Grid::kGreatBritain, 0, 0, 6, "SV000000"},
             // On an edge: the square to the north and east.
             Reference{Grid::kGreatBritain, 300'000, 800'000, 4, "NJ0000"},
             Reference{Grid::kGreatBritain, 999'999.9, 1'499'999.9, 4, "JE9999"},
             Reference{Grid::kGreatBritain, 447'450, 1'141'450, 8, "HU47454145"},
             // Outside the lettered squares, and digits that make no reference.
             Reference{Grid::kGreatBritain, 1'000'000, 0, 6, ""},
             Reference{Grid::kGreatBritain, 0, 1'500'000, 6, ""},
             Reference{Grid::kGreatBritain, -0.001, 5, 6, ""},
             Reference{Grid::kGreatBritain, kNaN, 5, 6, ""},
             Reference{Grid::kGreatBritain, 5, 5, 3, ""},
             Reference{Grid::kGreatBritain, 5, 5, 12, ""},
             Reference{Grid::kGreatBritain, 5, 5, -2, ""},
             // The Irish Grid's table, 500 km square, and the Channel Islands' two squares.
             Reference{Grid::kIrish, 333'850.5, 374'250, 6, "J338742"},
             Reference{Grid::kIrish, 0, 0, 0, "V"},
             Reference{Grid::kIrish, 499'999.9, 499'999.9, 2, "E99"},
             Reference{Grid::kIrish, 0, 400'000, 10, "A0000000000"},
             Reference{Grid::kIrish, 500'000, 5, 6, ""},
             Reference{Grid::kIrish, 5, 500'000, 6, ""},
             Reference{Grid::kIrish, -0.001, 5, 6, ""},
             Reference{Grid::kUtm30, 565'250, 5'448'450, 6, "WV652484"},
             Reference{Grid::kUtm30, 500'000, 5'500'000, 4, "WA0000"},
             Reference{Grid::kUtm30, 599'999.9, 5'599'999.9, 10, "WA9999999999"},
             Reference{Grid::kUtm30, 499'999.9, 5'450'000, 6, ""},
             Reference{Grid::kUtm30, 600'000, 5'450'000, 6, ""},
             Reference{Grid::kUtm30, 550'000, 5'399'999.9, 6, ""},
             Reference{Grid::kUtm30, 550'000, 5'600'000, 6, ""},
             Reference{Grid::kNone, 5, 5, 6, ""},
         }) {
        EXPECT_EQ(Surveyed::GridReferenceOf(r.grid, {r.easting, r.northing}, r.digits), r.reference)
            << r.easting << " " << r.northing << " " << r.digits;
    }
}

struct Lettered {
    Grid grid;
    Surveyed::GridPoint from;
    Surveyed::GridPoint to;
};

// Written and read back, a reference's centre is within half its square of the position, on
// the grid it was written on.
TEST(GridReferenceOf, ReadsBackToTheSquareCentre) {
    std::mt19937_64 random(14);
    for (const Lettered& area :
         {Lettered{Grid::kGreatBritain,
                   {0, 0},
                   {Surveyed::kLetteredEastingLimit, Surveyed::kLetteredNorthingLimit}},
          Lettered{Grid::kIrish, {0, 0}, {500'000, 500'000}},
          Lettered{Grid::kUtm30, {500'000, 5'400'000}, {600'000, 5'600'000}}}) {
        std::uniform_real_distribution<double> easting(area.from.easting, area.to.easting);
        std::uniform_real_distribution<double> northing(area.from.northing, area.to.northing);
        for (int i = 0; i < 5'000; ++i) {
            const Surveyed::GridPoint p{easting(random), northing(random)};
            const int digits = 2 * (i % 6);
            const double half = 50'000 / std::pow(10, digits / 2);
            const GridReading back =
                ReadGridPosition(Surveyed::GridReferenceOf(area.grid, p, digits));
            ASSERT_EQ(back.fault, ReadingFault::kNone);
            EXPECT_EQ(back.grid, area.grid);
            EXPECT_LE(std::abs(back.position.easting - p.easting), half);
            EXPECT_LE(std::abs(back.position.northing - p.northing), half);
        }
    }
}

}  // namespace

namespace {

// The digits activators take wrongly by hand: the first of each half, never the first two.
TEST(WorkedAllBritainSquare, IsTheTenKilometreSquare) {
    for (const auto& [text, square] : {std::pair{"SP104728", "SP17"},
                                       {"NT0816416287", "NT01"},
                                       {"HU474414", "HU44"},
                                       {"NN 166 712", "NN17"},
                                       {"SV000000", "SV00"},
                                       {"J 338 742", "J37"},
                                       {"WV 652 484", "WV64"}}) {
        const GridReading reading = ReadGridPosition(text);
        ASSERT_EQ(reading.fault, ReadingFault::kNone) << text;
        EXPECT_EQ(Surveyed::WorkedAllBritainSquare(reading.grid, reading.position), square) << text;
    }
    EXPECT_EQ(Surveyed::WorkedAllBritainSquare(Grid::kGreatBritain, {-1, 5}), "");
}

}  // namespace
