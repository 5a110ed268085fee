#include "views/MarkList.h"

#include <algorithm>

#include "document/CMirelDoc.h"

namespace mirel {
namespace {

constexpr int kMargin = 4;
constexpr int kGap = 4;
constexpr int kLargestTile = 128;
constexpr int kSmallestTile = 24;

std::vector<GeneRef> facesOf(const Selection& marks) {
    std::vector<GeneRef> faces;
    for (int k = 0; k < std::clamp(marks.count, 0, kMaxMarks); ++k) faces.push_back(marks.mark(k));
    return faces;
}

int rowsFor(std::size_t count, int columns) {
    return static_cast<int>((count + static_cast<std::size_t>(columns) - 1) /
                            static_cast<std::size_t>(columns));
}

}  // namespace

std::vector<MarkSection> markSections(const CMirelDoc& document) {
    const int newest = document.generationCount();
    const SelectionMarkTable& table = document.marks();
    // Right after breeding the newest Selection is not emptied yet, but counts as empty.
    std::vector<MarkSection> sections{
        {newest, true,
         table.resetPending != 0 ? std::vector<GeneRef>{} : facesOf(document.currentSelection())}};
    const int viewed = document.viewedGeneration;
    if (viewed >= 0 && viewed < newest) {
        sections.push_back(
            {viewed, false, facesOf(table.selections[static_cast<std::size_t>(viewed)])});
    }
    return sections;
}

MarkListLayout layoutMarkList(const std::vector<MarkSection>& sections, QSize pane,
                              int lineHeight) {
    const int width = pane.width() - 2 * kMargin;
    const int header = lineHeight + kGap;
    auto columnsFor = [width](int tile) { return std::max(1, (width + kGap) / (tile + kGap)); };
    auto heightFor = [&](int tile) {
        int total = 2 * kMargin;
        for (const MarkSection& section : sections) {
            total += header +
                     rowsFor(section.faces.size(), columnsFor(tile)) * (tile + lineHeight + kGap);
        }
        return total;
    };
    int tile = std::clamp(width, kSmallestTile, kLargestTile);
    while (tile > kSmallestTile && heightFor(tile) > pane.height()) --tile;

    MarkListLayout layout;
    layout.tileSize = tile;
    const int columns = columnsFor(tile);
    int top = kMargin;
    for (const MarkSection& section : sections) {
        layout.headers.emplace_back(kMargin, top, width, lineHeight);
        top += header;
        for (std::size_t k = 0; k < section.faces.size(); ++k) {
            const int column = static_cast<int>(k) % columns;
            const int row = static_cast<int>(k) / columns;
            const int left = kMargin + column * (tile + kGap);
            const int y = top + row * (tile + lineHeight + kGap);
            layout.tiles.push_back({section.faces[k], QRect(left, y, tile, tile),
                                    QRect(left, y + tile, tile, lineHeight)});
        }
        top += rowsFor(section.faces.size(), columns) * (tile + lineHeight + kGap);
    }
    return layout;
}

}  // namespace mirel
