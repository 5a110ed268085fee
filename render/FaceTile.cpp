#include "render/FaceTile.h"

#include <QPainter>
#include <QtMath>
#include <vector>

#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"
#include "render/StrokeJoiner.h"

namespace mirel {
namespace {

// Untouched pixels stay fully transparent, so the drawing's extent is where
// any pixel is not. One pass without early exits, so the compiler can run it
// several pixels at a time.
QRect drawnPixels(const QImage& image) {
    const int width = image.width();
    std::vector<QRgb> columns(static_cast<std::size_t>(width), 0);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        QRgb any = 0;
        for (int x = 0; x < width; ++x) {
            any |= row[x];
            columns[x] |= row[x];
        }
        if (any != 0) {
            if (top < 0) top = y;
            bottom = y;
        }
    }
    if (top < 0) return {};
    int left = 0;
    while (columns[left] == 0) ++left;
    int right = width - 1;
    while (columns[right] == 0) --right;
    return QRect(QPoint(left, top), QPoint(right, bottom));
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
