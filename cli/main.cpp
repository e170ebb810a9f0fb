// quorvane-convert: converts grid references (or latitude and longitude pairs) given as
// arguments or read from standard input, one output line per input.

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <span>
#include <string>

#include "cli/BinaryStandardStreams.hpp"
#include "cli/BlockWriter.hpp"
#include "cli/LineConversion.hpp"
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

int WriteAll(std::string_view text) {
    cli::BlockWriter output(STDOUT_FILENO);
    output.Buffer().append(text);
    if (!output.Flush())
        return Fail(std::string("write error: ") + std::strerror(output.Error()));
    return kExitAllConverted;
}

}  // namespace

int main(int argc, char** argv) {
    cli::UseBinaryStandardStreams();
    const cli::Command command = cli::ParseArguments(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    switch (command.action) {
        case cli::Action::kUsageError:
            return Fail(command.error);
        case cli::Action::kHelp:
            return WriteAll(cli::UsageText());
        case cli::Action::kVersion:
            return WriteAll(cli::VersionText());
        case cli::Action::kConvert:
            break;
    }

    const cli::Options& options = command.options;
    cli::BlockWriter output(STDOUT_FILENO);
    cli::AppendHeader(options.format, cli::ColumnCount(options), output.Buffer());
    bool allConverted = true;
    if (!command.inputs.empty()) {
        for (const std::string_view input : command.inputs) {
            allConverted &= cli::ConvertLine(input, options, output.Buffer());
            if (!output.FlushIfFull())
                break;
        }
    } else {
        const cli::StreamResult result = cli::ConvertStream(STDIN_FILENO, output, options);
        if (!result.error.empty()) {
            output.Flush();
            return Fail(result.error);
        }
        allConverted = result.allConverted;
    }
    if (!output.Flush())
        return Fail(std::string("write error: ") + std::strerror(output.Error()));
    return allConverted ? kExitAllConverted : kExitSomeFailed;
}
