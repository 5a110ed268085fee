// The screen's faster drawing of the shipped samples: strokes joined into
// polylines put exactly the pixels of the segment-by-segment strokes on an
// aliased raster, at every face pen width the grid uses.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "ShippedBank.h"
#include "render/DrawFace.h"
#include "render/FaceTile.h"
#include "render/QPainterCanvas.h"
#include "render/StrokeJoiner.h"

namespace mirel {
namespace {

// Pen widths 1, 1, 2, 2 and 3.
constexpr int kCellSizes[] = {112, 185, 186, 218, 372};
constexpr int kSampleCount = 20;

QImage blank(int size) {
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// The face `size` units large, centred on an image `side` pixels square.
QImage drawn(int record, int size, int side, bool joined) {
    FaceRecord face = test::shippedBank().records[record];
    QImage image = blank(side);
    QPainter painter(&image);
    QPainterCanvas device(painter);
    StrokeJoiner joiner(device);
    Canvas& canvas = joined ? static_cast<Canvas&>(joiner) : device;
    DrawFace(face, canvas, side / 2, side / 2, size, facePenWidth(size));
    return image;
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

TEST(SampleBankPixels, JoinedStrokesDrawTheSamePixelsAsSegments) {
    ASSERT_EQ(test::shippedBank().loadError, "");
    for (const int size : kCellSizes) {
        for (int r = 0; r < kSampleCount; ++r) {
            EXPECT_EQ(differingPixels(drawn(r, size, size, true), drawn(r, size, size, false)), 0)
                << "facebank" << r + 1 << " at " << size;
        }
    }
}

TEST(SampleBankPixels, AFaceTileLaidOnWhiteIsTheFaceDrawnInPlace) {
    ASSERT_EQ(test::shippedBank().loadError, "");
    constexpr int kMargin = 9;
    for (const int size : {112, 218}) {  // even, as grid cells are
        for (int r = 0; r < kSampleCount; ++r) {
            FaceRecord face = test::shippedBank().records[r];
            PrepareFace(face);
            const FaceTile tile =
                DrawFaceTile(face, {size, facePenWidth(size), kMargin, 1.0, false});
            QImage laid = blank(size + 2 * kMargin);
            QPainter(&laid).drawImage(tile.content.topLeft(), tile.image, tile.content);
            EXPECT_EQ(differingPixels(laid, drawn(r, size, size + 2 * kMargin, false)), 0)
                << "facebank" << r + 1 << " at " << size;
        }
    }
}

}  // namespace
}  // namespace mirel
