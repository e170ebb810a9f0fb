#include "cli/Program.hpp"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "runtime/Text.hpp"

namespace cli {

bool Flushed(std::FILE* out) {
    return std::fflush(out) == 0 && !std::ferror(out);
}

Program::Program(std::string_view name) : name_(name) {
#ifdef _WIN32
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
#endif
}

void Program::Say(std::string_view message) const {
    const std::string line = name_ + ": " + runtime::Printable(message) + "\n";
    std::fwrite(line.data(), 1, line.size(), stderr);
}

int Program::Fail(std::string_view message) const {
    Say(message);
    return kExitError;
}

int Program::FailWriting() const {
    return Fail(std::string("write error: ") + std::strerror(errno));
}

int Program::Print(std::string_view text) const {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return Flushed(stdout) ? kExitOk : FailWriting();
}

int Program::Finish(std::FILE* out, std::optional<ReplacingOutput>& replacing,
                    std::string_view error, int status) const {
    if (!error.empty()) {
        std::fflush(out);
        return Fail(error);
    }
    if (!Flushed(out))
        return FailWriting();
    std::string why;
    if (replacing && !replacing->Commit(why))
        return Fail(why);
    return status;
}

}  // namespace cli
