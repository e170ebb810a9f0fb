#pragma once

// What quorvane-convert and quorvane-log share as programs: standard streams that pass every
// byte unchanged, messages on standard error, the exit statuses, and the end of a run that
// wrote its output.

#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "cli/Files.hpp"

namespace cli {

// Exit statuses: all is well; the run was done, but what it read falls short (an input
// without the answer asked for, a log with problems); a usage error, or an input or output
// that can't be read or written.
inline constexpr int kExitOk = 0;
inline constexpr int kExitShortfall = 1;
inline constexpr int kExitError = 2;

// Whether what was written to `out` reached it.
[[nodiscard]] bool Flushed(std::FILE* out);

class Program {
  public:
    // A program named `name` in its messages. On Windows, standard input and output are made
    // binary: in text mode Windows writes every "\n" as "\r\n" and ends input at the first
    // Ctrl-Z byte.
    explicit Program(std::string_view name);

    // Says `message` on standard error, "NAME: message", on one line whatever input it quotes
    // (runtime::Printable).
    void Say(std::string_view message) const;
    // Says `message`; returns kExitError.
    int Fail(std::string_view message) const;
    // Fail, with what made the last write or flush fail.
    int FailWriting() const;
    // Writes `text` (the help, the version) to standard output: kExitOk, or FailWriting.
    int Print(std::string_view text) const;
    // Ends a run that wrote to `out`, the file of `replacing` where there is one: `status`
    // once the output is flushed and, when replacing, committed; else Fail with `error` (what
    // stopped the run, after flushing what it wrote), FailWriting, or Fail with why the file
    // could not replace its path.
    int Finish(std::FILE* out, std::optional<ReplacingOutput>& replacing, std::string_view error,
               int status) const;

  private:
    std::string name_;
};

}  // namespace cli
