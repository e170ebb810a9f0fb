// quorvane-log: checks radio logs (ADIF and EDI), fills in what they lack, and maps them.

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <span>
#include <string>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/Files.hpp"
#include "cli/LogCommands.hpp"
#include "cli/LogOptions.hpp"

namespace {

constexpr int kExitNoProblem = 0;
constexpr int kExitProblems = 1;
constexpr int kExitUnreadableOrUsage = 2;

void Say(std::string_view message) {
    std::fprintf(stderr, "quorvane-log: %.*s\n", static_cast<int>(message.size()), message.data());
}

int Fail(std::string_view message) {
    Say(message);
    return kExitUnreadableOrUsage;
}

// Whether what was written to `out` reached it.
bool Flushed(std::FILE* out) {
    return std::fflush(out) == 0 && !std::ferror(out);
}

int FailWriting() {
    return Fail(std::string("write error: ") + std::strerror(errno));
}

int Check(const cli::LogCommand& command) {
    bool problems = false;
    bool unreadable = false;
    for (const std::string& path : command.logs) {
        std::string error;
        std::optional<cli::LogInput> log = cli::OpenLog(path, error);
        if (!log) {
            Say(error);
            unreadable = true;
            continue;
        }
        const cli::LogResult result = cli::CheckLog(*log, command.adif, stdout);
        if (!Flushed(stdout))
            return FailWriting();
        if (!result.error.empty()) {
            Say(result.error);
            unreadable = true;
        }
        problems = problems || result.problems > 0;
    }
    return unreadable ? kExitUnreadableOrUsage : problems ? kExitProblems : kExitNoProblem;
}

// fill and map: one log in, one file out, replaced only once it is whole.
int Write(const cli::LogCommand& command) {
    std::string error;
    std::optional<cli::LogInput> log = cli::OpenLog(command.logs.front(), error);
    if (!log)
        return Fail(error);
    const bool toFile = command.output && *command.output != "-";
    if (toFile && cli::IdentityOf(*command.output) &&
        cli::IdentityOf(*command.output) == cli::IdentityOf(log->stream))
        return Fail("--output '" + *command.output + "' is the log " + log->name +
                    ": it would be lost");
    std::optional<cli::ReplacingOutput> replacing =
        toFile ? cli::ReplacingOutput::Create(*command.output, error) : std::nullopt;
    if (toFile && !replacing)
        return Fail(error);
    std::FILE* const out = replacing ? replacing->File() : stdout;
    const cli::LogResult result = command.action == cli::LogAction::kFill
                                      ? cli::FillLog(*log, command.adif, command.correct, out)
                                      : cli::MapLog(*log, command.adif, command.mapFormat, out);
    if (!result.error.empty()) {
        std::fflush(out);
        return Fail(result.error);
    }
    if (!Flushed(out))
        return FailWriting();
    if (replacing && !replacing->Commit(error))
        return Fail(error);
    Say(result.summary);
    return kExitNoProblem;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
    // Bytes must pass unchanged: no "\r\n" for "\n", no end at a Ctrl-Z.
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    const cli::LogCommand command = cli::ParseLogArguments(
        std::span<const char* const>(argv + 1, static_cast<std::size_t>(argc - 1)));
    switch (command.action) {
        case cli::LogAction::kUsageError:
            return Fail(command.text);
        case cli::LogAction::kHelp:
        case cli::LogAction::kVersion: {
            const std::string text =
                command.action == cli::LogAction::kHelp ? command.text : cli::LogVersionText();
            std::fwrite(text.data(), 1, text.size(), stdout);
            return Flushed(stdout) ? kExitNoProblem : FailWriting();
        }
        case cli::LogAction::kCheck:
            return Check(command);
        case cli::LogAction::kFill:
        case cli::LogAction::kMap:
            return Write(command);
    }
    return kExitUnreadableOrUsage;
}
