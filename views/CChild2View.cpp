#include "views/CChild2View.h"

#include <QMouseEvent>
#include <QPainter>

#include "document/CMirelDoc.h"
#include "render/QPainterCanvas.h"
#include "render/SelectionMarks.h"
#include "views/PartNames.h"

namespace mirel {

CChild2View::CChild2View(CMirelDoc& document, QWidget* parent) : MirelView(document, parent) {
    setObjectName(QStringLiteral("window2"));
}

void CChild2View::drawView(QPainter& painter, QSize clientSize) {
    // Smooth lines on screen; paper and the saved pictures stay aliased.
    QPainterCanvas canvas(painter, painter.device() == this);
    const bool screen = painter.device() == this;
    document().DrawDetailWindow(canvas, clientSize.width(), clientSize.height(),
                                FaceStyle{screen && document().innerFaceFirst()});
    if (painter.device() == this) {
        drawLockMarker(painter);
        drawChosenMarker(painter, clientSize);
    }
}

void CChild2View::drawChosenMarker(QPainter& painter, QSize clientSize) const {
    const CMirelDoc& doc = document();
    const std::optional<GeneRef>& chosen = doc.chosenFace();
    // Named only while it is what this pane shows: what a command acts on.
    if (!chosen || doc.detailRef() != *chosen) return;
    const QString name = tr("選んだ顔 %1・%2").arg(chosen->generation).arg(chosen->index);
    constexpr int kMargin = 4;
    painter.save();
    painter.setPen(kChosenColour);
    const QFontMetrics metrics = painter.fontMetrics();
    const int width = metrics.horizontalAdvance(name);
    painter.drawText(QRect(clientSize.width() - width - kMargin, kMargin, width, metrics.height()),
                     Qt::AlignRight | Qt::AlignTop, name);
    painter.restore();
}

void CChild2View::drawLockMarker(QPainter& painter) const {
    const QString summary = lockSummary(document().partLocks());
    if (summary.isEmpty()) return;
    // A small label in the corner, in the mark colour, clear of the face.
    constexpr int kMargin = 4;
    painter.save();
    painter.setPen(QColor(MarkColour.r, MarkColour.g, MarkColour.b));
    const QFontMetrics metrics = painter.fontMetrics();
    const QRect box(kMargin, kMargin, metrics.horizontalAdvance(summary) + kMargin,
                    metrics.height());
    painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, summary);
    painter.restore();
}

void CChild2View::mouseMoveEvent(QMouseEvent* event) {
    CMirelDoc& doc = document();
    if (doc.activeView != kDetailView) doc.ActivateView(kDetailView);
    MirelView::mouseMoveEvent(event);
}

void CChild2View::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        CMirelDoc& doc = document();
        // The chosen face, when there is one, is the face this pane shows.
        doc.SaveFace(doc.chosenFace() ? doc.theFace() : doc.hoveredFace());
        emitHint(UserAction::Saved);
    }
    MirelView::mouseDoubleClickEvent(event);
}

}  // namespace mirel
