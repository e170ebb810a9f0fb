// quorvane-convert: converts grid references (or latitude and longitude pairs) given as
// arguments or read from standard input, one output line per input.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/Options.hpp"
#include "cli/RecordWriter.hpp"
#include "cli/Stream.hpp"

namespace {

constexpr int kExitAllConverted = 0;
constexpr int kExitSomeFailed = 1;
constexpr int kExitUsageOrIoError = 2;

int Fail(std::string_view message) {
    std::fprintf(stderr, "quorvane-convert: %.*s\n", static_cast<int>(message.size()),
                 message.data());
    return kExitUsageOrIoError;
}

// Writes `text` to standard output and flushes it; false after a write error.
bool Write(std::string_view text) {
    return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() &&
           std::fflush(stdout) == 0;
}

int WriteError() {
    return Fail(std::string("write error: ") + std::strerror(errno));
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Windows opens standard input and output in text mode, which writes every "\n" as
    // "\r\n" and ends input at the first Ctrl-Z byte: bytes must pass unchanged.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const cli::Command command = cli::ParseArguments(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    switch (command.action) {
        case cli::Action::kUsageError:
            return Fail(command.error);
        case cli::Action::kHelp:
            return Write(cli::UsageText()) ? kExitAllConverted : WriteError();
        case cli::Action::kVersion:
            return Write(cli::VersionText()) ? kExitAllConverted : WriteError();
        case cli::Action::kConvert:
            break;
    }

    const cli::Options& options = command.options;
    std::string header;
    cli::AppendHeader(options.Columns(), options.format, header);
    std::fwrite(header.data(), 1, header.size(), stdout);
    cli::StreamResult result;
    if (command.inputs.empty()) {
        result = cli::ConvertStream(stdin, stdout, options);
    } else {
        result = cli::ConvertInputs(command.inputs, options, stdout);
    }
    if (!result.error.empty()) {
        std::fflush(stdout);
        return Fail(result.error);
    }
    if (std::fflush(stdout) != 0)
        return WriteError();
    return result.allConverted ? kExitAllConverted : kExitSomeFailed;
}
