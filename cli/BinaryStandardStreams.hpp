#pragma once

// Standard input and output as bytes, on every system.

#include <algorithm>
#include <cstddef>
#include <limits>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#endif

namespace cli {

// Makes standard input and output pass bytes unchanged. Windows opens them in text mode,
// which writes every "\n" as "\r\n" (so CSV's "\r\n" would become "\r\r\n") and ends input
// at the first Ctrl-Z byte; elsewhere they already pass bytes unchanged. Standard error
// stays as it is: its messages are text for a console. Call it before any input or output.
inline void UseBinaryStandardStreams() {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

// The byte count to ask of one read() or write() call. Windows takes an unsigned int there,
// so a larger request is cut down; the callers loop until every byte has moved.
inline auto IoByteCount(std::size_t bytes) {
#ifdef _WIN32
    return static_cast<unsigned>(
        std::min<std::size_t>(bytes, static_cast<std::size_t>(std::numeric_limits<int>::max())));
#else
    return bytes;
#endif
}

}  // namespace cli
