#include "cli/LineTrimmer.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "cli/LineConversion.hpp"

namespace {

constexpr std::size_t kCapacity = 16;

// Feeds `line` to a trimmer in pieces cut at random places.
cli::LineTrimmer& FeedInPieces(cli::LineTrimmer& trimmer, std::string_view line,
                               std::mt19937& rng) {
    trimmer.Reset();
    while (!line.empty()) {
        const std::size_t piece = std::uniform_int_distribution<std::size_t>(0, line.size())(rng);
        trimmer.Feed(line.substr(0, piece));
        line.remove_prefix(piece);
    }
    return trimmer;
}

TEST(LineTrimmer, GivesWhatTrimInputGivesWhenTheTextFits) {
    std::mt19937 rng(5);
    // Few kinds of bytes, so that blanks and carriage returns meet in every order.
    const std::string alphabet = "  \t\t\r\rab";
    cli::LineTrimmer trimmer(kCapacity);
    for (int round = 0; round < 20000; ++round) {
        std::string line(std::uniform_int_distribution<std::size_t>(0, 40)(rng), ' ');
        for (char& c : line)
            c = alphabet[std::uniform_int_distribution<std::size_t>(0, 7)(rng)];
        const std::string_view expected = cli::TrimInput(line);
        FeedInPieces(trimmer, line, rng);
        if (expected.size() <= kCapacity) {
            ASSERT_FALSE(trimmer.Truncated()) << '"' << line << '"';
            ASSERT_EQ(trimmer.Text(), expected) << '"' << line << '"';
        } else {
            ASSERT_TRUE(trimmer.Truncated()) << '"' << line << '"';
            ASSERT_TRUE(expected.starts_with(trimmer.Text())) << '"' << line << '"';
        }
    }
}

TEST(LineTrimmer, KeepsOnlyTheCapacityOfAHugeLine) {
    std::mt19937 rng(9);
    cli::LineTrimmer trimmer(kCapacity);
    const std::string blanks(100000, ' ');
    FeedInPieces(trimmer, blanks + "TQ300800" + blanks + "\r", rng);
    EXPECT_FALSE(trimmer.Truncated());
    EXPECT_EQ(trimmer.Text(), "TQ300800");

    FeedInPieces(trimmer, "TQ300800" + blanks + "x", rng);
    EXPECT_TRUE(trimmer.Truncated());
    EXPECT_EQ(trimmer.Text(), "TQ300800");

    FeedInPieces(trimmer, std::string(100000, 'x'), rng);
    EXPECT_TRUE(trimmer.Truncated());
    EXPECT_EQ(trimmer.Text(), std::string(kCapacity, 'x'));
}

}  // namespace
