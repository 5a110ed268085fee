#include <QApplication>
#include <QLabel>
#include <QPrinter>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

#include "ShellTestSupport.h"
#include "ViewsFixture.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "document/CMirelDoc.h"
#include "document/ViewLayout.h"
#include "output/FaceTextExport.h"
#include "views/CChild1View.h"
#include "views/CChild2View.h"
#include "views/CChild3View.h"
#include "views/PageJob.h"
#include "views/ViewPrinting.h"

namespace mirel {
namespace {

TEST_F(ViewsTest, TheViewsAreNumberedInCreationOrder) {
    EXPECT_NE(qobject_cast<CChild1View*>(window1_), nullptr);
    EXPECT_NE(qobject_cast<CChild2View*>(window2_), nullptr);
    EXPECT_NE(qobject_cast<CChild3View*>(window3_), nullptr);
    EXPECT_EQ(QApplication::focusWidget(), window1_);
}

TEST_F(ViewsTest, DrawingWindowOneLaysOutTheGridAndWritesTheStatusPane) {
    EXPECT_EQ(doc_->gridWidth, window1_->width());
    EXPECT_EQ(doc_->gridHeight, window1_->height());
    EXPECT_EQ(doc_->cellSize, layoutGrid(window1_->width(), window1_->height()).cellSize);
    const QLabel* pane = shell_.mainFrame().generationPane();
    EXPECT_EQ(pane->text().toStdString(), formatStatusText(0, 0));
    EXPECT_EQ(pane->width(), 450);
}

TEST_F(ViewsTest, HoverShowsTheFaceInWindowTwo) {
    QTest::mouseMove(window1_, cellCentre(6));
    EXPECT_EQ(doc_->hoverCell, 6);
    EXPECT_EQ(doc_->marks().hoverIndex, 6);
    const FaceRecord& hovered = doc_->populationStore().at({0, 6});
    ASSERT_TRUE(test::waitUntil(
        [&] { return doc_->detailFace.face.relPoints == hovered.face.relPoints; }))
        << "window 2 did not repaint the hovered face";
    EXPECT_EQ(doc_->detailSize, layoutDetail(window2_->width(), window2_->height()).size);
}

TEST_F(ViewsTest, DoubleClickMarksAndUnmarksAFace) {
    doubleClick(window1_, Qt::LeftButton, cellCentre(12));
    ASSERT_EQ(doc_->currentSelection().count, 1);
    EXPECT_EQ(doc_->currentSelection().mark(0), (GeneRef{0, 12}));
    doubleClick(window1_, Qt::LeftButton, cellCentre(4));
    EXPECT_EQ(doc_->currentSelection().count, 2);
    doubleClick(window1_, Qt::LeftButton, cellCentre(12));
    ASSERT_EQ(doc_->currentSelection().count, 1);
    EXPECT_EQ(doc_->currentSelection().mark(0), (GeneRef{0, 4}));
}

TEST_F(ViewsTest, TheMarkFrameAppearsAndGoesOnScreen) {
    // A point on the left edge of cell 12's frame, halfway down.
    const int size = doc_->cellSize;
    const QPoint onFrame(size * 2 + doc_->markLineWidth, size * 2 + size / 2);
    auto pixel = [&] {
        QCoreApplication::processEvents();
        return window1_->grab().toImage().pixelColor(onFrame);
    };
    const QColor markColour(128, 0, 0);
    EXPECT_NE(pixel(), markColour);
    doubleClick(window1_, Qt::LeftButton, cellCentre(12));
    EXPECT_EQ(pixel(), markColour);
    doubleClick(window1_, Qt::LeftButton, cellCentre(12));
    EXPECT_NE(pixel(), markColour);
}

TEST_F(ViewsTest, DoubleClicksOutsideTheGridChangeNothing) {
    const int size = doc_->cellSize;
    const QPoint outside[] = {{5 * size + 1, 10}, {10, 4 * size + 1}};
    for (const QPoint& at : outside) {
        if (at.x() >= window1_->width() || at.y() >= window1_->height()) continue;
        doubleClick(window1_, Qt::LeftButton, at);
        doubleClick(window1_, Qt::RightButton, at);
        EXPECT_EQ(doc_->currentSelection().count, 0) << at.x() << ", " << at.y();
    }
    EXPECT_TRUE(shell_.messages().empty());
}

TEST_F(ViewsTest, EnterWithoutMarksDoesNothingAndSaysWhy) {
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->generationCount(), 0);
    EXPECT_EQ(doc_->viewedGeneration, 0);
    EXPECT_TRUE(statusMessage().contains(QStringLiteral("ダブルクリック"))) << statusMessage().toStdString();
    press(Qt::Key_Up);
    EXPECT_TRUE(statusMessage().contains(QStringLiteral("ダブルクリック")))
        << "keys that are not refused leave the answer standing";
}

TEST_F(ViewsTest, EnterBreedsShowsTheNewGenerationAndKeepsThePreviousMarks) {
    doubleClick(window1_, Qt::LeftButton, cellCentre(1));
    doubleClick(window1_, Qt::LeftButton, cellCentre(8));
    const Selection marked = doc_->currentSelection();
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->generationCount(), 1);
    EXPECT_EQ(doc_->viewedGeneration, 1);
    EXPECT_EQ(doc_->currentSelection().count, 0);
    EXPECT_EQ(doc_->marks().selections[0], marked);
    const QLabel* pane = shell_.mainFrame().generationPane();
    EXPECT_TRUE(test::waitUntil(
        [&] { return pane->text().toStdString() == formatStatusText(1, 1); }));

    // The keypad's Enter breeds as well.
    doubleClick(window1_, Qt::LeftButton, cellCentre(0));
    press(Qt::Key_Enter);
    EXPECT_EQ(doc_->generationCount(), 2);
}

TEST_F(ViewsTest, UpAndDownBrowseBetweenTheBoundsAndShiftBlocksThem) {
    press(Qt::Key_Up);
    EXPECT_EQ(doc_->viewedGeneration, 0) << "Up at generation 0";
    doubleClick(window1_, Qt::LeftButton, cellCentre(0));
    press(Qt::Key_Return);
    ASSERT_EQ(doc_->viewedGeneration, 1);
    press(Qt::Key_Down);
    EXPECT_EQ(doc_->viewedGeneration, 1) << "Down at the newest generation";
    press(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(doc_->viewedGeneration, 1) << "Shift+Up";
    press(Qt::Key_Up);
    EXPECT_EQ(doc_->viewedGeneration, 0) << "Up";
    press(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(doc_->viewedGeneration, 0) << "Shift+Down";
    press(Qt::Key_Down);
    EXPECT_EQ(doc_->viewedGeneration, 1) << "Down";
}

TEST_F(ViewsTest, WindowOneShowsTheStoredFacesOfTheViewedGeneration) {
    // The screen's picture of the stored records as they are now (showing a
    // page brings them up to date first).
    const auto drawingOfStored = [this] {
        std::vector<FaceRecord> stored;
        for (int cell = 0; cell < kCellsPerPage; ++cell) stored.push_back(doc_->faceInCell(cell));
        PageJob job(std::move(stored), {doc_->cellSize, doc_->faceLineWidth, 1.0, true});
        return job.finish().copy(window1_->rect());
    };
    const auto screen = [this] {
        return window1_->grab()
            .toImage()
            .convertToFormat(QImage::Format_RGB32)
            .copy(QRect(QPoint(0, 0), pagePictureSize(doc_->cellSize)) & window1_->rect());
    };
    // The screen first: painting a page it has not shown yet brings the records up to date.
    const auto expectShown = [&](const char* after) {
        const QImage shown = screen();
        EXPECT_EQ(shown, drawingOfStored()) << after;
    };
    expectShown("start");
    doubleClick(window1_, Qt::LeftButton, cellCentre(0));
    press(Qt::Key_Return);
    expectShown("Enter");
    // The double-click chose that face too; its frame is no face's drawing.
    press(Qt::Key_Escape);
    press(Qt::Key_Up);
    expectShown("Up");
    press(Qt::Key_Down);
    expectShown("Down");
}

TEST_F(ViewsTest, AMarkOnAnOlderGenerationKeepsItsNumber) {
    doubleClick(window1_, Qt::LeftButton, cellCentre(0));
    press(Qt::Key_Return);
    press(Qt::Key_Up);
    doubleClick(window1_, Qt::LeftButton, cellCentre(9));
    ASSERT_EQ(doc_->currentSelection().count, 1);
    EXPECT_EQ(doc_->currentSelection().mark(0), (GeneRef{0, 9}));
}

TEST_F(ViewsTest, MovingIntoWindowThreeTakesTheKeysFromWindowOne) {
    doubleClick(window1_, Qt::LeftButton, cellCentre(3));
    QTest::mouseMove(window3_, QPoint(10, 10));
    EXPECT_EQ(doc_->activeView, kBlankView);
    EXPECT_EQ(QApplication::focusWidget(), window3_);
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->generationCount(), 0) << "Enter reached window 1";
    EXPECT_TRUE(statusMessage().contains(QStringLiteral("ウィンドウ1"))) << statusMessage().toStdString();

    QTest::mouseMove(window2_, QPoint(10, 10));
    EXPECT_EQ(doc_->activeView, kDetailView);
    QTest::mouseMove(window1_, cellCentre(3));
    EXPECT_EQ(doc_->activeView, kGridView);
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->generationCount(), 1);
}

TEST_F(ViewsTest, RightDoubleClickOnACellSavesThatCellsFace) {
    QTest::mouseMove(window1_, cellCentre(2));
    const FaceRecord stored = doc_->populationStore().at({0, 7});
    doubleClick(window1_, Qt::RightButton, cellCentre(7));
    EXPECT_EQ(savedFaceFile(), formatFaceFile(stored.face));
    EXPECT_EQ(doc_->populationStore().at({0, 7}), stored);
    ASSERT_FALSE(shell_.messages().empty());
    EXPECT_EQ(shell_.messages().back().text, QStringLiteral("顔情報を出力しました"));
}

TEST_F(ViewsTest, RightDoubleClickInWindowTwoSavesTheHoveredIndividual) {
    QTest::mouseMove(window1_, cellCentre(11));
    const FaceRecord stored = doc_->populationStore().at({0, 11});
    doubleClick(window2_, Qt::RightButton, QPoint(5, 5));
    EXPECT_EQ(savedFaceFile(), formatFaceFile(stored.face));
    EXPECT_EQ(shell_.messages().size(), 1u);
}

TEST_F(ViewsTest, TheSaveCommandSavesTheFaceLastDrawnInWindowTwo) {
    QTest::mouseMove(window1_, cellCentre(5));
    ASSERT_TRUE(test::waitUntil([&] {
        return doc_->detailFace.face.relPoints == doc_->populationStore().at({0, 5}).face.relPoints;
    }));
    for (MirelView* view : {window1_, window2_, window3_}) {
        shell_.messages().clear();
        std::filesystem::remove(shell_.folder().path() / "Output/face.txt");
        view->saveDetailFace();
        EXPECT_EQ(savedFaceFile(), formatFaceFile(doc_->detailFace.face))
            << view->objectName().toStdString();
        EXPECT_EQ(shell_.messages().size(), 1u);
    }
}

TEST_F(ViewsTest, WithSixtyMarksAMarkComesOffButNoNewOneIsTaken) {
    // Generation 1 to look at, with every face of generation 0 marked.
    doubleClick(window1_, Qt::LeftButton, cellCentre(0));
    press(Qt::Key_Return);
    ASSERT_EQ(doc_->generationCount(), 1);
    Selection& full = doc_->marks().selections[1];
    doc_->marks().resetPending = 0;
    full.count = kMaxMarks;
    for (int k = 0; k < kMaxMarks; ++k) full.setMark(k, {0, k});
    const Selection before = full;

    doubleClick(window1_, Qt::LeftButton, cellCentre(4));
    EXPECT_EQ(doc_->currentSelection(), before) << "a 61st mark";
    EXPECT_TRUE(statusMessage().contains(QStringLiteral("60"))) << statusMessage().toStdString();
    doubleClick(window1_, Qt::RightButton, cellCentre(3));
    EXPECT_TRUE(statusMessage().contains(QStringLiteral("保存"))) << statusMessage().toStdString();

    press(Qt::Key_Up);
    doubleClick(window1_, Qt::LeftButton, cellCentre(7));
    EXPECT_EQ(doc_->currentSelection().count, kMaxMarks - 1) << "a mark comes off at 60";
    EXPECT_FALSE(doc_->IsMarked({0, 7}));
    doubleClick(window1_, Qt::LeftButton, cellCentre(7));
    EXPECT_EQ(doc_->currentSelection().count, kMaxMarks);
    EXPECT_TRUE(doc_->IsMarked({0, 7}));
    EXPECT_TRUE(shell_.messages().empty());
}

TEST_F(ViewsTest, TheGenerationLimitIsShownAndTheProgramGoesOn) {
    while (doc_->generationCount() < kGenerationCount - 1) {
        doubleClick(window1_, Qt::LeftButton, cellCentre(0));
        press(Qt::Key_Return);
    }
    ASSERT_EQ(doc_->generationCount(), 49);
    doubleClick(window1_, Qt::LeftButton, cellCentre(1));
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->generationCount(), 49);
    ASSERT_EQ(shell_.messages().size(), 1u);
    EXPECT_EQ(shell_.messages()[0].caption, QStringLiteral("error"));
    EXPECT_EQ(shell_.messages()[0].text, QStringLiteral("Over the SEDAI_MAX!"));
    press(Qt::Key_Up);
    EXPECT_EQ(doc_->viewedGeneration, 48);
}

TEST_F(ViewsTest, PrintingLaysOutFromTheWindowAndRefreshesTheStatus) {
    doc_->cellSize = 0;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    const auto pdf = shell_.folder().path() / "window1.pdf";
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(renderViewPage(*window1_, printer));
    EXPECT_EQ(doc_->gridWidth, window1_->width());
    EXPECT_EQ(doc_->cellSize, layoutGrid(window1_->width(), window1_->height()).cellSize);
    EXPECT_GT(std::filesystem::file_size(pdf), 0u);
    ASSERT_TRUE(renderViewPage(*window3_, printer));
}

}  // namespace
}  // namespace mirel
