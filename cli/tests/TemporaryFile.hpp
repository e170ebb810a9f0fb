#pragma once

// Files for the tests of the stream and table readers.

#include <cstdio>
#include <memory>
#include <string>
#include <string_view>

namespace cli::test {

using File = std::unique_ptr<std::FILE, int (*)(std::FILE*)>;

// An unnamed temporary file holding `content`, read from its start.
inline File WithContent(std::string_view content) {
    File file(std::tmpfile(), std::fclose);
    std::fwrite(content.data(), 1, content.size(), file.get());
    std::rewind(file.get());
    return file;
}

// Everything `file` holds, from its start.
inline std::string ReadAll(std::FILE* file) {
    std::fflush(file);
    std::rewind(file);
    std::string all;
    char block[1 << 16];
    for (std::size_t n; (n = std::fread(block, 1, sizeof block, file)) > 0;)
        all.append(block, n);
    return all;
}

}  // namespace cli::test
