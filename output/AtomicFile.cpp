#include "output/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <string>

namespace mirel {
namespace {

namespace fs = std::filesystem;

constexpr int kNameAttempts = 16;

FileWriteResult failed(FileWriteStatus status, int error) {
    return {status, error};
}

// The file the name stands for: a link is followed so that it stays a link.
// Empty when the name exists but is not a regular file.
fs::path resolvedTarget(const fs::path& target, int& error) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec && status.type() != fs::file_type::not_found) {
        error = ec.value();
        return {};
    }
    if (status.type() == fs::file_type::not_found) return target;
    if (status.type() != fs::file_type::regular) {
        error = status.type() == fs::file_type::directory ? EISDIR : EINVAL;
        return {};
    }
    if (!fs::is_symlink(fs::symlink_status(target, ec))) return target;
    fs::path real = fs::canonical(target, ec);
    if (ec) error = ec.value();
    return real;
}

constexpr mode_t kNewFileMode = 0666;  // less the umask
constexpr mode_t kPrivateMode = 0600;
constexpr mode_t kPermissionBits = 07777;

// A new, empty file beside `target`, hidden, created exclusively with `mode`
// (less the umask).
int createTemporary(const fs::path& target, fs::path& temporary, mode_t mode) {
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        temporary = target.parent_path() /
                    ("." + target.filename().string() + "." + std::to_string(::getpid()) + "-" +
                     std::to_string(stamp + attempt) + ".tmp");
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Makes the folder's new entry durable; a failure here loses nothing that
// was there before, so it is not reported.
void syncFolder(const fs::path& folder) {
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    (void)::fsync(fd);
    ::close(fd);
}

// Flushes the filled temporary file and renames it over `target`; removes it
// on any failure.
FileWriteResult commit(const fs::path& temporary, const fs::path& target, bool filled,
                       int fillError) {
    int error = filled ? 0 : (fillError != 0 ? fillError : EIO);
    if (filled) {
        const int fd = ::open(temporary.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::fsync(fd) != 0) error = errno;
        if (fd >= 0) ::close(fd);
    }
    if (error == 0 && ::rename(temporary.c_str(), target.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return failed(FileWriteStatus::kWriteFailed, error);
    }
    syncFolder(target.parent_path());
    return {};
}

}  // namespace

FileWriteResult replaceFileWith(const fs::path& target,
                                const std::function<bool(const fs::path& temporary)>& fill,
                                FileAccess access) {
    int error = 0;
    const fs::path real = resolvedTarget(target, error);
    if (real.empty()) return failed(FileWriteStatus::kOpenFailed, error);
    fs::path temporary;
    const bool isPrivate = access == FileAccess::kPrivate;
    const int fd = createTemporary(real, temporary, isPrivate ? kPrivateMode : kNewFileMode);
    if (fd < 0) return failed(FileWriteStatus::kOpenFailed, errno);
    // The file it replaces keeps its permissions (a private file stays private).
    struct stat before {};
    if (isPrivate) {
        (void)::fchmod(fd, kPrivateMode);
    } else if (::stat(real.c_str(), &before) == 0) {
        (void)::fchmod(fd, before.st_mode & kPermissionBits);
    }
    ::close(fd);
    errno = 0;
    const bool filled = fill(temporary);
    return commit(temporary, real, filled, errno);
}

FileWriteResult replaceFile(const fs::path& target, std::string_view bytes, FileAccess access) {
    return replaceFileWith(
        target,
        [bytes](const fs::path& temporary) {
            const int fd = ::open(temporary.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
            if (fd < 0) return false;
            const bool written = writeAll(fd, bytes);
            const int writeError = errno;
            const bool closed = ::close(fd) == 0;
            if (!written) errno = writeError;
            return written && closed;
        },
        access);
}

}  // namespace mirel
