// Window 3's list of marks follows marking, pages, browsing and undo, and a
// click on one shows it in window 1; keys with two tiled frames go to the
// window 1 under the mouse.
#include <QMdiArea>

#include "ViewsFixture.h"
#include "views/CChild1View.h"
#include "views/MarkList.h"

namespace mirel {
namespace {

class MarkListTest : public ViewsTest {
  protected:
    std::vector<GeneRef> listed(std::size_t section = 0) const {
        const auto sections = markSections(*doc_);
        return section < sections.size() ? sections[section].faces : std::vector<GeneRef>{};
    }
    // Where window 3 draws `face` now.
    QPoint tileOf(GeneRef face) const {
        const MarkListLayout layout =
            layoutMarkList(markSections(*doc_), window3_->size(), window3_->fontMetrics().height());
        for (const MarkTile& tile : layout.tiles) {
            if (tile.face == face) return tile.picture.center();
        }
        ADD_FAILURE() << "not listed: " << face.generation << "," << face.index;
        return {};
    }
};

TEST_F(MarkListTest, TheListFollowsMarksPagesAndBrowsing) {
    doubleClick(window1_, Qt::LeftButton, cellCentre(4));
    press(Qt::Key_PageDown);
    doubleClick(window1_, Qt::LeftButton, cellCentre(2));
    doubleClick(window1_, Qt::LeftButton, cellCentre(9));
    doubleClick(window1_, Qt::LeftButton, cellCentre(2));  // unmarked again
    EXPECT_EQ(listed(), (std::vector<GeneRef>{{0, 4}, {0, 29}})) << "in marking order";
    ASSERT_EQ(markSections(*doc_).size(), 1u);

    press(Qt::Key_Return);
    EXPECT_TRUE(listed().empty()) << "a new generation starts unmarked";
    doubleClick(window1_, Qt::LeftButton, cellCentre(1));
    press(Qt::Key_Up);
    const auto sections = markSections(*doc_);
    ASSERT_EQ(sections.size(), 2u) << "an older generation adds the marks that bred the next";
    EXPECT_EQ(sections[0].faces, (std::vector<GeneRef>{{1, 1}}));
    EXPECT_FALSE(sections[1].current);
    EXPECT_EQ(sections[1].faces, (std::vector<GeneRef>{{0, 4}, {0, 29}}));

    // A click on the older generation's second mark shows its page and chooses that face.
    QCoreApplication::processEvents();
    QTest::mouseClick(window3_, Qt::LeftButton, Qt::NoModifier, tileOf({0, 29}));
    EXPECT_EQ(doc_->viewedGeneration, 0);
    EXPECT_EQ(doc_->page, 1);
    EXPECT_EQ(doc_->marks().hoverIndex, 29);
    EXPECT_EQ(doc_->chosenFace(), (std::optional<GeneRef>{GeneRef{0, 29}}));
    QCoreApplication::processEvents();
    const int size = doc_->cellSize;
    const QImage shown = window1_->grab().toImage();
    auto framedIn = [&](int cell) {
        const QRect area(size * (cell % 5), size * (cell / 5), size, size);
        for (int y = area.top(); y <= area.bottom(); ++y) {
            for (int x = area.left(); x < area.left() + size / 8; ++x) {
                if (shown.pixelColor(x, y) == QColor(0, 90, 220)) return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(framedIn(9));
    EXPECT_FALSE(framedIn(8));
    EXPECT_EQ(doc_->currentSelection().count, 1) << "showing is not marking";
}

TEST_F(MarkListTest, KeysGoToTheWindowOneUnderTheMouseInTiledFrames) {
    CChildFrame* second = shell_.mainFrame().newDocument();
    ASSERT_NE(second, nullptr);
    shell_.mainFrame().mdiArea()->tileSubWindows();
    QCoreApplication::processEvents();
    CMirelDoc& secondDoc = second->document();
    ASSERT_EQ(shell_.mainFrame().activeChildFrame(), second);
    for (CMirelDoc* d : {doc_, &secondDoc}) {
        d->marks().resetPending = 0;
        d->marks().selections[0].count = 1;
    }

    // The keyboard is in the second frame; the mouse goes over the first's window 1.
    QTest::mouseMove(window1_, QPoint(5, 5));
    press(Qt::Key_Return);
    press(Qt::Key_PageDown);
    EXPECT_EQ(doc_->generationCount(), 1);
    EXPECT_EQ(doc_->page, 1);
    EXPECT_EQ(secondDoc.generationCount(), 0);
    EXPECT_EQ(shell_.mainFrame().activeChildFrame(), frame_);

    QTest::mouseMove(second->view(kGridView), QPoint(5, 5));
    press(Qt::Key_Return);
    press(Qt::Key_Up);
    EXPECT_EQ(secondDoc.generationCount(), 1);
    EXPECT_EQ(secondDoc.viewedGeneration, 0);
    EXPECT_EQ(doc_->generationCount(), 1);
}

}  // namespace
}  // namespace mirel
