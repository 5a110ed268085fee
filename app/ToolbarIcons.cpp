#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPixmap>

#include <functional>

namespace mirel {
namespace {

constexpr int kSide = 16;
const QColor kInk(40, 40, 40);
const QColor kPaper(250, 250, 250);
const QColor kBoard(176, 124, 64);

QIcon drawnIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(kSide, kSide);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(kInk, 1));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace

// A desktop whose icon theme has these icons shows its own.
QIcon cutIcon() {
    return QIcon::fromTheme(QStringLiteral("edit-cut"), drawnIcon([](QPainter& p) {
        p.drawLine(QPointF(4.5, 1.5), QPointF(10.5, 10.5));
        p.drawLine(QPointF(11.5, 1.5), QPointF(5.5, 10.5));
        p.drawEllipse(QPointF(4.5, 12.5), 2.5, 2.5);
        p.drawEllipse(QPointF(11.5, 12.5), 2.5, 2.5);
    }));
}

QIcon copyIcon() {
    return QIcon::fromTheme(QStringLiteral("edit-copy"), drawnIcon([](QPainter& p) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(1.5, 1.5, 8, 10));
        p.drawRect(QRectF(6.5, 4.5, 8, 10));
    }));
}

QIcon pasteIcon() {
    return QIcon::fromTheme(QStringLiteral("edit-paste"), drawnIcon([](QPainter& p) {
        p.setBrush(kBoard);
        p.drawRect(QRectF(1.5, 2.5, 10, 12));
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 4, 2));
        p.drawRect(QRectF(6.5, 6.5, 8, 8));
    }));
}

QIcon printIcon() {
    return QIcon::fromTheme(QStringLiteral("document-print"), drawnIcon([](QPainter& p) {
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 1.5, 7, 5));
        p.setBrush(QColor(150, 150, 150));
        p.drawRoundedRect(QRectF(1.5, 6.5, 13, 6), 1, 1);
        p.setBrush(kPaper);
        p.drawRect(QRectF(4.5, 10.5, 7, 4));
    }));
}

}  // namespace mirel
