#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "PlausibleFace.h"
#include "ga/Breeder.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

constexpr GeneRef kLockedFace{0, 50};

Selection firstMarks(int count) {
    Selection marks;
    for (int k = 0; k < count; ++k) marks.setMark(marks.count++, {0, (k * 7) % 40});
    return marks;
}

bool inRuns(std::span<const IndexRange> runs, int k) {
    for (const IndexRange run : runs) {
        if (k >= run.first && k <= run.last) return true;
    }
    return false;
}

// Which locked part (if any) holds element k of one gene array.
using RunsOf = std::span<const IndexRange> (*)(const PartGenes&);

template <typename Array>
void expectEachGene(const char* array, const Array& child, const Array& unlocked,
                    const Array& locked, RunsOf runsOf, const std::vector<FacePart>& parts,
                    int slot) {
    for (int k = 0; k < static_cast<int>(child.size()); ++k) {
        bool isLocked = false;
        for (const FacePart part : parts) isLocked = isLocked || inRuns(runsOf(partGenes(part)), k);
        EXPECT_TRUE(child[k] == (isLocked ? locked[k] : unlocked[k]))
            << array << " " << k << " of slot " << slot << (isLocked ? " (locked)" : "");
    }
}

struct LockCase {
    const char* name;
    int marks;
    std::vector<FacePart> parts;
};

class PartLocksTest : public testing::TestWithParam<LockCase> {};

TEST_P(PartLocksTest, ChildrenTakeTheLockedPartsAndBreedEverythingElseAsWithout) {
    const LockCase& c = GetParam();
    const Selection marks = firstMarks(c.marks);
    PartLocks locks;
    for (const FacePart part : c.parts) locks[part] = kLockedFace;

    PopulationStore without = test::plausibleStore();
    resetRandomSource();
    ASSERT_EQ(without.breedNextGeneration(marks), BreedResult::Bred);
    const int nextDrawWithout = nextRandom();

    PopulationStore with = test::plausibleStore();
    resetRandomSource();
    ASSERT_EQ(with.breedNextGeneration(marks, locks), BreedResult::Bred);
    EXPECT_EQ(nextRandom(), nextDrawWithout) << "the locks changed the number of draws";

    const FaceRecord& x = with.at(kLockedFace);
    const int elites = std::min(c.marks, kMaxElites);
    for (int i = 0; i < kPopulationSize; ++i) {
        const FaceRecord& child = with.at({1, i});
        const FaceRecord& plain = without.at({1, i});
        if (i < elites) {
            EXPECT_EQ(child, plain) << "elite " << i;
            continue;
        }
        EXPECT_EQ(child.face.absPoints, plain.face.absPoints);
        EXPECT_EQ(child.hair.haegiwaAbs, plain.hair.haegiwaAbs);
        expectEachGene(
            "face point", child.face.relPoints, plain.face.relPoints, x.face.relPoints,
            [](const PartGenes& g) { return g.facePoints; }, c.parts, i);
        expectEachGene(
            "face flag", child.face.flags, plain.face.flags, x.face.flags,
            [](const PartGenes& g) { return g.faceFlags; }, c.parts, i);
        expectEachGene(
            "hairline point", child.hair.haegiwaRel, plain.hair.haegiwaRel, x.hair.haegiwaRel,
            [](const PartGenes& g) { return g.haegiwaPoints; }, c.parts, i);
        expectEachGene(
            "hairline flag", child.hair.haegiwaFlags, plain.hair.haegiwaFlags, x.hair.haegiwaFlags,
            [](const PartGenes& g) { return g.haegiwaFlags; }, c.parts, i);
        expectEachGene(
            "hair-element point", child.hair.kamiyousoRel, plain.hair.kamiyousoRel,
            x.hair.kamiyousoRel, [](const PartGenes& g) { return g.kamiyousoPoints; }, c.parts, i);
        expectEachGene(
            "hair-element flag", child.hair.kamiyousoFlags, plain.hair.kamiyousoFlags,
            x.hair.kamiyousoFlags, [](const PartGenes& g) { return g.kamiyousoFlags; }, c.parts, i);
    }
}

INSTANTIATE_TEST_SUITE_P(
    LockedParts, PartLocksTest,
    testing::Values(LockCase{"NoLock", 3, {}}, LockCase{"EyesOneMark", 1, {FacePart::Eyes}},
                    LockCase{"BrowsAndEars", 3, {FacePart::Eyebrows, FacePart::Ears}},
                    LockCase{"NoseAndMouthTwoMarks", 2, {FacePart::Nose, FacePart::Mouth}},
                    LockCase{"OutlineManyMarks", 25, {FacePart::Outline}},
                    LockCase{"Hair", 3, {FacePart::Hair}},
                    LockCase{"EveryPartTwentyMarks",
                             20,
                             {FacePart::Eyes, FacePart::Eyebrows, FacePart::Nose, FacePart::Mouth,
                              FacePart::Outline, FacePart::Ears, FacePart::Hair}}),
    [](const testing::TestParamInfo<LockCase>& info) { return std::string(info.param.name); });

TEST(PartLockTable, PartsShareNoGeneAndStayInsideTheirArrays) {
    struct Array {
        const char* name;
        RunsOf runsOf;
        int size;
    };
    const Array arrays[] = {
        {"face points", [](const PartGenes& g) { return g.facePoints; }, kFacePointCount},
        {"face flags", [](const PartGenes& g) { return g.faceFlags; }, kFaceFlagCount},
        {"hairline points", [](const PartGenes& g) { return g.haegiwaPoints; }, kHaegiwaPointCount},
        {"hairline flags", [](const PartGenes& g) { return g.haegiwaFlags; }, kHaegiwaFlagCount},
        {"hair-element points", [](const PartGenes& g) { return g.kamiyousoPoints; },
         kKamiyousoPointCount},
        {"hair-element flags", [](const PartGenes& g) { return g.kamiyousoFlags; },
         kKamiyousoFlagCount},
    };
    for (const Array& array : arrays) {
        std::set<int> taken;
        for (const PartGenes& part : kPartGenes) {
            for (const IndexRange run : array.runsOf(part)) {
                EXPECT_LE(0, run.first) << part.name << " " << array.name;
                EXPECT_LE(run.first, run.last) << part.name << " " << array.name;
                EXPECT_LT(run.last, array.size) << part.name << " " << array.name;
                for (int k = run.first; k <= run.last; ++k) {
                    EXPECT_TRUE(taken.insert(k).second) << array.name << " " << k << " twice";
                }
            }
        }
    }
}

TEST(PartLockTable, ALockOnAFaceNotBredYetIsRefusedWithoutADraw) {
    PopulationStore store = test::plausibleStore();
    PartLocks locks;
    locks[FacePart::Mouth] = GeneRef{1, 0};
    resetRandomSource();
    EXPECT_EQ(store.breedNextGeneration(firstMarks(3), locks), BreedResult::InvalidSelection);
    EXPECT_EQ(store.generationCount(), 0);
    EXPECT_EQ(nextRandom(), 41) << "the refused breeding drew";
}

}  // namespace
}  // namespace mirel
