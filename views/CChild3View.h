#pragma once
// Window 3, below window 2: the faces marked so far as small drawings, the
// newest generation's in marking order and, while an older generation is
// viewed, the marks that bred the next one. A click shows the face in
// window 1. Moving the mouse over it makes it the active view, which takes
// the keys away from window 1.

#include "ga/Selection.h"
#include "views/MirelView.h"

namespace mirel {

class CChild3View final : public MirelView {
    Q_OBJECT
  public:
    CChild3View(CMirelDoc& document, QWidget* parent);

    void drawView(QPainter& painter, QSize clientSize) override;

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace mirel
