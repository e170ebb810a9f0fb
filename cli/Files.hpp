#pragma once

// The files quorvane-convert and quorvane-log read and write: opening an input, telling
// whether two are one file, and an output that replaces its file only once it is whole.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>

namespace cli {

// An input a program reads: standard input, or a file opened to be read byte for byte.
struct InputFile {
    // For messages: the path, or "standard input".
    std::string name;
    std::FILE* stream = nullptr;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file{nullptr, std::fclose};
};

// Opens `path` ("-": standard input); none, with `error` saying why ("cannot read 'PATH':
// ..."), when it can't be read or is a folder.
[[nodiscard]] std::optional<InputFile> OpenInput(const std::string& path, std::string& error);

// What makes a file itself, whatever names lead to it: its device and file number (on
// Windows, its volume's serial number and its file index).
struct FileIdentity {
    std::uint64_t device = 0;
    std::uint64_t file = 0;
    friend bool operator==(const FileIdentity&, const FileIdentity&) = default;
};

// The identity of an open file; none when the system can't tell it.
[[nodiscard]] std::optional<FileIdentity> IdentityOf(std::FILE* file);

// Whether `file` is a file on disk, which can be read again from its start: not a pipe or a
// terminal (on Windows, fseek "succeeds" on a pipe, and can't tell).
[[nodiscard]] bool IsDiskFile(std::FILE* file);

// The identity of the file at `path`; none when there is none.
[[nodiscard]] std::optional<FileIdentity> IdentityOf(const std::string& path);

// An output written to a temporary file beside its path, which Commit renames into place:
// an interrupted or failed run leaves the file at the path as it was. The temporary file is
// removed when the output is destroyed uncommitted, and when the program is interrupted or
// terminated (SIGINT, SIGTERM) while it is open. A path that is a symbolic link replaces the
// file it leads to, and the link stays. A path that is there but is no regular file nor
// directory (a named pipe, a device such as /dev/null) is written to directly: it can't be
// replaced, and what it holds can't be kept.
class ReplacingOutput {
  public:
    // Creates the temporary file (or opens the pipe or device); none, with `error` saying why,
    // when it can't be.
    static std::optional<ReplacingOutput> Create(const std::string& path, std::string& error);

    ReplacingOutput(ReplacingOutput&& other) noexcept;
    ReplacingOutput& operator=(ReplacingOutput&&) = delete;
    ReplacingOutput(const ReplacingOutput&) = delete;
    ReplacingOutput& operator=(const ReplacingOutput&) = delete;
    ~ReplacingOutput();

    [[nodiscard]] std::FILE* File() const noexcept { return file_; }

    // Closes the temporary file and renames it to the path (closes the pipe or device); false,
    // with `error` saying why, when either fails (the temporary file is then removed).
    bool Commit(std::string& error);

  private:
    ReplacingOutput(std::string path, std::string temporary, std::FILE* file) noexcept;
    void Discard() noexcept;

    std::string path_;
    std::string temporary_;  // empty for a pipe or device, written to directly
    std::FILE* file_ = nullptr;
};

}  // namespace cli
