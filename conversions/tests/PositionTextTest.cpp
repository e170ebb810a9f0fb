#include "conversions/PositionText.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string_view>

namespace {

using PositionText::Fault;
using PositionText::ReadPosition;

constexpr double Dms(double degrees, double minutes, double seconds = 0) {
    return degrees + minutes / 60 + seconds / 3600;
}

// Every form the header lists, with letters before and after, signs and blanks of every kind.
TEST(PositionText, ReadsTheWaysPeopleWritePositions) {
    struct Case {
        std::string_view text;
        double latitude, longitude;
    };
    const double lat = Dms(52, 12, 3);
    const double lon = -Dms(0, 6, 4);
    const double gpsLat = Dms(52, 12.050);
    const double gpsLon = -Dms(0, 6.067);
    const Case cases[] = {
        {"52.2 -0.1", 52.2, -0.1},
        {"52.2N 0.1W", 52.2, -0.1},
        {"N52.2 W0.1", 52.2, -0.1},
        {"52.2, -0.1", 52.2, -0.1},
        {"52,-2", 52, -2},
        {" 52 , -2 ", 52, -2},
        {"52.2n0.1w", 52.2, -0.1},
        {"52.2N W0.1", 52.2, -0.1},
        {"-0.1W 52.2N", 52.2, -0.1},  // the letters decide; the sign agrees with W
        {"52.2N -0.1", 52.2, -0.1},   // a letter goes with the number it touches
        {"52.2 N 0.1 W", 52.2, -0.1},
        {"52.2 N 0.1", 52.2, 0.1},
        {"52.2N,0.1W", 52.2, -0.1},
        {"52.2 N, 0.1 W", 52.2, -0.1},
        {"+52.2 \u22120.1", 52.2, -0.1},
        {".5 -.5", 0.5, -0.5},
        {"52.2\u00B0 -0.1\u00B0", 52.2, -0.1},
        {"52\u00B012'03\"N 0\u00B006'04\"W", lat, lon},
        {"52\u00BA12\u203203\u2033N 0\u00BA06\u203204\u2033W", lat, lon},
        {"52\u00B012\u201903\u201DN 0\u00B006\u201904\u201DW", lat, lon},
        {"52\u00B012'03''N 0\u00B006'04''W", lat, lon},
        {"52d12'03\"N 0d06'04\"W", lat, lon},
        {"52D12'03\"N, 0D06'04\"W", lat, lon},
        {"52:12:03N 0:06:04W", lat, lon},
        {"52:12:03 -0:06:04", lat, lon},
        {"52 12 03N 0 06 04W", lat, lon},
        {"N52 12 03 W0 06 04", lat, lon},
        {"52\u00B0 12' 03\" N  0\u00B0 06' 04\" W", lat, lon},
        {"0\u00B006'04\"W 52\u00B012'03\"N", lat, lon},
        {"52\u00B012'03\" -0\u00B006'04\"", lat, lon},
        {"N52 12.050 W000 06.067", gpsLat, gpsLon},
        {"N052 12.050 W000 06.067", gpsLat, gpsLon},
        {"N52\u00B012.050' W0\u00B006.067'", gpsLat, gpsLon},
        {"52\u00B012.050 -0\u00B06.067", gpsLat, gpsLon},
        {"56d47m49sN 5d0m13sW", Dms(56, 47, 49), -Dms(5, 0, 13)},
        {"56d 47m 49s N, 5d 0m 13s W", Dms(56, 47, 49), -Dms(5, 0, 13)},
        {"33D52m10sS 18d24mE", -Dms(33, 52, 10), Dms(18, 24)},
        {"N52d12.050m W0d06.067m", gpsLat, gpsLon},
        {"5212.05N/00006.07W", Dms(52, 12.05), -Dms(0, 6.07)},
        {"5212.05N\\00006.07W-", Dms(52, 12.05), -Dms(0, 6.07)},
        {"3352.50SD01824.00E", -Dms(33, 52.5), Dms(18, 24)},
        {"52,2 -0,1", 52.2, -0.1},
        {"N52 12,050 W000 06,067", gpsLat, gpsLon},
        // Blanks pasted from web pages and spreadsheets.
        {"\uFEFF52.2\u00A0-0.1\u202F", 52.2, -0.1},
        {"52.2\u200B\t\u200C-0.1\u200D", 52.2, -0.1},
        {"90 180", 90, 180},
        {"-90S -180W", -90, -180},
    };
    for (const Case& c : cases) {
        const PositionText::Reading reading = ReadPosition(c.text);
        EXPECT_EQ(reading.fault, Fault::kNone) << c.text << ": " << FaultText(reading);
        EXPECT_NEAR(reading.position.latitude, c.latitude, 1e-12) << c.text;
        EXPECT_NEAR(reading.position.longitude, c.longitude, 1e-12) << c.text;
    }
    // Decimal degrees are the nearest double, as the number reader gives them.
    EXPECT_EQ(ReadPosition("51.503071 -0.127238").position.longitude, -0.127238);
    EXPECT_TRUE(std::signbit(ReadPosition("-0 -0").position.latitude));
}

TEST(PositionText, RefusesWithTheFaultAndThePartAtFault) {
    struct Case {
        std::string_view text;
        Fault fault;
        std::string_view culprit;
    };
    const Case cases[] = {
        {" \t", Fault::kEmpty, ""},
        {"52 x", Fault::kUnexpected, "x"},
        {"52.2-0.1", Fault::kUnexpected, "-"},
        {"1e1 2e1", Fault::kNotACoordinate, "1"},  // no exponents: e is east
        {"52;-2", Fault::kUnexpected, ";"},
        {"52.2.3 1", Fault::kUnexpected, "."},
        {"52,2 -0.1", Fault::kTooManyNumbers, "52,2 -0.1"},  // one comma: it separates
        {"52.2N", Fault::kOneCoordinate, "52.2N"},
        {"N", Fault::kOneCoordinate, "N"},
        {"52 -0.1 3", Fault::kTooManyNumbers, "52 -0.1 3"},
        {"52,5 -2", Fault::kTooManyNumbers, "52,5 -2"},
        {"52,2,-0,1", Fault::kTooManyNumbers, "52,2,-0,1"},
        {"52.2N, 0.1W, 3", Fault::kNotACoordinate, ", 3"},
        {"52\u00B012'03\"5 0", Fault::kNotACoordinate, "5 0"},
        {"52'12\u00B0 0", Fault::kNotACoordinate, "52'"},
        {"52.5 30N 0W", Fault::kDecimalsNotLast, "52.5"},
        {"52\u00B0-12' 0", Fault::kNotACoordinate, "-12'"},
        {"N52N, 0E", Fault::kNotACoordinate, "N"},
        {"52: 0", Fault::kNotACoordinate, "52:"},
        {"52°12m 0", Fault::kUnexpected, "m"},  // m marks minutes after d alone
        {"52d 12 m 0", Fault::kUnexpected, "m"},
        {"52d12s 0d6s", Fault::kTwoLatitudes, "0d6s"},  // s after other than m minutes: south
        {"52 12 0 6", Fault::kTooManyNumbers, "52 12 0 6"},
        {"52\u00B0 12 0\u00B0 6 1", Fault::kNotACoordinate, "0\u00B0 6 1"},
        {"N52 12 0 6E", Fault::kAmbiguous, "N52 12 0 6E"},
        {"52\u00B060' 0", Fault::kMinutesTooLarge, "60'"},
        {"N52 12 60.5 W0", Fault::kSecondsTooLarge, "60.5"},
        {"5260.00N/00006.07W", Fault::kMinutesTooLarge, "60.00"},
        {"-52N 0", Fault::kSignAndLetter, "-52N"},
        {"52 +0.1W", Fault::kSignAndLetter, "+0.1W"},
        {"52N 0.1S", Fault::kTwoLatitudes, "0.1S"},
        {"52.2 N0.1", Fault::kTwoLatitudes, "N0.1"},  // the letter goes with the number it touches
        {"N52.2W0.1", Fault::kNotACoordinate, "W"},
        {"1e3 0", Fault::kNotACoordinate, "3 0"},
        {"0.1W 52.2", Fault::kTwoLongitudes, "52.2"},
        {"0.1E 52.2W", Fault::kTwoLongitudes, "52.2W"},
        {"90.0000001 0", Fault::kLatitudeRange, "90.0000001"},
        {"0 -180.0000001", Fault::kLongitudeRange, "-180.0000001"},
        {"1W 91N", Fault::kLatitudeRange, "91N"},
        {"9100.00N/00006.07W", Fault::kLatitudeRange, "9100.00N"},
    };
    for (const Case& c : cases) {
        const PositionText::Reading reading = ReadPosition(c.text);
        EXPECT_EQ(reading.fault, c.fault) << c.text << ": " << FaultText(reading);
        EXPECT_EQ(reading.culprit, c.culprit) << c.text;
        EXPECT_FALSE(FaultText(reading).empty()) << c.text;
    }
    EXPECT_EQ(FaultText(ReadPosition("52\u00B060' 0")), "minutes of 60 or more: '60''");
    EXPECT_EQ(FaultText(ReadPosition("52 0")), "");
}

// Coordinates from two columns: each one coordinate, with its own decimal comma.
TEST(PositionText, ReadsCoordinatesWrittenApart) {
    const PositionText::Reading reading = ReadPosition(" 52\u00B012,5'N", "-0,5");
    EXPECT_EQ(reading.fault, Fault::kNone) << FaultText(reading);
    EXPECT_NEAR(reading.position.latitude, Dms(52, 12.5), 1e-12);
    EXPECT_EQ(reading.position.longitude, -0.5);
    EXPECT_EQ(ReadPosition("0.1W", "52N").position.latitude, 52);
    EXPECT_EQ(ReadPosition("52", "").fault, Fault::kEmpty);
    EXPECT_EQ(ReadPosition("52 12", "0").culprit, "52 12");
    EXPECT_EQ(ReadPosition("52,5", "0,1,2").culprit, ",");
    EXPECT_EQ(ReadPosition("52", "181").fault, Fault::kLongitudeRange);
}

}  // namespace
