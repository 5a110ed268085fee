#include "render/FaceTile.h"

#include <QPainter>
#include <QtMath>
#include <algorithm>
#include <limits>

#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"
#include "render/StrokeJoiner.h"

namespace mirel {
namespace {

// Hands every call on and keeps the box around every point drawn, so that
// only that part of a tile needs laying over a page.
class ExtentCanvas final : public Canvas {
  public:
    explicit ExtentCanvas(Canvas& target) : target_(target) {}

    // The box grown by the widest pen's reach and a pixel of antialiasing;
    // empty when nothing was drawn.
    QRectF extent() const {
        if (left_ > right_) return {};
        const double reach = widestPen_ / 2.0 + kAntialiasing;
        return QRectF(QPointF(left_ - reach, top_ - reach),
                      QPointF(right_ + reach, bottom_ + reach));
    }

    ObjectHandle createPen(int width, Rgb colour) override {
        widestPen_ = std::max(widestPen_, width);
        return target_.createPen(width, colour);
    }
    ObjectHandle createBrush(Rgb colour) override { return target_.createBrush(colour); }
    ObjectHandle select(ObjectHandle object) override { return target_.select(object); }
    void deleteObject(ObjectHandle object) override { target_.deleteObject(object); }
    void moveTo(int x, int y) override {
        see(x, y);
        target_.moveTo(x, y);
    }
    void lineTo(int x, int y) override {
        see(x, y);
        target_.lineTo(x, y);
    }
    void polyline(std::span<const IntPoint> points) override {
        for (const IntPoint& p : points) see(p.x, p.y);
        target_.polyline(points);
    }
    void polygon(std::span<const IntPoint> points) override {
        for (const IntPoint& p : points) see(p.x, p.y);
        target_.polygon(points);
    }
    void ellipse(int left, int top, int right, int bottom) override {
        see(left, top);
        see(right, bottom);
        target_.ellipse(left, top, right, bottom);
    }
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override {
        see(left, top);
        see(right, bottom);
        target_.fillRect(left, top, right, bottom, colour);
    }

  private:
    static constexpr double kAntialiasing = 2.0;

    void see(int x, int y) {
        left_ = std::min(left_, x);
        right_ = std::max(right_, x);
        top_ = std::min(top_, y);
        bottom_ = std::max(bottom_, y);
    }

    Canvas& target_;
    int widestPen_ = 1;  // the stock pen
    int left_ = std::numeric_limits<int>::max();
    int right_ = std::numeric_limits<int>::min();
    int top_ = std::numeric_limits<int>::max();
    int bottom_ = std::numeric_limits<int>::min();
};

}  // namespace

FaceTile DrawFaceTile(const FaceRecord& prepared, const FaceTileStyle& style) {
    const int side = style.size + 2 * style.margin;
    const int pixels = qCeil(side * style.devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(style.devicePixelRatio);
    QRectF drawn;
    {
        QPainter painter(&image);
        QPainterCanvas device(painter, style.antialiased, LineJoins::Bevel);
        ExtentCanvas extent(device);
        StrokeJoiner joined(extent);
        const double origin = style.margin + style.size / 2;
        DrawPreparedFace(prepared, joined, origin, origin, style.size, style.penWidth, style.face);
        joined.flush();
        drawn = extent.extent();
    }
    const QRectF scaled(drawn.topLeft() * style.devicePixelRatio,
                        drawn.bottomRight() * style.devicePixelRatio);
    const QRect content = drawn.isEmpty() ? QRect() : scaled.toAlignedRect() & image.rect();
    return {std::move(image), content};
}

}  // namespace mirel
