#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <set>
#include <vector>

#include "PlausibleFace.h"
#include "face/AnchorGroups.h"
#include "ga/Breeder.h"
#include "ga/HairElementOperators.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

using ::testing::IsEmpty;

constexpr int kFixedPoints[] = {11, 31, 51, 60, 80, 20, 40, 56, 69, 89};
constexpr int kCrossoverOnlyFlags[] = {4, 5, 6, 9, 10, 11, 14, 19, 20, 21, 26, 27, 28};

class HairElementOperatorsTest : public ::testing::Test {
  protected:
    void SetUp() override { resetRandomSource(); }
};

TEST_F(HairElementOperatorsTest, PlausibleHairElementsFailNoRow) {
    for (const int v : {0, 1, 30, 59}) {
        EXPECT_THAT(failingHairElementRows(test::plausibleRecord(v).hair.kamiyousoRel), IsEmpty())
            << "variant " << v;
    }
}

TEST_F(HairElementOperatorsTest, FailingRowsNameTheBrokenRow) {
    struct Case {
        const char* change;
        std::function<void(KamiyousoPoints&)> apply;
        std::vector<int> rows;
    };
    const std::vector<Case> cases = {
        {"x0 right of centre", [](KamiyousoPoints& p) { p[0].x = 1; }, {1, 2}},
        {"anchor 1 moves the element across", [](KamiyousoPoints& p) { p[1].x = 6; }, {2}},
        {"fraction above 1", [](KamiyousoPoints& p) { p[19].y = 1.01; }, {7}},
        {"fraction 1 is allowed", [](KamiyousoPoints& p) { p[19].y = 1.0; }, {}},
        {"fraction 0 is allowed", [](KamiyousoPoints& p) { p[88].y = 0.0; }, {}},
        {"fraction x at 0", [](KamiyousoPoints& p) { p[55].x = 0; }, {13}},
        {"element 4 out of order", [](KamiyousoPoints& p) { p[53].y = p[54].y; }, {12}},
        {"element 6 above its anchor", [](KamiyousoPoints& p) { p[81].y = -1; }, {18}},
        {"anchors are not tested",
         [](KamiyousoPoints& p) {
             p[11] = {500, 500};
         },
         {}},
    };
    for (const Case& c : cases) {
        KamiyousoPoints points = test::plausibleRecord(0).hair.kamiyousoRel;
        c.apply(points);
        EXPECT_EQ(failingHairElementRows(points), c.rows) << c.change;
    }
}

TEST_F(HairElementOperatorsTest, FractionsStayInRangeAndMoveByHundredths) {
    FaceRecord child = test::plausibleRecord(0);
    child.hair.kamiyousoRel[8].y = 0.0;
    child.hair.kamiyousoRel[19].y = 1.0;
    std::set<long> fractionSteps;
    for (int round = 0; round < 300; ++round) {
        const KamiyousoPoints before = child.hair.kamiyousoRel;
        mutateHairElementPoints(child, 1.0);
        for (const int k : kKamiyousoFractionSlots) {
            const double y = child.hair.kamiyousoRel[k].y;
            ASSERT_TRUE(y >= 0.0 && y <= 1.0) << "point " << k << ", round " << round << ": " << y;
            const double hundredths = (y - before[k].y) * 100;
            ASSERT_NEAR(hundredths, std::round(hundredths), 1e-6) << "point " << k;
            ASSERT_LE(std::abs(hundredths), 5 + 1e-6) << "point " << k;
            fractionSteps.insert(std::lround(hundredths));
        }
        for (const int k : kFixedPoints) {
            ASSERT_EQ(child.hair.kamiyousoRel[k], before[k])
                << "point " << k << ", round " << round;
        }
    }
    EXPECT_EQ(fractionSteps.size(), 11u) << "every step from -0.05 to 0.05 occurs";
}

// The fixture leaves every condition a margin, so no row runs out of attempts
// and each settles on values that pass.
TEST_F(HairElementOperatorsTest, MutationKeepsValidElementsValid) {
    for (const double p : {0.5, 1.0}) {
        for (int round = 0; round < 200; ++round) {
            FaceRecord child = test::plausibleRecord(20);
            mutateHairElementPoints(child, p);
            ASSERT_THAT(failingHairElementRows(child.hair.kamiyousoRel), IsEmpty())
                << "p = " << p << ", round " << round;
        }
    }
}

TEST_F(HairElementOperatorsTest, UnreachableRowKeepsTheChildsValues) {
    FaceRecord child = test::plausibleRecord(0);
    child.hair.kamiyousoRel[0].x = 10;  // row 1 needs x0 < 0; steps reach 8 at most
    const KamiyousoPoints before = child.hair.kamiyousoRel;
    mutateHairElementPoints(child, 1.0);
    for (const int k : {0, 2, 3, 4})
        EXPECT_EQ(child.hair.kamiyousoRel[k], before[k]) << "point " << k;
}

TEST_F(HairElementOperatorsTest, FlagMutationLeavesCrossoverOnlyFlags) {
    const FaceRecord parent = test::plausibleRecord(4);
    const std::set<int> untouched(std::begin(kCrossoverOnlyFlags), std::end(kCrossoverOnlyFlags));
    FaceRecord child = parent;
    mutateHairElementFlags(child, 1.0);
    for (int k = 0; k < kKamiyousoFlagCount; ++k) {
        if (untouched.count(k) != 0) {
            EXPECT_EQ(child.hair.kamiyousoFlags[k], parent.hair.kamiyousoFlags[k]) << "flag " << k;
        } else {
            EXPECT_TRUE(child.hair.kamiyousoFlags[k] == 0 || child.hair.kamiyousoFlags[k] == 1)
                << "flag " << k;
        }
    }
}

TEST_F(HairElementOperatorsTest, CrossoverTakesEachPointFromAParentAndMixesAnElement) {
    PopulationStore store = test::plausibleStore();
    Selection s;
    s.count = 3;
    s.setMark(0, {0, 10});
    s.setMark(1, {0, 20});
    s.setMark(2, {0, 30});
    Breeder breeder(s);
    bool elementFromThreeParents = false;
    for (int child = 0; child < 60; ++child) {
        breeder.chooseParents();
        FaceRecord slot;
        breeder.crossHairElementPoints(store, slot);
        breeder.crossHairElementFlags(store, slot);
        auto donor = [&](int k) {
            for (int p = 0; p < 3; ++p) {
                if (store.at(breeder.parents.at(p)).hair.kamiyousoRel[k] ==
                    slot.hair.kamiyousoRel[k]) {
                    return breeder.parents.at(p).index;
                }
            }
            return -1;
        };
        for (int k = 0; k < kKamiyousoPointCount; ++k) ASSERT_GE(donor(k), 0) << "point " << k;
        for (int k = 0; k < kKamiyousoFlagCount; ++k) {
            const int flag = slot.hair.kamiyousoFlags[k];
            EXPECT_TRUE(flag == 3000 * 11 + k || flag == 3000 * 21 + k || flag == 3000 * 31 + k)
                << "flag " << k;
        }
        // Element 2: run, free pair and anchor.
        const std::set<int> sources{donor(12), donor(19), donor(11)};
        if (sources.size() == 3) elementFromThreeParents = true;
        EXPECT_EQ(donor(12), donor(30)) << "the run travels whole";
        EXPECT_EQ(donor(19), donor(20)) << "the free pair travels whole";
    }
    EXPECT_TRUE(elementFromThreeParents);
}

}  // namespace
}  // namespace mirel
