// Pages of window 1, part locks from the menu, and the hints of the message
// pane, driven through a running shell.

#include <QAction>
#include <QLabel>
#include <QMenu>

#include "ViewsFixture.h"
#include "app/CMainFrame.h"
#include "output/FaceTextExport.h"

namespace mirel {
namespace {

class SteeringTest : public ViewsTest {
  protected:
    // Breeds generation 1, whose children differ from one another.
    void breedFirstGeneration() {
        doubleClick(window1_, Qt::LeftButton, cellCentre(0));
        doubleClick(window1_, Qt::LeftButton, cellCentre(1));
        press(Qt::Key_Return);
        ASSERT_EQ(doc_->generationCount(), 1);
    }

    // The colour on the left edge of a cell's frame, as the screen shows it.
    QColor frameEdge(int cell) {
        QCoreApplication::processEvents();
        const int size = doc_->cellSize;
        const QPoint at(size * (cell % 5) + doc_->markLineWidth, size * (cell / 5) + size / 2);
        return window1_->grab().toImage().pixelColor(at);
    }

    QString pane(const char* name) {
        QCoreApplication::processEvents();
        return shell_.mainFrame().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }

    QAction* partsMenuAction(const QString& text) {
        const auto* menu = shell_.mainFrame().findChild<QMenu*>(QStringLiteral("partsMenu"));
        for (QAction* action : menu->actions()) {
            if (action->text() == text) return action;
        }
        return nullptr;
    }

    const QColor markColour{128, 0, 0};
};

TEST_F(SteeringTest, PagesTwoAndThreeAreHoveredMarkedAndSavedLikePageOne) {
    breedFirstGeneration();
    EXPECT_EQ(pane("pagePane"), QStringLiteral("ページ 1/3"));
    press(Qt::Key_PageUp);
    EXPECT_EQ(doc_->page, 0) << "PageUp on the first page";

    for (const int page : {1, 2}) {
        press(Qt::Key_PageDown);
        ASSERT_EQ(doc_->page, page);
        EXPECT_EQ(pane("pagePane"), QStringLiteral("ページ %1/3").arg(page + 1));
        const int index = page * 20 + 6;
        QTest::mouseMove(window1_, cellCentre(6));
        EXPECT_EQ(doc_->marks().hoverIndex, index);
        const FaceRecord stored = doc_->populationStore().at({1, index});
        ASSERT_TRUE(test::waitUntil(
            [&] { return doc_->detailFace.face.relPoints == stored.face.relPoints; }));

        doubleClick(window1_, Qt::LeftButton, cellCentre(6));
        EXPECT_EQ(doc_->currentSelection().mark(doc_->currentSelection().count - 1),
                  (GeneRef{1, index}));
        EXPECT_EQ(frameEdge(6), markColour) << "page " << page;
        doubleClick(window1_, Qt::RightButton, cellCentre(6));
        EXPECT_EQ(savedFaceFile(), formatFaceFile(stored.face));
    }
    press(Qt::Key_PageDown);
    EXPECT_EQ(doc_->page, 2) << "PageDown on the last page";
    EXPECT_EQ(doc_->currentSelection().count, 2);

    // Each frame shows on its own page only; unmarking on page 3 leaves page 2's.
    doubleClick(window1_, Qt::LeftButton, cellCentre(6));
    EXPECT_NE(frameEdge(6), markColour);
    press(Qt::Key_PageUp);
    EXPECT_EQ(frameEdge(6), markColour);
    press(Qt::Key_PageUp);
    EXPECT_NE(frameEdge(6), markColour);
    ASSERT_EQ(doc_->currentSelection().count, 1);
    EXPECT_EQ(doc_->currentSelection().mark(0), (GeneRef{1, 26}));

    // The face marked on page 2 breeds: it is elite 0 of the next generation.
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->page, 0);
    EXPECT_EQ(doc_->populationStore().at({2, 0}).face.relPoints,
              doc_->populationStore().at({1, 26}).face.relPoints);
}

TEST_F(SteeringTest, UpDownAndEnterGoBackToPageOne) {
    breedFirstGeneration();
    const Qt::Key keys[] = {Qt::Key_Up, Qt::Key_Down};
    for (const Qt::Key key : keys) {
        press(Qt::Key_PageDown);
        ASSERT_EQ(doc_->page, 1);
        press(key);
        EXPECT_EQ(doc_->page, 0) << QKeySequence(key).toString().toStdString();
    }
    press(Qt::Key_PageDown);
    doubleClick(window1_, Qt::LeftButton, cellCentre(3));
    press(Qt::Key_Return);
    EXPECT_EQ(doc_->page, 0);
    EXPECT_EQ(pane("pagePane"), QStringLiteral("ページ 1/3"));
}

TEST_F(SteeringTest, ALockFromTheMenuShowsInTheStatusBarAndWindowTwo) {
    QTest::mouseMove(window1_, cellCentre(4));
    QAction* lockEyes = partsMenuAction(QStringLiteral("目を固定"));
    ASSERT_NE(lockEyes, nullptr);
    lockEyes->trigger();
    EXPECT_EQ(doc_->partLocks()[FacePart::Eyes], (GeneRef{0, 4}));
    EXPECT_EQ(pane("lockPane"), QStringLiteral("固定：目"));
    auto markerShown = [&] {
        const QImage corner = window2_->grab(QRect(0, 0, 60, 30)).toImage();
        for (int y = 0; y < corner.height(); ++y) {
            for (int x = 0; x < corner.width(); ++x) {
                const QColor c = corner.pixelColor(x, y);
                if (c.red() > c.green() + 60) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(test::waitUntil(markerShown)) << "no lock marker in window 2";

    lockEyes->trigger();
    EXPECT_FALSE(doc_->partLocks().any()) << "a second choice unlocks";
    partsMenuAction(QStringLiteral("口を固定"))->trigger();
    partsMenuAction(QStringLiteral("固定をすべて解除(&C)"))->trigger();
    EXPECT_FALSE(doc_->partLocks().any());
    EXPECT_EQ(pane("lockPane"), QString());
    EXPECT_FALSE(test::waitUntil(markerShown));
}

TEST_F(SteeringTest, TheMessagePaneHintsAfterEachGesture) {
    doubleClick(window1_, Qt::LeftButton, cellCentre(2));
    EXPECT_TRUE(pane("messagePane").contains(QStringLiteral("Enter")))
        << pane("messagePane").toStdString();
    press(Qt::Key_Return);
    press(Qt::Key_Up);
    EXPECT_TRUE(pane("messagePane").contains(QStringLiteral("前の世代の顔にも印を付けられます")));
    // With 20 marks the next generation's first page holds only the marked faces.
    for (int cell = 0; cell < 20; ++cell) doubleClick(window1_, Qt::LeftButton, cellCentre(cell));
    EXPECT_TRUE(pane("messagePane").contains(QStringLiteral("2・3ページ目")))
        << pane("messagePane").toStdString();
}

}  // namespace
}  // namespace mirel
