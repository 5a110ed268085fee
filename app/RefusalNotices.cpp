#include "app/RefusalNotices.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSize>

#include <algorithm>
#include <array>

#include "document/CMirelDoc.h"
#include "document/ViewLayout.h"

namespace mirel {
namespace {

// The keys window 1 answers; elsewhere they reach no grid.
constexpr std::array kGridKeys = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Up,
                                  Qt::Key_Down,   Qt::Key_PageUp, Qt::Key_PageDown};

QString keyRefusal(const CMirelDoc& document, int view, const QKeyEvent& key) {
    if (std::find(kGridKeys.begin(), kGridKeys.end(), key.key()) == kGridKeys.end()) return {};
    if (view != kGridView) {
        return QCoreApplication::translate(
            "RefusalNotices",
            "キーはウィンドウ1（左の一覧）の上で使えます");
    }
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && document.currentSelection().count < 1) {
        return QCoreApplication::translate(
            "RefusalNotices",
            "印がありません。先にダブルクリックで印を");
    }
    return {};
}

QString doubleClickRefusal(const CMirelDoc& document, QSize viewSize, const QMouseEvent& click) {
    if (document.currentSelection().count < kMaxMarks) return {};
    // The view lays out from its own size once the grid has been drawn.
    const int cellSize =
        document.cellSize == 0 ? 0 : layoutGrid(viewSize.width(), viewSize.height()).cellSize;
    const QPoint at = click.position().toPoint();
    if (!cellAt(cellSize, at.x(), at.y())) return {};
    if (click.button() == Qt::LeftButton) {
        // A marked face is unmarked as usual; only a 61st mark is refused.
        const int cell = *cellAt(cellSize, at.x(), at.y());
        if (document.IsMarked({document.viewedGeneration, document.page * kCellsPerPage + cell})) {
            return {};
        }
        return QCoreApplication::translate(
            "RefusalNotices", "選べるのは60個までです。印を外すか Enter で次の世代へ");
    }
    if (click.button() == Qt::RightButton) {
        return QCoreApplication::translate(
            "RefusalNotices",
            "印が60個の間は、ウィンドウ2の右ダブルクリックで保存");
    }
    return {};
}

}  // namespace

QString refusalReason(const CMirelDoc& document, int view, QSize viewSize, const QEvent& event) {
    if (event.type() == QEvent::KeyPress) {
        return keyRefusal(document, view, static_cast<const QKeyEvent&>(event));
    }
    if (event.type() == QEvent::MouseButtonDblClick && view == kGridView) {
        return doubleClickRefusal(document, viewSize, static_cast<const QMouseEvent&>(event));
    }
    return {};
}

}  // namespace mirel
