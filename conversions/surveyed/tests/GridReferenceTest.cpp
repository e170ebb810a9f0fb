#include "conversions/surveyed/GridReference.hpp"

#include <gtest/gtest.h>

#include "conversions/Module1.hpp"

namespace {

using Surveyed::ReadGridReference;

struct Centre {
    const char* ngr;
    double easting;
    double northing;
};

class GridReferenceCentre : public testing::TestWithParam<Centre> {};

// One reference in each 500 km square and at the grid's corners: a wrong letter row or column,
// a missed I or a centre taken at the corner shows here.
TEST_P(GridReferenceCentre, IsTheMiddleOfTheHundredMetreSquare) {
    const Centre& c = GetParam();
    const Surveyed::GridReading reading = ReadGridReference(c.ngr);
    ASSERT_EQ(reading.result, Module1::kValid) << c.ngr;
    EXPECT_EQ(reading.centre.easting, c.easting) << c.ngr;
    EXPECT_EQ(reading.centre.northing, c.northing) << c.ngr;
}

INSTANTIATE_TEST_SUITE_P(
    AllLargeSquares, GridReferenceCentre,
    testing::Values(Centre{"SV000000", 50, 50}, Centre{"TQ300800", 530'050, 180'050},
                    Centre{"NN166712", 216'650, 771'250}, Centre{"sk123456", 412'350, 345'650},
                    Centre{"TW999999", 699'950, 99'950}, Centre{"OV000000", 500'050, 500'050},
                    Centre{"ob123456", 612'350, 945'650}, Centre{"HU474414", 447'450, 1'141'450},
                    Centre{"HL000000", 50, 1'200'050}, Centre{"JM999999", 699'950, 1'299'950},
                    Centre{"NZ999999", 499'950, 599'950}, Centre{"HA000000", 50, 1'400'050}),
    [](const testing::TestParamInfo<Centre>& p) { return std::string(p.param.ngr); });

TEST(GridReferenceResult, AcceptsOnlyTheNationalGridsLargeSquares) {
    for (const char first : {'H', 'J', 'N', 'O', 'S', 'T', 'h', 'j', 'n', 'o', 's', 't'}) {
        const std::string ngr = std::string{first} + "Z123456";
        EXPECT_EQ(ReadGridReference(ngr).result, Module1::kValid) << ngr;
    }
    for (const char* ngr : {"AA123456", "GZ123456", "KA123456", "PA123456", "RA123456", "UA123456",
                            "ZZ123456", "IA123456", "@A123456", "[A123456"}) {
        EXPECT_EQ(ReadGridReference(ngr).result, Module1::kBadGridLetter) << ngr;
    }
}

TEST(GridReferenceResult, SecondLetterIsAnyLetterButI) {
    EXPECT_EQ(ReadGridReference("HI123456").result, Module1::kBadGridLetter);
    EXPECT_EQ(ReadGridReference("Hi123456").result, Module1::kBadGridLetter);
    EXPECT_EQ(ReadGridReference("H1123456").result, Module1::kBadGridLetter);
    EXPECT_EQ(ReadGridReference("H 123456").result, Module1::kBadGridLetter);
    EXPECT_EQ(ReadGridReference("HA123456").result, Module1::kValid);
    EXPECT_EQ(ReadGridReference("Hj123456").result, Module1::kValid);
}

TEST(GridReferenceResult, TestsRunInTheWindowsOrder) {
    // Length before letters, letters before digits, and a failure leaves no position.
    EXPECT_EQ(ReadGridReference("AA12345").result, Module1::kWrongLength);
    EXPECT_EQ(ReadGridReference("HU1234567").result, Module1::kWrongLength);
    EXPECT_EQ(ReadGridReference("").result, Module1::kWrongLength);
    EXPECT_EQ(ReadGridReference("AA12345x").result, Module1::kBadGridLetter);
    const Surveyed::GridReading bad = ReadGridReference("HU12345x");
    EXPECT_EQ(bad.result, Module1::kBadDigit);
    EXPECT_EQ(bad.centre.easting, 0);
    EXPECT_EQ(bad.centre.northing, 0);
    EXPECT_EQ(ReadGridReference("HU 12345").result, Module1::kBadDigit);
    EXPECT_EQ(ReadGridReference("HU12345/").result, Module1::kBadDigit);
    EXPECT_EQ(ReadGridReference("HU12345:").result, Module1::kBadDigit);
}

TEST(GridReferenceResult, CountsCharactersNotBytes) {
    // Eight characters, nine bytes: the length passes and the letter or digit test decides.
    EXPECT_EQ(ReadGridReference("H\xC3\x9C"
                                "123456")
                  .result,
              Module1::kBadGridLetter);
    EXPECT_EQ(ReadGridReference("HU12345\xC3\xA9").result, Module1::kBadDigit);
    // Eight bytes but seven characters.
    EXPECT_EQ(ReadGridReference("HU1234\xC3\xA9").result, Module1::kWrongLength);
}

}  // namespace
