// New people bred from the shipped bank, with the largest steps: every one
// of them can be drawn, saved and read back, and none is a sample.

#include <gtest/gtest.h>

#include <cstring>

#include "ShippedBank.h"
#include "face/LoadChecks.h"
#include "face/RecordConverter.h"
#include "ga/PartLocks.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

TEST(NewPeople, DrawSaveAndReadBackAndAreNoSample) {
    ASSERT_EQ(test::shippedBank().loadError, "");
    const auto& bank = test::shippedBank().records;
    resetRandomSource();
    PopulationStore store(std::span<const FaceRecord, kPopulationSize>(bank.data(), kPopulationSize));
    const BreedingSettings settings{StepSize::ExtraLarge, NewBlood::Many};
    const FaceFilePaths paths{"face.txt", "haegiwa.txt", "kamiyouso.txt"};
    for (int g = 0; g < 4; ++g) {
        Selection marks;
        marks.count = 3;
        for (int k = 0; k < 3; ++k) marks.setMark(k, {g, k * 7});
        ASSERT_EQ(store.breedNextGeneration(marks, PartLocks{}, settings), BreedResult::Bred);
        for (int i = 0; i < kPopulationSize; ++i) {
            const FaceRecord& child = store.at({g + 1, i});
            const auto failure = checkLoadedFace(child, paths);
            EXPECT_FALSE(failure) << "generation " << g + 1 << ", slot " << i << ": "
                                  << (failure ? failure->text : "");
            if (i < kPopulationSize - settings.newPeople()) continue;
            for (int s = 0; s < kSampleCount; ++s) {
                EXPECT_NE(std::memcmp(&child.face.relPoints, &bank[s].face.relPoints,
                                      sizeof(child.face.relPoints)),
                          0)
                    << "new person " << i << " is sample " << s;
            }
        }
    }
}

}  // namespace
}  // namespace mirel
