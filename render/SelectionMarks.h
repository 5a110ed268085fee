#pragma once
// The user's marks of every generation as the document keeps them, the hover
// slot, and the frames that show marked cells in the population grid.

#include <array>
#include <cstdint>

#include "ga/Selection.h"
#include "render/Canvas.h"

namespace mirel {

inline constexpr Rgb MarkColour{128, 0, 0};
inline constexpr int kGridColumns = 5;
inline constexpr int kCellsPerPage = 20;

// Frames cell `cell` of a five-column grid of square cells, `width` inside
// the cell's edges, with a solid pen of that width and colour.
void DrawCellFrame(Canvas& device, int cell, Rgb colour, int cellSize, int width);

struct SelectionMarkTable {
    // While set, no marks are drawn, and the next toggle first empties the
    // Selection it changes.
    std::int32_t resetPending = 1;
    std::array<Selection, kGenerationCount> selections{};
    std::int32_t hoverGeneration = 0;
    std::int32_t hoverIndex = 0;  // page * 20 + cell

    // Adds the mark (generation, page * 20 + cell) to Selection `selection`
    // and frames the cell in MarkColour, or, if it is there, removes it and
    // paints the frame white. A full Selection (60 marks) takes no new mark.
    void ToggleSelectionMark(Canvas& device, int generation, int page, int cell, int selection,
                             int cellSize, int width);
    // Frames the cells of the marks of Selection `selection` that belong to
    // `generation` and `page`.
    void RedrawSelectionMarks(Canvas& device, int generation, int page, int selection, int cellSize,
                              int width) const;

    friend bool operator==(const SelectionMarkTable&, const SelectionMarkTable&) = default;
};

}  // namespace mirel
