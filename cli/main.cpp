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
    const cli::Options& options = command.options;
    std::string first;  // what comes before any converted line
    switch (command.action) {
        case cli::Action::kUsageError:
            return Fail(command.error);
        case cli::Action::kHelp:
            first = cli::UsageText();
            break;
        case cli::Action::kVersion:
            first = cli::VersionText();
            break;
        case cli::Action::kConvert:
            cli::AppendHeader(options.Columns(), options.format, first);
            break;
    }
    std::fwrite(first.data(), 1, first.size(), stdout);

    cli::StreamResult result;
    if (command.action == cli::Action::kConvert) {
        result = command.inputs.empty() ? cli::ConvertStream(stdin, stdout, options)
                                        : cli::ConvertInputs(command.inputs, options, stdout);
    }
    if (!result.error.empty()) {
        std::fflush(stdout);
        return Fail(result.error);
    }
    if (std::fflush(stdout) != 0)
        return Fail(std::string("write error: ") + std::strerror(errno));
    return result.allConverted ? kExitAllConverted : kExitSomeFailed;
}
