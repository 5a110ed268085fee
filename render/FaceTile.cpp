#include "render/FaceTile.h"

#include <QPainter>
#include <QtMath>

#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"
#include "render/StrokeJoiner.h"

namespace mirel {
namespace {

bool rowDrawn(const QImage& image, int y, int left, int right) {
    const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = left; x < right; ++x) {
        if (row[x] != 0) return true;
    }
    return false;
}

// Untouched pixels stay fully transparent, so the drawing's extent is where
// any pixel is not.
QRect drawnPixels(const QImage& image) {
    int top = 0;
    int bottom = image.height();
    while (top < bottom && !rowDrawn(image, top, 0, image.width())) ++top;
    while (bottom > top && !rowDrawn(image, bottom - 1, 0, image.width())) --bottom;
    if (top == bottom) return {};
    int left = image.width();
    int right = 0;
    for (int y = top; y < bottom; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < left; ++x) {
            if (row[x] != 0) left = x;
        }
        for (int x = image.width() - 1; x >= right; --x) {
            if (row[x] != 0) right = x + 1;
        }
    }
    return QRect(left, top, right - left, bottom - top);
}

}  // namespace

FaceTile DrawFaceTile(const FaceRecord& prepared, const FaceTileStyle& style) {
    const int side = style.size + 2 * style.margin;
    const int pixels = qCeil(side * style.devicePixelRatio);
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    image.setDevicePixelRatio(style.devicePixelRatio);
    {
        QPainter painter(&image);
        QPainterCanvas device(painter, style.antialiased, LineJoins::Bevel);
        StrokeJoiner joined(device);
        const double origin = style.margin + style.size / 2;
        DrawPreparedFace(prepared, joined, origin, origin, style.size, style.penWidth);
    }
    const QRect content = drawnPixels(image);
    return {std::move(image), content};
}

}  // namespace mirel
