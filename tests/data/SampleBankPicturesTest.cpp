// Exports keep the whole head: every sample, drawn framed, leaves its border
// white with an even margin, and the PNG export of the sample with the
// tallest hair and of the one with the widest ears does too.

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <cmath>

#include "ShippedBank.h"
#include "TempDir.h"
#include "output/PictureExport.h"
#include "render/DrawFace.h"
#include "render/FaceFrame.h"
#include "render/QPainterCanvas.h"

namespace mirel {
namespace {

constexpr int kSampleCount = 20;

// The box of the non-white pixels; empty when there are none.
QRect inkOf(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if ((image.pixel(x, y) & 0xffffff) != 0xffffff) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// The ink leaves every border row and column white, is centred to a pixel on
// both axes and, on the axis it fills, keeps the margin and no more.
void expectFramed(const QImage& image, const std::string& what) {
    SCOPED_TRACE(what);
    const QRect ink = inkOf(image);
    ASSERT_FALSE(ink.isEmpty());
    const int left = ink.left();
    const int right = image.width() - 1 - ink.right();
    const int top = ink.top();
    const int bottom = image.height() - 1 - ink.bottom();
    EXPECT_GT(std::min({left, right, top, bottom}), 0) << "ink on the border";
    EXPECT_LE(std::abs(left - right), 1);
    EXPECT_LE(std::abs(top - bottom), 1);
    const int margin = static_cast<int>(std::lround(image.width() * kFrameMarginPerSide));
    EXPECT_GE(std::min(left, top), margin);
    EXPECT_LE(std::min(left, top), margin + 2) << "the head should fill the picture";
}

TEST(SampleBankPictures, EverySampleDrawnFramedKeepsAnEvenMargin) {
    ASSERT_EQ(test::shippedBank().loadError, "");
    for (int side : {64, 150}) {
        for (int k = 0; k < kSampleCount; ++k) {
            FaceRecord face = test::shippedBank().records[k];
            QImage image(side, side, QImage::Format_RGB32);
            image.fill(Qt::white);
            {
                QPainter painter(&image);
                QPainterCanvas canvas(painter);
                DrawFramedFace(face, canvas, side, side);
            }
            expectFramed(image, "sample " + std::to_string(k + 1) + " at " + std::to_string(side));
        }
    }
}

TEST(SampleBankPictures, PngOfTheTallestHairAndTheWidestEarsHasNoInkOnItsBorder) {
    ASSERT_EQ(test::shippedBank().loadError, "");
    // Centred at the picture's own size, as the windows draw a face: the hair
    // reaching highest, the widest head.
    constexpr int kSide = 300;
    constexpr FacePlacement kCentred{kSide / 2.0, kSide / 2.0, kSide, facePenWidth(kSide)};
    int tallest = 0;
    int widest = 0;
    InkBox tallestBox;
    InkBox widestBox;
    for (int k = 0; k < kSampleCount; ++k) {
        FaceRecord face = test::shippedBank().records[k];
        PrepareFace(face);
        const InkBox box = inkedBox(face, kCentred);
        if (k == 0 || box.top < tallestBox.top) tallest = k, tallestBox = box;
        if (k == 0 || box.width() > widestBox.width()) widest = k, widestBox = box;
    }

    test::TempDir dir;
    for (int k : {tallest, widest}) {
        const auto png = dir.path() / ("face" + std::to_string(k + 1) + ".png");
        ASSERT_EQ(ExportPicture(test::shippedBank().records[k], kDefaultPictureSize,
                                PictureFormat::Png, png),
                  std::nullopt);
        const QImage image(QString::fromStdString(png.string()));
        ASSERT_EQ(image.size(), QSize(kDefaultPictureSize, kDefaultPictureSize));
        expectFramed(image, png.filename().string());
    }
}

}  // namespace
}  // namespace mirel
