// Breeding settings: the default settings breed exactly the recorded run, a
// step size of x1 is the default, larger steps reach the first children and
// new people take the last slots.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "PlausibleFace.h"
#include "face/SampleLoader.h"
#include "ga/Breeder.h"
#include "ga/FaceOperators.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

Selection selectionOf(const std::vector<GeneRef>& marks) {
    Selection s;
    s.count = static_cast<int>(marks.size());
    for (int k = 0; k < s.count; ++k) s.setMark(k, marks[k]);
    return s;
}

// FNV-1a over the bytes of the bred genes of generations 1..newest, then the
// next draw of the random source: any change of a gene or of a draw shows.
std::uint64_t digestOf(const PopulationStore& store) {
    std::uint64_t h = 1469598103934665603ull;
    auto add = [&h](const void* data, std::size_t size) {
        const auto* bytes = static_cast<const unsigned char*>(data);
        for (std::size_t i = 0; i < size; ++i) h = (h ^ bytes[i]) * 1099511628211ull;
    };
    for (int g = 1; g <= store.generationCount(); ++g) {
        for (int i = 0; i < kPopulationSize; ++i) {
            const FaceRecord& r = store.at({g, i});
            add(r.face.relPoints.data(), sizeof(r.face.relPoints));
            add(r.face.flags.data(), sizeof(r.face.flags));
            add(r.hair.haegiwaRel.data(), sizeof(r.hair.haegiwaRel));
            add(r.hair.haegiwaFlags.data(), sizeof(r.hair.haegiwaFlags));
            add(r.hair.kamiyousoRel.data(), sizeof(r.hair.kamiyousoRel));
            add(r.hair.kamiyousoFlags.data(), sizeof(r.hair.kamiyousoFlags));
        }
    }
    const int next = nextRandom();
    add(&next, sizeof(next));
    return h;
}

// One mark, three marks, two, five and more than twenty: every rate and elite rule.
template <class Breed>
std::uint64_t scriptedRun(Breed breed) {
    resetRandomSource();
    PopulationStore s = test::plausibleStore();
    const std::vector<std::vector<GeneRef>> script = {
        {{0, 2}},         {{1, 0}, {1, 11}, {0, 7}},
        {{2, 5}, {2, 6}}, {{3, 1}, {2, 19}, {1, 4}, {3, 18}, {0, 0}},
    };
    std::vector<GeneRef> many;
    for (int k = 0; k < 25; ++k) many.push_back({k % 5, k});
    for (const auto& marks : script) EXPECT_EQ(breed(s, selectionOf(marks)), BreedResult::Bred);
    EXPECT_EQ(breed(s, selectionOf(many)), BreedResult::Bred);
    return digestOf(s);
}

// Recorded from the breeding before settings existed.
constexpr std::uint64_t kRecordedRun = 12951570201164668494ull;

TEST(BreedingSettings, DefaultsAndStepSizeOneBreedTheRecordedRun) {
    const std::uint64_t plain =
        scriptedRun([](PopulationStore& s, Selection m) { return s.breedNextGeneration(m); });
    EXPECT_EQ(plain, kRecordedRun);
    const BreedingSettings timesOne{StepSize::Standard, NewBlood::None};
    const std::uint64_t explicitDefault = scriptedRun([&](PopulationStore& s, Selection m) {
        return s.breedNextGeneration(m, PartLocks{}, timesOne);
    });
    EXPECT_EQ(explicitDefault, kRecordedRun);
}

// With two marks the standard breeding leaves children 2-8 unmutated; larger
// steps reach them, and new people take the last slots.
TEST(BreedingSettings, LargerStepsMutateTheFirstChildrenAndNewPeopleTakeTheLastSlots) {
    struct Case {
        BreedingSettings settings;
        bool firstChildrenMutated;
        int newPeople;
    };
    const Case cases[] = {
        {{StepSize::Standard, NewBlood::None}, false, 0},
        {{StepSize::Large, NewBlood::None}, true, 0},
        {{StepSize::ExtraLarge, NewBlood::Many}, true, 15},
        {{StepSize::Standard, NewBlood::Few}, false, 6},
    };
    for (const Case& c : cases) {
        resetRandomSource();
        PopulationStore s = test::plausibleStore();
        const Selection marks = selectionOf({{0, 30}, {0, 40}});
        ASSERT_EQ(s.breedNextGeneration(marks, PartLocks{}, c.settings), BreedResult::Bred);
        const std::vector<FaceRecord> parents{s.at({0, 30}), s.at({0, 40})};
        int mutated = 0;
        for (int i = 2; i < 2 + kUnmutatedChildren; ++i) {
            const FaceRecord& child = s.at({1, i});
            for (int k = 0; k < kFacePointCount; ++k) {
                const Point2 p = child.face.relPoints[k];
                if (p != Point2{} && p != parents[0].face.relPoints[k] &&
                    p != parents[1].face.relPoints[k]) {
                    ++mutated;
                    break;
                }
            }
        }
        EXPECT_EQ(mutated > 0, c.firstChildrenMutated) << c.settings.stepScale();
        // The widest standard step is 3 units (the outline rows), give or take a
        // point put on the centre line; larger steps go further.
        double widest = 0;
        for (int i = 2 + kUnmutatedChildren; i < kPopulationSize - 15; ++i) {
            for (int k = 0; k < kFacePointCount; ++k) {
                const Point2 p = s.at({1, i}).face.relPoints[k];
                if (p == Point2{}) continue;
                double nearest = 1e9;
                for (const FaceRecord& parent : parents) {
                    const Point2 q = parent.face.relPoints[k];
                    nearest = std::min(nearest, std::max(std::abs(p.x - q.x), std::abs(p.y - q.y)));
                }
                if (k != 58 && k != 57 && nearest < 100) widest = std::max(widest, nearest);
            }
        }
        EXPECT_EQ(widest > 4.5, c.settings.stepScale() > 1) << c.settings.stepScale() << ": " << widest;
        // A new person's parts come from the samples, not from the marked faces.
        int fromSamples = 0;
        for (int i = kPopulationSize - 15; i < kPopulationSize; ++i) {
            const int variant = test::variantOfFacePoint(s.at({1, i}), 96, s.generation(0));
            if (variant >= 0 && variant < kSampleCount) ++fromSamples;
        }
        EXPECT_EQ(fromSamples, c.newPeople) << c.settings.newPeople();
    }
}

}  // namespace
}  // namespace mirel
