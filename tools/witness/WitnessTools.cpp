#include "WitnessTools.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <numeric>

#include "FacePicture.h"
#include "Witness.h"
#include "ga/Exaggeration.h"
#include "ga/PartGallery.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel::witness {
namespace {

constexpr FacePart kInnerParts[kInnerPartCount] = {FacePart::Eyebrows, FacePart::Eyes,
                                                   FacePart::Nose, FacePart::Mouth};
constexpr const char* kInnerNames[kInnerPartCount] = {"brows", "eyes", "nose", "mouth"};
constexpr int kReported[] = {5, 10, 20};
// Picture pixels around a part's points that still belong to its region.
constexpr double kRegionMargin = 4.0;
constexpr std::ptrdiff_t kGalleryMemory = 3;
// A gallery's letter in the list of actions: eyes, brows (w), nose, mouth,
// outline, ears (a), hair.
constexpr char kGalleryLetters[] = "ewnmoah";
// The turn of each generation, repeated: gallery, breed, gallery, breed, exaggerate, breed.
constexpr char kTurns[] = {'g', 'g', 'g', 'x', 'g', 'b'};

struct Seen {
    FaceRecord drawn;
    FacePicture picture;
    double pixels = 0;
    double points = 0;
};

// Where a face point falls in a witness picture.
double toPicture(double faceUnits, int side) {
    return side / 2.0 + faceUnits * side / 300.0;
}

template <typename Points>
void extend(std::span<const IndexRange> runs, const Points& points, int side, double box[4]) {
    for (const IndexRange run : runs) {
        for (int k = run.first; k <= run.last; ++k) {
            const double x = toPicture(points[k].x, side);
            const double y = toPicture(points[k].y, side);
            box[0] = std::min(box[0], x);
            box[1] = std::min(box[1], y);
            box[2] = std::max(box[2], x);
            box[3] = std::max(box[3], y);
        }
    }
}

// Mean grey difference of two pictures within the box around a part of
// either face: how far off the part looks, judged by its pixels alone.
double regionDistance(FacePart part, const Seen& face, const Seen& target) {
    const PartGenes& genes = partGenes(part);
    const int side = target.picture.side;
    double box[4] = {1e9, 1e9, -1e9, -1e9};
    for (const FaceRecord* r : {&face.drawn, &target.drawn}) {
        extend(genes.facePoints, r->face.absPoints, side, box);
        extend(genes.haegiwaPoints, r->hair.haegiwaAbs, side, box);
    }
    const int left = std::max(0, static_cast<int>(box[0] - kRegionMargin));
    const int top = std::max(0, static_cast<int>(box[1] - kRegionMargin));
    const int right = std::min(side - 1, static_cast<int>(box[2] + kRegionMargin));
    const int bottom = std::min(side - 1, static_cast<int>(box[3] + kRegionMargin));
    double sum = 0;
    int count = 0;
    for (int y = top; y <= bottom; ++y) {
        for (int x = left; x <= right; ++x) {
            const std::size_t k = static_cast<std::size_t>(y * side + x);
            sum += std::fabs(face.picture.grey[k] - target.picture.grey[k]);
            ++count;
        }
    }
    return count == 0 ? 0.0 : sum / count;
}

}  // namespace

std::vector<ToolFigures> playToolWitness(std::span<const FaceRecord, kPopulationSize> generation0,
                                         const FaceRecord& target, int marks, int generations) {
    resetRandomSource();
    PopulationStore store(generation0);
    Seen goal;
    goal.picture = picture(target, &goal.drawn);
    std::vector<ToolFigures> figures;
    char action = '-';
    std::vector<FacePart> galleries;  // the parts galleried so far, in order
    // The nearest face seen so far, in whichever generation: a user goes
    // back to it when a tool's faces all came out further off.
    Seen best;
    GeneRef bestRef{};
    best.pixels = 1e9;
    const int last = std::min(generations, kLastGeneration);
    for (int g = 0;; ++g) {
        std::vector<Seen> seen(kPopulationSize);
        for (int i = 0; i < kPopulationSize; ++i) {
            Seen& s = seen[static_cast<std::size_t>(i)];
            s.picture = picture(store.at({g, i}), &s.drawn);
            s.pixels = pictureDistance(s.picture, goal.picture);
            s.points = pointDistance(s.drawn, goal.drawn);
        }
        std::vector<int> order(kPopulationSize);
        std::iota(order.begin(), order.end(), 0);
        std::stable_sort(order.begin(), order.end(),
                         [&](int a, int b) { return seen[a].pixels < seen[b].pixels; });
        if (seen[static_cast<std::size_t>(order.front())].pixels < best.pixels) {
            best = seen[static_cast<std::size_t>(order.front())];
            bestRef = GeneRef{g, order.front()};
        }
        const Seen& nearest = best;
        ToolFigures f;
        f.pixels = nearest.pixels;
        f.points = std::min_element(seen.begin(), seen.end(), [](const Seen& a, const Seen& b) {
                       return a.points < b.points;
                   })->points;
        for (int p = 0; p < kInnerPartCount; ++p) {
            f.inner[p] = partPointDistance(kInnerParts[p], nearest.drawn, goal.drawn);
        }
        f.action = action;
        figures.push_back(f);
        if (g == last) break;

        // The chosen face is the nearest; the tool of this turn works from it.
        const FaceRecord chosen = store.at(bestRef);
        action = kTurns[g % std::size(kTurns)];
        std::optional<ToolGeneration> made;
        if (action == 'g') {
            // The part that looks farthest off, leaving out the parts of the
            // last few galleries: another gallery of those seldom finds better.
            double worst = -1;
            FacePart part = FacePart::Eyes;
            for (int p = 0; p < kFacePartCount; ++p) {
                const auto candidate = static_cast<FacePart>(p);
                const auto recent = galleries.end() -
                                    std::min<std::ptrdiff_t>(kGalleryMemory, std::ssize(galleries));
                if (std::find(recent, galleries.end(), candidate) != galleries.end()) continue;
                const double d = regionDistance(candidate, nearest, goal);
                if (d > worst) {
                    worst = d;
                    part = candidate;
                }
            }
            galleries.push_back(part);
            action = kGalleryLetters[static_cast<std::size_t>(part)];
            made = makePartGallery(part, chosen, generation0.first<kSampleCount>(),
                                   store.generation(g));
        } else if (action == 'x') {
            made = makeExaggerationRange(chosen, generation0[kAverageSample]);
        }
        if (made && !made->refusal) {
            (void)store.addGeneration(
                PopulationStore::Generation(made->faces.data(), kPopulationSize));
            continue;
        }
        action = 'b';
        // The chosen face and the nearest of this generation.
        Selection selection;
        selection.setMark(selection.count++, bestRef);
        for (std::size_t k = 0; selection.count < marks; ++k) {
            const GeneRef next{g, order[k]};
            if (next != bestRef) selection.setMark(selection.count++, next);
        }
        if (store.breedNextGeneration(selection) != BreedResult::Bred) break;
    }
    return figures;
}

void reportToolWitness(const std::vector<std::string>& names,
                       const std::vector<FaceRecord>& targets,
                       std::span<const FaceRecord, kPopulationSize> generation0, int marks,
                       int generations) {
    struct Sum {
        int targets = 0;
        std::map<int, double> pixels, points;
        std::map<int, std::array<double, kInnerPartCount>> inner;
        std::map<int, std::array<int, kInnerPartCount>> halved;
    };
    std::map<std::string, Sum> kinds;
    std::printf("mode tools: K = %d, %zu targets; turns %.*s (g gallery, b breed, x exaggerate)\n",
                marks, targets.size(), static_cast<int>(std::size(kTurns)), kTurns);
    for (std::size_t t = 0; t < targets.size(); ++t) {
        const std::vector<ToolFigures> run =
            playToolWitness(generation0, targets[t], marks, generations);
        const std::string folder = std::filesystem::path(names[t]).filename().string();
        const std::string kind =
            folder.starts_with("bank")
                ? folder.substr(folder.find('-') + 1, folder.rfind("-of") - folder.find('-') - 1)
                : folder.substr(0, folder.find('-'));
        Sum& sum = kinds[kind];
        ++sum.targets;
        std::printf("  %-24s", folder.c_str());
        for (const int g : kReported) {
            if (g >= static_cast<int>(run.size())) continue;
            const ToolFigures& f = run[static_cast<std::size_t>(g)];
            sum.pixels[g] += f.pixels / run[0].pixels;
            sum.points[g] += f.points / run[0].points;
            std::printf("  g%d px %.2f pt %.2f parts", g, f.pixels / run[0].pixels,
                        f.points / run[0].points);
            for (int p = 0; p < kInnerPartCount; ++p) {
                const double ratio = run[0].inner[p] > 0 ? f.inner[p] / run[0].inner[p] : 0.0;
                sum.inner[g][p] += ratio;
                sum.halved[g][p] += ratio <= 0.5 ? 1 : 0;
                std::printf(" %.2f", ratio);
            }
        }
        std::printf("\n    actions ");
        for (const ToolFigures& f : run) std::printf("%c", f.action);
        std::printf("\n");
        std::fflush(stdout);
    }
    std::printf(
        "  kind          gen  pixels  points  brows  eyes  nose  mouth   (mean ratios to gen 0; "
        "parts <= 0.5 on n targets)\n");
    for (const auto& [kind, sum] : kinds) {
        for (const int g : kReported) {
            if (!sum.pixels.contains(g)) continue;
            std::printf("  %-12s %4d  %6.2f  %6.2f", kind.c_str(), g,
                        sum.pixels.at(g) / sum.targets, sum.points.at(g) / sum.targets);
            for (int p = 0; p < kInnerPartCount; ++p) {
                std::printf("  %4.2f(%d/%d)", sum.inner.at(g)[p] / sum.targets, sum.halved.at(g)[p],
                            sum.targets);
            }
            std::printf("\n");
        }
    }
    std::printf("  parts: %s %s %s %s\n\n", kInnerNames[0], kInnerNames[1], kInnerNames[2],
                kInnerNames[3]);
}

}  // namespace mirel::witness
