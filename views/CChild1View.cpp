#include "views/CChild1View.h"

#include <QEnterEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QRegion>
#include <QTimer>
#include <algorithm>

#include "document/CMirelDoc.h"
#include "document/ViewLayout.h"
#include "render/QPainterCanvas.h"
#include "views/DamageCanvas.h"

namespace mirel {
namespace {

constexpr int kChosenFrameMinWidth = 2;

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
    const qreal ratio = devicePixelRatioF();
    const Showing now{doc.viewedGeneration, doc.page, client, ratio, doc.innerFaceFirst()};
    if (now != showing_) {
        // A new page or size brings the stored records up to date, as drawing
        // them does; the cache has their picture if it drew equal records.
        shownPage_ = {now.generation, now.page, doc.cellSize, ratio, now.innerFaceFirst};
        shownPenWidth_ = doc.faceLineWidth;
        picture_ =
            pages_.page(shownPage_, shownPenWidth_, doc.PreparePageFaces(now.generation, now.page));
        showing_ = now;
    }
    // The same steps as drawView, with the faces taken from the cache.
    QPainter painter(this);
    const QRect area = event->rect();
    const QRect pictured = area & QRect(QPoint(0, 0), pagePictureSize(doc.cellSize));
    if (!pictured.isEmpty()) {
        painter.drawImage(
            pictured, picture_,
            QRectF(QPointF(pictured.topLeft()) * ratio, QSizeF(pictured.size()) * ratio));
    }
    for (const QRect& rest : QRegion(area).subtracted(pictured)) painter.fillRect(rest, Qt::white);
    QPainterCanvas canvas(painter, true);
    doc.RedrawMarks(canvas);
    drawChosenFrame(painter);
    doc.UpdateStatusText();
    doc.PageShown();
    if (!prefetchQueued_) {
        prefetchQueued_ = true;
        QTimer::singleShot(0, this, &CChild1View::prefetchNeighbours);
    }
}

void CChild1View::drawChosenFrame(QPainter& painter) const {
    const CMirelDoc& doc = document();
    const std::optional<GeneRef>& chosen = doc.chosenFace();
    if (!chosen || chosen->generation != doc.viewedGeneration ||
        chosen->index / kCellsPerPage != doc.page || doc.cellSize <= 0) {
        return;
    }
    // Dashed and blue inside where a mark's frame goes, so a face can be
    // chosen and marked at once and both show.
    const int cell = chosen->index % kCellsPerPage;
    const int width = std::max(kChosenFrameMinWidth, doc.markLineWidth);
    const int inset = 3 * doc.markLineWidth;
    const QRect box(doc.cellSize * (cell % kGridColumns), doc.cellSize * (cell / kGridColumns),
                    doc.cellSize, doc.cellSize);
    painter.save();
    QPen pen(kChosenColour, width, Qt::DashLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(box.adjusted(inset, inset, -inset, -inset));
    painter.restore();
}

void CChild1View::prefetchNeighbours() {
    prefetchQueued_ = false;
    CMirelDoc& doc = document();
    const PageKey shown = shownPage_;
    if (shown.cellSize <= 0) return;
    // Up first: going back through the generations is what is held down;
    // then the neighbouring pages of the generation on show.
    std::vector<PageKey> next;
    for (const int step : {-1, 1}) {
        const int generation = shown.generation + step;
        if (generation >= 0 && generation <= doc.generationCount()) {
            PageKey key = shown;
            key.generation = generation;
            next.push_back(key);
        }
    }
    for (const int step : {1, -1}) {
        const int page = shown.page + step;
        if (page >= 0 && page < kPageCount) {
            PageKey key = shown;
            key.page = page;
            next.push_back(key);
        }
    }
    pages_.prefetch(next, shownPenWidth_, [&doc](const PageKey& key) {
        return doc.PreparedPageCopies(key.generation, key.page);
    });
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
    doc.SetPointerOverGrid(true);
    if (const auto cell = cellUnder(doc, event)) {
        doc.hoverCell = *cell;
        doc.HoverFace(*cell);
    }
    MirelView::mouseMoveEvent(event);
}

void CChild1View::mouseDoubleClickEvent(QMouseEvent* event) {
    adoptOwnLayout();
    CMirelDoc& doc = document();
    if (const auto cell = cellUnder(doc, event)) {
        if (event->button() == Qt::LeftButton) {
            // With 60 marks the document still takes one off, but adds none.
            // Only the cell's frame changes: repaint just what the toggle drew.
            DamageCanvas damage;
            if (recordChange(tr("印の付け外し"), [&] { doc.ToggleMark(damage, *cell); })) {
                update(damage.bounds());
                doc.ChooseFace(*cell);
                emitHint(UserAction::Marked);
            }
        } else if (event->button() == Qt::RightButton && doc.currentSelection().count < kMaxMarks) {
            doc.SaveFace(doc.faceInCell(*cell));
            emitHint(UserAction::Saved);
        }
    }
    MirelView::mouseDoubleClickEvent(event);
}

void CChild1View::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        adoptOwnLayout();
        CMirelDoc& doc = document();
        // The second press of a double-click finds the face chosen already.
        if (const auto cell = cellUnder(doc, event); cell && doc.ChooseFace(*cell)) {
            emitHint(UserAction::Chosen);
        }
    }
    MirelView::mousePressEvent(event);
}

void CChild1View::enterEvent(QEnterEvent* event) {
    document().SetPointerOverGrid(true);
    MirelView::enterEvent(event);
}

void CChild1View::leaveEvent(QEvent* event) {
    document().SetPointerOverGrid(false);
    MirelView::leaveEvent(event);
}

void CChild1View::turnPage(int step) {
    if (document().ShowPage(document().page + step)) emitHint(UserAction::Paged);
}

void CChild1View::keyPressEvent(QKeyEvent* event) {
    CMirelDoc& doc = document();
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        const int before = doc.generationCount();
        recordChange(tr("次の世代"), [&doc] { doc.AdvanceGeneration(); });
        if (doc.generationCount() != before) emitHint(UserAction::Bred);
    }
    if (!event->modifiers().testFlag(Qt::ShiftModifier)) {
        if (key == Qt::Key_Up && doc.viewedGeneration > 0) {
            --doc.viewedGeneration;
            doc.page = 0;
            doc.InvalidateView(kGridView);
            emitHint(UserAction::Browsed);
        } else if (key == Qt::Key_Down && doc.viewedGeneration < doc.generationCount()) {
            ++doc.viewedGeneration;
            doc.page = 0;
            doc.InvalidateView(kGridView);
            emitHint(UserAction::Browsed);
        }
    }
    if (key == Qt::Key_Escape && doc.chosenFace()) {
        doc.ClearChosenFace();
        emitHint(UserAction::Unchosen);
    }
    if (key == Qt::Key_PageDown) turnPage(1);
    if (key == Qt::Key_PageUp) turnPage(-1);
    MirelView::keyPressEvent(event);
}

}  // namespace mirel
