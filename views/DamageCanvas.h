#pragma once
// A canvas that draws nothing and only collects the rectangle that the
// drawing would touch, so a view can repaint exactly that part of itself.

#include <QRect>

#include <vector>

#include "render/Canvas.h"

namespace mirel {

class DamageCanvas final : public Canvas {
public:
    // What the calls so far would have painted, pen widths included.
    QRect bounds() const { return bounds_; }

    ObjectHandle createPen(int width, Rgb colour) override;
    ObjectHandle createBrush(Rgb colour) override;
    ObjectHandle select(ObjectHandle object) override;
    void deleteObject(ObjectHandle object) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polyline(std::span<const IntPoint> points) override;
    void polygon(std::span<const IntPoint> points) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;

private:
    int penWidth() const;
    void touch(QRect area, bool stroked);
    void touchPoints(std::span<const IntPoint> points);

    // Width of every object created, by handle; -1 marks a brush.
    std::vector<int> penWidths_;
    ObjectHandle nextHandle_ = 0;
    ObjectHandle currentPen_ = kStockPen;
    ObjectHandle currentBrush_ = kStockBrush;
    IntPoint position_;
    QRect bounds_;
};

}  // namespace mirel
