// Undo and redo of each of the user's steps give back the document exactly
// (its session bytes), breeding included; the modified flag follows the
// saved point of the history.
#include <QUndoStack>
#include <functional>

#include "DocumentFixture.h"
#include "app/DocumentFrames.h"

namespace mirel {
namespace {

class UndoTest : public test::DocumentTest {
  protected:
    void SetUp() override {
        auto doc = makeDocument();
        ASSERT_TRUE(doc);
        doc_ = doc.get();
        frames_ = std::make_unique<DocumentFrames>(std::move(doc));
        drawGrid(*doc_);
    }

    std::string sessionBytes() const { return encodeSession(doc_->sessionSource(doc_->history())); }
    void mark(int cell) { doc_->ToggleMark(canvas_, cell); }

    CMirelDoc* doc_ = nullptr;
    std::unique_ptr<DocumentFrames> frames_;
    test::RecordingCanvas canvas_;
};

struct StepCase {
    const char* name;
    std::function<void(CMirelDoc&, Canvas&)> before;
    std::function<void(CMirelDoc&, Canvas&)> step;
};

TEST_F(UndoTest, EachStepIsUndoneAndRedoneToTheSameSessionBytes) {
    const auto noSetUp = [](CMirelDoc&, Canvas&) {};
    const auto markTwoOnOlderPages = [](CMirelDoc& d, Canvas& c) {
        d.ToggleMark(c, 0);
        d.ShowPage(2);
        d.ToggleMark(c, 5);
        d.ShowPage(0);
    };
    const StepCase cases[] = {
        {"mark", noSetUp, [](CMirelDoc& d, Canvas& c) { d.ToggleMark(c, 3); }},
        {"unmark", [](CMirelDoc& d, Canvas& c) { d.ToggleMark(c, 3); },
         [](CMirelDoc& d, Canvas& c) { d.ToggleMark(c, 3); }},
        {"lock", noSetUp, [](CMirelDoc& d, Canvas&) { d.LockPart(FacePart::Nose); }},
        {"unlock", [](CMirelDoc& d, Canvas&) { d.LockPart(FacePart::Hair); },
         [](CMirelDoc& d, Canvas&) { d.UnlockPart(FacePart::Hair); }},
        {"clear locks",
         [](CMirelDoc& d, Canvas&) {
             d.LockPart(FacePart::Eyes);
             d.LockPart(FacePart::Ears);
         },
         [](CMirelDoc& d, Canvas&) { d.ClearPartLocks(); }},
        {"breed", markTwoOnOlderPages, [](CMirelDoc& d, Canvas&) { d.AdvanceGeneration(); }},
        {"breed locked",
         [&](CMirelDoc& d, Canvas& c) {
             markTwoOnOlderPages(d, c);
             d.LockPart(FacePart::Mouth);
         },
         [](CMirelDoc& d, Canvas&) { d.AdvanceGeneration(); }},
        {"part gallery", [](CMirelDoc& d, Canvas&) { d.ChooseFace(4); },
         [](CMirelDoc& d, Canvas&) { d.MakeToolGeneration(ToolKind::PartGallery, FacePart::Eyes); }},
        {"exaggeration", [](CMirelDoc& d, Canvas&) { d.ChooseFace(7); },
         [](CMirelDoc& d, Canvas&) { d.MakeToolGeneration(ToolKind::Exaggeration); }},
        {"breeding settings", noSetUp,
         [](CMirelDoc& d, Canvas&) { d.SetBreedingSettings(kRecommendedSettings); }},
        {"inner face first", noSetUp, [](CMirelDoc& d, Canvas&) { d.SetInnerFaceFirst(true); }},
    };
    for (const StepCase& c : cases) {
        SCOPED_TRACE(c.name);
        SetUp();
        c.before(*doc_, canvas_);
        now_ += 30;
        const std::string before = sessionBytes();
        ASSERT_TRUE(frames_->recordChange("step", [&] { c.step(*doc_, canvas_); }));
        const std::string after = sessionBytes();
        ASSERT_NE(after, before);
        now_ += 30;
        frames_->undoStack().undo();
        EXPECT_EQ(sessionBytes(), before);
        frames_->undoStack().redo();
        EXPECT_EQ(sessionBytes(), after);
    }
}

TEST_F(UndoTest, UndoneBreedingGivesItsPlaceBackAndBreedingAgainDrawsNewChildren) {
    mark(0);
    mark(1);
    frames_->recordChange("breed", [this] { doc_->AdvanceGeneration(); });
    ASSERT_EQ(doc_->generationCount(), 1);
    const std::vector<FaceRecord> bred = doc_->recordsAbove(0);
    frames_->undoStack().undo();
    EXPECT_EQ(doc_->generationCount(), 0);
    EXPECT_EQ(doc_->currentSelection().count, 2) << "the marks come back with the generation";

    frames_->recordChange("breed", [this] { doc_->AdvanceGeneration(); });
    ASSERT_EQ(doc_->generationCount(), 1);
    EXPECT_NE(doc_->recordsAbove(0), bred) << "the random source is not rewound";
    EXPECT_FALSE(frames_->undoStack().canRedo());
}

TEST_F(UndoTest, NothingChangedIsNoStepAndTheSavedPointIsUnmodified) {
    EXPECT_FALSE(frames_->recordChange("unlock", [this] { doc_->UnlockPart(FacePart::Eyes); }));
    EXPECT_EQ(frames_->undoStack().count(), 0);
    EXPECT_FALSE(doc_->isModified());

    frames_->recordChange("mark", [this] { mark(2); });
    EXPECT_TRUE(doc_->isModified());
    frames_->undoStack().undo();
    EXPECT_FALSE(doc_->isModified()) << "back at the state of the file";
    frames_->undoStack().redo();
    frames_->markSaved();
    EXPECT_FALSE(doc_->isModified());
    frames_->undoStack().undo();
    EXPECT_TRUE(doc_->isModified()) << "the file has the mark, the document not";
}

}  // namespace
}  // namespace mirel
