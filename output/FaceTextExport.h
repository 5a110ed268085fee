#pragma once
// The three data files of a saved face, in the grammar of the sample files:
// absolute points and flags of each gene group, one labelled value per line.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "face/FaceRecord.h"

namespace mirel {

inline constexpr const char* kOutputFolder = "Output";
inline constexpr const char* kFaceFileName = "face.txt";
inline constexpr const char* kHaegiwaFileName = "haegiwa.txt";
inline constexpr const char* kKamiyousoFileName = "kamiyouso.txt";

// Hair-element points are stored at 3/5 of the sample files' unit.
inline constexpr double kKamiyousoFileScale = 1.6666666666666667;

// The text of each file ("\n" line ends, ASCII only).
std::string formatFaceFile(const FaceGene& face);
std::string formatHaegiwaFile(const HairGene& hair);
// Coordinates are scaled by kKamiyousoFileScale; the parameter slots of
// face/AnchorGroups.h are written as stored.
std::string formatKamiyousoFile(const HairGene& hair);

// Writes face.txt, haegiwa.txt and kamiyouso.txt into `folder` (which is not
// created), each replaced as a whole before the next is begun. Stops at the
// first failure and returns its text, adding the paths of the files it did
// not write to `notWritten` when given; nothing when all three were written.
[[nodiscard]] std::optional<std::string> ExportFaceText(
    const FaceRecord& record, const std::filesystem::path& folder = kOutputFolder,
    std::vector<std::filesystem::path>* notWritten = nullptr);

}  // namespace mirel
