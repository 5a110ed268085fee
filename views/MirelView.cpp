#include "views/MirelView.h"

#include <QPainter>

#include "document/CMirelDoc.h"

namespace mirel {

MirelView::MirelView(CMirelDoc& document, QWidget* parent) : QWidget(parent), document_(document) {
    // The drawing paints every pixel itself, so no erase is needed first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
}

void MirelView::saveDetailFace() {
    document_.SaveFace(document_.theFace());
    emitHint(UserAction::Saved);
}

bool MirelView::recordChange(const QString& text, const std::function<void()>& change) {
    if (recorder_) return recorder_(text, change);
    change();
    return true;
}

void MirelView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawView(painter, size());
}

}  // namespace mirel
