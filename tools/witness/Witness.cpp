#include "Witness.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "FacePicture.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel::witness {
namespace {

constexpr int kPageSize = 20;
// A part whose every flag differs counts as this many face units further off.
constexpr double kFlagWeight = 20.0;
// The witness locks a part only to a face whose part looks right: its part
// distance at most this many face units (about a pixel and a half in a grid
// cell of 218), which a single differing flag of a small part already exceeds.
constexpr double kRightPart = 2.0;

// Face points the breeding writes; the others are zero in every child.
constexpr IndexRange kBredFacePoints[] = {
    {0, 24},    {28, 38},   {42, 58},   {61, 82},   {91, 96},   {98, 109},
    {114, 122}, {127, 140}, {147, 154}, {158, 164}, {166, 174},
};

bool isBredFacePoint(int point) {
    return std::any_of(std::begin(kBredFacePoints), std::end(kBredFacePoints),
                       [point](IndexRange r) { return point >= r.first && point <= r.last; });
}

template <typename Points>
void addPointDistances(std::span<const IndexRange> runs, const Points& a, const Points& b,
                       bool faceSpace, double& sum, int& count) {
    for (const IndexRange run : runs) {
        for (int k = run.first; k <= run.last; ++k) {
            if (faceSpace && !isBredFacePoint(k)) continue;
            sum += std::hypot(a[k].x - b[k].x, a[k].y - b[k].y);
            ++count;
        }
    }
}

template <typename Flags>
void addFlagDifferences(std::span<const IndexRange> runs, const Flags& a, const Flags& b,
                        int& differing, int& count) {
    for (const IndexRange run : runs) {
        for (int k = run.first; k <= run.last; ++k) {
            differing += a[k] != b[k] ? 1 : 0;
            ++count;
        }
    }
}

}  // namespace

double partPointDistance(FacePart part, const FaceRecord& a, const FaceRecord& b) {
    const PartGenes& genes = partGenes(part);
    double sum = 0;
    int points = 0;
    addPointDistances(genes.facePoints, a.face.absPoints, b.face.absPoints, true, sum, points);
    // The hair elements are not drawn; the hairline is what the witness sees.
    addPointDistances(genes.haegiwaPoints, a.hair.haegiwaAbs, b.hair.haegiwaAbs, false, sum,
                      points);
    return points == 0 ? 0.0 : sum / points;
}

double partDistance(FacePart part, const FaceRecord& a, const FaceRecord& b) {
    const PartGenes& genes = partGenes(part);
    int differing = 0;
    int flags = 0;
    addFlagDifferences(genes.faceFlags, a.face.flags, b.face.flags, differing, flags);
    addFlagDifferences(genes.haegiwaFlags, a.hair.haegiwaFlags, b.hair.haegiwaFlags, differing,
                       flags);
    const double flagPart = flags == 0 ? 0.0 : kFlagWeight * differing / flags;
    return partPointDistance(part, a, b) + flagPart;
}

std::vector<GenerationFigures> playWitness(std::span<const FaceRecord, kPopulationSize> generation0,
                                           const FaceRecord& target,
                                           const WitnessOptions& options) {
    resetRandomSource();
    PopulationStore store(generation0);
    FaceRecord targetDrawn;
    const FacePicture targetPicture = picture(target, &targetDrawn);
    const int shown = options.allPages ? kPopulationSize : kPageSize;
    const int generations = std::min(options.generations, kGenerationCount - 1);

    PartLocks locks;
    std::array<double, kFacePartCount> lockedDistance{};
    std::vector<GenerationFigures> figures;

    for (int g = 0;; ++g) {
        std::vector<FacePicture> pictures;
        std::vector<FaceRecord> drawn(static_cast<std::size_t>(shown));
        std::vector<double> distance;
        for (int i = 0; i < shown; ++i) {
            pictures.push_back(picture(store.at({g, i}), &drawn[static_cast<std::size_t>(i)]));
            distance.push_back(pictureDistance(pictures.back(), targetPicture));
        }
        std::vector<int> order(static_cast<std::size_t>(shown));
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&distance](int a, int b) { return distance[a] < distance[b]; });
        const int best = order.front();
        const double shownVariety = variety(pictures);
        const double firstPageVariety =
            g == 0 ? variety({pictures.begin(), pictures.begin() + kPageSize}) : 0.0;
        figures.push_back({distance[best], shownVariety, firstPageVariety,
                           partPointDistance(FacePart::Eyes, drawn[best], targetDrawn)});
        if (g == generations) break;

        Selection marks;
        marks.count = std::min(options.marks, shown);
        for (int k = 0; k < marks.count; ++k) marks.setMark(k, {g, order[k]});
        if (options.locks) {
            for (int part = 0; part < kFacePartCount; ++part) {
                for (int i = 0; i < shown; ++i) {
                    const double d =
                        partDistance(static_cast<FacePart>(part), drawn[i], targetDrawn);
                    if (d <= kRightPart && (!locks.lockedTo[part] || d < lockedDistance[part])) {
                        lockedDistance[part] = d;
                        locks.lockedTo[part] = GeneRef{g, i};
                    }
                }
            }
        }
        if (store.breedNextGeneration(marks, locks) != BreedResult::Bred) break;
    }
    return figures;
}

}  // namespace mirel::witness
