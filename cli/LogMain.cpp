// quorvane-log: checks radio logs (ADIF and EDI), fills in what they lack, and maps them.

#include <cstdio>
#include <optional>
#include <span>
#include <string>

#include "cli/Files.hpp"
#include "cli/LogCommands.hpp"
#include "cli/LogOptions.hpp"
#include "cli/Program.hpp"

namespace {

int Check(const cli::LogCommand& command, const cli::Program& program) {
    bool problems = false;
    bool unreadable = false;
    for (const std::string& path : command.logs) {
        std::string error;
        std::optional<cli::LogInput> log = cli::OpenLog(path, error);
        if (!log) {
            program.Say(error);
            unreadable = true;
            continue;
        }
        const cli::LogResult result = cli::CheckLog(*log, command.adif, stdout);
        if (!cli::Flushed(stdout))
            return program.FailWriting();
        if (!result.error.empty()) {
            program.Say(result.error);
            unreadable = true;
        }
        problems = problems || result.problems > 0;
    }
    return unreadable ? cli::kExitError : problems ? cli::kExitShortfall : cli::kExitOk;
}

// fill and map: one log in, one file out, replaced only once it is whole.
int Write(const cli::LogCommand& command, const cli::Program& program) {
    std::string error;
    std::optional<cli::LogInput> log = cli::OpenLog(command.logs.front(), error);
    if (!log)
        return program.Fail(error);
    const bool toFile = command.output && *command.output != "-";
    if (toFile && cli::IdentityOf(*command.output) &&
        cli::IdentityOf(*command.output) == cli::IdentityOf(log->stream))
        return program.Fail("--output '" + *command.output + "' is the log " + log->name +
                            ": it would be lost");
    std::optional<cli::ReplacingOutput> replacing =
        toFile ? cli::ReplacingOutput::Create(*command.output, error) : std::nullopt;
    if (toFile && !replacing)
        return program.Fail(error);
    std::FILE* const out = replacing ? replacing->File() : stdout;
    const cli::LogResult result = command.action == cli::LogAction::kFill
                                      ? cli::FillLog(*log, command.adif, command.correct, out)
                                      : cli::MapLog(*log, command.adif, command.mapFormat, out);
    const int status = program.Finish(out, replacing, result.error, cli::kExitOk);
    if (status == cli::kExitOk)
        program.Say(result.summary);
    return status;
}

}  // namespace

int main(int argc, char** argv) {
    const cli::Program program("quorvane-log");
    const cli::LogCommand command = cli::ParseLogArguments(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    switch (command.action) {
        case cli::LogAction::kUsageError:
            return program.Fail(command.text);
        case cli::LogAction::kHelp:
            return program.Print(command.text);
        case cli::LogAction::kVersion:
            return program.Print(cli::LogVersionText());
        case cli::LogAction::kCheck:
            return Check(command, program);
        case cli::LogAction::kFill:
        case cli::LogAction::kMap:
            return Write(command, program);
    }
    return cli::kExitError;
}
