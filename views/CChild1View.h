#pragma once
// Window 1: one page of the viewed generation as a 5 x 4 grid. Hovering
// shows a face in window 2, a left double-click marks it, Enter breeds the
// next generation, Up and Down browse the generations, a right double-click
// saves the face.

#include "views/MirelView.h"
#include "views/PageCache.h"

namespace mirel {

class CChild1View final : public MirelView {
    Q_OBJECT
public:
    CChild1View(CMirelDoc& document, QWidget* parent);

    void drawView(QPainter& painter, QSize clientSize) override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Starts drawing, while the window is idle, the pages Up and Down show next.
    void prefetchNeighbours();

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
    QImage picture_;  // of the faces of showing_
    bool prefetchQueued_ = false;
};

}  // namespace mirel
