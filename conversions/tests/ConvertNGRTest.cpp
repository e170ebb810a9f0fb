#include "conversions/Module1.hpp"

#include <gtest/gtest.h>

#include <string>

namespace {

// Untouched outputs are easy to spot.
constexpr double kSentinel = -12345.678;

struct Converted {
    std::int16_t result;
    double latitude;
    double longitude;
};

Converted Convert(std::string_view ngr) {
    Converted c{99, kSentinel, kSentinel};
    Module1::ConvertNGR(ngr, c.latitude, c.longitude, c.result);
    return c;
}

std::int16_t ResultOf(std::string_view ngr) {
    return Convert(ngr).result;
}

// ---- Positions, to the last bit ---------------------------------------------------------

TEST(ConvertNGRPosition, MatchesTheFormulaToTheLastBit) {
    const Converted tq = Convert("TQ300800");
    ASSERT_EQ(tq.result, Module1::kValid);
    EXPECT_EQ(tq.latitude, 51.503070553073165);
    EXPECT_EQ(tq.longitude, -0.1272378341154108);

    // Easting exactly on the central meridian: a few units in the last place below -2.
    const Converted su = Convert("SU000500");
    ASSERT_EQ(su.result, Module1::kValid);
    EXPECT_EQ(su.longitude, -2.0000000000000058);
}

struct Reference {
    const char* ngr;
    double latitude;
    double longitude;
};

class ConvertNGRTable : public testing::TestWithParam<Reference> {};

TEST_P(ConvertNGRTable, PositionToSixDecimals) {
    const Reference& ref = GetParam();
    const Converted c = Convert(ref.ngr);
    ASSERT_EQ(c.result, Module1::kValid) << ref.ngr;
    EXPECT_NEAR(c.latitude, ref.latitude, 5e-7) << ref.ngr;
    EXPECT_NEAR(c.longitude, ref.longitude, 5e-7) << ref.ngr;
}

INSTANTIATE_TEST_SUITE_P(AcrossTheGrid, ConvertNGRTable,
                         testing::Values(Reference{"TQ300800", 51.503071, -0.127238},
                                         Reference{"NN166712", 56.798455, -5.003786},
                                         Reference{"SV000000", 49.766358, -7.554519},
                                         Reference{"sk123456", 53.007053, -1.816703},
                                         Reference{"SU000500", 51.248198, -2.000000}),
                         [](const testing::TestParamInfo<Reference>& param) {
                             return std::string(param.param.ngr);
                         });

TEST(ConvertNGRPosition, LowerCaseEqualsUpperCase) {
    for (const char* pair : {"sk", "Sk", "sK"}) {
        std::string ngr = std::string(pair) + "123456";
        const Converted lower = Convert(ngr);
        const Converted upper = Convert("SK123456");
        EXPECT_EQ(lower.result, Module1::kValid) << ngr;
        EXPECT_EQ(lower.latitude, upper.latitude) << ngr;
        EXPECT_EQ(lower.longitude, upper.longitude) << ngr;
    }
}

TEST(ConvertNGRPosition, SquaresLieWhereTheGridPutsThem) {
    // Moving one 100 km square east or north moves the position the same way, whatever the
    // letters: a wrong letter index or row start would break this somewhere.
    const std::string east = "ABCDEFGHJKLMNOPQRSTUVWXYZ";
    for (const char first : std::string("NST")) {
        for (const char second : east) {
            const std::string ngr = std::string{first, second} + "500500";
            const Converted c = Convert(ngr);
            ASSERT_EQ(c.result, Module1::kValid) << ngr;
            EXPECT_GT(c.latitude, 49) << ngr;
            EXPECT_LT(c.latitude, 61.5) << ngr;
            EXPECT_GT(c.longitude, -12) << ngr;
            EXPECT_LT(c.longitude, 7) << ngr;  // the grid's eastern squares are open sea
        }
    }
    EXPECT_LT(Convert("SV500500").latitude, Convert("SQ500500").latitude);    // north of SV
    EXPECT_LT(Convert("SV500500").longitude, Convert("SW500500").longitude);  // east of SV
    EXPECT_LT(Convert("SZ500500").longitude, Convert("TV500500").longitude);  // east of SZ
    EXPECT_LT(Convert("SV500500").latitude, Convert("NV500500").latitude);    // north of SV
    EXPECT_LT(Convert("TQ000000").latitude, Convert("TQ000999").latitude);
    EXPECT_LT(Convert("TQ000000").longitude, Convert("TQ999000").longitude);
}

// ---- Validation ----------------------------------------------------------------------------

TEST(ConvertNGRValidation, LengthIsCountedInCharacters) {
    EXPECT_EQ(ResultOf(""), Module1::kWrongLength);
    EXPECT_EQ(ResultOf("TQ30080"), Module1::kWrongLength);
    EXPECT_EQ(ResultOf("SU1234567"), Module1::kWrongLength);        // nine, first eight valid
    EXPECT_EQ(ResultOf("TQ300800 "), Module1::kWrongLength);        // longer is never truncated
    EXPECT_EQ(ResultOf("TQ30080\xC3\xA9"), Module1::kBadDigit);     // eight characters, nine bytes
    EXPECT_EQ(ResultOf("TQ3008\xC3\xA9"), Module1::kWrongLength);   // seven characters, eight bytes
    EXPECT_EQ(ResultOf("TQ30080\xE2\x82"), Module1::kWrongLength);  // truncated euro: nine
}

TEST(ConvertNGRValidation, FirstLetterIsNSOrT) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const std::int16_t expected =
            (c == 'N' || c == 'S' || c == 'T') ? Module1::kValid : Module1::kBadGridLetter;
        EXPECT_EQ(ResultOf(std::string{c} + "A123456"), expected) << c;
        EXPECT_EQ(ResultOf(std::string{static_cast<char>(c - 'A' + 'a')} + "A123456"), expected)
            << c;
    }
    EXPECT_EQ(ResultOf("HU123456"), Module1::kBadGridLetter);
    EXPECT_EQ(ResultOf("OV123456"), Module1::kBadGridLetter);
}

TEST(ConvertNGRValidation, SecondLetterIsAToZExceptI) {
    for (char c = 'A'; c <= 'Z'; ++c) {
        const std::int16_t expected = c == 'I' ? Module1::kBadGridLetter : Module1::kValid;
        EXPECT_EQ(ResultOf(std::string("S") + c + "123456"), expected) << c;
    }
    EXPECT_EQ(ResultOf("Si123456"), Module1::kBadGridLetter);
    EXPECT_EQ(ResultOf("IS123456"), Module1::kBadGridLetter);
    for (const char* bad : {"S@123456", "S[123456", "S`123456", "S{123456", "S1123456", "S 123456",
                            "\xC3\x89"
                            "U123456",
                            "S\xC3\xA9"
                            "123456",
                            "S\xFF"
                            "123456"}) {
        EXPECT_EQ(ResultOf(bad), Module1::kBadGridLetter) << bad;
    }
}

TEST(ConvertNGRValidation, CharactersThreeToEightAreDigits) {
    EXPECT_EQ(ResultOf("SU12345A"), Module1::kBadDigit);
    EXPECT_EQ(ResultOf("SU 12345"), Module1::kBadDigit);
    EXPECT_EQ(ResultOf("SU12/456"), Module1::kBadDigit);  // just below "0"
    EXPECT_EQ(ResultOf("SU123:56"), Module1::kBadDigit);  // just above "9"
    EXPECT_EQ(ResultOf("SU-12345"), Module1::kBadDigit);
    EXPECT_EQ(ResultOf("SU1234\xEF\xBC\x95"
                       "6"),
              Module1::kBadDigit);  // fullwidth five
    EXPECT_EQ(ResultOf(std::string("SU123\0"
                                   "56",
                                   8)),
              Module1::kBadDigit);
    EXPECT_EQ(ResultOf("SU000000"), Module1::kValid);
    EXPECT_EQ(ResultOf("SU999999"), Module1::kValid);
}

TEST(ConvertNGRValidation, TestsRunInOrderLengthLettersDigits) {
    EXPECT_EQ(ResultOf("XX12345"), Module1::kWrongLength);     // bad letters, wrong length
    EXPECT_EQ(ResultOf("XX12345A"), Module1::kBadGridLetter);  // bad letters and digit
    EXPECT_EQ(ResultOf("SUABCDEF"), Module1::kBadDigit);
}

TEST(ConvertNGRValidation, FailureLeavesOutputsUntouched) {
    for (const char* bad : {"", "SU1234567", "HU123456", "SU12345A"}) {
        const Converted c = Convert(bad);
        EXPECT_NE(c.result, Module1::kValid) << bad;
        EXPECT_EQ(c.latitude, kSentinel) << bad;
        EXPECT_EQ(c.longitude, kSentinel) << bad;
    }
}

TEST(ConvertNGRValidation, ResultIsResetOnEntry) {
    double lat = 0;
    double lon = 0;
    std::int16_t result = Module1::kBadDigit;
    Module1::ConvertNGR("TQ300800", lat, lon, result);
    EXPECT_EQ(result, Module1::kValid);
}

}  // namespace
