// The document's session: saved and restored exactly, the modified flag, a
// failed save that keeps the previous file, and the recovery file.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "DocumentFixture.h"
#include "FileSizeLimit.h"
#include "ga/RandomSource.h"
#include "output/ShiftJis.h"
#include "output/HistoryLog.h"

namespace mirel {
namespace {

using SessionDocumentTest = test::DocumentTest;
namespace fs = std::filesystem;

std::unique_ptr<CMirelDoc> reopen(const fs::path& path, std::int32_t now) {
    auto read = readSessionFile(path);
    if (auto* failure = std::get_if<SessionFailure>(&read)) {
        ADD_FAILURE() << "refused: " << static_cast<int>(failure->error) << " " << failure->detail;
        return nullptr;
    }
    return std::make_unique<CMirelDoc>(std::move(std::get<Session>(read)), [now] { return now; });
}

TEST_F(SessionDocumentTest, TheLastGenerationWithMarksOnOlderOnesComesBackExactly) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    test::RecordingCanvas canvas;
    for (int g = 0; g < kGenerationCount - 1; ++g) {
        now_ += 7 + g % 3;
        doc->ToggleMark(canvas, g % 20);
        if (g >= 2) {  // a face two generations back as a parent too
            doc->viewedGeneration = g - 2;
            doc->ToggleMark(canvas, 3);
            doc->viewedGeneration = g;
        }
        doc->AdvanceGeneration();
    }
    ASSERT_EQ(doc->generationCount(), 49);
    doc->ToggleMark(canvas, 11);
    doc->viewedGeneration = 30;
    doc->hoverCell = 6;
    doc->HoverFace(6);
    doc->DrawDetailWindow(canvas, 181, 181);
    now_ += 40;  // the running generation's time goes into the file
    const fs::path path = folder_.path() / "portrait.mirel";
    ASSERT_TRUE(doc->saveSession(path).written());
    EXPECT_FALSE(doc->isModified());

    // Opening draws nothing from the one random source and does not reseed it.
    resetRandomSource();
    for (int k = 0; k < 5; ++k) nextRandom();
    auto back = reopen(path, now_ + 500);
    ASSERT_TRUE(back);
    const int drawn = nextRandom();
    resetRandomSource();
    for (int k = 0; k < 5; ++k) nextRandom();
    EXPECT_EQ(drawn, nextRandom());

    EXPECT_EQ(back->generationCount(), 49);
    for (int g = 0; g < kGenerationCount; ++g) {
        for (int i = 0; i < kPopulationSize; ++i) {
            ASSERT_EQ(std::memcmp(&back->populationStore().at({g, i}),
                                  &doc->populationStore().at({g, i}), sizeof(FaceRecord)),
                      0)
                << g << "," << i;
        }
    }
    EXPECT_EQ(back->marks(), doc->marks());
    EXPECT_EQ(back->marks().selections[20].mark(1), (GeneRef{18, 3}));
    HistoryRecord expected = doc->history();
    expected.generationSeconds[49] += 40;
    expected.clockNow = now_;
    expected.clockStart = now_ + 500;  // the clock starts again at open
    EXPECT_EQ(back->history(), expected);
    EXPECT_EQ(back->detailFace, doc->detailFace);
    EXPECT_EQ(back->viewedGeneration, 30);
    EXPECT_EQ(back->page, doc->page);
    EXPECT_EQ(back->hoverCell, 6);
    EXPECT_FALSE(back->isModified());
}

TEST_F(SessionDocumentTest, AFullDiskKeepsThePreviousSessionAndTheModifiedFlag) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    test::RecordingCanvas canvas;
    const fs::path path = folder_.path() / "portrait.mirel";
    ASSERT_TRUE(doc->saveSession(path).written());
    const std::string saved = folder_.read("portrait.mirel");
    doc->ToggleMark(canvas, 2);
    doc->AdvanceGeneration();
    {
        const test::ScopedFileSizeLimit full(saved.size());  // the new session is larger
        const FileWriteResult result = doc->saveSession(path);
        EXPECT_EQ(result.status, FileWriteStatus::kWriteFailed);
        EXPECT_NE(result.error, 0);
    }
    EXPECT_EQ(folder_.read("portrait.mirel"), saved);
    EXPECT_TRUE(doc->isModified());
    for (const auto& entry : fs::directory_iterator(folder_.path())) {
        EXPECT_FALSE(entry.path().filename().string().ends_with(".tmp")) << entry.path();
    }
}

TEST_F(SessionDocumentTest, MarksAndBreedingModifyTheDocumentAndEachBreedingWritesTheRecovery) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    test::RecordingCanvas canvas;
    const fs::path recovery = folder_.path() / "recovery" / "123-1.mirel";
    doc->setRecoveryFile(recovery, "/home/u/portrait.mirel");
    doc->HoverFace(4);
    EXPECT_FALSE(doc->isModified()) << "looking changes nothing";
    doc->ToggleMark(canvas, 1);
    EXPECT_TRUE(doc->isModified());
    EXPECT_FALSE(fs::exists(recovery)) << "written after breeding only";

    doc->AdvanceGeneration();
    auto read = readSessionFile(recovery);
    ASSERT_TRUE(std::holds_alternative<Session>(read));
    EXPECT_EQ(std::get<Session>(read).generationCount, 1);
    EXPECT_EQ(std::get<Session>(read).documentPath, "/home/u/portrait.mirel");

    ASSERT_TRUE(doc->saveSession(folder_.path() / "p.mirel").written());
    EXPECT_FALSE(doc->isModified());
    EXPECT_FALSE(fs::exists(recovery)) << "a save removes it";
    doc->ToggleMark(canvas, 1);
    doc->AdvanceGeneration();
    EXPECT_TRUE(fs::exists(recovery));
    doc->discardRecovery();
    EXPECT_FALSE(fs::exists(recovery));
}

TEST_F(SessionDocumentTest, PartLocksBredWithAndInForceComeBackAndMarkTheDocumentModified) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    test::RecordingCanvas canvas;
    doc->HoverFace(4);
    doc->LockPart(FacePart::Ears);
    doc->ToggleMark(canvas, 1);
    doc->AdvanceGeneration();
    doc->HoverFace(7);
    doc->LockPart(FacePart::Mouth);
    const fs::path path = folder_.path() / "locked.mirel";
    ASSERT_TRUE(doc->saveSession(path).written());
    doc->UnlockPart(FacePart::Mouth);
    EXPECT_TRUE(doc->isModified()) << "a lock changes what the next breeding makes";

    auto back = reopen(path, now_);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->partLocks()[FacePart::Mouth], (GeneRef{1, 7}));
    EXPECT_EQ(back->partLocks()[FacePart::Ears], (GeneRef{0, 4}));
    const auto perGeneration = back->locksPerGeneration();
    EXPECT_EQ(perGeneration[0][FacePart::Ears], (GeneRef{0, 4}));
    EXPECT_FALSE(perGeneration[0][FacePart::Mouth].has_value());
}

TEST_F(SessionDocumentTest, ToolGenerationsTheChoiceAndTheViewComeBackAndAreLogged) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    EXPECT_EQ(doc->MakeToolGeneration(ToolKind::Exaggeration), ToolRefusal::NoChosenFace);
    EXPECT_EQ(doc->generationCount(), 0);
    doc->ChooseFace(6);
    ASSERT_EQ(doc->MakeToolGeneration(ToolKind::PartGallery, FacePart::Nose), std::nullopt);
    doc->ChooseFace(2);
    ASSERT_EQ(doc->MakeToolGeneration(ToolKind::Exaggeration), std::nullopt);
    ASSERT_EQ(doc->generationCount(), 2);
    EXPECT_EQ(doc->populationStore().at({2, 0}).face.flags,
              doc->populationStore().at({1, 2}).face.flags);
    doc->SetInnerFaceFirst(true);
    const fs::path path = folder_.path() / "tools.mirel";
    ASSERT_TRUE(doc->saveSession(path).written());

    auto back = reopen(path, now_);
    ASSERT_TRUE(back);
    for (int g = 0; g <= 2; ++g) {
        for (int i = 0; i < kPopulationSize; ++i) {
            ASSERT_EQ(std::memcmp(&back->populationStore().at({g, i}),
                                  &doc->populationStore().at({g, i}), sizeof(FaceRecord)),
                      0)
                << g << "," << i;
        }
    }
    EXPECT_EQ(back->chosenFace(), (GeneRef{1, 2}));
    EXPECT_TRUE(back->innerFaceFirst());
    EXPECT_EQ(back->toolsUsed(), doc->toolsUsed());

    back->SaveFace(back->theFace());
    const std::string log = folder_.read("Output/Rireki.txt");
    EXPECT_NE(log.find(toShiftJis("道具：部品ギャラリー（鼻） No. 6(gene  0)から")), std::string::npos);
    EXPECT_NE(log.find(toShiftJis("道具：誇張 No. 2(gene  1)から")), std::string::npos);
}

TEST_F(SessionDocumentTest, BreedingSettingsBredWithAndInForceComeBackAndReachTheLog) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    test::RecordingCanvas canvas;
    const BreedingSettings bredWith{StepSize::Large, NewBlood::Few};
    doc->SetBreedingSettings(bredWith);
    EXPECT_TRUE(doc->isModified());
    doc->ToggleMark(canvas, 1);
    doc->ToggleMark(canvas, 2);
    doc->AdvanceGeneration();
    doc->SetBreedingSettings(kRecommendedSettings);
    const fs::path path = folder_.path() / "settings.mirel";
    ASSERT_TRUE(doc->saveSession(path).written());

    auto back = reopen(path, now_);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->breedingSettings(), kRecommendedSettings);
    EXPECT_EQ(back->settingsPerGeneration()[0], bredWith);
    const std::string log = formatHistoryLog(back->history(), back->marks().selections,
                                             back->locksPerGeneration(), back->toolsUsed(),
                                             back->settingsPerGeneration());
    EXPECT_NE(log.find("変化の大きさ：大（×2），新しい顔：6個"), std::string::npos) << log;
}

}  // namespace
}  // namespace mirel
