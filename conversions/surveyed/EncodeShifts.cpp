// encode_shifts EAST NORTH OUT: writes OUT, OSTN15's two shift tables from the files EAST and
// NORTH (kShiftNodes little-endian 16-bit values each) in the encoding of ShiftEncoding.hpp,
// for the web page. Run at build time.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <vector>

#include "conversions/surveyed/Ostn15.hpp"
#include "conversions/surveyed/ShiftEncoding.hpp"

namespace {

static_assert(std::endian::native == std::endian::little, "the tables' files are little-endian");

std::optional<std::vector<std::uint16_t>> ReadTable(const char* path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
    if (!in.is_open() || bytes.size() != Surveyed::kShiftNodes * sizeof(std::uint16_t)) {
        std::cerr << "encode_shifts: " << path << " is not a table of " << Surveyed::kShiftNodes
                  << " nodes\n";
        return std::nullopt;
    }
    std::vector<std::uint16_t> table(Surveyed::kShiftNodes);
    std::copy(bytes.begin(), bytes.end(), reinterpret_cast<char*>(table.data()));
    return table;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: encode_shifts EAST NORTH OUT\n";
        return 2;
    }
    const auto east = ReadTable(argv[1]);
    const auto north = ReadTable(argv[2]);
    if (!east || !north)
        return 1;
    const std::vector<std::uint8_t> encoded = Surveyed::EncodeShifts(*east, *north);
    std::ofstream out(argv[3], std::ios::binary);
    out.write(reinterpret_cast<const char*>(encoded.data()),
              static_cast<std::streamsize>(encoded.size()));
    out.close();
    if (!out) {
        std::cerr << "encode_shifts: cannot write " << argv[3] << "\n";
        return 1;
    }
    return 0;
}
