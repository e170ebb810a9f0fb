// What the window shows must read back: every "###.###" text is a number again, and the
// reader keeps its promises for texts far longer than anyone types.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "runtime/DecimalFormat.hpp"
#include "runtime/NumberReading.hpp"

namespace {

using runtime::FormatThreeDecimals;
using runtime::ReadNumber;

TEST(ReadBack, ZeroShownAsTheSeparatorAloneReadsAsZero) {
    // A reference near the Greenwich meridian shows its longitude as "." or ",".
    for (const char* separator : {".", ",", "\xD9\xAB"}) {
        const std::string shown = FormatThreeDecimals(-0.0003, separator);
        ASSERT_EQ(shown, separator);
        const auto read = ReadNumber(shown, separator);
        ASSERT_TRUE(read) << separator;
        EXPECT_EQ(*read, 0.0);
    }
    const auto negative = ReadNumber(" -. ", ".");
    ASSERT_TRUE(negative);
    EXPECT_TRUE(std::signbit(*negative));
}

TEST(ReadBack, SeparatorAloneIsZeroOnlyWithNothingElse) {
    for (const char* text : {".e5", ".E0", "..", ". .", "-", "+", "", "._"}) {
        EXPECT_EQ(ReadNumber(text, "."), std::nullopt) << '"' << text << '"';
    }
    EXPECT_EQ(ReadNumber(".", ","), std::nullopt);  // not this locale's separator
}

TEST(ReadBack, ShownValuesReadBackWithinHalfAThousandth) {
    for (const double value : {51.503071, -0.127238, -2.0000000000000058, 0.0005, -999.9996, 1234.5,
                               1e20, 123456789012.3456}) {
        const auto read = ReadNumber(FormatThreeDecimals(value, ","), ",");
        ASSERT_TRUE(read) << value;
        EXPECT_LE(std::fabs(*read - value), 0.0005 + 1e-12) << value;
    }
    // Every digit of the largest double is shown, and reads back as the same double.
    const double largest = 1.7976931348623157e308;
    EXPECT_EQ(ReadNumber(FormatThreeDecimals(largest, "."), "."), largest);
}

// The exponent and a long run of digits together decide the size of a number; an exponent
// cut short before the digits are counted turned a huge number into zero and a tiny one
// into "too large".
TEST(ReadBack, LongDigitRunsShiftTheExponent) {
    const std::string zeros(200'000, '0');
    EXPECT_EQ(ReadNumber("0." + zeros + "1e400000", "."), std::nullopt);  // 10^199999
    EXPECT_EQ(ReadNumber("1" + zeros + "e-400000", "."), 0.0);            // 10^-200000
    EXPECT_EQ(ReadNumber("0." + zeros + "15e200001", "."), 1.5);
    EXPECT_EQ(ReadNumber("1" + zeros + "e-200000", "."), 1.0);
}

}  // namespace
