#pragma once
// The layout rules of windows 1 and 2: cell size and pen widths of the grid,
// face size and pen width of the enlarged face, and the grid's hit test.

#include <optional>

#include "render/SelectionMarks.h"

namespace mirel {

// Columns (kGridColumns) and cells per page (kCellsPerPage) come with the marks.
inline constexpr int kGridRows = kCellsPerPage / kGridColumns;

struct GridLayout {
    int cellSize = 0;
    int faceLineWidth = 0;
    int markLineWidth = 0;

    friend bool operator==(const GridLayout&, const GridLayout&) = default;
};

// Window 1 with a client area of width x height.
GridLayout layoutGrid(int width, int height);

struct DetailLayout {
    int size = 0;
    int lineWidth = 0;
    int originX = 0;
    int originY = 0;

    friend bool operator==(const DetailLayout&, const DetailLayout&) = default;
};

// Window 2 with a client area of width x height; the face is centred.
DetailLayout layoutDetail(int width, int height);

// The grid cell (row * 5 + column) under client point (x, y), or nothing when
// the point lies right of or below the grid or cellSize is 0.
std::optional<int> cellAt(int cellSize, int x, int y);

}  // namespace mirel
