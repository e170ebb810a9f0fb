#pragma once

// OSTN15's shift tables as the package ships them (QUORVANE_OSTN15_EAST_FILE and
// QUORVANE_OSTN15_NORTH_FILE, which the tests' CMakeLists.txt names): the east table then
// the north one, as the files' bytes.

#include <fstream>
#include <iterator>
#include <string>

inline std::string PackageShiftBytes() {
    std::string bytes;
    for (const char* path : {QUORVANE_OSTN15_EAST_FILE, QUORVANE_OSTN15_NORTH_FILE}) {
        std::ifstream in(path, std::ios::binary);
        bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return bytes;
}
