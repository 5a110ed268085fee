// The shipped sample bank, loaded from the source tree's Data/ as the program
// loads it: every sample can mutate in every part, and between them the
// samples give every mutable flag more than one value.

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "face/FaceRecord.h"
#include "face/SampleLoader.h"
#include "ga/FaceOperators.h"
#include "ga/HairElementOperators.h"
#include "ga/HairlineOperators.h"
#include "ShippedBank.h"

namespace mirel {
namespace {

// A flag that mutation re-draws, and how many categories its weights give.
struct MutableFlag {
    int flag;
    int categories;
};

constexpr MutableFlag kMutableFaceFlags[] = {
    {0, 2},  {1, 2},  {2, 3},  {3, 6},  {4, 4},  {5, 4},  {6, 2},  {7, 2},  {8, 2},  {9, 2},
    {10, 2}, {15, 2}, {16, 2}, {17, 3}, {18, 4}, {19, 2}, {22, 4}, {23, 2}, {24, 3}, {25, 2},
    {26, 2}, {27, 2}, {28, 2}, {29, 2}, {30, 2}, {31, 2}, {32, 2}, {33, 2}, {38, 2}, {39, 2},
    {40, 2}, {41, 2}, {42, 3}, {43, 3}, {44, 2}, {45, 3}, {50, 3}, {51, 2}, {53, 2}, {54, 2},
    {55, 2}, {56, 2}, {57, 2}, {60, 2}, {61, 2}, {62, 4}, {63, 2}, {67, 2}, {68, 2}, {69, 2},
    {70, 2}, {71, 2}, {72, 2}, {73, 2}, {78, 2}, {79, 2}, {80, 2}, {81, 2}, {82, 2}, {83, 2},
    {87, 5}, {88, 3}, {90, 2}, {91, 2}, {92, 4},
};

constexpr MutableFlag kMutableHairlineFlags[] = {
    {0, 2},  {1, 3},  {2, 3},  {3, 2},  {4, 2},  {10, 2}, {11, 2},
    {12, 2}, {13, 2}, {14, 2}, {20, 2}, {31, 2}, {32, 2},
};

std::string rowList(const std::vector<int>& rows) {
    std::ostringstream out;
    for (int row : rows) out << ' ' << row;
    return out.str();
}

std::string sampleName(int record) {
    return "facebank" + std::to_string(record + 1);
}

class SampleBankTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(test::shippedBank().loadError, "") << "loading the shipped bank";
    }

    static const FaceRecord& sample(int record) { return test::shippedBank().records[record]; }
};


TEST_F(SampleBankTest, LoadsAtTheScaleItWasDrawnAt) {
    for (int r = 0; r < kSampleCount; ++r) {
        const FaceRecord& s = sample(r);
        EXPECT_DOUBLE_EQ(s.face.absPoints[154].y, 105.0) << sampleName(r);
        EXPECT_DOUBLE_EQ(s.face.absPoints[167].y, -105.0) << sampleName(r);
        EXPECT_DOUBLE_EQ(s.hair.haegiwaAbs[0].x, s.face.absPoints[166].x) << sampleName(r);
        EXPECT_DOUBLE_EQ(s.hair.haegiwaAbs[0].y, s.face.absPoints[166].y) << sampleName(r);
    }
}

TEST_F(SampleBankTest, EveryFaceRowCanMutate) {
    for (int r = 0; r < kSampleCount; ++r) {
        const auto failing = failingFaceRows(sample(r).face.relPoints);
        EXPECT_TRUE(failing.empty()) << sampleName(r) << " fails face rows" << rowList(failing);
    }
}

TEST_F(SampleBankTest, EveryHairlineRowCanMutate) {
    for (int r = 0; r < kSampleCount; ++r) {
        const auto failing = failingHairlineRows(sample(r).hair.haegiwaRel);
        EXPECT_TRUE(failing.empty()) << sampleName(r) << " fails hairline rows" << rowList(failing);
    }
}

TEST_F(SampleBankTest, EveryHairElementRowCanMutate) {
    // All samples carry the hair elements of sample 1.
    const auto failing = failingHairElementRows(sample(0).hair.kamiyousoRel);
    EXPECT_TRUE(failing.empty()) << "facebank1 fails hair-element rows" << rowList(failing);
}

template <std::size_t N, typename FlagsOf>
void expectCoverage(const MutableFlag (&table)[N], FlagsOf flagsOf, const char* group) {
    for (const MutableFlag& m : table) {
        std::set<int> seen;
        for (int r = 0; r < kSampleCount; ++r) {
            const int value = flagsOf(r)[m.flag];
            EXPECT_GE(value, 0) << group << " flag " << m.flag << " of " << sampleName(r);
            EXPECT_LT(value, m.categories)
                << group << " flag " << m.flag << " of " << sampleName(r);
            seen.insert(value);
        }
        EXPECT_GE(seen.size(), 2u) << group << " flag " << m.flag << " has one value only";
    }
}

TEST_F(SampleBankTest, MutableFaceFlagsTakeSeveralValidValues) {
    expectCoverage(
        kMutableFaceFlags, [](int r) { return sample(r).face.flags; }, "face");
}

TEST_F(SampleBankTest, MutableHairlineFlagsTakeSeveralValidValues) {
    expectCoverage(
        kMutableHairlineFlags, [](int r) { return sample(r).hair.haegiwaFlags; }, "hairline");
}

}  // namespace
}  // namespace mirel
