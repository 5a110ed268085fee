#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "ga/RandomSource.h"

namespace mirel {
namespace {

class RandomSourceTest : public ::testing::Test {
  protected:
    void SetUp() override { resetRandomSource(); }
};

TEST_F(RandomSourceTest, FirstDrawsFromStartState) {
    EXPECT_EQ(nextRandom(), 41);
    EXPECT_EQ(nextRandom(), 18467);
    EXPECT_EQ(nextRandom(), 6334);
    EXPECT_EQ(nextRandom(), 26500);
}

TEST_F(RandomSourceTest, DrawsStayInFifteenBits) {
    for (int i = 0; i < 100000; ++i) {
        const int r = nextRandom();
        ASSERT_GE(r, 0);
        ASSERT_LT(r, kRandomRange);
    }
}

TEST_F(RandomSourceTest, UnitAndIndexScaleOneDrawBy32768) {
    EXPECT_DOUBLE_EQ(randomUnit(), 41.0 / 32768);
    for (const int n : {1, 2, 3, 20, 60}) {
        resetRandomSource();
        std::vector<int> draws;
        for (int i = 0; i < 8; ++i) draws.push_back(nextRandom());
        resetRandomSource();
        for (int i = 0; i < 8; ++i) {
            EXPECT_EQ(randomIndex(n), static_cast<int>(draws[i] * static_cast<double>(n) / 32768))
                << "n = " << n << ", draw " << i;
        }
    }
}

TEST_F(RandomSourceTest, IndexOfOneIsAlwaysZero) {
    for (int i = 0; i < 10000; ++i) ASSERT_EQ(randomIndex(1), 0) << "draw " << i;
}

TEST_F(RandomSourceTest, StepWithProbabilityZeroIsZeroAndConsumesOneDraw) {
    EXPECT_EQ(randomStep(5, 0.0), 0);
    EXPECT_EQ(nextRandom(), 18467);
    for (int i = 0; i < 1000; ++i) ASSERT_EQ(randomStep(3, 0.0), 0) << "step " << i;
}

TEST_F(RandomSourceTest, StepWithProbabilityOneConsumesTwoDraws) {
    // u = 41 / 32768 < 1, then r = 18467: trunc(18467 * 5 / 32768) - 2 = 2 - 2.
    EXPECT_EQ(randomStep(2, 1.0), 0);
    EXPECT_EQ(nextRandom(), 6334);
}

TEST_F(RandomSourceTest, StepWithProbabilityOneCoversItsRange) {
    for (const int a : {1, 2, 3, 4, 5}) {
        std::vector<int> seen(2 * a + 1, 0);
        for (int i = 0; i < 5000; ++i) {
            const int s = randomStep(a, 1.0);
            ASSERT_GE(s, -a) << "amplitude " << a;
            ASSERT_LE(s, a) << "amplitude " << a;
            ++seen[s + a];
        }
        for (int v = -a; v <= a; ++v)
            EXPECT_GT(seen[v + a], 0) << "amplitude " << a << ", step " << v;
    }
}

TEST_F(RandomSourceTest, WeightedChoiceTakesFirstCumulativeWeightAboveTheDraw) {
    struct Case {
        double u;  // the unit draw of this position in the sequence from the start state
        std::vector<double> weights;
        int expected;
    };
    const std::array<Case, 8> cases{{
        {0.00125, {0.6, 0.4}, 0},
        {0.5636, {0.5, 0.5}, 1},
        {0.1933, {0.1, 0.05, 0.05, 0.8}, 2},
        {0.8087, {0.0, 1.0}, 1},
        {0.5850, {0.3, 0.2}, 0},  // above the whole sum
        {0.4799, {0.02, 0.05, 0.05, 0.13, 0.2, 0.55}, 5},
        {0.3503, {0.4, 0.25, 0.35}, 0},
        {0.8959, {0.7, 0.15, 0.05, 0.1}, 2},
    }};
    for (const Case& c : cases) {
        EXPECT_EQ(weightedChoice(c.weights), c.expected) << "u = " << c.u;
    }
}

}  // namespace
}  // namespace mirel
