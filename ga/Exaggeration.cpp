#include "ga/Exaggeration.h"

#include <algorithm>
#include <cmath>

#include "face/AnchorGroups.h"
#include "face/RecordConverter.h"
#include "ga/FaceOperators.h"
#include "ga/HairElementOperators.h"
#include "ga/HairlineOperators.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

constexpr int kNoPart = -1;
constexpr int kBisections = 12;
constexpr double kSmallVariation = 0.2;
// Face space is 300 units square around the origin.
constexpr double kFaceSpaceHalf = 150.0;

// The part each face point belongs to, from the part table.
constexpr std::array<int, kFacePointCount> kFacePointPart = [] {
    std::array<int, kFacePointCount> owner{};
    owner.fill(kNoPart);
    for (int part = 0; part < kFacePartCount; ++part) {
        for (const IndexRange run : kPartGenes[part].facePoints) {
            for (int k = run.first; k <= run.last; ++k) owner[k] = part;
        }
    }
    return owner;
}();

double moved(double average, double chosen, double level) {
    return level == 1.0 ? chosen : chosen + (level - 1.0) * (chosen - average);
}

Point2 movedPoint(const Point2& average, const Point2& chosen, double level, bool xIsCoordinate,
                  bool yIsCoordinate) {
    // Breeding leaves points outside the genome at (0, 0): they are no feature.
    if (chosen == Point2{}) return chosen;
    return {xIsCoordinate ? moved(average.x, chosen.x, level) : chosen.x,
            yIsCoordinate ? moved(average.y, chosen.y, level) : chosen.y};
}

template <typename Points>
double reach(const Points& points) {
    double far = 0;
    for (const Point2& p : points) far = std::max({far, std::abs(p.x), std::abs(p.y)});
    return far;
}

double drawnReach(const FaceRecord& face) {
    const FaceRecord shown = drawnForm(face);
    return std::max(reach(shown.face.absPoints), reach(shown.hair.haegiwaAbs));
}

bool keepsRows(const std::vector<int>& rows, const std::vector<int>& allowed) {
    return std::includes(allowed.begin(), allowed.end(), rows.begin(), rows.end());
}

// Shape conditions and extent of a face, to compare with the chosen face's.
struct Bounds {
    std::vector<int> faceRows, hairlineRows, elementRows;
    double reach = 0;

    Bounds(const FaceRecord& chosen, const FaceRecord& average)
        : faceRows(failingFaceRows(chosen.face.relPoints)),
          hairlineRows(failingHairlineRows(chosen.hair.haegiwaRel)),
          elementRows(failingHairElementRows(chosen.hair.kamiyousoRel)),
          reach(std::max({kFaceSpaceHalf, drawnReach(chosen), drawnReach(average)})) {}

    bool hold(const FaceRecord& face) const {
        return keepsRows(failingFaceRows(face.face.relPoints), faceRows) &&
               keepsRows(failingHairlineRows(face.hair.haegiwaRel), hairlineRows) &&
               keepsRows(failingHairElementRows(face.hair.kamiyousoRel), elementRows) &&
               drawnReach(face) <= reach;
    }
};

PartLevels scaled(const PartLevels& levels, double factor) {
    PartLevels out;
    for (std::size_t p = 0; p < levels.part.size(); ++p) {
        out.part[p] = factor == 1.0 ? levels.part[p] : 1.0 + factor * (levels.part[p] - 1.0);
    }
    out.rest = factor == 1.0 ? levels.rest : 1.0 + factor * (levels.rest - 1.0);
    return out;
}

FaceRecord within(const FaceRecord& chosen, const FaceRecord& average, const PartLevels& levels,
                  const Bounds& bounds) {
    FaceRecord face = exaggerate(chosen, average, levels);
    if (bounds.hold(face)) return face;
    // Factor 0 is the chosen face, which holds: bisect for the largest that does.
    double good = 0.0;
    double bad = 1.0;
    for (int step = 0; step < kBisections; ++step) {
        const double middle = (good + bad) / 2;
        (bounds.hold(exaggerate(chosen, average, scaled(levels, middle))) ? good : bad) = middle;
    }
    return good == 0.0 ? chosen : exaggerate(chosen, average, scaled(levels, good));
}

}  // namespace

FaceRecord exaggerate(const FaceRecord& chosen, const FaceRecord& average,
                      const PartLevels& levels) {
    FaceRecord face = chosen;
    for (int k = 0; k < kFacePointCount; ++k) {
        const int part = kFacePointPart[static_cast<std::size_t>(k)];
        const double level = part == kNoPart ? levels.rest : levels.part[part];
        face.face.relPoints[k] =
            movedPoint(average.face.relPoints[k], chosen.face.relPoints[k], level, true, true);
    }
    const double hair = levels.part[static_cast<std::size_t>(FacePart::Hair)];
    for (int k = 0; k < kHaegiwaPointCount; ++k) {
        face.hair.haegiwaRel[k] =
            movedPoint(average.hair.haegiwaRel[k], chosen.hair.haegiwaRel[k], hair, true, true);
    }
    for (int k = 0; k < kKamiyousoPointCount; ++k) {
        face.hair.kamiyousoRel[k] =
            movedPoint(average.hair.kamiyousoRel[k], chosen.hair.kamiyousoRel[k], hair,
                       isKamiyousoCoordinate(k, 0), isKamiyousoCoordinate(k, 1));
    }
    return face;
}

FaceRecord exaggerateWithin(const FaceRecord& chosen, const FaceRecord& average,
                            const PartLevels& levels) {
    return within(chosen, average, levels, Bounds(chosen, average));
}

ToolGeneration makeExaggerationRange(const FaceRecord& chosen, const FaceRecord& average) {
    const Bounds bounds(chosen, average);
    const auto levelCount = static_cast<int>(kExaggerationLevels.size());
    std::vector<FaceRecord> faces;
    faces.reserve(kPopulationSize);
    for (const double level : kExaggerationLevels) {
        faces.push_back(within(chosen, average, PartLevels::uniform(level), bounds));
    }
    const bool allChosen = std::all_of(faces.begin(), faces.end(),
                                       [&chosen](const FaceRecord& f) { return f == chosen; });
    if (allChosen) return {{}, ToolRefusal::NothingToVary};
    // Page 2 mixes the levels part by part: a bigger nose with smaller eyes.
    for (int k = 0; k < levelCount; ++k) {
        PartLevels mixed;
        for (double& level : mixed.part) level = kExaggerationLevels[randomIndex(levelCount)];
        mixed.rest = kExaggerationLevels[randomIndex(levelCount)];
        faces.push_back(within(chosen, average, mixed, bounds));
    }
    // Page 3: each level once more with a small breeding mutation, which keeps
    // the shape conditions itself.
    for (int k = 0; k < levelCount; ++k) {
        FaceRecord varied = faces[static_cast<std::size_t>(k)];
        mutateFacePoints(varied, kSmallVariation);
        mutateHairlinePoints(varied, kSmallVariation);
        faces.push_back(bounds.hold(varied) ? varied : faces[static_cast<std::size_t>(k)]);
    }
    return {std::move(faces), std::nullopt};
}

}  // namespace mirel
