#pragma once
// A canvas that draws nothing and stops the process at the first device
// coordinate outside +-limit: a face that loads must never be drawn at the
// clamped ends of the integer range.

#include <span>

#include "render/Canvas.h"

namespace mirel::fuzz {

class BoundedCanvas final : public Canvas {
  public:
    explicit BoundedCanvas(int limit) : limit_(limit) {}

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
    void check(int value, const char* operation) const;
    void check(std::span<const IntPoint> points, const char* operation) const;

    int limit_;
    ObjectHandle nextHandle_ = 1;
};

}  // namespace mirel::fuzz
