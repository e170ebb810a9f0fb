#include "cli/Files.hpp"

#include <array>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <utility>

#include <fcntl.h>
#include <sys/stat.h>
#ifdef _WIN32
#include <io.h>
#include <process.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

#ifdef _WIN32
std::optional<FileIdentity> IdentityOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info;
    if (handle == INVALID_HANDLE_VALUE || !GetFileInformationByHandle(handle, &info))
        return std::nullopt;
    return FileIdentity{info.dwVolumeSerialNumber,
                        (std::uint64_t{info.nFileIndexHigh} << 32U) | info.nFileIndexLow};
}
int ProcessId() {
    return _getpid();
}
int OpenNew(const char* path) {
    return _open(path, _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY, _S_IREAD | _S_IWRITE);
}
int Unlink(const char* path) {
    return _unlink(path);
}
#else
std::optional<FileIdentity> IdentityOfStat(int result, const struct stat& info) {
    if (result != 0)
        return std::nullopt;
    return FileIdentity{static_cast<std::uint64_t>(info.st_dev),
                        static_cast<std::uint64_t>(info.st_ino)};
}
int ProcessId() {
    return static_cast<int>(getpid());
}
int OpenNew(const char* path) {
    constexpr mode_t kReadWriteForAll = 0666;  // less the user's umask
    return open(path, O_WRONLY | O_CREAT | O_EXCL, kReadWriteForAll);
}
int Unlink(const char* path) {
    return unlink(path);
}
#endif

// The temporary file a signal must remove before it ends the program. This is global state,
// the only kind a signal handler can reach: written before the handlers may run, and set to
// empty (its first byte, atomically enough for a char) before the file goes.
constexpr std::size_t kMaxPathBytes = 4096;
std::array<char, kMaxPathBytes> interruptedPath{};

extern "C" void RemoveAndEnd(int signal) {
    if (interruptedPath[0] != '\0')
        Unlink(interruptedPath.data());
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

}  // namespace

std::optional<InputFile> OpenInput(const std::string& path, std::string& error) {
    InputFile input;
    if (path == "-") {
        input.name = "standard input";
        input.stream = stdin;
        return input;
    }
    // A folder opens on Linux, and fails only at its first read, after the output has begun.
    std::error_code folder;
    if (std::filesystem::is_directory(path, folder))
        errno = EISDIR;
    else
        input.file.reset(std::fopen(path.c_str(), "rb"));
    if (!input.file) {
        error = "cannot read '" + path + "': " + std::strerror(errno);
        return std::nullopt;
    }
    input.name = path;
    input.stream = input.file.get();
    return input;
}

std::optional<FileIdentity> IdentityOf(std::FILE* file) {
#ifdef _WIN32
    return IdentityOfHandle(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file))));
#else
    struct stat info {};
    return IdentityOfStat(fstat(fileno(file), &info), info);
#endif
}

bool IsDiskFile(std::FILE* file) {
#ifdef _WIN32
    return GetFileType(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)))) == FILE_TYPE_DISK;
#else
    struct stat info {};
    return fstat(fileno(file), &info) == 0 && S_ISREG(info.st_mode);
#endif
}

std::optional<FileIdentity> IdentityOf(const std::string& path) {
#ifdef _WIN32
    const HANDLE handle =
        CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    const std::optional<FileIdentity> identity = IdentityOfHandle(handle);
    if (handle != INVALID_HANDLE_VALUE)
        CloseHandle(handle);
    return identity;
#else
    struct stat info {};
    return IdentityOfStat(stat(path.c_str(), &info), info);
#endif
}

std::optional<ReplacingOutput> ReplacingOutput::Create(const std::string& given,
                                                       std::string& error) {
    std::error_code ignored;
    const std::filesystem::file_status status = std::filesystem::status(given, ignored);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status) &&
        !std::filesystem::is_directory(status)) {
        std::FILE* file = std::fopen(given.c_str(), "wb");
        if (!file) {
            error = "cannot write '" + given + "': " + std::strerror(errno);
            return std::nullopt;
        }
        return ReplacingOutput(given, std::string(), file);
    }
    // A link's file is replaced, beside itself, and the link is kept (a link that leads
    // nowhere is replaced, as a missing file is made).
    std::string path = given;
    if (std::filesystem::is_symlink(std::filesystem::symlink_status(given, ignored))) {
        if (const std::filesystem::path target = std::filesystem::canonical(given, ignored);
            !ignored)
            path = target.string();
    }
    // Named after the path, the process and a count, so that runs side by side never meet.
    constexpr int kAttempts = 100;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        std::string temporary = path + ".quorvane-" + std::to_string(ProcessId()) + "-" +
                                std::to_string(attempt) + ".tmp";
        if (temporary.size() >= kMaxPathBytes) {
            error = "--output '" + path + "': the name is too long";
            return std::nullopt;
        }
        const int descriptor = OpenNew(temporary.c_str());
        if (descriptor < 0 && errno == EEXIST)
            continue;
        std::FILE* file = descriptor < 0 ? nullptr : fdopen(descriptor, "wb");
        if (!file) {
            error = "cannot write beside '" + path + "': " + std::strerror(errno);
            return std::nullopt;
        }
        std::memcpy(interruptedPath.data(), temporary.c_str(), temporary.size() + 1);
        std::signal(SIGINT, RemoveAndEnd);
        std::signal(SIGTERM, RemoveAndEnd);
        return ReplacingOutput(path, std::move(temporary), file);
    }
    error = "cannot write beside '" + path + "': no free temporary name";
    return std::nullopt;
}

ReplacingOutput::ReplacingOutput(std::string path, std::string temporary, std::FILE* file) noexcept
    : path_(std::move(path)), temporary_(std::move(temporary)), file_(file) {}

ReplacingOutput::ReplacingOutput(ReplacingOutput&& other) noexcept
    : path_(std::move(other.path_)),
      temporary_(std::move(other.temporary_)),
      file_(std::exchange(other.file_, nullptr)) {}

ReplacingOutput::~ReplacingOutput() {
    Discard();
}

void ReplacingOutput::Discard() noexcept {
    if (!file_)
        return;
    std::fclose(std::exchange(file_, nullptr));
    if (temporary_.empty())
        return;
    interruptedPath[0] = '\0';
    Unlink(temporary_.c_str());
}

bool ReplacingOutput::Commit(std::string& error) {
    const bool closed = std::fclose(std::exchange(file_, nullptr)) == 0;
    if (temporary_.empty()) {
        if (!closed)
            error = "cannot write '" + path_ + "': " + std::strerror(errno);
        return closed;
    }
    interruptedPath[0] = '\0';
    std::error_code renamed;
    if (closed)
        std::filesystem::rename(temporary_, path_, renamed);
    if (closed && !renamed)
        return true;
    error = "cannot write '" + path_ +
            "': " + (closed ? renamed.message() : std::string(std::strerror(errno)));
    Unlink(temporary_.c_str());
    return false;
}

}  // namespace cli
