#include "ToolStrategy.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <optional>

#include "ga/Exaggeration.h"
#include "ga/PartGallery.h"

namespace mirel::witness {
namespace {

// Picture pixels around a part's points that still belong to its region.
constexpr double kRegionMargin = 4.0;
// Another gallery of a part galleried this few turns ago seldom finds better.
constexpr std::ptrdiff_t kGalleryMemory = 3;
enum class Action { Gallery, Exaggerate, Breed };
// The turn of each generation, repeated.
constexpr Action kTurns[] = {Action::Gallery,    Action::Gallery, Action::Gallery,
                             Action::Exaggerate, Action::Gallery, Action::Breed};
// Face units span this many of them across a picture.
constexpr double kFaceUnitsAcross = 300.0;

double toPicture(double faceUnits, int side) {
    return side / 2.0 + faceUnits * side / kFaceUnitsAcross;
}

struct Box {
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
};

template <typename Points>
void extend(std::span<const IndexRange> runs, const Points& points, int side, Box& box) {
    for (const IndexRange run : runs) {
        for (int k = run.first; k <= run.last; ++k) {
            const double x = toPicture(points[k].x, side);
            const double y = toPicture(points[k].y, side);
            box.left = std::min(box.left, x);
            box.top = std::min(box.top, y);
            box.right = std::max(box.right, x);
            box.bottom = std::max(box.bottom, y);
        }
    }
}

// Mean grey difference of two pictures within the box around a part of
// either face: how far off the part looks, judged by its pixels alone.
double regionDistance(FacePart part, const FaceRecord& faceDrawn, const FacePicture& face,
                      const FaceRecord& targetDrawn, const FacePicture& target) {
    const PartGenes& genes = partGenes(part);
    const int side = target.side;
    Box box;
    for (const FaceRecord* r : {&faceDrawn, &targetDrawn}) {
        extend(genes.facePoints, r->face.absPoints, side, box);
        extend(genes.haegiwaPoints, r->hair.haegiwaAbs, side, box);
    }
    const int left = std::max(0, static_cast<int>(box.left - kRegionMargin));
    const int top = std::max(0, static_cast<int>(box.top - kRegionMargin));
    const int right = std::min(side - 1, static_cast<int>(box.right + kRegionMargin));
    const int bottom = std::min(side - 1, static_cast<int>(box.bottom + kRegionMargin));
    double sum = 0;
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const std::size_t k = static_cast<std::size_t>(y * side + x);
            sum += std::fabs(face.grey[k] - target.grey[k]);
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / count;
}

}  // namespace

bool UseChosenFaceTools::nextGeneration(const Turn& turn, PopulationStore& store) {
    const int g = turn.generation;
    const auto looked = static_cast<std::size_t>(turn.preferred.front());
    // A noisy witness who kept the face it judged best so far would stick to
    // the one its noise once flattered most; it looks at it afresh instead.
    if (!hasChosen_ || (*turn.judged)[looked] < turn.judge(chosenPicture_)) {
        hasChosen_ = true;
        chosen_ = GeneRef{g, static_cast<int>(looked)};
        chosenDrawn_ = (*turn.drawn)[looked];
        chosenPicture_ = (*turn.pictures)[looked];
    }
    if (useLocks_) locks_.look(turn);
    const FaceRecord chosen = store.at(chosen_);
    std::optional<ToolGeneration> made;
    switch (kTurns[static_cast<std::size_t>(g) % std::size(kTurns)]) {
        case Action::Gallery: {
            double worst = -1;
            FacePart part = FacePart::Eyes;
            const auto recent =
                galleries_.end() - std::min<std::ptrdiff_t>(kGalleryMemory, std::ssize(galleries_));
            for (int p = 0; p < kFacePartCount; ++p) {
                const auto candidate = static_cast<FacePart>(p);
                if (std::find(recent, galleries_.end(), candidate) != galleries_.end()) continue;
                const double d = regionDistance(candidate, chosenDrawn_, chosenPicture_,
                                                *turn.targetDrawn, *turn.targetPicture);
                if (d > worst) {
                    worst = d;
                    part = candidate;
                }
            }
            galleries_.push_back(part);
            made = makePartGallery(part, chosen, store.generation(0).first<kSampleCount>(),
                                   store.generation(g));
            break;
        }
        case Action::Exaggerate:
            made = makeExaggerationRange(chosen, store.at({0, kAverageSample}));
            break;
        case Action::Breed:
            break;
    }
    if (made && !made->refusal) {
        return store.addGeneration(PopulationStore::Generation(
                   made->faces.data(), kPopulationSize)) == BreedResult::Bred;
    }
    return breed(turn, store);
}

bool UseChosenFaceTools::breed(const Turn& turn, PopulationStore& store) {
    Selection marks;
    marks.setMark(marks.count++, chosen_);
    for (std::size_t k = 0; marks.count < marks_ && k < turn.preferred.size(); ++k) {
        const GeneRef next{turn.generation, turn.preferred[k]};
        if (next != chosen_) marks.setMark(marks.count++, next);
    }
    return store.breedNextGeneration(marks, locks_.locks(), settings_) == BreedResult::Bred;
}

}  // namespace mirel::witness
