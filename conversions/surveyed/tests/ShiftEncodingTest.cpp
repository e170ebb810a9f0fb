#include "conversions/surveyed/ShiftEncoding.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ShiftTables.hpp"
#include "conversions/surveyed/Ostn15.hpp"

namespace {

using Surveyed::kShiftNodes;

std::string Bytes(const std::uint16_t* values, std::size_t count) {
    return {reinterpret_cast<const char*>(values), count * sizeof(std::uint16_t)};
}

// The tables the conversions read are the package's, byte for byte: built in, or (the web
// build) decoded from what the page loads; and the encoding gives back what it was given.
TEST(ShiftEncoding, GivesTheTablesBackByteForByte) {
    const std::string package = PackageShiftBytes();
    ASSERT_EQ(package.size(), 4 * kShiftNodes);
    const auto tables = Surveyed::Shifts();
    ASSERT_TRUE(tables);
    EXPECT_TRUE(Bytes(tables->east, kShiftNodes) + Bytes(tables->north, kShiftNodes) == package);

    std::vector<std::uint16_t> values(2 * kShiftNodes);
    std::memcpy(values.data(), package.data(), package.size());
    const std::span<const std::uint16_t> all(values);
    std::vector<std::uint8_t> encoded =
        Surveyed::EncodeShifts(all.first(kShiftNodes), all.last(kShiftNodes));
    const auto decoded = Surveyed::DecodeShifts(encoded);
    ASSERT_TRUE(decoded);
    EXPECT_TRUE(*decoded == values);

    // Refused: a byte missing or left over, and a number of more than 18 bits.
    EXPECT_FALSE(Surveyed::DecodeShifts(std::span(encoded).first(encoded.size() - 1)));
    encoded.push_back(0);
    EXPECT_FALSE(Surveyed::DecodeShifts(encoded));
    const std::vector<std::uint8_t> tooLong = {0x80, 0x80, 0x80, 0x01};
    EXPECT_FALSE(Surveyed::DecodeShifts(tooLong));
}

}  // namespace
