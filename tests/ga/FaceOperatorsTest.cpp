#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "PlausibleFace.h"
#include "ga/Breeder.h"
#include "ga/FaceOperators.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kCentreLinePoints[] = {57, 58, 65, 72, 77, 81, 92, 95, 122, 148, 150};
constexpr int kCrossoverOnlyFlags[] = {11, 12, 13, 14, 20, 21, 34, 35, 36, 37, 46,
                                       47, 48, 49, 52, 58, 59, 64, 65, 66, 74, 75,
                                       76, 77, 84, 85, 86, 89, 93, 94, 95};

bool inGenome(int k) {
    return test::inFaceGenome(k);
}

bool onCentreLine(int k) {
    for (const int c : kCentreLinePoints) {
        if (c == k) return true;
    }
    return false;
}

class FaceOperatorsTest : public ::testing::Test {
  protected:
    void SetUp() override { resetRandomSource(); }
};

TEST_F(FaceOperatorsTest, PlausibleFacesFailNoRow) {
    for (const int v : {0, 1, 30, 59}) {
        EXPECT_THAT(failingFaceRows(test::plausibleRecord(v).face.relPoints), IsEmpty())
            << "variant " << v;
    }
}

TEST_F(FaceOperatorsTest, FailingRowsNameTheBrokenRow) {
    struct Case {
        const char* change;
        std::function<void(FacePoints&)> apply;
        std::vector<int> rows;
    };
    const std::vector<Case> cases = {
        {"x0 below x1", [](FacePoints& p) { p[0].x = p[1].x - 1; }, {1}},
        {"pupil radius 12", [](FacePoints& p) { p[24].x = 12; }, {3}},
        {"pupil radius 3", [](FacePoints& p) { p[24].x = 3; }, {3}},
        {"eye anchor right of centre", [](FacePoints& p) { p[9].x = 5; }, {7}},
        {"y121 above 0", [](FacePoints& p) { p[121].y = 0.5; }, {25}},
        {"y121 at 0 is allowed", [](FacePoints& p) { p[121].y = 0; }, {}},
        // Row 22 reads x58 after row 17 forced it to 0.
        {"x98 right of x50", [](FacePoints& p) { p[98].x = p[50].x + 1; }, {22}},
        {"x57 off the line", [](FacePoints& p) { p[57].x = 40; }, {}},
        {"nose tip too high", [](FacePoints& p) { p[92].y = 0; }, {35}},
        {"outline order", [](FacePoints& p) { p[174].x = p[167].x + 1; }, {45}},
        {"two rows",
         [](FacePoints& p) {
             p[5].x = p[4].x;
             p[161].x = 0;
         },
         {1, 50}},
    };
    for (const Case& c : cases) {
        FacePoints points = test::plausibleRecord(3).face.relPoints;
        c.apply(points);
        EXPECT_EQ(failingFaceRows(points), c.rows) << c.change;
    }
}

TEST_F(FaceOperatorsTest, FailingRowsDrawNoRandomNumber) {
    (void)failingFaceRows(test::plausibleRecord(0).face.relPoints);
    EXPECT_EQ(nextRandom(), 41);
}

TEST_F(FaceOperatorsTest, ProbabilityZeroKeepsGenomeAndZeroesCentreLineAndOutside) {
    const FaceRecord parent = test::plausibleRecord(7);
    FaceRecord child = parent;
    mutateFacePoints(child, 0.0);
    for (int k = 0; k < kFacePointCount; ++k) {
        const Point2 before = parent.face.relPoints[k];
        const Point2 after = child.face.relPoints[k];
        if (!inGenome(k)) {
            EXPECT_EQ(after, Point2{}) << "point " << k;
        } else if (onCentreLine(k)) {
            EXPECT_EQ(after, (Point2{0.0, before.y})) << "point " << k;
        } else {
            EXPECT_EQ(after, before) << "point " << k;
        }
    }
    EXPECT_EQ(child.face.flags, parent.face.flags);
    EXPECT_EQ(child.face.absPoints, parent.face.absPoints);
}

TEST_F(FaceOperatorsTest, FailedRowKeepsTheChildsValuesWithoutForcedZero) {
    FaceRecord child = test::plausibleRecord(2);
    child.face.relPoints[56].x = child.face.relPoints[55].x - 1;  // row 14 needs x55 < x56
    const FacePoints before = child.face.relPoints;
    ASSERT_THAT(failingFaceRows(before), ElementsAre(14));
    mutateFacePoints(child, 0.0);
    for (const int k : {55, 56, 57}) EXPECT_EQ(child.face.relPoints[k], before[k]) << "point " << k;
    EXPECT_EQ(child.face.relPoints[58].x, 0.0);
}

TEST_F(FaceOperatorsTest, UnreachableOrderStaysUnchangedUnderFullMutation) {
    FaceRecord child = test::plausibleRecord(0);
    // Six equal x cannot fall strictly with steps of at most 1.
    for (int k = 0; k <= 5; ++k) child.face.relPoints[k].x = -4;
    const FacePoints before = child.face.relPoints;
    for (int round = 0; round < 20; ++round) {
        FaceRecord copy = child;
        mutateFacePoints(copy, 1.0);
        for (int k = 0; k <= 5; ++k) EXPECT_EQ(copy.face.relPoints[k], before[k]) << "point " << k;
    }
}

// The fixture leaves every condition a margin, so no row runs out of attempts
// and each settles on stepped values that pass. (A row that does run out keeps
// the child's values, which need not pass against its neighbours' new ones.)
TEST_F(FaceOperatorsTest, MutationOfAValidFaceSettlesEveryRowOnPassingSteps) {
    const FaceRecord parent = test::plausibleRecord(11);
    for (const double p : {0.3, 0.5, 1.0}) {
        bool moved = false;
        for (int round = 0; round < 200; ++round) {
            FaceRecord child = parent;
            mutateFacePoints(child, p);
            ASSERT_THAT(failingFaceRows(child.face.relPoints), IsEmpty())
                << "p = " << p << ", round " << round;
            for (int k = 0; k < kFacePointCount; ++k) {
                if (!inGenome(k)) continue;
                const double dx = std::abs(child.face.relPoints[k].x - parent.face.relPoints[k].x);
                const double dy = std::abs(child.face.relPoints[k].y - parent.face.relPoints[k].y);
                ASSERT_LE(dy, 3.0) << "point " << k;  // the largest amplitude
                if (!onCentreLine(k)) {
                    ASSERT_LE(dx, 3.0) << "point " << k;
                }
                if (dy > 0 || (dx > 0 && !onCentreLine(k))) moved = true;
            }
        }
        EXPECT_TRUE(moved) << "p = " << p;
    }
}

TEST_F(FaceOperatorsTest, FlagMutationDrawsCategoriesAndLeavesCrossoverOnlyFlags) {
    const FaceRecord parent = test::plausibleRecord(4);
    for (int round = 0; round < 50; ++round) {
        FaceRecord child = parent;
        mutateFaceFlags(child, 1.0);
        std::set<int> untouched(std::begin(kCrossoverOnlyFlags), std::end(kCrossoverOnlyFlags));
        for (int k = 0; k < kFaceFlagCount; ++k) {
            if (untouched.count(k) != 0) {
                EXPECT_EQ(child.face.flags[k], parent.face.flags[k]) << "flag " << k;
            } else {
                EXPECT_GE(child.face.flags[k], 0) << "flag " << k;
                EXPECT_LE(child.face.flags[k], 5) << "flag " << k;
            }
        }
        EXPECT_EQ(child.face.flags[60], 1);
        EXPECT_EQ(child.face.flags[67], 1);
    }
    FaceRecord unchanged = parent;
    mutateFaceFlags(unchanged, 0.0);
    EXPECT_EQ(unchanged.face.flags, parent.face.flags);
}

// Crossover from three different parents: every genome point comes whole from
// one of them, runs that travel together come from one parent, and the main
// parent is the one of the chin and outline.
class FaceCrossoverTest : public FaceOperatorsTest {
  protected:
    PopulationStore store = test::plausibleStore();
    std::vector<GeneRef> refs{{0, 4}, {0, 9}, {0, 17}};
    std::vector<FaceRecord> parents{store.at(refs[0]), store.at(refs[1]), store.at(refs[2])};

    Breeder breederWithParents() {
        Selection s;
        s.count = 3;
        for (int p = 0; p < 3; ++p) s.setMark(p, refs[p]);
        Breeder b(s);
        b.chooseParents();
        return b;
    }
    int sourceOf(const FaceRecord& child, int k) const {
        return test::variantOfFacePoint(child, k, parents);
    }
};

TEST_F(FaceCrossoverTest, EveryGenomePointFromOneParentAndTheRestZero) {
    Breeder breeder = breederWithParents();
    for (int child = 0; child < 40; ++child) {
        breeder.currentChild = child;
        FaceRecord slot;
        slot.face.relPoints.fill({123, 456});
        breeder.crossFacePoints(store, slot);
        for (int k = 0; k < kFacePointCount; ++k) {
            if (inGenome(k)) {
                EXPECT_GE(sourceOf(slot, k), 0) << "point " << k;
            } else {
                EXPECT_EQ(slot.face.relPoints[k], Point2{}) << "point " << k;
            }
        }
    }
}

TEST_F(FaceCrossoverTest, RunsThatTravelTogetherShareTheirParent) {
    struct Together {
        int lead;
        std::vector<int> followers;
    };
    const std::vector<Together> groups = {
        {0, {1, 2, 3, 4, 5, 6, 7, 8, 24}},
        {29, {30, 31, 32, 33, 34}},
        {55, {56, 57, 52, 53, 54, 49, 50, 51}},
        {61, {62, 63, 64, 65, 66, 67, 68, 69, 75, 76, 78, 79}},
        {80, {81, 82, 70, 71, 72, 73, 74}},
        {147, {148, 149, 150, 151, 152, 153, 154, 166, 167, 168, 169, 170, 171, 172, 173, 174}},
    };
    Breeder breeder = breederWithParents();
    std::set<int> mainParents;
    std::set<std::pair<int, int>> eyeAndItsAnchor;
    for (int child = 0; child < 60; ++child) {
        breeder.currentChild = child;
        FaceRecord slot;
        breeder.crossFacePoints(store, slot);
        for (const Together& g : groups) {
            const int lead = sourceOf(slot, g.lead);
            for (const int k : g.followers)
                EXPECT_EQ(sourceOf(slot, k), lead) << "point " << k << " with " << g.lead;
        }
        const int chin = sourceOf(slot, 147);
        ASSERT_GE(chin, 0);
        EXPECT_EQ(breeder.mainParent.at(child), refs[chin]) << "child " << child;
        mainParents.insert(chin);
        eyeAndItsAnchor.insert({sourceOf(slot, 0), sourceOf(slot, 9)});
    }
    EXPECT_EQ(mainParents.size(), 3u);
    EXPECT_GT(eyeAndItsAnchor.size(), 3u) << "an anchor can come from another parent than its run";
}

TEST_F(FaceCrossoverTest, EachFlagFromOneParent) {
    Breeder breeder = breederWithParents();
    std::set<int> sources;
    FaceRecord slot;
    breeder.crossFaceFlags(store, slot);
    for (int k = 0; k < kFaceFlagCount; ++k) {
        int from = -1;
        for (int p = 0; p < 3; ++p) {
            if (parents[p].face.flags[k] == slot.face.flags[k]) from = p;
        }
        EXPECT_GE(from, 0) << "flag " << k;
        sources.insert(from);
    }
    EXPECT_EQ(sources.size(), 3u);
}

}  // namespace
}  // namespace mirel
