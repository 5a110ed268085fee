#include "views/CChild2View.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/CMirelDoc.h"
#include "render/QPainterCanvas.h"

namespace mirel {

CChild2View::CChild2View(CMirelDoc& document, QWidget* parent) : MirelView(document, parent) {
    setObjectName(QStringLiteral("window2"));
}

void CChild2View::drawView(QPainter& painter, QSize clientSize) {
    // Smooth lines on screen; paper and the saved pictures stay aliased.
    QPainterCanvas canvas(painter, painter.device() == this);
    document().DrawDetailWindow(canvas, clientSize.width(), clientSize.height());
}

void CChild2View::mouseMoveEvent(QMouseEvent* event) {
    CMirelDoc& doc = document();
    if (doc.activeView != kDetailView) doc.ActivateView(kDetailView);
    MirelView::mouseMoveEvent(event);
}

void CChild2View::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        CMirelDoc& doc = document();
        doc.SaveFace(doc.hoveredFace());
    }
    MirelView::mouseDoubleClickEvent(event);
}

}  // namespace mirel
