#include "views/CChild3View.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/CMirelDoc.h"

namespace mirel {

CChild3View::CChild3View(CMirelDoc& document, QWidget* parent) : MirelView(document, parent) {
    setObjectName(QStringLiteral("window3"));
}

void CChild3View::drawView(QPainter& painter, QSize clientSize) {
    // Nothing of its own: the window background, blank on paper.
    if (painter.device() == this) painter.fillRect(QRect(QPoint(0, 0), clientSize), palette().base());
}

void CChild3View::mouseMoveEvent(QMouseEvent* event) {
    CMirelDoc& doc = document();
    if (doc.activeView != kBlankView) doc.ActivateView(kBlankView);
    MirelView::mouseMoveEvent(event);
}

}  // namespace mirel
