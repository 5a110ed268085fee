#pragma once
// Window 1: one page of the viewed generation as a 5 x 4 grid. Hovering
// shows a face in window 2, a left double-click marks it, Enter breeds the
// next generation, Up and Down browse the generations, a right double-click
// saves the face.

#include <QImage>

#include "views/MirelView.h"

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
    // Frames of one document share its grid geometry, which is the last drawn
    // window's; input is hit-tested with this window's own (once laid out).
    void adoptOwnLayout();

    // Which picture of the faces the cache holds.
    struct PageKey {
        int generation = -1;
        int page = -1;
        QSize size;

        friend bool operator==(const PageKey&, const PageKey&) = default;
    };

    // A generation's faces never change once bred, so the screen keeps the
    // drawn page and a mark toggle repaints only its frame over it.
    QImage pageCache_;
    PageKey cachedPage_;
};

}  // namespace mirel
