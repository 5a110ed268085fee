#include "document/ViewLayout.h"

#include <algorithm>

#include "render/DrawFace.h"

namespace mirel {
namespace {

constexpr int kMarkPenDivisor = 50;

constexpr int roundDownToEven(int value) { return value - value % 2; }

}  // namespace

GridLayout layoutGrid(int width, int height) {
    GridLayout layout;
    layout.cellSize = roundDownToEven(std::min(width / kGridColumns, height / kGridRows));
    layout.markLineWidth = layout.cellSize / kMarkPenDivisor + 1;
    layout.faceLineWidth = facePenWidth(layout.cellSize);
    return layout;
}

DetailLayout layoutDetail(int width, int height) {
    DetailLayout layout;
    layout.size = roundDownToEven(std::min(width, height));
    layout.lineWidth = facePenWidth(layout.size);
    layout.originX = width / 2;
    layout.originY = height / 2;
    return layout;
}

std::optional<int> cellAt(int cellSize, int x, int y) {
    // Negative coordinates (a pointer grabbed outside the window) hit nothing.
    if (cellSize <= 0 || x < 0 || y < 0) return std::nullopt;
    const int row = y / cellSize;
    const int column = x / cellSize;
    if (row >= kGridRows || column >= kGridColumns) return std::nullopt;
    return row * kGridColumns + column;
}

}  // namespace mirel
