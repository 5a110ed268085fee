#include "Witness.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <random>

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
// The hairline points drawn: the front hair and the sideburns (the back hair
// is bred but not drawn).
constexpr IndexRange kDrawnHairlinePoints[] = {{0, 17}, {24, 29}};

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
    if (!genes.haegiwaPoints.empty()) {
        addPointDistances(std::span<const IndexRange>(kDrawnHairlinePoints), a.hair.haegiwaAbs,
                          b.hair.haegiwaAbs, false, sum, points);
    }
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

double pointDistance(const FaceRecord& a, const FaceRecord& b) {
    double sum = 0;
    for (int part = 0; part < kFacePartCount; ++part) {
        sum += partPointDistance(static_cast<FacePart>(part), a, b);
    }
    return sum / kFacePartCount;
}

void WitnessLocks::look(const Turn& turn) {
    const std::vector<FaceRecord>& drawn = *turn.drawn;
    for (int part = 0; part < kFacePartCount; ++part) {
        for (std::size_t i = 0; i < drawn.size(); ++i) {
            const double d = partDistance(static_cast<FacePart>(part), drawn[i], *turn.targetDrawn);
            if (d <= kRightPart && (!locks_.lockedTo[part] || d < lockedDistance_[part])) {
                lockedDistance_[part] = d;
                locks_.lockedTo[part] = GeneRef{turn.generation, static_cast<int>(i)};
            }
        }
    }
}

bool BreedFromMarks::nextGeneration(const Turn& turn, PopulationStore& store) {
    Selection marks;
    marks.count = std::min<int>(marks_, static_cast<int>(turn.preferred.size()));
    for (int k = 0; k < marks.count; ++k) marks.setMark(k, {turn.generation, turn.preferred[k]});
    if (useLocks_) locks_.look(turn);
    return store.breedNextGeneration(marks, locks_.locks(), settings_) == BreedResult::Bred;
}

namespace {

template <class Distance>
double meanPairwise(std::size_t n, Distance distance) {
    double sum = 0;
    int pairs = 0;
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            sum += distance(i, j);
            ++pairs;
        }
    }
    return pairs == 0 ? 0.0 : sum / pairs;
}

}  // namespace

WitnessRun playWitness(std::span<const FaceRecord, kPopulationSize> generation0,
                       const FaceRecord& target, const WitnessOptions& options,
                       Strategy& strategy) {
    resetRandomSource();
    PopulationStore store(generation0);
    FaceRecord targetDrawn;
    const FacePicture targetPicture = picture(target, &targetDrawn);
    const int shown = options.allPages ? kPopulationSize : kPageSize;
    const int generations = std::min(options.generations, kGenerationCount - 1);
    // The witness's own judgement: its noise never draws from the breeding's source.
    std::mt19937 judgement(options.seed);
    std::normal_distribution<double> gauss;

    WitnessRun run;
    for (int g = 0;; ++g) {
        std::vector<FacePicture> pictures;
        std::vector<FaceRecord> drawn(static_cast<std::size_t>(shown));
        std::vector<double> distance, points;
        for (int i = 0; i < shown; ++i) {
            pictures.push_back(picture(store.at({g, i}), &drawn[static_cast<std::size_t>(i)]));
            distance.push_back(pictureDistance(pictures.back(), targetPicture));
            points.push_back(pointDistance(drawn[static_cast<std::size_t>(i)], targetDrawn));
        }
        const int best = static_cast<int>(std::min_element(distance.begin(), distance.end()) -
                                          distance.begin());
        GenerationFigures f;
        f.nearest = distance[best];
        f.nearestPoints = *std::min_element(points.begin(), points.end());
        f.variety = variety(pictures);
        f.varietyPoints = meanPairwise(drawn.size(), [&drawn](std::size_t i, std::size_t j) {
            return pointDistance(drawn[i], drawn[j]);
        });
        for (int part = 0; part < kFacePartCount; ++part) {
            f.parts[part] = partPointDistance(static_cast<FacePart>(part), drawn[best], targetDrawn);
        }
        run.generations.push_back(f);
        if (g == generations) {
            run.finalFace = store.at({g, best});
            break;
        }

        // The witness judges with a spread of its own: distances that differ by
        // less than about `noise` standard deviations of the shown ones are
        // a toss-up to it.
        std::vector<double> judged = distance;
        double spread = 0;
        if (options.noise > 0) {
            const double mean = std::accumulate(distance.begin(), distance.end(), 0.0) / shown;
            double var = 0;
            for (const double d : distance) var += (d - mean) * (d - mean);
            spread = options.noise * std::sqrt(var / shown);
            for (double& d : judged) d += spread * gauss(judgement);
        }
        Turn turn;
        turn.generation = g;
        turn.preferred.resize(static_cast<std::size_t>(shown));
        std::iota(turn.preferred.begin(), turn.preferred.end(), 0);
        std::stable_sort(turn.preferred.begin(), turn.preferred.end(),
                         [&judged](int a, int b) { return judged[a] < judged[b]; });
        turn.drawn = &drawn;
        turn.pictures = &pictures;
        turn.judged = &judged;
        turn.targetDrawn = &targetDrawn;
        turn.targetPicture = &targetPicture;
        turn.judge = [&](const FacePicture& face) {
            const double d = pictureDistance(face, targetPicture);
            return spread > 0 ? d + spread * gauss(judgement) : d;
        };
        if (!strategy.nextGeneration(turn, store)) break;
    }
    return run;
}

}  // namespace mirel::witness
