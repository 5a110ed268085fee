// The screen's faster drawing of the shipped samples (each face in a tile of
// its own, strokes joined into polylines with bevel joins) puts exactly the
// pixels of the segment-by-segment drawing in place on an aliased raster, at
// every face pen width the grid uses.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ShippedBank.h"
#include "render/DrawFace.h"
#include "render/FaceTile.h"
#include "render/QPainterCanvas.h"

namespace mirel {
namespace {

// Pen widths 1, 1, 2, 2 and 3; even, as grid cells are, but for 185.
constexpr int kCellSizes[] = {112, 185, 186, 218, 372};
constexpr int kSampleCount = 20;

QImage blank(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The face `size` units large, centred on an image `side` pixels square.
// The face `size` units large, centred on an image `side` pixels square.
QImage drawnInPlace(int record, int size, int side) {
    FaceRecord face = test::shippedBank().records[record];
    QImage image = blank(side);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    DrawFace(face, canvas, side / 2, side / 2, size, facePenWidth(size));
    return image;
}

// The screen's way, aliased: a tile with joined strokes, laid on white.
QImage drawnAsTile(int record, int size, int margin) {
    FaceRecord face = test::shippedBank().records[record];
    PrepareFace(face);
    const FaceTile tile = DrawFaceTile(face, {size, facePenWidth(size), margin, 1.0, false});
    QImage laid = blank(size + 2 * margin);
    QPainter(&laid).drawImage(tile.content.topLeft(), tile.image, tile.content);
    return laid;
}

// Pixels that differ, so a failure says how far apart the pictures are.
int differingPixels(const QImage& a, const QImage& b) {
    if (a.size() != b.size()) return -1;
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
    return count;
}

TEST(SampleBankPixels, TheScreensFasterDrawingPutsTheSamePixels) {
    ASSERT_EQ(test::shippedBank().loadError, "");
    constexpr int kMargin = 9;
    for (const int size : kCellSizes) {
        for (int r = 0; r < kSampleCount; ++r) {
            EXPECT_EQ(differingPixels(drawnAsTile(r, size, kMargin),
                                      drawnInPlace(r, size, size + 2 * kMargin)),
                      0)
                << "facebank" << r + 1 << " at " << size;
        }
    }
}

}  // namespace
}  // namespace mirel
