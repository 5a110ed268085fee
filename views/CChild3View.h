#pragma once
// Window 3: a blank pane below window 2. Moving the mouse over it makes it
// the active view, which takes the keys away from window 1.

#include "views/MirelView.h"

namespace mirel {

class CChild3View final : public MirelView {
    Q_OBJECT
public:
    CChild3View(CMirelDoc& document, QWidget* parent);

    void drawView(QPainter& painter, QSize clientSize) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};

}  // namespace mirel
