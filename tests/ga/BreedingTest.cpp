#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "PlausibleFace.h"
#include "face/AnchorGroups.h"
#include "ga/Breeder.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

using test::inFaceGenome;
using test::inHairlineGenome;

Selection selectionOf(const std::vector<GeneRef>& marks) {
    Selection s;
    s.count = static_cast<int>(marks.size());
    for (int k = 0; k < s.count; ++k) s.setMark(k, marks[k]);
    return s;
}

// Arrays hold no padding, so comparing them byte for byte compares every bit.
template <class T>
bool sameBits(const T& a, const T& b) {
    return std::memcmp(a.data(), b.data(), sizeof(a)) == 0;
}

bool sameBits(const FaceRecord& a, const FaceRecord& b) {
    return sameBits(a.face.relPoints, b.face.relPoints) &&
           sameBits(a.face.absPoints, b.face.absPoints) && sameBits(a.face.flags, b.face.flags) &&
           sameBits(a.hair.haegiwaRel, b.hair.haegiwaRel) &&
           sameBits(a.hair.haegiwaAbs, b.hair.haegiwaAbs) &&
           sameBits(a.hair.haegiwaFlags, b.hair.haegiwaFlags) &&
           sameBits(a.hair.kamiyousoRel, b.hair.kamiyousoRel) &&
           sameBits(a.hair.kamiyousoAbs, b.hair.kamiyousoAbs) &&
           sameBits(a.hair.kamiyousoFlags, b.hair.kamiyousoFlags);
}

// True when every point and flag of the child's three gene groups equals the
// same one of some record in `from`, and points outside the genome are (0, 0).
::testing::AssertionResult isPureCrossover(const FaceRecord& child,
                                           const std::vector<FaceRecord>& from) {
    auto anyHas = [&](auto member) {
        for (const FaceRecord& r : from) {
            if (member(r)) return true;
        }
        return false;
    };
    for (int k = 0; k < kFacePointCount; ++k) {
        const Point2 p = child.face.relPoints[k];
        if (!inFaceGenome(k)) {
            if (p != Point2{})
                return ::testing::AssertionFailure() << "face point " << k << " outside the genome";
        } else if (!anyHas([&](const FaceRecord& r) { return r.face.relPoints[k] == p; })) {
            return ::testing::AssertionFailure() << "face point " << k;
        }
    }
    for (int k = 0; k < kFaceFlagCount; ++k) {
        if (!anyHas([&](const FaceRecord& r) { return r.face.flags[k] == child.face.flags[k]; })) {
            return ::testing::AssertionFailure() << "face flag " << k;
        }
    }
    for (int k = 0; k < kHaegiwaPointCount; ++k) {
        const Point2 p = child.hair.haegiwaRel[k];
        if (!inHairlineGenome(k)) {
            if (p != Point2{})
                return ::testing::AssertionFailure()
                       << "hairline point " << k << " outside the genome";
        } else if (!anyHas([&](const FaceRecord& r) { return r.hair.haegiwaRel[k] == p; })) {
            return ::testing::AssertionFailure() << "hairline point " << k;
        }
    }
    if (!anyHas(
            [&](const FaceRecord& r) { return r.hair.haegiwaFlags == child.hair.haegiwaFlags; })) {
        return ::testing::AssertionFailure() << "hairline flags from more than one parent";
    }
    for (int k = 0; k < kKamiyousoPointCount; ++k) {
        const Point2 p = child.hair.kamiyousoRel[k];
        if (!anyHas([&](const FaceRecord& r) { return r.hair.kamiyousoRel[k] == p; })) {
            return ::testing::AssertionFailure() << "hair-element point " << k;
        }
    }
    for (int k = 0; k < kKamiyousoFlagCount; ++k) {
        if (!anyHas([&](const FaceRecord& r) {
                return r.hair.kamiyousoFlags[k] == child.hair.kamiyousoFlags[k];
            })) {
            return ::testing::AssertionFailure() << "hair-element flag " << k;
        }
    }
    return ::testing::AssertionSuccess();
}

// The record in `from` whose chin and outline the child carries; its hairline
// must be the child's (before mutation).
const FaceRecord* chinDonor(const FaceRecord& child, const std::vector<FaceRecord>& from) {
    for (const FaceRecord& r : from) {
        bool all = true;
        for (int k = 147; k <= 154; ++k)
            all = all && r.face.relPoints[k] == child.face.relPoints[k];
        for (int k = 166; k <= 174; ++k)
            all = all && r.face.relPoints[k] == child.face.relPoints[k];
        if (all) return &r;
    }
    return nullptr;
}

class BreedingTest : public ::testing::Test {
  protected:
    void SetUp() override { resetRandomSource(); }

    std::vector<FaceRecord> recordsOf(const std::vector<GeneRef>& marks) const {
        std::vector<FaceRecord> records;
        for (const GeneRef& m : marks) records.push_back(store.at(m));
        return records;
    }
    void breed(const std::vector<GeneRef>& marks) {
        ASSERT_EQ(store.breedNextGeneration(selectionOf(marks)), BreedResult::Bred);
    }

    PopulationStore store = test::plausibleStore();
};

TEST_F(BreedingTest, OneMarkGivesTheFaceAndItsMutatedCopies) {
    const GeneRef mark{0, 5};
    const FaceRecord parent = store.at(mark);
    breed({mark});
    ASSERT_EQ(store.generationCount(), 1);
    EXPECT_TRUE(sameBits(store.at({1, 0}), parent));
    int changedSlots = 0;
    for (int i = 1; i < kPopulationSize; ++i) {
        const FaceRecord& child = store.at({1, i});
        bool changed = false;
        for (int k = 0; k < kFacePointCount; ++k) {
            const Point2 c = child.face.relPoints[k];
            const Point2 p = parent.face.relPoints[k];
            if (!inFaceGenome(k)) {
                EXPECT_EQ(c, Point2{}) << "slot " << i << ", point " << k;
                continue;
            }
            EXPECT_LE(std::abs(c.y - p.y), 3.0) << "slot " << i << ", point " << k;
            changed = changed || c != p;
        }
        for (int k = 0; k < kHaegiwaPointCount; ++k) {
            if (!inHairlineGenome(k)) {
                EXPECT_EQ(child.hair.haegiwaRel[k], Point2{}) << "slot " << i << ", hairline " << k;
            }
        }
        // The slot's absolute points are not touched by breeding.
        EXPECT_EQ(child.face.absPoints, FacePoints{}) << "slot " << i;
        if (changed) ++changedSlots;
    }
    EXPECT_GT(changedSlots, 50);
}

TEST_F(BreedingTest, TwoMarksGiveElitesThenSevenPureCrossovers) {
    const std::vector<GeneRef> marks{{0, 3}, {0, 7}};
    const std::vector<FaceRecord> parents = recordsOf(marks);
    breed(marks);
    EXPECT_TRUE(sameBits(store.at({1, 0}), parents[0]));
    EXPECT_TRUE(sameBits(store.at({1, 1}), parents[1]));
    for (int i = 2; i <= 8; ++i) {
        const FaceRecord& child = store.at({1, i});
        EXPECT_TRUE(isPureCrossover(child, parents)) << "slot " << i;
        const FaceRecord* donor = chinDonor(child, parents);
        ASSERT_NE(donor, nullptr) << "slot " << i;
        for (int k = 0; k < kHaegiwaPointCount; ++k) {
            const Point2 expected = inHairlineGenome(k) ? donor->hair.haegiwaRel[k] : Point2{};
            EXPECT_EQ(child.hair.haegiwaRel[k], expected)
                << "slot " << i << ", hairline point " << k;
        }
    }
    int mutated = 0;
    for (int i = 9; i < kPopulationSize; ++i)
        mutated += isPureCrossover(store.at({1, i}), parents) ? 0 : 1;
    EXPECT_GT(mutated, 40);
}

TEST_F(BreedingTest, TwentyMarksAreShownInMarkingOrder) {
    std::vector<GeneRef> marks;
    for (int k = 0; k < 20; ++k) marks.push_back({0, (k * 13 + 5) % kPopulationSize});
    const std::vector<FaceRecord> parents = recordsOf(marks);
    breed(marks);
    for (int i = 0; i < 20; ++i)
        EXPECT_TRUE(sameBits(store.at({1, i}), parents[i])) << "slot " << i;
    for (int i = 20; i <= 26; ++i)
        EXPECT_TRUE(isPureCrossover(store.at({1, i}), parents)) << "slot " << i;
    int mutated = 0;
    for (int i = 27; i < kPopulationSize; ++i)
        mutated += isPureCrossover(store.at({1, i}), parents) ? 0 : 1;
    EXPECT_GT(mutated, 25);
}

TEST_F(BreedingTest, MoreThanTwentyMarksGiveTwentyDistinctMarkedElites) {
    std::vector<GeneRef> marks;
    for (int k = 0; k < 30; ++k) marks.push_back({0, k * 2});
    const std::vector<FaceRecord> parents = recordsOf(marks);
    breed(marks);
    std::set<int> faces;
    for (int i = 0; i < kMaxElites; ++i) {
        const FaceRecord& elite = store.at({1, i});
        int faceFrom = -1;
        int hairFrom = -1;
        for (std::size_t m = 0; m < parents.size(); ++m) {
            if (elite.face == parents[m].face) faceFrom = static_cast<int>(m);
            if (elite.hair == parents[m].hair) hairFrom = static_cast<int>(m);
        }
        EXPECT_GE(faceFrom, 0) << "slot " << i;
        EXPECT_GE(hairFrom, 0) << "slot " << i;
        faces.insert(faceFrom);
    }
    EXPECT_EQ(faces.size(), std::size_t(kMaxElites));
}

TEST_F(BreedingTest, ChildrenHoldZerosOutsideTheGenome) {
    const std::vector<std::vector<GeneRef>> selections = {
        {{0, 1}}, {{0, 1}, {0, 2}}, {{0, 4}, {0, 5}, {0, 6}}, {{0, 1}, {1, 2}, {1, 30}, {2, 0}}};
    for (const std::vector<GeneRef>& marks : selections) {
        const int g = store.generationCount() + 1;
        breed(marks);
        for (int i = static_cast<int>(marks.size()); i < kPopulationSize; ++i) {
            const FaceRecord& child = store.at({g, i});
            for (int k = 0; k < kFacePointCount; ++k) {
                if (!inFaceGenome(k)) {
                    ASSERT_EQ(child.face.relPoints[k], Point2{})
                        << "generation " << g << ", slot " << i << ", point " << k;
                }
            }
            for (int k = 0; k < kHaegiwaPointCount; ++k) {
                if (!inHairlineGenome(k)) {
                    ASSERT_EQ(child.hair.haegiwaRel[k], Point2{})
                        << "generation " << g << ", slot " << i << ", hairline " << k;
                }
            }
        }
    }
}

TEST_F(BreedingTest, MarksOfOlderGenerationsBreedAndEarlierGenerationsStay) {
    breed({{0, 1}, {0, 2}, {0, 3}});
    std::vector<FaceRecord> before;
    for (int g = 0; g <= 1; ++g) {
        for (const FaceRecord& r : store.generation(g)) before.push_back(r);
    }
    const std::vector<GeneRef> marks{{1, 12}, {0, 40}, {1, 0}};
    const std::vector<FaceRecord> parents = recordsOf(marks);
    breed(marks);
    for (int e = 0; e < 3; ++e)
        EXPECT_TRUE(sameBits(store.at({2, e}), parents[e])) << "elite " << e;
    for (int g = 0; g <= 1; ++g) {
        for (int i = 0; i < kPopulationSize; ++i) {
            EXPECT_TRUE(sameBits(store.at({g, i}), before[g * kPopulationSize + i]))
                << g << ", " << i;
        }
    }
}

TEST_F(BreedingTest, UnusableSelectionsAreRefusedWithoutChange) {
    struct Case {
        const char* what;
        Selection selection;
    };
    Selection empty;
    Selection future = selectionOf({{0, 1}, {1, 1}});
    Selection repeated = selectionOf({{0, 1}, {0, 2}, {0, 1}});
    Selection badIndex = selectionOf({{0, 60}});
    Selection tooMany = selectionOf({{0, 1}});
    tooMany.count = kMaxMarks + 1;
    for (const Case& c :
         {Case{"empty", empty}, Case{"not bred yet", future}, Case{"repeated", repeated},
          Case{"index 60", badIndex}, Case{"61 marks", tooMany}}) {
        EXPECT_EQ(store.breedNextGeneration(c.selection), BreedResult::InvalidSelection) << c.what;
        EXPECT_EQ(store.generationCount(), 0) << c.what;
    }
    EXPECT_EQ(nextRandom(), 41) << "no random number was drawn";
}

// Mutation rates seen in bred children. A re-drawn flag takes a category
// number (< 1000) where the fixture's flags are all >= 1000, so the share of
// small flags among a group's mutable ones is the flag rate. A stepped
// coordinate equals no marked face's; with amplitude a a step is nonzero with
// probability 2a / (2a + 1), so the changed share lies between 2/3 and 6/7 of
// the point rate, less the few attempts the rows reject.
struct ObservedRates {
    double points;
    double flags;
};

ObservedRates observe(const PopulationStore& store, int g, int firstSlot,
                      const std::vector<FaceRecord>& marked, int group) {
    constexpr int kMutableFlags[] = {65, 13, 16};  // distinct flags in each group's table
    constexpr int kFixedElementPoints[] = {11, 31, 51, 60, 80, 20, 40, 56, 69, 89};
    long changed = 0;
    long coordinates = 0;
    long redrawn = 0;
    long flagSlots = 0;
    auto count = [&](double value, auto markedValue) {
        bool fromMark = false;
        for (const FaceRecord& m : marked) fromMark = fromMark || markedValue(m) == value;
        ++coordinates;
        if (!fromMark) ++changed;
    };
    for (int i = firstSlot; i < kPopulationSize; ++i) {
        const FaceRecord& c = store.at({g, i});
        if (group == 0) {
            // y only: mutation puts some x on the centre line.
            for (int k = 0; k < kFacePointCount; ++k) {
                if (inFaceGenome(k) && k != 96)
                    count(c.face.relPoints[k].y,
                          [k](const FaceRecord& m) { return m.face.relPoints[k].y; });
            }
            for (const int f : c.face.flags) redrawn += f < 1000 ? 1 : 0;
        } else if (group == 1) {
            for (int k = 0; k < kHaegiwaPointCount; ++k) {
                if (!inHairlineGenome(k)) continue;
                count(c.hair.haegiwaRel[k].x,
                      [k](const FaceRecord& m) { return m.hair.haegiwaRel[k].x; });
                count(c.hair.haegiwaRel[k].y,
                      [k](const FaceRecord& m) { return m.hair.haegiwaRel[k].y; });
            }
            for (const int f : c.hair.haegiwaFlags) redrawn += f < 1000 ? 1 : 0;
        } else {
            for (int k = 0; k < kKamiyousoPointCount; ++k) {
                if (std::find(std::begin(kFixedElementPoints), std::end(kFixedElementPoints), k) !=
                    std::end(kFixedElementPoints)) {
                    continue;
                }
                count(c.hair.kamiyousoRel[k].x,
                      [k](const FaceRecord& m) { return m.hair.kamiyousoRel[k].x; });
            }
            for (const int f : c.hair.kamiyousoFlags) redrawn += f < 1000 ? 1 : 0;
        }
        flagSlots += kMutableFlags[group];
    }
    return {double(changed) / double(coordinates), double(redrawn) / double(flagSlots)};
}

TEST_F(BreedingTest, ChildrenAreMutatedAtTheRatesOfTheirGroupAndSelection) {
    struct Case {
        int marks;
        int group;  // 0 face, 1 hairline, 2 hair elements
        double pointRate;
        double flagRate;
    };
    constexpr Case kCases[] = {
        {1, 0, 0.5, 0.3},  {1, 1, 0.5, 0.3},  {1, 2, 0.5, 0.3},
        {2, 0, 0.3, 0.05}, {2, 1, 1.0, 0.01}, {2, 2, 1.0, 0.1},
    };
    for (const Case& c : kCases) {
        double points = 0.0;
        double flags = 0.0;
        constexpr int kRuns = 4;
        for (int run = 0; run < kRuns; ++run) {
            std::vector<GeneRef> marks;
            for (int m = 0; m < c.marks; ++m) marks.push_back({0, 10 * run + m});
            PopulationStore fresh = test::plausibleStore();
            ASSERT_EQ(fresh.breedNextGeneration(selectionOf(marks)), BreedResult::Bred);
            const int firstMutated = c.marks == 1 ? 1 : c.marks + kUnmutatedChildren;
            const ObservedRates seen = observe(fresh, 1, firstMutated, recordsOf(marks), c.group);
            points += seen.points / kRuns;
            flags += seen.flags / kRuns;
        }
        const std::string what =
            std::to_string(c.marks) + " marks, group " + std::to_string(c.group);
        EXPECT_GT(points, 0.55 * c.pointRate) << what;
        EXPECT_LT(points, 0.9 * c.pointRate) << what;
        EXPECT_NEAR(flags, c.flagRate, 0.25 * c.flagRate + 0.01) << what;
    }
}

std::vector<GeneRef> marksForGeneration(int g) {
    std::vector<GeneRef> marks{{g, (g * 7) % kPopulationSize}, {g, (g * 7 + 3) % kPopulationSize}};
    if (g > 0) marks.push_back({g - 1, 59});
    return marks;
}

TEST_F(BreedingTest, GenerationLimitRefusesAndChangesNothing) {
    for (int g = 0; g < kLastGeneration; ++g) breed(marksForGeneration(g));
    ASSERT_EQ(store.generationCount(), kLastGeneration);
    const std::vector<FaceRecord> last(store.generation(kLastGeneration).begin(),
                                       store.generation(kLastGeneration).end());
    EXPECT_EQ(store.breedNextGeneration(selectionOf(marksForGeneration(kLastGeneration))),
              BreedResult::GenerationLimit);
    EXPECT_EQ(store.generationCount(), kLastGeneration);
    for (int i = 0; i < kPopulationSize; ++i)
        EXPECT_TRUE(sameBits(store.at({kLastGeneration, i}), last[i])) << i;
    const int drawAfterRefusal = nextRandom();

    // The same run without the refused call: the random source is where it was.
    resetRandomSource();
    PopulationStore again = test::plausibleStore();
    for (int g = 0; g < kLastGeneration; ++g) {
        ASSERT_EQ(again.breedNextGeneration(selectionOf(marksForGeneration(g))), BreedResult::Bred);
    }
    EXPECT_EQ(nextRandom(), drawAfterRefusal);
    EXPECT_EQ(kGenerationLimitText, "Over the SEDAI_MAX!");
    EXPECT_EQ(kGenerationLimitCaption, "error");
}

TEST_F(BreedingTest, SameMarksFromAFreshSourceBreedTheSameGenerations) {
    constexpr int kGenerations = 6;
    auto run = [] {
        resetRandomSource();
        PopulationStore s = test::plausibleStore();
        const std::vector<std::vector<GeneRef>> script = {
            {{0, 2}},         {{1, 0}, {1, 11}, {0, 7}},
            {{2, 5}, {2, 6}}, {{3, 1}, {2, 19}, {1, 4}, {3, 18}, {0, 0}},
            {{4, 0}},
        };
        std::vector<GeneRef> many;
        for (int k = 0; k < 25; ++k) many.push_back({k % 6, k});
        for (const auto& marks : script)
            EXPECT_EQ(s.breedNextGeneration(selectionOf(marks)), BreedResult::Bred);
        EXPECT_EQ(s.breedNextGeneration(selectionOf(many)), BreedResult::Bred);
        return s;
    };
    const PopulationStore first = run();
    const PopulationStore second = run();
    ASSERT_EQ(first.generationCount(), kGenerations);
    ASSERT_EQ(second.generationCount(), kGenerations);
    for (int g = 0; g <= kGenerations; ++g) {
        for (int i = 0; i < kPopulationSize; ++i) {
            ASSERT_TRUE(sameBits(first.at({g, i}), second.at({g, i})))
                << "generation " << g << ", slot " << i;
        }
    }
}

}  // namespace
}  // namespace mirel
