#include "cli/Escaping.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "runtime/Text.hpp"

namespace {

// "<" and what `append` appends for `text`.
template <typename Append>
std::string Escaped(std::string_view text, Append append) {
    std::string out = "<";
    append(text, out);
    return out;
}

std::string Text(std::string_view t) {
    return Escaped(t, cli::AppendTextField);
}
std::string Csv(std::string_view t, char delimiter = ',') {
    return Escaped(t, [=](std::string_view text, std::string& out) {
        cli::AppendCsvField(text, out, delimiter);
    });
}
std::string Json(std::string_view t) {
    return Escaped(t, cli::AppendJsonString);
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = runtime::Utf8SequenceLength(text.substr(i));
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

TEST(Escaping, TextEscapesOnlyWhatWouldSplitOrJoinFields) {
    EXPECT_EQ(Text("TQ300800"), "<TQ300800");
    EXPECT_EQ(Text("a\tb\\c\rd\ne"), "<a\\tb\\\\c\\rd\\ne");
    EXPECT_EQ(Text(std::string_view("a\0b,\"", 5)), std::string("<a\0b,\"", 6));
}

TEST(Escaping, CsvQuotesFieldsThatNeedIt) {
    EXPECT_EQ(Csv("TQ300800"), "<TQ300800");
    EXPECT_EQ(Csv(""), "<");
    EXPECT_EQ(Csv("a,b"), "<\"a,b\"");
    EXPECT_EQ(Csv("say \"hi\""), "<\"say \"\"hi\"\"\"");
    EXPECT_EQ(Csv("\""), "<\"\"\"\"");
    EXPECT_EQ(Csv("a\rb"), "<\"a\rb\"");
    EXPECT_EQ(Csv("a\nb"), "<\"a\nb\"");
    EXPECT_EQ(Csv("tab\there"), "<tab\there");   // a tab needs no quotes
    EXPECT_EQ(Csv("a;b,c", ';'), "<\"a;b,c\"");  // a table's own delimiter does
    EXPECT_EQ(Csv("a,b", ';'), "<a,b");
}

TEST(Escaping, JsonEscapesQuotesBackslashAndEveryControlCharacter) {
    EXPECT_EQ(Json("TQ300800"), "<\"TQ300800\"");
    EXPECT_EQ(Json("\"\\/"), "<\"\\\"\\\\/\"");
    EXPECT_EQ(Json("\b\f\n\r\t"), "<\"\\b\\f\\n\\r\\t\"");
    EXPECT_EQ(Json(std::string_view("\0\x01\x1f\x7f", 4)), "<\"\\u0000\\u0001\\u001f\x7f\"");
    for (int c = 0; c < 0x20; ++c) {
        const std::string out = Json(std::string(1, static_cast<char>(c)));
        EXPECT_EQ(out[2], '\\') << c;
        for (const char o : out)
            EXPECT_GE(static_cast<unsigned char>(o), 0x20) << c;
    }
}

// Text and CSV keep the bytes of any encoding; JSON is UTF-8.
TEST(Escaping, TextAndCsvKeepEveryByteJsonReplacesMalformedOnes) {
    const std::string fffd = "\xEF\xBF\xBD";
    EXPECT_EQ(Text("caf\xC3\xA9"), "<caf\xC3\xA9");
    EXPECT_EQ(Text("St\xF9"
                   "c\xFF\xFE"),
              "<St\xF9"
              "c\xFF\xFE");
    EXPECT_EQ(Csv("\xED\xA0\x80,"), "<\"\xED\xA0\x80,\"");
    EXPECT_EQ(Json("a\xE2\x82"), "<\"a" + fffd + fffd + "\"");
    EXPECT_EQ(Json("\xC0\xAFx\xF0\x9F\x93\xA1"), "<\"" + fffd + fffd + "x\xF0\x9F\x93\xA1\"");
}

TEST(Escaping, TheWorstInputsGrowSixAndTwoTimes) {
    const std::string controls(100, '\x01');
    EXPECT_EQ(Json(controls).size() - 1, 6 * 100 + 2u);
    EXPECT_EQ(Csv(std::string(50, '"')).size() - 1, 2 * 50 + 2u);
}

// Text reads back to every byte (its four escapes undone), JSON is valid UTF-8; neither
// breaks the line.
TEST(Escaping, RandomBytesGiveOneLineEach) {
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(0, 40);
    for (int round = 0; round < 5000; ++round) {
        std::string input(static_cast<std::size_t>(length(rng)), '\0');
        for (char& c : input)
            c = static_cast<char>(byte(rng));
        const std::string text = Text(input);
        const std::string json = Json(input);
        ASSERT_TRUE(IsValidUtf8(json));
        ASSERT_EQ(text.find_first_of("\r\n\t"), std::string::npos);
        std::string unescaped;
        for (std::size_t i = 1; i < text.size(); ++i) {
            if (text[i] == '\\')
                unescaped += std::string("\\\t\n\r")[std::string("\\tnr").find(text[++i])];
            else
                unescaped += text[i];
        }
        ASSERT_EQ(unescaped, input);
        for (const char c : json)
            ASSERT_GE(static_cast<unsigned char>(c), 0x20);
    }
}

}  // namespace
