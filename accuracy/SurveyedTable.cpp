// surveyed_table [--decimals N] [REF...]
//
// Converts each REF, or else each line of standard input, by both conversions and writes one
// CSV line per reference (RFC 4180, with a header line):
//
//   input,code,status,latitude,longitude,locator,
//   surveyed_latitude,surveyed_longitude,surveyed_locator,locator_differs
//
// code and status are Module1::ConvertNGR's (the window's answer); the surveyed columns are
// Surveyed::Convert's, empty when it fails; locator_differs is "yes" or "no", empty when either
// conversion failed. Positions are written with N decimals (default 6, at most 15) and "." as
// the decimal point. A trailing carriage return and surrounding blanks are removed from each
// reference. Exit status 0, or 2 with a message for a usage error.
//
// This is the table `quorvane-convert --surveyed --format csv` is to write; the accuracy
// scripts read either.

#include <array>
#include <charconv>
#include <cstdint>
#include <iostream>
#include <string>
#include <string_view>

#include "conversions/Module1.hpp"
#include "conversions/surveyed/Surveyed.hpp"

namespace {

constexpr int kDefaultDecimals = 6;
constexpr int kMaxDecimals = 15;

constexpr std::string_view kHeader =
    "input,code,status,latitude,longitude,locator,surveyed_latitude,surveyed_longitude,"
    "surveyed_locator,locator_differs";

std::string_view StatusText(std::int16_t result) {
    switch (result) {
        case Module1::kValid:
            return "ok";
        case Module1::kWrongLength:
            return "wrong length";
        case Module1::kBadGridLetter:
            return "bad grid letter";
        default:
            return "bad digit";
    }
}

std::string_view Trimmed(std::string_view line) {
    constexpr std::string_view kBlanks = " \t\r";
    const auto first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(kBlanks) - first + 1);
}

// A CSV field: quoted, with quotes doubled, when it holds a comma, a quote or a line break.
void WriteField(std::ostream& out, std::string_view field) {
    if (field.find_first_of(",\"\r\n") == std::string_view::npos) {
        out << field;
        return;
    }
    out << '"';
    for (const char c : field) {
        out << c;
        if (c == '"') {
            out << '"';
        }
    }
    out << '"';
}

void WriteNumber(std::ostream& out, double value, int decimals) {
    std::array<char, 64> buffer{};
    const auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                            std::chars_format::fixed, decimals);
    if (error == std::errc{}) {
        out << std::string_view(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
    }
}

void WriteRow(std::ostream& out, std::string_view input, int decimals) {
    double latitude = 0;
    double longitude = 0;
    std::int16_t result = Module1::kValid;
    std::string locator;
    Module1::ConvertNGR(input, latitude, longitude, result);
    if (result == Module1::kValid) {
        Module1::CalcLocator(latitude, longitude, locator);
    }
    const Surveyed::Answer surveyed = Surveyed::Convert(input);

    WriteField(out, input);
    out << ',' << result << ',' << StatusText(result) << ',';
    if (result == Module1::kValid) {
        WriteNumber(out, latitude, decimals);
        out << ',';
        WriteNumber(out, longitude, decimals);
        out << ',' << locator;
    } else {
        out << ",,";
    }
    out << ',';
    if (surveyed.result == Module1::kValid) {
        WriteNumber(out, surveyed.latitude, decimals);
        out << ',';
        WriteNumber(out, surveyed.longitude, decimals);
        out << ',' << surveyed.locator;
    } else {
        out << ",,";
    }
    out << ',';
    if (result == Module1::kValid && surveyed.result == Module1::kValid) {
        out << (locator == surveyed.locator ? "no" : "yes");
    }
    out << '\n';
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    int decimals = kDefaultDecimals;
    int first = 1;
    if (argc > 2 && std::string_view(argv[1]) == "--decimals") {
        const std::string_view text(argv[2]);
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), decimals);
        if (error != std::errc{} || end != text.data() + text.size() || decimals < 0 ||
            decimals > kMaxDecimals) {
            std::cerr << "surveyed_table: --decimals takes a whole number from 0 to 15\n";
            return 2;
        }
        first = 3;
    }

    std::cout << kHeader << '\n';
    if (first < argc) {
        for (int i = first; i < argc; ++i) {
            WriteRow(std::cout, Trimmed(argv[i]), decimals);
        }
    } else {
        std::string line;
        while (std::getline(std::cin, line)) {
            WriteRow(std::cout, Trimmed(line), decimals);
        }
    }
    std::cout.flush();
    return std::cout ? 0 : 2;
}
