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

bool fitsFiles(double value) {
    // Well inside the range, rounding to the written decimals cannot leave it.
    if (std::abs(value) < kMaxFileValue - 1.0) return true;
    return std::isfinite(value) && std::abs(asWritten(value)) <= kMaxFileValue;
}

// Two values further apart than this never write as the same decimals, and
// one further from 0 never writes as 0.
constexpr double kClearlyApart = 1e-5;

bool sameWhenWritten(double a, double b) {
    if (std::abs(a - b) > kClearlyApart) return false;
    return asWritten(a) == asWritten(b);
}

bool zeroWhenWritten(double value) {
    if (std::abs(value) > kClearlyApart) return false;
    return asWritten(value) == 0.0;
}

// The first value of `points` that does not fit the files (hair-element
// coordinates compared in the files' unit), or nothing.
template <std::size_t N>
std::optional<double> firstMisfit(const std::array<Point2, N>& points, bool kamiyouso) {
    // Below this a point fits whatever its unit in the files.
    const double surelyInside = (kMaxFileValue - 1.0) * (kamiyouso ? kKamiyousoScale : 1.0);
    for (std::size_t n = 0; n < N; ++n) {
        const Point2& p = points[n];
        if (std::abs(p.x) < surelyInside && std::abs(p.y) < surelyInside) continue;
        const int k = static_cast<int>(n);
        const double x = kamiyouso && isKamiyousoCoordinate(k, 0) ? p.x * kKamiyousoFileUnit : p.x;
        const double y = kamiyouso && isKamiyousoCoordinate(k, 1) ? p.y * kKamiyousoFileUnit : p.y;
        if (!fitsFiles(x)) return p.x;
        if (!fitsFiles(y)) return p.y;
    }
    return std::nullopt;
}

constexpr std::string_view kBeyondFaceSpace = "cannot be scaled to the face space";

std::optional<FaceProblem> checkRange(const FaceRecord& record) {
    const auto beyond = [](DataGroup group, double value) {
        return FaceProblem{group, std::string(kBeyondFaceSpace), value};
    };
    if (auto v = firstMisfit(record.face.absPoints, false)) return beyond(DataGroup::Face, *v);
    if (auto v = firstMisfit(record.hair.haegiwaAbs, false)) return beyond(DataGroup::Haegiwa, *v);
    if (auto v = firstMisfit(record.hair.kamiyousoAbs, true)) {
        return beyond(DataGroup::Kamiyouso, *v);
    }
    return std::nullopt;
}

// The reader's rules on the drawn face, as the export would write it.
std::optional<FaceProblem> checkDrawnRules(const FaceRecord& drawn) {
    const FacePoints& face = drawn.face.absPoints;
    if (sameWhenWritten(face[154].y, face[167].y)) {
        return FaceProblem{
            DataGroup::Face, "has points 154 and 167 at the same height once drawn", {}};
    }
    if (zeroWhenWritten(face[166].x)) {
        return FaceProblem{DataGroup::Face, "has point 166 at x = 0 once drawn", {}};
    }
    if (zeroWhenWritten(drawn.hair.haegiwaAbs[0].x)) {
        return FaceProblem{DataGroup::Haegiwa, "has point 0 at x = 0 once drawn", {}};
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

std::optional<FaceProblem> findFaceProblem(const FaceRecord& record, const FaceRecord& drawn) {
    if (auto problem = checkRange(record)) return problem;
    // Drawing is what saving writes: the constrained face and the fitted hair.
    if (auto problem = checkRange(drawn)) return problem;
    return checkDrawnRules(drawn);
}

std::optional<LoadFailure> checkLoadedFace(const FaceRecord& record, const FaceFilePaths& paths) {
    const auto problem = findFaceProblem(record, drawnForm(record));
    if (!problem) return std::nullopt;
    const std::string& path = problem->group == DataGroup::Face      ? paths.face
                              : problem->group == DataGroup::Haegiwa ? paths.haegiwa
                                                                     : paths.kamiyouso;
    return LoadFailure{.text = refusalText(problem->group, path, problem->problem)};
}

}  // namespace mirel
