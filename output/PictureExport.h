#pragma once
// The face as a picture for today's programs: PNG, SVG or PDF at a size the
// user picks, drawn by the same renderer as the screen and the saved files.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "face/FaceRecord.h"

namespace mirel {

enum class PictureFormat { Png, Svg, Pdf };

inline constexpr int kDefaultPictureSize = 600;
inline constexpr int kMaxPictureSize = 4096;

inline constexpr const char* kPictureSaveFailed = "画像ファイルの書き出しに失敗しました";

// The format named by the file's extension (case-insensitive), if any.
std::optional<PictureFormat> pictureFormatOf(const std::filesystem::path& path);

// Draws `record` (a copy: drawing rewrites its absolute points) on a white
// square of side `size` (pixels for PNG, points for SVG and PDF), the whole
// head framed with an even margin and window 2's pen width rule for the size
// it is drawn at, and writes it to `path` in `format`. Returns the
// failure text to show, or nothing when the file was written.
[[nodiscard]] std::optional<std::string> ExportPicture(FaceRecord record, int size,
                                                       PictureFormat format,
                                                       const std::filesystem::path& path);

}  // namespace mirel
