#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "PlausibleFace.h"
#include "ga/Exaggeration.h"
#include "ga/PartGallery.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

constexpr int kChosen = 37;

bool inRuns(std::span<const IndexRange> runs, int k) {
    return std::any_of(runs.begin(), runs.end(),
                       [k](IndexRange r) { return k >= r.first && k <= r.last; });
}

// Every element of one gene array outside `runs` equals the chosen face's;
// inside them, `donor`'s when one is given.
template <typename Array>
void expectOnlyRunsChanged(const char* array, std::span<const IndexRange> runs, const Array& face,
                           const Array& chosen, const Array* donor, int slot) {
    for (int k = 0; k < static_cast<int>(face.size()); ++k) {
        if (!inRuns(runs, k)) {
            EXPECT_TRUE(face[k] == chosen[k]) << array << " " << k << " of slot " << slot;
        } else if (donor != nullptr) {
            EXPECT_TRUE(face[k] == (*donor)[k]) << array << " " << k << " of slot " << slot;
        }
    }
}

class PartGalleryTest : public testing::TestWithParam<FacePart> {};

TEST_P(PartGalleryTest, VariesOnlyItsPartAndTakesItFromEachSampleFirst) {
    const FacePart part = GetParam();
    const std::vector<FaceRecord> bank = test::plausibleGeneration();
    const FaceRecord& chosen = bank[kChosen];
    resetRandomSource();
    const ToolGeneration gallery =
        makePartGallery(part, chosen, std::span<const FaceRecord, kSampleCount>(bank.data(), 20),
                        std::span<const FaceRecord, kPopulationSize>(bank.data(), 60));
    ASSERT_FALSE(gallery.refusal);
    ASSERT_EQ(gallery.faces.size(), std::size_t(kPopulationSize));
    const PartGenes& genes = partGenes(part);
    for (int slot = 0; slot < kPopulationSize; ++slot) {
        const FaceRecord& face = gallery.faces[static_cast<std::size_t>(slot)];
        // The fixture's samples all differ in their flags, so none is passed over.
        const FaceRecord* donor =
            slot < kSampleCount ? &bank[static_cast<std::size_t>(slot)] : nullptr;
        expectOnlyRunsChanged("face point", genes.facePoints, face.face.relPoints,
                              chosen.face.relPoints, donor ? &donor->face.relPoints : nullptr,
                              slot);
        expectOnlyRunsChanged("face flag", genes.faceFlags, face.face.flags, chosen.face.flags,
                              donor ? &donor->face.flags : nullptr, slot);
        expectOnlyRunsChanged("hairline point", genes.haegiwaPoints, face.hair.haegiwaRel,
                              chosen.hair.haegiwaRel, donor ? &donor->hair.haegiwaRel : nullptr,
                              slot);
        expectOnlyRunsChanged("hairline flag", genes.haegiwaFlags, face.hair.haegiwaFlags,
                              chosen.hair.haegiwaFlags, donor ? &donor->hair.haegiwaFlags : nullptr,
                              slot);
        expectOnlyRunsChanged("hair element point", genes.kamiyousoPoints, face.hair.kamiyousoRel,
                              chosen.hair.kamiyousoRel, donor ? &donor->hair.kamiyousoRel : nullptr,
                              slot);
        for (int other = 0; other < slot; ++other) {
            EXPECT_FALSE(partsLookAlike(part, gallery.faces[static_cast<std::size_t>(other)], face))
                << "slots " << other << " and " << slot;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryPart, PartGalleryTest,
                         testing::Values(FacePart::Eyes, FacePart::Eyebrows, FacePart::Nose,
                                         FacePart::Mouth, FacePart::Outline, FacePart::Ears,
                                         FacePart::Hair));

TEST(ExaggerationTest, LevelOneGivesTheChosenFaceBackAndOtherLevelsMoveAlongTheDifference) {
    // A chosen face smaller than the average stays inside the face space
    // when moved away from it.
    const FaceRecord chosen = test::plausibleRecord(0);
    const FaceRecord average = test::plausibleRecord(10);
    EXPECT_TRUE(exaggerate(chosen, average, PartLevels::uniform(1.0)) == chosen);

    resetRandomSource();
    const ToolGeneration range = makeExaggerationRange(chosen, average);
    ASSERT_FALSE(range.refusal);
    ASSERT_EQ(range.faces.size(), std::size_t(kPopulationSize));
    EXPECT_TRUE(range.faces[kChosenLevel] == chosen);

    // The fixture's faces are scaled copies of one another, so every level
    // keeps the shape conditions and none is drawn toward 1.
    for (std::size_t cell = 0; cell < kExaggerationLevels.size(); ++cell) {
        const double level = kExaggerationLevels[cell];
        const FaceRecord& face = range.faces[cell];
        EXPECT_TRUE(face.face.flags == chosen.face.flags) << "level " << level;
        const Point2 c = chosen.face.relPoints[0];
        const Point2 a = average.face.relPoints[0];
        EXPECT_DOUBLE_EQ(face.face.relPoints[0].x, a.x + level * (c.x - a.x)) << "level " << level;
        EXPECT_DOUBLE_EQ(face.hair.haegiwaRel[1].y,
                         average.hair.haegiwaRel[1].y +
                             level * (chosen.hair.haegiwaRel[1].y - average.hair.haegiwaRel[1].y))
            << "level " << level;
    }
}

TEST(ExaggerationTest, ClampsALevelThatWouldBreakAShapeConditionTowardTheChosenFace) {
    const FaceRecord chosen = test::plausibleRecord(0);
    FaceRecord average = chosen;
    // An average whose pupil radius lies far below the chosen face's: at
    // level 1.6 the radius would leave the allowed range (3, 12).
    constexpr int kPupilRadius = 24;
    average.face.relPoints[kPupilRadius].x = chosen.face.relPoints[kPupilRadius].x - 20;
    const FaceRecord far = exaggerateWithin(chosen, average, PartLevels::uniform(1.6));
    EXPECT_LT(far.face.relPoints[kPupilRadius].x, 12.0);
    EXPECT_GT(far.face.relPoints[kPupilRadius].x, chosen.face.relPoints[kPupilRadius].x);
}

TEST(ToolRefusalTest, NothingToVaryAndTheGenerationLimitChangeNothing) {
    const FaceRecord chosen = test::plausibleRecord(kChosen);
    resetRandomSource();
    const int before = nextRandom();
    resetRandomSource();
    EXPECT_EQ(makeExaggerationRange(chosen, chosen).refusal, ToolRefusal::NothingToVary);
    // Refusing the range drew no random number.
    EXPECT_EQ(nextRandom(), before);

    PopulationStore store = test::plausibleStore();
    const std::vector<FaceRecord> faces = test::plausibleGeneration();
    const PopulationStore::Generation generation(faces.data(), kPopulationSize);
    for (int g = 0; g < kLastGeneration; ++g)
        ASSERT_EQ(store.addGeneration(generation), BreedResult::Bred);
    EXPECT_EQ(store.addGeneration(generation), BreedResult::GenerationLimit);
    EXPECT_EQ(store.generationCount(), kLastGeneration);
}

}  // namespace
}  // namespace mirel
