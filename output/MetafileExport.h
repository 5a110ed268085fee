#pragma once
// The portrait as a Windows metafile: the face drawn 600 units wide with its
// top-left corner at (0, 0), the same for every window size.

#include <filesystem>
#include <optional>
#include <string>

#include "face/FaceRecord.h"

namespace mirel {

inline constexpr const char* kMetafilePath = "Output/mirelesakuhin.wmf";

inline constexpr double kMetafileOrigin = 300.0;
inline constexpr int kMetafileSize = 600;
inline constexpr int kMetafilePenWidth = 4;

// Draws `record` (a copy: drawing rewrites its absolute points) into a new
// metafile at `path`. False when the file could not be created or written.
[[nodiscard]] bool writeFaceMetafile(FaceRecord record, const std::filesystem::path& path);

// writeFaceMetafile into a temporary file that then replaces `path` (as a
// whole or not at all); the failure text to show, or nothing on success.
[[nodiscard]] std::optional<std::string> ExportMetafile(
    const FaceRecord& record, const std::filesystem::path& path = kMetafilePath);

}  // namespace mirel
