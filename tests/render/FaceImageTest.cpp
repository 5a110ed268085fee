// DrawFace through the QPainter canvas into a bitmap.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <set>
#include <tuple>

#include "FixtureFace.h"
#include "render/DrawFace.h"
#include "render/FaceColours.h"
#include "render/QPainterCanvas.h"

namespace mirel {
namespace {

constexpr int kSide = 300;

QImage render(FaceRecord record, bool antialiased = false) {
    QImage image(kSide, kSide, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter, antialiased);
    DrawFace(record, canvas, kSide / 2.0, kSide / 2.0, kSide, facePenWidth(kSide));
    return image;
}

// Pixels whose colour is found nowhere within a pixel of their mirror image
// about x = 150. Pixel x covers [x, x + 1), so its mirror is pixel 299 - x;
// the truncation of positive device coordinates can move a mirrored vertex
// by one more unit.
int asymmetricPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb here = image.pixel(x, y);
            bool matched = false;
            for (int my = y - 1; my <= y + 1 && !matched; ++my) {
                for (int mx = kSide - 2 - x; mx <= kSide + 1 - x && !matched; ++mx) {
                    matched = image.valid(mx, my) && image.pixel(mx, my) == here;
                }
            }
            if (!matched) ++count;
        }
    }
    return count;
}

QRgb rgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

TEST(FaceImage, TheFaceIsMirrorSymmetricAboutItsCentreLine) {
    // Without hair: where the hair is fitted onto the outline, a one-unit
    // shift of its edge uncovers a pixel of the outline's stroke on one side
    // (the hair's own symmetry is checked on its polygons).
    EXPECT_EQ(asymmetricPixels(render(test::fixtureFaceWithoutHair())), 0);
}

TEST(FaceImage, AOneSidedLineBreaksTheSymmetry) {
    // F24 = 1 strokes the nose ridge on the stored side only: the check sees it.
    FaceRecord record = test::fixtureFaceWithoutHair();
    record.face.flags[24] = 1;
    EXPECT_GT(asymmetricPixels(render(record)), 40);
}

TEST(FaceImage, SizeThreeHundredDrawsFaceSpaceOneToOne) {
    const QImage image = render(test::fixtureFaceWithoutHair());
    struct Probe {
        const char* name;
        int x, y;
        Rgb colour;
    };
    const Probe probes[] = {
        {"corner", 2, 2, kWhite},
        {"forehead", 150, 110, SkinColour},
        {"cheek", 90, 190, SkinColour},
        {"pupil", 100, 145, PupilColour},
        {"pupil highlight", 105, 145, kWhite},
        {"mirrored pupil", 200, 145, PupilColour},
        {"upper lip", 140, 219, LipColour},
        {"eyebrow", 115, 115, EyebrowColour},
        {"neck", 150, 280, SkinColour},
        {"beside the neck", 100, 280, kWhite},
    };
    for (const Probe& p : probes) {
        EXPECT_EQ(image.pixel(p.x, p.y), rgb(p.colour)) << p.name;
    }
}

TEST(FaceImage, AliasedDrawingUsesOnlyTheFacesColours) {
    const std::set<QRgb> palette = {rgb(kWhite),       rgb(kBlack),    rgb(SkinColour),
                                    rgb(HairColour),   rgb(LipColour), rgb(PupilColour),
                                    rgb(EyebrowColour)};
    const QImage image = render(test::fixtureFace());
    int foreign = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) foreign += palette.count(image.pixel(x, y)) == 0 ? 1 : 0;
    }
    EXPECT_EQ(foreign, 0);

    const QImage smooth = render(test::fixtureFace(), true);
    int blended = 0;
    for (int y = 0; y < kSide; ++y) {
        for (int x = 0; x < kSide; ++x) blended += palette.count(smooth.pixel(x, y)) == 0 ? 1 : 0;
    }
    EXPECT_GT(blended, 0) << "antialiasing on request";
}

TEST(QPainterCanvas, RestoresThePaintersPenAndBrush) {
    QImage image(10, 10, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::green, 3));
    painter.setBrush(QBrush(Qt::blue));
    {
        QPainterCanvas canvas(painter);
        const ObjectHandle pen = canvas.createPen(5, {1, 2, 3});
        canvas.select(pen);
        EXPECT_EQ(painter.pen().color(), QColor(1, 2, 3));
        EXPECT_EQ(painter.pen().width(), 5);
        EXPECT_EQ(painter.pen().capStyle(), Qt::RoundCap);
        EXPECT_EQ(painter.pen().joinStyle(), Qt::RoundJoin);
        EXPECT_EQ(canvas.select(kStockPen), pen);
        EXPECT_EQ(painter.pen().color(), QColor(Qt::black));
        EXPECT_EQ(painter.brush().color(), QColor(Qt::white));
    }
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
    EXPECT_EQ(painter.brush().color(), QColor(Qt::blue));
}

}  // namespace
}  // namespace mirel
