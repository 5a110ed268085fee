#include <gtest/gtest.h>

#include <variant>
#include <vector>

#include "PlausibleFace.h"
#include "TempDir.h"
#include "ga/PopulationStore.h"

namespace mirel {
namespace {

TEST(PopulationStoreTest, GivenGenerationZeroIsStoredAndTheRestIsEmpty) {
    const std::vector<FaceRecord> generation0 = test::plausibleGeneration();
    const PopulationStore store(PopulationStore::Generation(generation0.data(), kPopulationSize));
    EXPECT_EQ(store.generationCount(), 0);
    for (int i = 0; i < kPopulationSize; ++i)
        EXPECT_EQ(store.at({0, i}), generation0[i]) << "slot " << i;
    EXPECT_EQ(store.at({kLastGeneration, kPopulationSize - 1}), FaceRecord{});
    EXPECT_EQ(&store.generation(3)[7], &store.at({3, 7}));
}

TEST(PopulationStoreTest, UnreadableSamplesAreReportedWithoutEndingTheProcess) {
    const test::TempDir dir;
    auto loaded = PopulationStore::load((dir.path() / "Data").string());
    ASSERT_TRUE(std::holds_alternative<LoadFailure>(loaded));
    const LoadFailure& failure = std::get<LoadFailure>(loaded);
    EXPECT_EQ(failure.caption, "error");
    EXPECT_EQ(failure.text, "can't open face data file");
}

TEST(PopulationStoreTest, MovingKeepsTheRecords) {
    PopulationStore store = test::plausibleStore();
    const FaceRecord third = store.at({0, 3});
    const PopulationStore moved = std::move(store);
    EXPECT_EQ(moved.at({0, 3}), third);
}

}  // namespace
}  // namespace mirel
