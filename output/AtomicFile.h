#pragma once
// Replaces a file as a whole or not at all: the new content goes into a fresh
// temporary file in the same folder, is flushed to the disk and then renamed
// over the old name, so a failed write never leaves a half-written file
// where the previous good one was. Standard library and POSIX only.

#include <filesystem>
#include <functional>
#include <string_view>

namespace mirel {

enum class FileWriteStatus {
    kWritten,
    kOpenFailed,   // no temporary file could be made, or the name is not a regular file
    kWriteFailed,  // writing, flushing or renaming failed; the old file is untouched
};

struct FileWriteResult {
    FileWriteStatus status = FileWriteStatus::kWritten;
    int error = 0;  // errno of the call that failed, 0 when written

    bool written() const { return status == FileWriteStatus::kWritten; }
};

// Who may read the file written: a file replaced keeps its permission bits
// and a new one gets what the umask gives (kAsBefore), or it is the user's
// alone (kPrivate, 0600, for copies of the user's work kept in their folders).
enum class FileAccess { kAsBefore, kPrivate };

// Writes `bytes` to `target`. An existing target must be a regular file (or
// a link to one, which stays a link); anything else (a folder, a FIFO, a
// device) is refused without being opened, so nothing blocks or is replaced.
[[nodiscard]] FileWriteResult replaceFile(const std::filesystem::path& target,
                                          std::string_view bytes,
                                          FileAccess access = FileAccess::kAsBefore);

// The same for writers that want a file name of their own: `fill` writes the
// whole content to the (empty, existing) temporary file it is given and says
// whether that worked.
[[nodiscard]] FileWriteResult replaceFileWith(
    const std::filesystem::path& target,
    const std::function<bool(const std::filesystem::path& temporary)>& fill,
    FileAccess access = FileAccess::kAsBefore);

}  // namespace mirel
