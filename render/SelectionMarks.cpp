#include "render/SelectionMarks.h"

#include <algorithm>

namespace mirel {
namespace {

bool validSelection(int selection) {
    return selection >= 0 && selection < kGenerationCount;
}

}  // namespace

void DrawCellFrame(Canvas& device, int cell, Rgb colour, int cellSize, int width) {
    const int column = cell % kGridColumns;
    const int row = cell / kGridColumns;
    const int left = width + cellSize * column;
    const int right = cellSize * (column + 1) - width;
    const int top = width + cellSize * row;
    const int bottom = cellSize * (row + 1) - width;
    const std::array<IntPoint, 5> frame = {
        IntPoint{left, top}, {right, top}, {right, bottom}, {left, bottom}, {left, top}};
    const ObjectHandle pen = device.createPen(width, colour);
    const ObjectHandle previous = device.select(pen);
    device.polyline(frame);
    device.select(previous);
    device.deleteObject(pen);
}

void SelectionMarkTable::ToggleSelectionMark(Canvas& device, int generation, int page, int cell,
                                             int selection, int cellSize, int width) {
    if (!validSelection(selection)) return;
    Selection& marks = selections[static_cast<std::size_t>(selection)];
    if (resetPending == 1) {
        marks.count = 0;
        resetPending = 0;
    }
    marks.count = std::clamp(marks.count, 0, kMaxMarks);
    const GeneRef wanted{generation, page * kCellsPerPage + cell};
    for (int k = 0; k < marks.count; ++k) {
        if (marks.mark(k) != wanted) continue;
        marks.setMark(k, marks.mark(marks.count - 1));
        --marks.count;
        DrawCellFrame(device, cell, kWhite, cellSize, width);
        return;
    }
    // The document never offers a 61st mark; should one come, it is refused
    // rather than written past the Selection.
    if (marks.count >= kMaxMarks) return;
    marks.setMark(marks.count, wanted);
    ++marks.count;
    DrawCellFrame(device, cell, MarkColour, cellSize, width);
}

void SelectionMarkTable::RedrawSelectionMarks(Canvas& device, int generation, int page,
                                              int selection, int cellSize, int width) const {
    if (resetPending != 0 || !validSelection(selection)) return;
    const Selection& marks = selections[static_cast<std::size_t>(selection)];
    for (int k = 0; k < marks.count && k < kMaxMarks; ++k) {
        const GeneRef mark = marks.mark(k);
        if (mark.generation != generation || mark.index / kCellsPerPage != page) continue;
        DrawCellFrame(device, mark.index % kCellsPerPage, MarkColour, cellSize, width);
    }
}

}  // namespace mirel
