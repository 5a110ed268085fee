#include "render/QPainterCanvas.h"

#include <QBrush>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <map>
#include <variant>

namespace mirel {
namespace {

QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}

QPen solidPen(int width, Rgb colour) {
    // Width 0 is Qt's one-pixel cosmetic pen, as it is for the metafile.
    return QPen(QBrush(toQColor(colour)), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

QPolygon toQPolygon(std::span<const IntPoint> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const IntPoint& p : points) polygon.append(QPoint(p.x, p.y));
    return polygon;
}

}  // namespace

struct QPainterCanvas::State {
    State(QPainter& p, LineJoins j) : painter(p), joins(j) {}

    QPainter& painter;
    const LineJoins joins;
    QPen savedPen;
    QBrush savedBrush;
    bool savedAntialiasing = false;
    std::map<ObjectHandle, std::variant<QPen, QBrush>> objects;
    ObjectHandle nextHandle = 1;
    ObjectHandle currentPen = kStockPen;
    ObjectHandle currentBrush = kStockBrush;
    QPoint position;
};

QPainterCanvas::QPainterCanvas(QPainter& painter, bool antialiased, LineJoins joins)
    : state_(std::make_unique<State>(painter, joins)) {
    state_->savedPen = painter.pen();
    state_->savedBrush = painter.brush();
    state_->savedAntialiasing = painter.testRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::Antialiasing, antialiased);
    state_->objects.emplace(kStockPen, solidPen(1, kBlack));
    state_->objects.emplace(kStockBrush, QBrush(toQColor(kWhite)));
    painter.setPen(std::get<QPen>(state_->objects.at(kStockPen)));
    painter.setBrush(std::get<QBrush>(state_->objects.at(kStockBrush)));
}

QPainterCanvas::~QPainterCanvas() {
    state_->painter.setPen(state_->savedPen);
    state_->painter.setBrush(state_->savedBrush);
    state_->painter.setRenderHint(QPainter::Antialiasing, state_->savedAntialiasing);
}

ObjectHandle QPainterCanvas::createPen(int width, Rgb colour) {
    const ObjectHandle handle = state_->nextHandle++;
    state_->objects.emplace(handle, solidPen(width, colour));
    return handle;
}

ObjectHandle QPainterCanvas::createBrush(Rgb colour) {
    const ObjectHandle handle = state_->nextHandle++;
    state_->objects.emplace(handle, QBrush(toQColor(colour)));
    return handle;
}

ObjectHandle QPainterCanvas::select(ObjectHandle object) {
    const auto found = state_->objects.find(object);
    if (found == state_->objects.end()) return object;  // unknown handle: nothing changes
    if (const auto* pen = std::get_if<QPen>(&found->second)) {
        state_->painter.setPen(*pen);
        return std::exchange(state_->currentPen, object);
    }
    state_->painter.setBrush(std::get<QBrush>(found->second));
    return std::exchange(state_->currentBrush, object);
}

void QPainterCanvas::deleteObject(ObjectHandle object) {
    if (object == kStockPen || object == kStockBrush) return;
    if (object == state_->currentPen || object == state_->currentBrush) return;
    state_->objects.erase(object);
}

void QPainterCanvas::moveTo(int x, int y) {
    state_->position = QPoint(x, y);
}

void QPainterCanvas::lineTo(int x, int y) {
    const QPoint to(x, y);
    state_->painter.drawLine(state_->position, to);
    state_->position = to;
}

void QPainterCanvas::polyline(std::span<const IntPoint> points) {
    if (points.empty()) return;
    QPainter& painter = state_->painter;
    if (state_->joins == LineJoins::Round) {
        painter.drawPolyline(toQPolygon(points));
        return;
    }
    const QPen pen = painter.pen();
    QPen bevelled = pen;
    bevelled.setJoinStyle(Qt::BevelJoin);
    painter.setPen(bevelled);
    painter.drawPolyline(toQPolygon(points));
    painter.setPen(pen);
}

void QPainterCanvas::polygon(std::span<const IntPoint> points) {
    if (points.empty()) return;
    state_->painter.drawPolygon(toQPolygon(points), Qt::OddEvenFill);
}

void QPainterCanvas::ellipse(int left, int top, int right, int bottom) {
    state_->painter.drawEllipse(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)));
}

void QPainterCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    state_->painter.fillRect(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)),
                             toQColor(colour));
}

}  // namespace mirel
