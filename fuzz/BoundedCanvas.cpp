#include "BoundedCanvas.h"

#include <cstdio>
#include <cstdlib>

namespace mirel::fuzz {

void BoundedCanvas::check(int value, const char* operation) const {
    if (value >= -limit_ && value <= limit_) return;
    std::fprintf(stderr, "%s: device coordinate %d outside +-%d\n", operation, value, limit_);
    std::abort();
}

void BoundedCanvas::check(std::span<const IntPoint> points, const char* operation) const {
    for (const IntPoint& p : points) {
        check(p.x, operation);
        check(p.y, operation);
    }
}

ObjectHandle BoundedCanvas::createPen(int, Rgb) {
    return nextHandle_++;
}
ObjectHandle BoundedCanvas::createBrush(Rgb) {
    return nextHandle_++;
}
ObjectHandle BoundedCanvas::select(ObjectHandle) {
    return kStockPen;
}
void BoundedCanvas::deleteObject(ObjectHandle) {}

void BoundedCanvas::moveTo(int x, int y) {
    check(x, "moveTo");
    check(y, "moveTo");
}

void BoundedCanvas::lineTo(int x, int y) {
    check(x, "lineTo");
    check(y, "lineTo");
}

void BoundedCanvas::polyline(std::span<const IntPoint> points) {
    check(points, "polyline");
}
void BoundedCanvas::polygon(std::span<const IntPoint> points) {
    check(points, "polygon");
}

void BoundedCanvas::ellipse(int left, int top, int right, int bottom) {
    for (const int v : {left, top, right, bottom}) check(v, "ellipse");
}

void BoundedCanvas::fillRect(int left, int top, int right, int bottom, Rgb) {
    for (const int v : {left, top, right, bottom}) check(v, "fillRect");
}

}  // namespace mirel::fuzz
