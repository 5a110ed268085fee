#pragma once
// Window 1: one page of the viewed generation as a 5 x 4 grid. Hovering
// shows a face in window 2, a left double-click marks it, Enter breeds the
// next generation, Up and Down browse the generations, a right double-click
// saves the face.

#include "views/MirelView.h"

namespace mirel {

class CChild1View final : public MirelView {
    Q_OBJECT
public:
    CChild1View(CMirelDoc& document, QWidget* parent);

    void drawView(QPainter& painter, QSize clientSize) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace mirel
