#pragma once
// The drawing device the face renderer draws on: exactly the operations it
// uses, in the GDI style of create / select / restore / delete. Implemented by
// the QPainter canvas (windows, printer, bitmap), the metafile canvas and the
// recording canvas of the tests.

#include <cstdint>
#include <span>

namespace mirel {

struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

struct IntPoint {
    int x = 0;
    int y = 0;

    friend bool operator==(const IntPoint&, const IntPoint&) = default;
};

// Handle of a pen or brush created on a canvas. A canvas starts with a stock
// pen (black, width 1) and a stock brush (white) selected; their handles are
// kStockPen and kStockBrush.
using ObjectHandle = int;
inline constexpr ObjectHandle kStockPen = -1;
inline constexpr ObjectHandle kStockBrush = -2;

class Canvas {
  public:
    virtual ~Canvas() = default;

    // A solid pen with round caps and joins; width in device units.
    virtual ObjectHandle createPen(int width, Rgb colour) = 0;
    virtual ObjectHandle createBrush(Rgb colour) = 0;
    // Selects a pen or brush and returns the one of the same kind it replaces.
    virtual ObjectHandle select(ObjectHandle object) = 0;
    // The object must not be selected any more.
    virtual void deleteObject(ObjectHandle object) = 0;

    virtual void moveTo(int x, int y) = 0;
    // Line from the current position with the current pen; moves the position.
    virtual void lineTo(int x, int y) = 0;
    virtual void polyline(std::span<const IntPoint> points) = 0;
    // Closed polygon, filled with the current brush by the alternate (odd-even)
    // rule and outlined with the current pen.
    virtual void polygon(std::span<const IntPoint> points) = 0;
    // Ellipse in the box; filled with the current brush, outlined with the pen.
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Fills [left, right) x [top, bottom) with a colour, no outline.
    virtual void fillRect(int left, int top, int right, int bottom, Rgb colour) = 0;
};

}  // namespace mirel
