#include "views/DamageCanvas.h"

#include <algorithm>

namespace mirel {
namespace {

constexpr int kStockPenWidth = 1;
constexpr int kNotAPen = -1;

}  // namespace

ObjectHandle DamageCanvas::createPen(int width, Rgb) {
    penWidths_.push_back(width);
    return nextHandle_++;
}

ObjectHandle DamageCanvas::createBrush(Rgb) {
    penWidths_.push_back(kNotAPen);
    return nextHandle_++;
}

ObjectHandle DamageCanvas::select(ObjectHandle object) {
    const bool isPen = object == kStockPen ||
                       (object >= 0 && object < static_cast<ObjectHandle>(penWidths_.size()) &&
                        penWidths_[object] != kNotAPen);
    ObjectHandle& current = isPen ? currentPen_ : currentBrush_;
    const ObjectHandle previous = current;
    current = object;
    return previous;
}

int DamageCanvas::penWidth() const {
    return currentPen_ == kStockPen ? kStockPenWidth : penWidths_[currentPen_];
}

void DamageCanvas::deleteObject(ObjectHandle) {}

void DamageCanvas::moveTo(int x, int y) { position_ = {x, y}; }

void DamageCanvas::lineTo(int x, int y) {
    const IntPoint segment[] = {position_, {x, y}};
    touchPoints(segment);
    position_ = {x, y};
}

void DamageCanvas::polyline(std::span<const IntPoint> points) { touchPoints(points); }

void DamageCanvas::polygon(std::span<const IntPoint> points) { touchPoints(points); }

void DamageCanvas::ellipse(int left, int top, int right, int bottom) {
    touch(QRect(QPoint(left, top), QPoint(right, bottom)).normalized(), true);
}

void DamageCanvas::fillRect(int left, int top, int right, int bottom, Rgb) {
    touch(QRect(QPoint(left, top), QPoint(right - 1, bottom - 1)).normalized(), false);
}

void DamageCanvas::touchPoints(std::span<const IntPoint> points) {
    if (points.empty()) return;
    int left = points.front().x;
    int right = left;
    int top = points.front().y;
    int bottom = top;
    for (const IntPoint& p : points) {
        left = std::min(left, p.x);
        right = std::max(right, p.x);
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    touch(QRect(QPoint(left, top), QPoint(right, bottom)), true);
}

void DamageCanvas::touch(QRect area, bool stroked) {
    // A pen of width w reaches w / 2 beyond the path on each side; one more
    // pixel covers the rounding of odd widths and round caps.
    const int margin = stroked ? penWidth() / 2 + 1 : 0;
    bounds_ |= area.adjusted(-margin, -margin, margin, margin);
}

}  // namespace mirel
