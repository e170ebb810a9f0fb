// A million mixed lines through quorvane-convert, every one accounted for, in order:
//   million-lines generate | quorvane-convert --format json | million-lines check
// `generate` writes the lines: grid references (each unique: its digits are the line's
// number), garbage with invalid UTF-8, NUL bytes and stray carriage returns, lines ended by
// CR LF, blank and empty lines, and now and then one longer than the 64 KiB the tool holds
// whole. Every line that is not a reference or blank starts with "#<number>:". `check`
// makes the same lines again and reads the tool's JSON Lines: exactly one line per input
// line, each showing its own input (so nothing is lost, doubled or reordered), each grid
// reference converted.

#include <unistd.h>

#include <array>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>

namespace {

constexpr long kLines = 1'000'000;
// A fixed seed: every run makes the same lines.
constexpr unsigned kSeed = 4'180;
// One line in this many is longer than the tool's 64 KiB line buffer.
constexpr long kLongLineEvery = 50'000;
constexpr std::size_t kLongLineMin = 70'000;
constexpr std::size_t kLongLineMax = 200'000;
constexpr std::size_t kGarbageMax = 60;
// Of every hundred lines: this many grid references, this many blank or empty, the rest
// garbage.
constexpr unsigned kReferencePercent = 30;
constexpr unsigned kBlankPercent = 5;
constexpr unsigned kPercent = 100;

// One input line and what its output line must start with.
struct Line {
    std::string bytes;     // without its line feed
    std::string expected;  // the start of the output line
};

class Lines {
  public:
    Lines() : engine_(kSeed) {}

    Line Next(long number) {
        Line line;
        const unsigned kind = Below(kPercent);
        if (number % kLongLineEvery == kLongLineEvery - 1) {
            line.bytes =
                Marker(number) + Garbage(kLongLineMin + Below(kLongLineMax - kLongLineMin));
            line.expected = R"({"input":")" + Marker(number);
        } else if (kind < kReferencePercent) {
            std::array<char, 16> reference{};
            std::snprintf(reference.data(), reference.size(), Below(2) == 0 ? "TQ%06ld" : "tq%06ld",
                          number);
            constexpr std::array<std::string_view, 4> kBefore = {"", "", " ", "\t "};
            constexpr std::array<std::string_view, 4> kAfter = {"", "\r", " \r", "\t"};
            line.bytes =
                std::string(kBefore[Below(4)]) + reference.data() + kAfter[Below(4)].data();
            line.expected =
                R"({"input":")" + std::string(reference.data()) + R"(","status":"ok",)";
        } else if (kind < kReferencePercent + kBlankPercent) {
            constexpr std::array<std::string_view, 4> kBlank = {"", "\r", " \t ", "\t\r"};
            line.bytes = kBlank[Below(4)];
            line.expected = R"({"input":"","status":"bad grid reference: )";
        } else {
            line.bytes = Marker(number) + Garbage(Below(kGarbageMax + 1));
            line.expected = R"({"input":")" + Marker(number);
        }
        return line;
    }

  private:
    unsigned Below(std::size_t count) {
        return static_cast<unsigned>(
            std::uniform_int_distribution<std::size_t>(0, count - 1)(engine_));
    }

    static std::string Marker(long number) { return "#" + std::to_string(number) + ":"; }

    // Any bytes but the line feed: NUL, controls, carriage returns, bytes of broken UTF-8.
    std::string Garbage(std::size_t size) {
        std::string bytes(size, '\0');
        for (char& c : bytes) {
            do {
                c = static_cast<char>(Below(256));
            } while (c == '\n');
        }
        return bytes;
    }

    std::mt19937 engine_;
};

int Generate() {
    Lines lines;
    std::string block;
    for (long number = 0; number < kLines; ++number) {
        block += lines.Next(number).bytes;
        block += '\n';
        if (block.size() > (1u << 20) || number == kLines - 1) {
            if (std::fwrite(block.data(), 1, block.size(), stdout) != block.size()) {
                std::perror("million-lines generate");
                return 1;
            }
            block.clear();
        }
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

int Fail(long number, std::string_view what, std::string_view got) {
    std::fprintf(stderr, "output line %ld: %.*s; it starts %.*s\n", number + 1,
                 static_cast<int>(what.size()), what.data(),
                 static_cast<int>(std::min<std::size_t>(got.size(), 80)), got.data());
    return 1;
}

int Check() {
    Lines lines;
    long number = 0;
    std::string pending;  // output read but not yet checked
    std::array<char, 1 << 16> block{};
    for (ssize_t n; (n = ::read(STDIN_FILENO, block.data(), block.size())) != 0;) {
        if (n < 0) {
            std::perror("million-lines check");
            return 1;
        }
        pending.append(block.data(), static_cast<std::size_t>(n));
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos;
             start = end + 1) {
            const std::string_view got(pending.data() + start, end - start);
            if (number == kLines) {
                return Fail(number, "more output lines than input lines", got);
            }
            const Line line = lines.Next(number);
            if (!got.starts_with(line.expected)) {
                return Fail(number, "not the output of input line " + std::to_string(number + 1),
                            got);
            }
            ++number;
        }
        pending.erase(0, start);
    }
    if (!pending.empty()) {
        return Fail(number, "the last output line is not ended", pending);
    }
    if (number != kLines) {
        return Fail(number, "fewer output lines than input lines", "");
    }
    std::printf("%ld lines in, %ld lines out, in order\n", kLines, number);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc == 2 ? argv[1] : "";
    if (mode == "generate") {
        return Generate();
    }
    if (mode == "check") {
        return Check();
    }
    std::fputs("usage: million-lines generate|check\n", stderr);
    return 2;
}
