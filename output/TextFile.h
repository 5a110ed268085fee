#pragma once
// Writes a whole text file in one go and tells which of the two reportable
// steps failed, for the writers that show the open and close failure texts.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace mirel {

enum class TextFileResult { kWritten, kOpenFailed, kCloseFailed };

// Replaces `path` with exactly `bytes` (no line-end translation), as a whole
// or not at all (output/AtomicFile.h). A write that does not complete is
// reported as kCloseFailed: the bytes did not reach the file, which is what a
// failing close means to the user; the previous file is then still there.
[[nodiscard]] TextFileResult writeTextFile(const std::filesystem::path& path,
                                           std::string_view bytes);

// writeTextFile with the failure text to show, or nothing when it was written.
[[nodiscard]] std::optional<std::string> writeTextFileReporting(
    const std::filesystem::path& path, std::string_view bytes);

}  // namespace mirel
