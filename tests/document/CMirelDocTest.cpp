#include "document/CMirelDoc.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "DocumentFixture.h"
#include "RecordingCanvas.h"
#include "output/ShiftJis.h"

namespace mirel {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;

using CMirelDocTest = test::DocumentTest;

TEST_F(CMirelDocTest, StartsAtGenerationZeroWithNothingMarked) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->generationCount(), 0);
    EXPECT_EQ(doc->viewedGeneration, 0);
    EXPECT_EQ(doc->page, 0);
    EXPECT_EQ(doc->activeView, kGridView);
    EXPECT_EQ(doc->cellSize, 0);
    EXPECT_EQ(doc->detailSize, 0);
    EXPECT_EQ(doc->marks().resetPending, 1);
    EXPECT_EQ(doc->currentSelection().count, 0);
    EXPECT_EQ(doc->history().clockStart, 1000);
    EXPECT_EQ(doc->history().logGeneration, 0);
    EXPECT_EQ(doc->detailFace, doc->populationStore().at({0, 0}));
}

TEST_F(CMirelDocTest, StatusTextUsesThreeDigitFieldsAndWidth450) {
    EXPECT_EQ(formatStatusText(3, 12),
              " 現在までにかかった世代数：  3世代，　現在閲覧している世代： 12世代目");
    EXPECT_EQ(formatStatusText(49, 0),
              " 現在までにかかった世代数： 49世代，　現在閲覧している世代：  0世代目");
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    EXPECT_EQ(host_.statusText, formatStatusText(0, 0));
    EXPECT_EQ(host_.statusWidth, 450);
}

TEST_F(CMirelDocTest, GridDrawingPaintsWhiteThenLaysOutFromTheClientSize) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    RecordingCanvas canvas;
    doc->DrawGridWindow(canvas, 1091, 904);
    ASSERT_FALSE(canvas.calls().empty());
    const test::CanvasCall& first = canvas.calls().front();
    EXPECT_EQ(first.op, CanvasOp::FillRect);
    EXPECT_EQ(first.args, (std::vector<int>{0, 0, 1091, 904}));
    EXPECT_EQ(first.colour, kWhite);
    EXPECT_EQ(doc->gridWidth, 1091);
    EXPECT_EQ(doc->gridHeight, 904);
    EXPECT_EQ(doc->cellSize, 218);
    EXPECT_EQ(doc->markLineWidth, 5);
    EXPECT_EQ(doc->faceLineWidth, 2);
    EXPECT_TRUE(canvas.faults().empty());
}

TEST_F(CMirelDocTest, MarkingTwiceRestoresTheSelectionAndPaintsTheFrameWhite) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    RecordingCanvas canvas;
    doc->ToggleMark(canvas, 7);
    ASSERT_EQ(doc->currentSelection().count, 1);
    EXPECT_EQ(doc->currentSelection().mark(0), (GeneRef{0, 7}));
    doc->ToggleMark(canvas, 7);
    EXPECT_EQ(doc->currentSelection().count, 0);

    const auto frames = canvas.callsOf(CanvasOp::Polyline);
    ASSERT_EQ(frames.size(), 2u);
    EXPECT_EQ(frames[0].penColour, MarkColour);
    EXPECT_EQ(frames[1].penColour, kWhite);
    EXPECT_EQ(frames[0].penWidth, 5);
    // Cell 7 is row 1, column 2 of cells 218 wide, framed 5 inside.
    EXPECT_EQ(frames[0].points.front(), (IntPoint{5 + 436, 5 + 218}));
}

TEST_F(CMirelDocTest, MarksOnAnOlderGenerationKeepThatGenerationsNumber) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    RecordingCanvas canvas;
    doc->ToggleMark(canvas, 3);
    doc->AdvanceGeneration();
    ASSERT_EQ(doc->generationCount(), 1);
    doc->viewedGeneration = 0;
    doc->ToggleMark(canvas, 4);
    ASSERT_EQ(doc->currentSelection().count, 1);
    EXPECT_EQ(doc->currentSelection().mark(0), (GeneRef{0, 4}));
    doc->AdvanceGeneration();
    EXPECT_EQ(doc->generationCount(), 2);
}

TEST_F(CMirelDocTest, HoverRepaintsWindowTwoOnlyWhenTheFaceChanges) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    doc->HoverFace(0);  // the slot already holds (0, 0)
    EXPECT_TRUE(host_.invalidated.empty());
    doc->HoverFace(6);
    doc->HoverFace(6);
    EXPECT_EQ(host_.invalidated, (std::vector<int>{kDetailView}));
    EXPECT_EQ(doc->marks().hoverGeneration, 0);
    EXPECT_EQ(doc->marks().hoverIndex, 6);
    EXPECT_EQ(&doc->hoveredFace(), &doc->populationStore().at({0, 6}));
}

TEST_F(CMirelDocTest, DetailDrawingCopiesTheHoveredFaceAndLeavesTheStoreAlone) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    doc->HoverFace(5);
    const FaceRecord stored = doc->populationStore().at({0, 5});
    RecordingCanvas canvas;
    doc->DrawDetailWindow(canvas, 400, 300);
    EXPECT_EQ(doc->detailWidth, 400);
    EXPECT_EQ(doc->detailHeight, 300);
    EXPECT_EQ(doc->detailSize, 300);
    EXPECT_EQ(doc->detailLineWidth, 2);
    EXPECT_EQ(doc->populationStore().at({0, 5}), stored);
    EXPECT_EQ(doc->detailFace.face.relPoints, stored.face.relPoints);
}

TEST_F(CMirelDocTest, EnterWithoutMarksChangesNothing) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    now_ = 1500;
    doc->AdvanceGeneration();
    EXPECT_EQ(doc->generationCount(), 0);
    EXPECT_EQ(doc->history(), HistoryRecord{.clockStart = 1000});
    EXPECT_TRUE(host_.invalidated.empty());
}

TEST_F(CMirelDocTest, EnterBreedsShowsTheNewGenerationAndBooksTheClock) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    RecordingCanvas canvas;
    doc->ToggleMark(canvas, 2);
    doc->ToggleMark(canvas, 9);
    const Selection marked = doc->currentSelection();
    now_ = 1075;
    doc->AdvanceGeneration();

    EXPECT_EQ(doc->generationCount(), 1);
    EXPECT_EQ(doc->viewedGeneration, 1);
    EXPECT_EQ(doc->page, 0);
    EXPECT_EQ(doc->marks().resetPending, 1);
    EXPECT_EQ(doc->currentSelection().count, 0);
    EXPECT_EQ(doc->marks().selections[0], marked);
    EXPECT_EQ(doc->history().generationSeconds[0], 75.0);
    EXPECT_EQ(doc->history().logGeneration, 1);
    EXPECT_EQ(doc->history().clockStart, 1075);
    EXPECT_EQ(host_.invalidated, (std::vector<int>{kGridView}));

    // The new generation shows no frames.
    RecordingCanvas redraw;
    doc->RedrawMarks(redraw);
    EXPECT_TRUE(redraw.callsOf(CanvasOp::Polyline).empty());
}

TEST_F(CMirelDocTest, TheGenerationLimitIsReportedAndTheDocumentGoesOn) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    RecordingCanvas canvas;
    while (doc->generationCount() < kGenerationCount - 1) {
        doc->ToggleMark(canvas, 0);
        doc->AdvanceGeneration();
    }
    ASSERT_EQ(doc->generationCount(), 49);
    ASSERT_TRUE(host_.messages.empty());

    doc->ToggleMark(canvas, 1);
    doc->AdvanceGeneration();
    EXPECT_EQ(doc->generationCount(), 49);
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(host_.messages[0].caption, "error");
    EXPECT_EQ(host_.messages[0].text, "Over the SEDAI_MAX!");
    // The refused marks stay, framed and usable.
    EXPECT_EQ(doc->currentSelection().count, 1);
    EXPECT_EQ(doc->marks().resetPending, 0);
    EXPECT_EQ(doc->history().logGeneration, 49);
}

TEST_F(CMirelDocTest, SaveFaceWritesAllSixFilesAndLeavesTheStoredFaceAsItWas) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    RecordingCanvas canvas;
    doc->DrawDetailWindow(canvas, 181, 181);
    const FaceRecord stored = doc->populationStore().at({0, 3});
    now_ = 1075;
    doc->SaveFace(doc->populationStore().at({0, 3}));

    EXPECT_EQ(doc->populationStore().at({0, 3}), stored);
    for (const char* file : {"mirelesakuhin.wmf", "mirelesakuhin.bmp", "face.txt", "haegiwa.txt",
                             "kamiyouso.txt", "Rireki.txt"}) {
        const auto path = folder_.path() / "Output" / file;
        EXPECT_TRUE(std::filesystem::exists(path)) << file;
        EXPECT_GT(std::filesystem::file_size(path), 0u) << file;
    }
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(host_.messages[0].text, "顔情報を出力しました");
    // The history step restarted the clock.
    EXPECT_EQ(doc->history().generationSeconds[0], 75.0);
    EXPECT_EQ(doc->history().clockStart, 1075);
}

TEST_F(CMirelDocTest, SaveFaceMakesTheMissingOutputFolder) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    std::filesystem::remove_all(folder_.path() / "Output");
    RecordingCanvas canvas;
    doc->DrawDetailWindow(canvas, 181, 181);
    doc->SaveFace(doc->detailFace);

    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].kind, MessageKind::Information);
    EXPECT_EQ(host_.messages[0].text, "顔情報を出力しました");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path() / "Output"), {}), 6);
}

TEST_F(CMirelDocTest, ASaveWithAFailedStepEndsWithTheFilesNotWrittenInsteadOfSuccess) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    RecordingCanvas canvas;
    doc->DrawDetailWindow(canvas, 181, 181);
    // A folder where haegiwa.txt should go: that step, and the one after it, fail.
    std::filesystem::create_directory(folder_.path() / "Output/haegiwa.txt");
    folder_.write("Output/kamiyouso.txt", "the previous save");
    doc->setModified(true);
    doc->SaveFace(doc->detailFace);

    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].kind, MessageKind::Error);
    EXPECT_EQ(host_.messages[0].text, "テキストファイルopenに失敗しました");
    ASSERT_EQ(host_.notSaved.size(), 1u);
    EXPECT_EQ(host_.notSaved[0], (std::vector<std::string>{"Output/haegiwa.txt", "Output/kamiyouso.txt"}));
    EXPECT_EQ(folder_.read("Output/kamiyouso.txt"), "the previous save");
    EXPECT_FALSE(folder_.read("Output/Rireki.txt").empty());
    EXPECT_TRUE(doc->isModified()) << "saving a face is not saving the session";
}

TEST_F(CMirelDocTest, AnOutputFolderThatCannotBeMadeIsOneWarningNamingItAndNothingWritten) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    RecordingCanvas canvas;
    doc->DrawDetailWindow(canvas, 181, 181);
    std::filesystem::remove_all(folder_.path() / "Output");
    folder_.write("Output", "a file where the folder should be");
    for (const std::filesystem::path& folder :
         {std::filesystem::path(kOutputFolder), folder_.path() / "Output/Mirel"}) {
        SCOPED_TRACE(folder.string());
        host_.unusableFolders.clear();
        doc->setOutputFolder(folder);
        doc->SaveFace(doc->detailFace);
        EXPECT_TRUE(host_.messages.empty());
        EXPECT_TRUE(host_.notSaved.empty());
        ASSERT_EQ(host_.unusableFolders.size(), 1u);
        EXPECT_EQ(host_.unusableFolders[0].first, folder.string());
        EXPECT_EQ(host_.unusableFolders[0].second, ENOTDIR);
    }
    EXPECT_EQ(folder_.read("Output"), "a file where the folder should be");
}

TEST_F(CMirelDocTest, SaveFaceIntoAChosenFolderMakesItAndSaysWhere) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    const auto folder = folder_.path() / "Pictures/Mirel";
    doc->setOutputFolder(folder);
    RecordingCanvas canvas;
    doc->DrawDetailWindow(canvas, 181, 181);
    doc->SaveFace(doc->detailFace);

    for (const char* file : {"mirelesakuhin.wmf", "mirelesakuhin.bmp", "face.txt", "haegiwa.txt",
                             "kamiyouso.txt", "Rireki.txt"}) {
        EXPECT_GT(std::filesystem::file_size(folder / file), 0u) << file;
    }
    EXPECT_FALSE(std::filesystem::exists(folder_.path() / "Output/face.txt"));
    ASSERT_EQ(host_.messages.size(), 1u);
    EXPECT_EQ(host_.messages[0].text, "顔情報を出力しました\n保存先：" + folder.string());
}

TEST_F(CMirelDocTest, AnUnreadableSampleGivesTheReadersFailureAndNoDocument) {
    std::filesystem::remove(folder_.path() / "Data/facebank7/face.txt");
    auto created = CMirelDoc::create([] { return 0; });
    ASSERT_TRUE(std::holds_alternative<LoadFailure>(created));
    EXPECT_EQ(std::get<LoadFailure>(created).caption, "error");
    EXPECT_EQ(std::get<LoadFailure>(created).text, "can't open face data file");
}

}  // namespace
}  // namespace mirel

namespace mirel {
namespace {

TEST_F(CMirelDocTest, PagesAddressTheirTwentyFacesAndANewGenerationStartsOnPageOne) {
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    EXPECT_FALSE(doc->ShowPage(-1));
    EXPECT_FALSE(doc->ShowPage(kPageCount));
    EXPECT_FALSE(doc->ShowPage(0)) << "already shown";
    host_.invalidated.clear();
    ASSERT_TRUE(doc->ShowPage(2));
    EXPECT_EQ(host_.invalidated, std::vector<int>{kGridView});

    doc->HoverFace(3);
    EXPECT_EQ(doc->marks().hoverIndex, 43);
    RecordingCanvas canvas;
    doc->ToggleMark(canvas, 3);
    ASSERT_EQ(doc->currentSelection().count, 1);
    EXPECT_EQ(doc->currentSelection().mark(0), (GeneRef{0, 43}));
    EXPECT_EQ(&doc->faceInCell(3), &doc->populationStore().at({0, 43}));

    doc->AdvanceGeneration();
    EXPECT_EQ(doc->page, 0);
    EXPECT_EQ(doc->populationStore().at({1, 0}), doc->populationStore().at({0, 43}));
}

TEST_F(CMirelDocTest, APartLockedToTheShownFaceIsBredIntoEveryChildAndLogged) {
    std::filesystem::create_directories(folder_.path() / "Output");
    auto doc = makeDocument();
    ASSERT_TRUE(doc);
    drawGrid(*doc);
    doc->HoverFace(9);
    doc->LockPart(FacePart::Nose);
    ASSERT_EQ(doc->partLocks()[FacePart::Nose], (GeneRef{0, 9}));
    RecordingCanvas canvas;
    doc->ToggleMark(canvas, 1);
    doc->ToggleMark(canvas, 2);
    doc->AdvanceGeneration();
    ASSERT_EQ(doc->generationCount(), 1);
    const FaceRecord& x = doc->populationStore().at({0, 9});
    for (int i = 2; i < kPopulationSize; ++i) {
        const FaceRecord& child = doc->populationStore().at({1, i});
        EXPECT_EQ(child.face.relPoints[58], x.face.relPoints[58]) << "nose anchor of child " << i;
        EXPECT_EQ(child.face.flags[33], x.face.flags[33]) << "nose flag of child " << i;
    }
    doc->ClearPartLocks();
    EXPECT_FALSE(doc->partLocks().any());

    doc->SaveFace(doc->detailFace);
    const std::string log = folder_.read("Output/Rireki.txt");
    const std::string lockLine = toShiftJis("\u3000\u3000固定した部品：鼻 No. 9(gene  0)");
    const std::size_t at = log.find(lockLine);
    ASSERT_NE(at, std::string::npos);
    EXPECT_LT(at, log.find("Generation 1")) << "the lock belongs to generation 0's breeding";
    EXPECT_EQ(log.find(lockLine, at + 1), std::string::npos) << "generation 1 bred no lock";
}

}  // namespace
}  // namespace mirel
