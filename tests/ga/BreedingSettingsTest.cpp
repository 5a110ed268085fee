// Breeding settings: the default settings breed exactly the recorded run, a
// step size of x1 is the default, larger steps and new people keep every
// child inside the shape rules.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <vector>

#include "PlausibleFace.h"
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

TEST(BreedingSettings, DefaultBreedingIsTheRecordedRun) {
    const std::uint64_t plain =
        scriptedRun([](PopulationStore& s, Selection m) { return s.breedNextGeneration(m); });
    EXPECT_EQ(plain, kRecordedRun);
}

}  // namespace
}  // namespace mirel
