#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

#include "PlausibleFace.h"
#include "ga/Breeder.h"
#include "ga/HairlineOperators.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

using ::testing::IsEmpty;

constexpr int kCrossoverOnlyFlags[] = {5,  6,  7,  8,  9,  15, 16, 17, 18, 19, 21,
                                       22, 23, 24, 25, 26, 27, 28, 29, 30, 33, 34};

bool inGenome(int k) {
    return test::inHairlineGenome(k);
}

class HairlineOperatorsTest : public ::testing::Test {
  protected:
    void SetUp() override { resetRandomSource(); }
};

TEST_F(HairlineOperatorsTest, PlausibleHairlinesFailNoRow) {
    for (const int v : {0, 1, 30, 59}) {
        EXPECT_THAT(failingHairlineRows(test::plausibleRecord(v).hair.haegiwaRel), IsEmpty())
            << "variant " << v;
    }
}

TEST_F(HairlineOperatorsTest, FailingRowsNameTheBrokenRow) {
    struct Case {
        const char* change;
        std::function<void(HaegiwaPoints&)> apply;
        std::vector<int> rows;
    };
    const std::vector<Case> cases = {
        {"x1 at 0", [](HaegiwaPoints& p) { p[1].x = 0; }, {1}},
        {"y17 not below y16", [](HaegiwaPoints& p) { p[17].y = p[16].y; }, {6}},
        {"front anchor right of centre", [](HaegiwaPoints& p) { p[0].x = 10; }, {7}},
        // The sideburns' anchor is tested against its own runs.
        {"sideburn 25 across the centre", [](HaegiwaPoints& p) { p[25].x = 95; }, {12}},
        {"sideburn 27 across the centre", [](HaegiwaPoints& p) { p[27].x = 95; }, {9, 12}},
        {"back anchor too far left", [](HaegiwaPoints& p) { p[40].x = -6; }, {14}},
    };
    for (const Case& c : cases) {
        HaegiwaPoints points = test::plausibleRecord(0).hair.haegiwaRel;
        c.apply(points);
        EXPECT_EQ(failingHairlineRows(points), c.rows) << c.change;
    }
}

TEST_F(HairlineOperatorsTest, ProbabilityZeroKeepsGenomeAndZeroesTheRest) {
    const FaceRecord parent = test::plausibleRecord(5);
    FaceRecord child = parent;
    mutateHairlinePoints(child, 0.0);
    for (int k = 0; k < kHaegiwaPointCount; ++k) {
        const Point2 expected = inGenome(k) ? parent.hair.haegiwaRel[k] : Point2{};
        EXPECT_EQ(child.hair.haegiwaRel[k], expected) << "point " << k;
    }
}

TEST_F(HairlineOperatorsTest, FullRateStepsEveryGenomePointAndSettlesOnPassingSteps) {
    FaceRecord parent = test::plausibleRecord(8);
    mutateHairlinePoints(parent, 0.0);  // points outside the genome to (0, 0) first
    std::set<int> moved;
    for (int round = 0; round < 100; ++round) {
        FaceRecord child = parent;
        mutateHairlinePoints(child, 1.0);
        ASSERT_THAT(failingHairlineRows(child.hair.haegiwaRel), IsEmpty()) << "round " << round;
        for (int k = 0; k < kHaegiwaPointCount; ++k) {
            if (child.hair.haegiwaRel[k] != parent.hair.haegiwaRel[k]) moved.insert(k);
        }
    }
    for (int k = 0; k < kHaegiwaPointCount; ++k)
        EXPECT_EQ(moved.count(k) == 1, inGenome(k)) << "point " << k;
}

TEST_F(HairlineOperatorsTest, FlagMutationLeavesCrossoverOnlyFlags) {
    const FaceRecord parent = test::plausibleRecord(4);
    const std::set<int> untouched(std::begin(kCrossoverOnlyFlags), std::end(kCrossoverOnlyFlags));
    int flag12One = 0;
    constexpr int kRounds = 400;
    for (int round = 0; round < kRounds; ++round) {
        FaceRecord child = parent;
        mutateHairlineFlags(child, 1.0);
        for (int k = 0; k < kHaegiwaFlagCount; ++k) {
            if (untouched.count(k) != 0) {
                EXPECT_EQ(child.hair.haegiwaFlags[k], parent.hair.haegiwaFlags[k]) << "flag " << k;
            } else {
                EXPECT_TRUE(child.hair.haegiwaFlags[k] >= 0 && child.hair.haegiwaFlags[k] <= 2)
                    << "flag " << k;
            }
        }
        flag12One += child.hair.haegiwaFlags[12];
    }
    // The second draw of flag 12 (weight 0.9 for 1) replaces the first (0.2).
    EXPECT_GT(flag12One, kRounds * 8 / 10);
}

class HairlineCrossoverTest : public HairlineOperatorsTest {
  protected:
    PopulationStore store = test::plausibleStore();
};

TEST_F(HairlineCrossoverTest, PointsComeWholeFromTheMainParent) {
    Selection s;
    s.count = 3;
    s.setMark(0, {0, 1});
    s.setMark(1, {0, 2});
    s.setMark(2, {0, 3});
    Breeder breeder(s);
    breeder.chooseParents();
    // The main parent need not be one of this driver's parents.
    breeder.mainParent.set(12, {0, 40});
    breeder.mainParent.set(13, {0, 40});
    const FaceRecord& main = store.at({0, 40});
    for (const int child : {12, 13}) {
        breeder.currentChild = child;
        FaceRecord slot;
        slot.hair.haegiwaRel.fill({77, 77});
        breeder.crossHairlinePoints(store, slot);
        for (int k = 0; k < kHaegiwaPointCount; ++k) {
            const Point2 expected = inGenome(k) ? main.hair.haegiwaRel[k] : Point2{};
            EXPECT_EQ(slot.hair.haegiwaRel[k], expected) << "child " << child << ", point " << k;
        }
    }
}

TEST_F(HairlineCrossoverTest, AllFlagsFromOneParent) {
    Selection s;
    s.count = 3;
    s.setMark(0, {0, 1});
    s.setMark(1, {0, 2});
    s.setMark(2, {0, 3});
    Breeder breeder(s);
    std::set<int> donors;
    for (int child = 0; child < 30; ++child) {
        breeder.chooseParents();
        FaceRecord slot;
        breeder.crossHairlineFlags(store, slot);
        int donor = -1;
        for (int p = 0; p < 3; ++p) {
            if (store.at(breeder.parents.at(p)).hair.haegiwaFlags == slot.hair.haegiwaFlags) {
                donor = breeder.parents.at(p).index;
            }
        }
        ASSERT_GE(donor, 0) << "child " << child;
        donors.insert(donor);
    }
    EXPECT_EQ(donors.size(), 3u);
}

}  // namespace
}  // namespace mirel
