#pragma once
// The portrait as a 24-bit BMP of the size the face has in window 2.

#include <filesystem>
#include <optional>
#include <string>

#include "face/FaceRecord.h"

class QImage;

namespace mirel {

inline constexpr const char* kBitmapPath = "Output/mirelesakuhin.bmp";
// Shown when window 2 has never drawn a face, so there is no size to save at.
inline constexpr const char* kBitmapNoSizeFailed =
    "ウィンドウ2に顔が表示されていないため、Bitmapファイルを保存できませんでした";

// The side of the bitmap for a face drawn `detailSize` wide: rounded down to
// an even number, 0 when there is nothing to draw.
constexpr int bitmapSide(int detailSize) {
    return detailSize > 0 ? detailSize / 2 * 2 : 0;
}

// `record` (a copy) drawn on a white n x n RGB888 image, n = bitmapSide,
// centred, with window 2's pen width rule. Null image when n is 0.
QImage renderFaceBitmap(FaceRecord record, int detailSize);

// Renders the bitmap with Qt's BMP encoder (24 bits, uncompressed, bottom-up)
// and replaces the file with it as a whole or not at all. The only failure
// text is for a detailSize that gives no bitmap (no file is written); a save
// that failed shows no text of its own, but `written`, when given, says
// whether the file was written.
[[nodiscard]] std::optional<std::string> ExportBitmap(
    const FaceRecord& record, int detailSize, const std::filesystem::path& path = kBitmapPath,
    bool* written = nullptr);

}  // namespace mirel
