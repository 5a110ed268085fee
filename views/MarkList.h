#pragma once
// What window 3 lists and where: the newest generation's marks in the order
// they were made and, while an older generation is viewed, the marks that
// bred the generation after it (kept as they were); each face as a small
// drawing with "generation・index" under it.

#include <QRect>
#include <QSize>
#include <vector>

#include "ga/Selection.h"

namespace mirel {

class CMirelDoc;

struct MarkSection {
    // The generation whose marks these are.
    int generation = 0;
    // The newest generation's marks, which marking still changes.
    bool current = true;
    std::vector<GeneRef> faces;

    friend bool operator==(const MarkSection&, const MarkSection&) = default;
};

// The current marks first, then those of the viewed generation when it is an older one.
std::vector<MarkSection> markSections(const CMirelDoc& document);

struct MarkTile {
    GeneRef face;
    QRect picture;  // square, where the face is drawn
    QRect caption;  // under it
};

struct MarkListLayout {
    std::vector<QRect> headers;  // one line per section
    std::vector<MarkTile> tiles;
    int tileSize = 0;
};

// Tiles as large as lets every section fit into `pane` (but never smaller
// than a face can be told apart at; beyond that the list is cut off),
// `lineHeight` being the height of one line of text.
MarkListLayout layoutMarkList(const std::vector<MarkSection>& sections, QSize pane, int lineHeight);

}  // namespace mirel
