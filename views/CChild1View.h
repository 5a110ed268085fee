#pragma once
// Window 1: one page of the viewed generation as a 5 x 4 grid. Hovering
// shows a face in window 2, a left double-click marks it, Enter breeds the
// next generation, Up and Down browse the generations, PageDown and PageUp
// the three pages of one, a right double-click saves the face. A click
// chooses a face (framed in its own colour), Esc clears the choice.

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    // Starts drawing, while the window is idle, the pages Up and Down show next.
    void prefetchNeighbours();
    // Frames of one document share its grid geometry, which is the last drawn
    // window's; input is hit-tested with this window's own (once laid out).
    void adoptOwnLayout();
    // The chosen face's frame, when it is on the page shown.
    void drawChosenFrame(QPainter& painter) const;

    // What the window shows: a page of a generation at a client size.
    struct Showing {
        int generation = -1;
        int page = -1;
        QSize client;
        qreal ratio = 0.0;
        bool innerFaceFirst = false;

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
};

}  // namespace mirel
