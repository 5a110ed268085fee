#include "face/LoadChecks.h"

#include <array>
#include <charconv>
#include <cmath>
#include <string_view>

#include "face/AnchorGroups.h"
#include "face/DataFileReader.h"
#include "face/Normalisation.h"
#include "face/RecordConverter.h"

namespace mirel {
namespace {

constexpr int kWrittenDecimals = 6;
// Hair-element coordinates are saved in the sample files' unit.
constexpr double kKamiyousoFileUnit = 1.0 / kKamiyousoScale;

LoadFailure refusal(DataGroup group, const std::string& path, std::string_view problem) {
    return LoadFailure{.text = refusalText(group, path, problem)};
}

bool fitsFiles(double value) {
    return std::isfinite(value) && std::abs(asWritten(value)) <= kMaxFileValue;
}

template <std::size_t N>
bool allFitFiles(const std::array<Point2, N>& points) {
    for (const Point2& p : points) {
        if (!fitsFiles(p.x) || !fitsFiles(p.y)) return false;
    }
    return true;
}

bool kamiyousoFitsFiles(const KamiyousoPoints& points) {
    for (int n = 0; n < kKamiyousoPointCount; ++n) {
        const Point2& p = points[n];
        const double x = isKamiyousoCoordinate(n, 0) ? p.x * kKamiyousoFileUnit : p.x;
        const double y = isKamiyousoCoordinate(n, 1) ? p.y * kKamiyousoFileUnit : p.y;
        if (!fitsFiles(x) || !fitsFiles(y)) return false;
    }
    return true;
}

constexpr std::string_view kBeyondFaceSpace = "cannot be scaled to the face space";

std::optional<LoadFailure> checkRange(const FaceRecord& record, const FaceFilePaths& paths) {
    if (!allFitFiles(record.face.absPoints))
        return refusal(DataGroup::Face, paths.face, kBeyondFaceSpace);
    if (!allFitFiles(record.hair.haegiwaAbs)) {
        return refusal(DataGroup::Haegiwa, paths.haegiwa, kBeyondFaceSpace);
    }
    if (!kamiyousoFitsFiles(record.hair.kamiyousoAbs)) {
        return refusal(DataGroup::Kamiyouso, paths.kamiyouso, kBeyondFaceSpace);
    }
    return std::nullopt;
}

// The reader's rules on the drawn face, as the export would write it.
std::optional<LoadFailure> checkDrawnRules(const FaceRecord& drawn, const FaceFilePaths& paths) {
    const FacePoints& face = drawn.face.absPoints;
    if (asWritten(face[154].y) == asWritten(face[167].y)) {
        return refusal(DataGroup::Face, paths.face,
                       "has points 154 and 167 at the same height once drawn");
    }
    if (asWritten(face[166].x) == 0.0) {
        return refusal(DataGroup::Face, paths.face, "has point 166 at x = 0 once drawn");
    }
    if (asWritten(drawn.hair.haegiwaAbs[0].x) == 0.0) {
        return refusal(DataGroup::Haegiwa, paths.haegiwa, "has point 0 at x = 0 once drawn");
    }
    return std::nullopt;
}

}  // namespace

double asWritten(double value) {
    std::array<char, 400> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value,
                                   std::chars_format::fixed, kWrittenDecimals)
                         .ptr;
    double read = value;
    std::from_chars(text.data(), end, read);
    return read;
}

std::optional<LoadFailure> checkLoadedFace(const FaceRecord& record, const FaceFilePaths& paths) {
    if (auto failure = checkRange(record, paths)) return failure;
    // Drawing is what saving writes: the constrained face and the fitted hair.
    FaceRecord drawn = record;
    const RecordConverter converter;
    converter.toAbsolute(drawn);
    converter.applyConstraints(drawn);
    if (auto failure = checkRange(drawn, paths)) return failure;
    return checkDrawnRules(drawn, paths);
}

}  // namespace mirel
