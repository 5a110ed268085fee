#include "views/CChild1View.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

#include "document/CMirelDoc.h"
#include "document/ViewLayout.h"
#include "render/QPainterCanvas.h"
#include "views/DamageCanvas.h"

namespace mirel {
namespace {

std::optional<int> cellUnder(const CMirelDoc& document, const QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    return cellAt(document.cellSize, point.x(), point.y());
}

}  // namespace

CChild1View::CChild1View(CMirelDoc& document, QWidget* parent) : MirelView(document, parent) {
    setObjectName(QStringLiteral("window1"));
}

void CChild1View::drawView(QPainter& painter, QSize clientSize) {
    // Paper gets the aliased lines the saved pictures get; the screen's
    // smooth page comes from paintEvent.
    QPainterCanvas canvas(painter);
    document().DrawGridWindow(canvas, clientSize.width(), clientSize.height());
}

void CChild1View::paintEvent(QPaintEvent* event) {
    CMirelDoc& doc = document();
    const QSize client = size();
    doc.LayoutGrid(client.width(), client.height());
    const PageKey shown{doc.viewedGeneration, doc.page, client};
    const qreal ratio = devicePixelRatioF();
    if (shown != cachedPage_ || pageCache_.devicePixelRatio() != ratio) {
        pageCache_ = QImage(client * ratio, QImage::Format_RGB32);
        pageCache_.setDevicePixelRatio(ratio);
        QPainter cachePainter(&pageCache_);
        QPainterCanvas cacheCanvas(cachePainter, true);
        cacheCanvas.fillRect(0, 0, client.width(), client.height(), kWhite);
        doc.DrawPopulationPage(cacheCanvas);
        cachedPage_ = shown;
    }
    // The same steps as drawView, with the faces taken from the cache.
    QPainter painter(this);
    painter.drawImage(event->rect(), pageCache_,
                      QRectF(QPointF(event->rect().topLeft()) * ratio,
                             QSizeF(event->rect().size()) * ratio));
    QPainterCanvas canvas(painter, true);
    doc.RedrawMarks(canvas);
    doc.UpdateStatusText();
}

void CChild1View::adoptOwnLayout() {
    CMirelDoc& doc = document();
    if (doc.cellSize != 0 && (doc.gridWidth != width() || doc.gridHeight != height())) {
        doc.LayoutGrid(width(), height());
    }
}

void CChild1View::mouseMoveEvent(QMouseEvent* event) {
    adoptOwnLayout();
    CMirelDoc& doc = document();
    if (doc.activeView != kGridView) doc.ActivateView(kGridView);
    if (const auto cell = cellUnder(doc, event)) {
        doc.hoverCell = *cell;
        doc.HoverFace(*cell);
    }
    MirelView::mouseMoveEvent(event);
}

void CChild1View::mouseDoubleClickEvent(QMouseEvent* event) {
    adoptOwnLayout();
    CMirelDoc& doc = document();
    // With 60 marks neither gesture does anything, wherever it lands.
    if (doc.currentSelection().count < kMaxMarks) {
        if (const auto cell = cellUnder(doc, event)) {
            if (event->button() == Qt::LeftButton) {
                // Only the cell's frame changes: repaint just what the toggle drew.
                DamageCanvas damage;
                doc.ToggleMark(damage, *cell);
                update(damage.bounds());
            } else if (event->button() == Qt::RightButton) {
                doc.SaveFace(doc.faceInCell(*cell));
            }
        }
    }
    MirelView::mouseDoubleClickEvent(event);
}

void CChild1View::keyPressEvent(QKeyEvent* event) {
    CMirelDoc& doc = document();
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) doc.AdvanceGeneration();
    if (!event->modifiers().testFlag(Qt::ShiftModifier)) {
        if (key == Qt::Key_Up && doc.viewedGeneration > 0) {
            --doc.viewedGeneration;
            doc.page = 0;
            doc.InvalidateView(kGridView);
        } else if (key == Qt::Key_Down && doc.viewedGeneration < doc.generationCount()) {
            ++doc.viewedGeneration;
            doc.page = 0;
            doc.InvalidateView(kGridView);
        }
    }
    MirelView::keyPressEvent(event);
}

}  // namespace mirel
