// The chosen face through a running shell: what window 2 shows, what the
// commands act on, and the tools that make a generation from it.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "ViewsFixture.h"
#include "app/CMainFrame.h"
#include "ga/Exaggeration.h"
#include "output/FaceTextExport.h"
#include "output/ShiftJis.h"
#include "render/DrawFace.h"

namespace mirel {
namespace {

class ChosenFaceTest : public ViewsTest {
  protected:
    void click(int cell) {
        QTest::mouseClick(window1_, Qt::LeftButton, Qt::NoModifier, cellCentre(cell));
    }
    // As the mouse does on its way to the menus or to window 2.
    void leaveWindowOne() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(window1_, &leave);
    }
    QString pane(const char* name) {
        QCoreApplication::processEvents();
        return shell_.mainFrame().findChild<QLabel*>(QString::fromLatin1(name))->text();
    }
    void useTool(const char* menu, const QString& text) {
        const auto* found = shell_.mainFrame().findChild<QMenu*>(QString::fromLatin1(menu));
        for (QAction* action : found->actions()) {
            if (action->text() == text) return action->trigger();
        }
        ADD_FAILURE() << "no action " << text.toStdString();
    }
    FaceRecord shownAs(GeneRef ref) const {
        FaceRecord face = doc_->populationStore().at(ref);
        PrepareFace(face);
        return face;
    }
};

TEST_F(ChosenFaceTest, WindowTwoShowsTheChosenFaceOnceTheMouseLeavesAndTheCommandsActOnIt) {
    click(3);
    EXPECT_EQ(doc_->chosenFace(), (GeneRef{0, 3}));
    EXPECT_EQ(pane("chosenPane"), QStringLiteral("選んだ顔 0・3"));
    QTest::mouseMove(window1_, cellCentre(9));
    const auto detailIs = [this](GeneRef ref) {
        return test::waitUntil([&] {
            return doc_->detailFace.face.relPoints ==
                   doc_->populationStore().at(ref).face.relPoints;
        });
    };
    EXPECT_TRUE(detailIs({0, 9})) << "hovering still previews";
    leaveWindowOne();
    EXPECT_TRUE(detailIs({0, 3})) << "back to the chosen face";

    // The face the mouse crossed last is not the one saved, exported or locked.
    QTest::mouseMove(window1_, cellCentre(12));
    ASSERT_EQ(doc_->marks().hoverIndex, 12);
    frame_->saveDetailFace();
    EXPECT_EQ(savedFaceFile(), formatFaceFile(shownAs({0, 3}).face));
    doc_->LockPart(FacePart::Nose);
    EXPECT_EQ(doc_->partLocks()[FacePart::Nose], (GeneRef{0, 3}));

    press(Qt::Key_Escape);
    EXPECT_FALSE(doc_->chosenFace());
    EXPECT_EQ(pane("chosenPane"), QString());
    frame_->saveDetailFace();
    EXPECT_EQ(savedFaceFile(), formatFaceFile(doc_->detailFace.face))
        << "as before without a choice";
}

TEST_F(ChosenFaceTest, OtherEyesThenBreedingThenExaggerationThenSavingThatFace) {
    useTool("galleryMenu", QStringLiteral("目"));
    EXPECT_EQ(doc_->generationCount(), 0) << "no chosen face";
    EXPECT_FALSE(shell_.mainFrame().statusBar()->currentMessage().isEmpty());

    click(5);
    useTool("galleryMenu", QStringLiteral("目"));
    ASSERT_EQ(doc_->generationCount(), 1);
    EXPECT_EQ(doc_->viewedGeneration, 1);
    EXPECT_EQ(doc_->toolsUsed()[0].kind, ToolKind::PartGallery);

    doubleClick(window1_, Qt::LeftButton, cellCentre(4));
    doubleClick(window1_, Qt::LeftButton, cellCentre(11));
    press(Qt::Key_Return);
    ASSERT_EQ(doc_->generationCount(), 2);
    EXPECT_EQ(doc_->populationStore().at({2, 0}), doc_->populationStore().at({1, 4}));

    click(8);
    useTool("partsMenu", QStringLiteral("誇張(&X)"));
    ASSERT_EQ(doc_->generationCount(), 3);
    EXPECT_EQ(doc_->populationStore().at({3, kChosenLevel}), doc_->populationStore().at({2, 8}));

    click(15);
    leaveWindowOne();
    frame_->saveDetailFace();
    EXPECT_EQ(savedFaceFile(), formatFaceFile(shownAs({3, 15}).face));
    const std::string log = shell_.folder().read("Output/Rireki.txt");
    EXPECT_NE(log.find(toShiftJis("道具：部品ギャラリー（目） No. 5(gene  0)から")),
              std::string::npos);
    EXPECT_NE(log.find(toShiftJis("道具：誇張 No. 8(gene  2)から")), std::string::npos);
}

}  // namespace
}  // namespace mirel
