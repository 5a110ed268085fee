#pragma once
// Window 1: one page of the viewed generation as a 5 x 4 grid. Hovering
// shows a face in window 2, a left double-click marks it, Enter breeds the
// next generation, Up and Down browse the generations, PageDown and PageUp
// the three pages of one, a right double-click saves the face.

#include <optional>

#include "ga/Selection.h"
#include "views/MirelView.h"
#include "views/PageCache.h"

namespace mirel {

class CChild1View final : public MirelView {
    Q_OBJECT
public:
    CChild1View(CMirelDoc& document, QWidget* parent);

    void drawView(QPainter& painter, QSize clientSize) override;
    // Shows the next (step 1) or previous (step -1) page, if there is one.
    void turnPage(int step);
    // Frames `face` apart from the marks while its page is on show (the face
    // the user picked in window 3's list).
    void highlightFace(GeneRef face);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Starts drawing, while the window is idle, the pages Up and Down show next.
    void prefetchNeighbours();
    // Frames of one document share its grid geometry, which is the last drawn
    // window's; input is hit-tested with this window's own (once laid out).
    void adoptOwnLayout();
    void drawHighlight(QPainter& painter);

    // What the window shows: a page of a generation at a client size.
    struct Showing {
        int generation = -1;
        int page = -1;
        QSize client;
        qreal ratio = 0.0;

        friend bool operator==(const Showing&, const Showing&) = default;
    };

    // Drawn pages are kept, and a mark toggle repaints only its frame over them.
    PageCache pages_;
    Showing showing_;
    // The picture of the faces of showing_, where it sits in the cache and the
    // face pen it was drawn with (the document's geometry may be another
    // frame's by the time the window is idle).
    QImage picture_;
    PageKey shownPage_;
    int shownPenWidth_ = 1;
    bool prefetchQueued_ = false;
    std::optional<GeneRef> highlighted_;
};

}  // namespace mirel
