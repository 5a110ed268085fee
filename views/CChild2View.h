#pragma once
// Window 2: the face last under the mouse in window 1, as large as the pane
// allows, with the part locks named in its corner. A right double-click
// saves that stored individual.

#include "views/MirelView.h"

namespace mirel {

class CChild2View final : public MirelView {
    Q_OBJECT
public:
    CChild2View(CMirelDoc& document, QWidget* parent);

    void drawView(QPainter& painter, QSize clientSize) override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void drawLockMarker(QPainter& painter) const;
    void drawChosenMarker(QPainter& painter, QSize clientSize) const;
};

}  // namespace mirel
