// What the Windows programs are compared with the Linux build on
// (packaging/windows/compare-with-linux):
//
//   same_answers lines ngr|latlon|locator COUNT SEED
//       COUNT input lines of quorvane-convert of that kind, the same for the same SEED on every
//       build: valid inputs of every form, with about one in ten on the edges of locator
//       squares and subsquares, and inputs the tool must reject;
//   same_answers raw
//       for each grid reference on standard input, the bits of ConvertNGR's latitude and
//       longitude (or its result code), in hexadecimal;
//   same_answers functions COUNT
//       the bits of the elementary functions ConvertNGR calls (exp, atan, tan, sin, cos),
//       each at COUNT arguments across the range ConvertNGR calls it on, one line per
//       argument and one column per function.
//
// Bits are written as integers, so that no build's own formatting of doubles is compared.

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>
#include <string_view>

#include "conversions/Module1.hpp"

namespace {

// SplitMix64: a fixed sequence for a seed, whatever the build.
class Random {
  public:
    explicit Random(std::uint64_t seed) : state_(seed) {}

    std::uint64_t Next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
        z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
        return z ^ (z >> 31);
    }
    // A whole number 0 to count - 1.
    int Below(int count) { return static_cast<int>(Next() % static_cast<std::uint64_t>(count)); }
    // A number from 0 to 1.
    double Unit() { return static_cast<double>(Next() >> 11) * 0x1p-53; }
    template <typename T, std::size_t N>
    const T& Pick(const std::array<T, N>& choices) {
        return choices[static_cast<std::size_t>(Below(static_cast<int>(N)))];
    }

  private:
    std::uint64_t state_;
};

std::string Digits(Random& random, int count) {
    std::string digits;
    for (int i = 0; i < count; ++i)
        digits += static_cast<char>('0' + random.Below(10));
    return digits;
}

std::string Fixed(double value, int decimals) {
    std::array<char, 64> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::fixed, decimals)
                         .ptr;
    return {text.data(), end};
}

// The window's squares (first letter N, S or T), and those of the whole grid.
constexpr std::string_view kSecondLetters = "ABCDEFGHJKLMNOPQRSTUVWXYZ";
// The squares whose west edge is the central meridian, 400 km east of the false origin: the
// window's longitude there is -2 degrees, the edge of locator squares IO81/IO91 and of their
// subsquares (e.g. NZ000726, SU000500).
constexpr std::array<std::string_view, 10> kMeridianSquares = {"NE", "NK", "NP", "NU", "NZ",
                                                               "SE", "SK", "SP", "SU", "SZ"};

std::string GridReferenceLine(Random& random) {
    const int kind = random.Below(20);
    const auto square = [&random](std::string_view firsts) {
        std::string letters;
        letters += firsts[static_cast<std::size_t>(random.Below(static_cast<int>(firsts.size())))];
        letters += kSecondLetters[static_cast<std::size_t>(random.Below(25))];
        return letters;
    };
    if (kind < 2)  // on the central meridian
        return std::string(random.Pick(kMeridianSquares)) + "000" + Digits(random, 3);
    if (kind < 12) {  // the window's eight characters, either case
        std::string reference = square("NST") + Digits(random, 6);
        if (random.Below(4) == 0)
            reference[0] = static_cast<char>(reference[0] - 'A' + 'a');
        return reference;
    }
    if (kind < 16) {  // any precision, blanks, the whole grid, the Irish Grid's one letter and
                      // the Channel Islands' squares: the true answer's reading
        const int half = random.Below(6);
        constexpr std::array<std::string_view, 3> kBlanks = {"", " ", "\t"};
        constexpr std::array<std::string_view, 2> kChannelIslands = {"WA", "WV"};
        const int grid = random.Below(4);
        const std::string letters =
            grid == 0   ? std::string(1, kSecondLetters[static_cast<std::size_t>(random.Below(25))])
            : grid == 1 ? std::string(random.Pick(kChannelIslands))
                        : square("HJNOST");
        return letters + std::string(random.Pick(kBlanks)) + Digits(random, half) +
               std::string(random.Pick(kBlanks)) + Digits(random, half);
    }
    if (kind < 18) {  // metres
        constexpr std::array<std::string_view, 3> kSeparators = {" ", ",", " , "};
        return Fixed(random.Unit() * 700'000, random.Below(3)) +
               std::string(random.Pick(kSeparators)) + Fixed(random.Unit() * 1'250'000, 0);
    }
    // What neither reading takes, and what only the window's rejects.
    constexpr std::array<std::string_view, 10> kBad = {
        "",         "TQ30080",   "TQ3008000", "TI300800", "IA300800",
        "TQ30080X", "TQ 30 800", "XX",        "530000",   "TQ300800 x"};
    return std::string(random.Pick(kBad));
}

std::string LatLonLine(Random& random) {
    const int kind = random.Below(20);
    double latitude = 0;
    double longitude = 0;
    int decimals = random.Below(9);
    if (kind < 2) {  // on the edges of subsquares: 2.5' of latitude, 5' of longitude
        latitude = 49 + random.Below(12 * 24) / 24.0;
        longitude = -9 + random.Below(12 * 12) / 12.0;
        decimals = 15;
    } else if (kind < 14) {  // Great Britain
        latitude = 49 + random.Unit() * 12;
        longitude = -9 + random.Unit() * 11;
    } else if (kind < 18) {  // the world, to its ends
        latitude = -90 + random.Unit() * 180;
        longitude = -180 + random.Unit() * 360;
        if (random.Below(8) == 0)
            latitude = random.Below(2) == 0 ? 90 : -90;
        if (random.Below(8) == 0)
            longitude = random.Below(2) == 0 ? 180 : -180;
    } else {
        constexpr std::array<std::string_view, 6> kBad = {"",      "52",      "91 0",
                                                          "0 181", "north 2", "52,,2"};
        return std::string(random.Pick(kBad));
    }
    constexpr std::array<std::string_view, 3> kSeparators = {" ", ",", ", "};
    return Fixed(latitude, decimals) + std::string(random.Pick(kSeparators)) +
           Fixed(longitude, decimals);
}

std::string LocatorLine(Random& random) {
    if (random.Below(20) == 0) {
        constexpr std::array<std::string_view, 6> kBad = {"",     "I",       "IO9",
                                                          "SS00", "IO91WMA", "IO91WM0Z"};
        return std::string(random.Pick(kBad));
    }
    const int pairs = 1 + random.Below(5);
    std::string locator;
    for (int pair = 0; pair < pairs; ++pair) {
        // Fields A to R, squares and extended squares 0 to 9, subsquares A to X.
        const bool digits = pair % 2 == 1;
        const int letters = pair == 0 ? 18 : 24;
        for (int i = 0; i < 2; ++i) {
            locator += digits ? static_cast<char>('0' + random.Below(10))
                              : static_cast<char>('A' + random.Below(letters));
        }
    }
    if (random.Below(4) == 0) {
        for (char& c : locator)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    return locator;
}

std::string Bits(double value) {
    std::array<char, 17> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(),
                                   std::bit_cast<std::uint64_t>(value), 16)
                         .ptr;
    return {text.data(), end};
}

int Usage() {
    std::cerr
        << "usage: same_answers lines ngr|latlon|locator COUNT SEED | raw | functions COUNT\n";
    return 2;
}

long Count(std::string_view text) {
    long count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    return error == std::errc{} && end == text.data() + text.size() && count > 0 ? count : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view mode = argc > 1 ? argv[1] : "";
    if (mode == "lines" && argc == 5 && Count(argv[3]) > 0 && Count(argv[4]) > 0) {
        const std::string_view kind = argv[2];
        const auto line = kind == "ngr"       ? GridReferenceLine
                          : kind == "latlon"  ? LatLonLine
                          : kind == "locator" ? LocatorLine
                                              : nullptr;
        if (line == nullptr)
            return Usage();
        Random random(static_cast<std::uint64_t>(Count(argv[4])));
        std::string out;
        for (long i = Count(argv[3]); i > 0; --i)
            out += line(random) + '\n';
        std::cout << out;
        return 0;
    }
    if (mode == "raw" && argc == 2) {
        std::string out;
        for (std::string reference; std::getline(std::cin, reference);) {
            double latitude = 0;
            double longitude = 0;
            std::int16_t result = 0;
            Module1::ConvertNGR(reference, latitude, longitude, result);
            out += result == Module1::kValid ? Bits(latitude) + ' ' + Bits(longitude)
                                             : std::to_string(result);
            out += '\n';
        }
        std::cout << out;
        return 0;
    }
    if (mode == "functions" && argc == 3 && Count(argv[2]) > 0) {
        // The ranges of the arguments over the grid: the Mercator argument, its exponential,
        // the longitude's angle, the latitude's angle, and the two arctangents' arguments.
        const long count = Count(argv[2]);
        std::string out;
        for (long i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / static_cast<double>(count);
            const double mercator = -0.25 + 0.3 * t;
            const double exponential = 0.75 + 0.35 * t;
            const double lambda = 1.3 + 0.5 * t;
            const double phi = 0.85 + 0.4 * t;
            const double ratio = -30 + 60 * t;
            for (const double value :
                 {std::exp(mercator), std::atan(exponential), std::atan(ratio), std::tan(lambda),
                  std::sin(lambda), std::sin(phi), std::cos(phi)}) {
                out += Bits(value) + ' ';
            }
            out.back() = '\n';
        }
        std::cout << out;
        return 0;
    }
    return Usage();
}
