// Cell frames and the mark table of the population grid.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "RecordingCanvas.h"
#include "render/SelectionMarks.h"

namespace mirel {
namespace {

using test::CanvasCall;
using test::CanvasOp;
using test::RecordingCanvas;

constexpr int kCellSize = 100;
constexpr int kWidth = 2;

// The cells framed by the calls, with the frame colour.
struct Frame {
    int cell;
    Rgb colour;
    friend bool operator==(const Frame&, const Frame&) = default;
};

std::vector<Frame> framesOf(const RecordingCanvas& canvas) {
    std::vector<Frame> frames;
    for (const CanvasCall& call : canvas.callsOf(CanvasOp::Polyline)) {
        const int column = (call.points[0].x - kWidth) / kCellSize;
        const int row = (call.points[0].y - kWidth) / kCellSize;
        frames.push_back({row * 5 + column, call.penColour});
    }
    return frames;
}

TEST(DrawCellFrame, FramesCellSevenInsideItsEdges) {
    RecordingCanvas canvas;
    DrawCellFrame(canvas, 7, MarkColour, kCellSize, kWidth);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].op, CanvasOp::CreatePen);
    EXPECT_EQ(calls[0].args[1], kWidth);
    EXPECT_EQ(calls[0].colour, (Rgb{128, 0, 0}));
    EXPECT_EQ(calls[2].op, CanvasOp::Polyline);
    EXPECT_EQ(calls[2].penColour, MarkColour);
    EXPECT_EQ(calls[2].points,
              (std::vector<IntPoint>{{202, 102}, {298, 102}, {298, 198}, {202, 198}, {202, 102}}));
    EXPECT_EQ(calls[4].op, CanvasOp::Delete);
    EXPECT_EQ(canvas.currentPen(), kStockPen);
    EXPECT_EQ(canvas.liveObjects(), 0);
    EXPECT_TRUE(canvas.faults().empty());
}

class MarkTable : public ::testing::Test {
  protected:
    void toggle(int generation, int cell, int selection = 3) {
        table->ToggleSelectionMark(canvas, generation, 0, cell, selection, kCellSize, kWidth);
    }
    const Selection& current() const { return table->selections[3]; }

    RecordingCanvas canvas;
    std::unique_ptr<SelectionMarkTable> table = std::make_unique<SelectionMarkTable>();
};

TEST_F(MarkTable, StartsWithAResetPendingAndNoMarks) {
    EXPECT_EQ(table->resetPending, 1);
    EXPECT_EQ(table->hoverGeneration, 0);
    EXPECT_EQ(table->hoverIndex, 0);
    for (const Selection& s : table->selections) EXPECT_EQ(s.count, 0);
}

TEST_F(MarkTable, FirstToggleAfterAResetEmptiesTheSelection) {
    table->selections[3].count = 2;
    toggle(3, 4);
    EXPECT_EQ(table->resetPending, 0);
    ASSERT_EQ(current().count, 1);
    EXPECT_EQ(current().mark(0), (GeneRef{3, 4}));
    EXPECT_EQ(framesOf(canvas), (std::vector<Frame>{{4, MarkColour}}));
}

TEST_F(MarkTable, ASecondToggleRemovesTheMarkAndPaintsItsFrameWhite) {
    toggle(3, 4);
    toggle(3, 4);
    EXPECT_EQ(current().count, 0);
    EXPECT_EQ(framesOf(canvas), (std::vector<Frame>{{4, MarkColour}, {4, kWhite}}));
}

TEST_F(MarkTable, RemovingMovesTheLastMarkIntoTheGap) {
    toggle(3, 1);
    toggle(3, 2);
    toggle(1, 9);  // a face of an older generation
    toggle(3, 1);
    ASSERT_EQ(current().count, 2);
    EXPECT_EQ(current().mark(0), (GeneRef{1, 9}));
    EXPECT_EQ(current().mark(1), (GeneRef{3, 2}));
}

TEST_F(MarkTable, TheSameCellOfAnotherGenerationIsAnotherMark) {
    toggle(3, 6);
    toggle(2, 6);
    EXPECT_EQ(current().count, 2);
}

TEST_F(MarkTable, AFullSelectionTakesNoFurtherMark) {
    table->resetPending = 0;
    Selection& s = table->selections[3];
    for (int k = 0; k < kMaxMarks; ++k) s.setMark(k, {0, k});
    s.count = kMaxMarks;
    toggle(5, 0);
    EXPECT_EQ(s.count, kMaxMarks);
    EXPECT_TRUE(canvas.calls().empty());
    toggle(0, 2);  // removing still works
    EXPECT_EQ(s.count, kMaxMarks - 1);
}

TEST_F(MarkTable, RedrawFramesOnlyTheMarksOfTheViewedGenerationAndPage) {
    table->resetPending = 0;
    Selection& s = table->selections[3];
    s.setMark(0, {2, 7});
    s.setMark(1, {3, 7});
    s.setMark(2, {2, 27});  // page 1
    s.setMark(3, {2, 19});
    s.count = 4;
    table->RedrawSelectionMarks(canvas, 2, 0, 3, kCellSize, kWidth);
    EXPECT_EQ(framesOf(canvas), (std::vector<Frame>{{7, MarkColour}, {19, MarkColour}}));

    canvas.clear();
    table->RedrawSelectionMarks(canvas, 2, 1, 3, kCellSize, kWidth);
    EXPECT_EQ(framesOf(canvas), (std::vector<Frame>{{7, MarkColour}}));
}

TEST_F(MarkTable, NothingIsRedrawnWhileAResetIsPending) {
    table->selections[3].setMark(0, {2, 7});
    table->selections[3].count = 1;
    table->RedrawSelectionMarks(canvas, 2, 0, 3, kCellSize, kWidth);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(MarkTable, ASelectionOutsideTheTableIsIgnored) {
    const SelectionMarkTable before = *table;
    toggle(0, 1, kGenerationCount);
    toggle(0, 1, -1);
    table->RedrawSelectionMarks(canvas, 0, 0, kGenerationCount, kCellSize, kWidth);
    EXPECT_TRUE(*table == before);
    EXPECT_TRUE(canvas.calls().empty());
}

}  // namespace
}  // namespace mirel
