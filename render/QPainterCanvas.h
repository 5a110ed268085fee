#pragma once
// A Canvas on a QPainter: windows, the printer and QImage bitmaps. Aliased by
// default, so that a bitmap gets exactly what the metafile gets; a screen
// view may ask for antialiasing.

#include <memory>

#include "render/Canvas.h"

class QPainter;

namespace mirel {

// How polylines join their lines (polygon outlines always join round). Round
// is the device's rule. Bevel is much faster for a wide pen on a raster and
// leaves out only a sliver of the round join outside each bend: the screen's
// joined strokes use it.
enum class LineJoins { Round, Bevel };

class QPainterCanvas final : public Canvas {
  public:
    // The painter must be active and outlive the canvas. Selects the stock
    // pen (black, width 1) and brush (white); the painter's pen and brush are
    // restored when the canvas is destroyed.
    explicit QPainterCanvas(QPainter& painter, bool antialiased = false,
                            LineJoins joins = LineJoins::Round);
    ~QPainterCanvas() override;
    QPainterCanvas(const QPainterCanvas&) = delete;
    QPainterCanvas& operator=(const QPainterCanvas&) = delete;

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
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace mirel
