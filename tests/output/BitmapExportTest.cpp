#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QPainter>

#include "OutputFixtures.h"
#include "TempDir.h"
#include "output/BitmapExport.h"
#include "render/DrawFace.h"
#include "render/QPainterCanvas.h"

namespace mirel {
namespace {

constexpr std::size_t kBmpHeaderBytes = 14 + 40;

std::uint32_t le32(const std::string& b, std::size_t at) {
    std::uint32_t v = 0;
    for (int k = 3; k >= 0; --k) v = (v << 8) | static_cast<unsigned char>(b.at(at + k));
    return v;
}

std::uint16_t le16(const std::string& b, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b.at(at)) |
                                      (static_cast<unsigned char>(b.at(at + 1)) << 8));
}

// What window 2 would show: the face on white, origin (h, h), size n.
QImage drawnBy(int n, int penWidth) {
    QImage image(n, n, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    FaceRecord copy = test::pictureFace();
    DrawFace(copy, canvas, n / 2, n / 2, n, penWidth);
    return image;
}

TEST(BitmapExportTest, HeaderIsUncompressed24BitBottomUp) {
    struct Case {
        int detailSize;
        int side;
    };
    const Case cases[] = {{181, 180}, {300, 300}, {183, 182}, {2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE("detailSize " + std::to_string(c.detailSize));
        test::TempDir dir;
        ASSERT_EQ(ExportBitmap(test::pictureFace(), c.detailSize, dir.path() / "f.bmp"),
                  std::nullopt);
        const std::string b = dir.read("f.bmp");
        ASSERT_GE(b.size(), kBmpHeaderBytes);
        const std::size_t rowBytes = (3u * c.side + 3u) / 4u * 4u;
        EXPECT_EQ(b.substr(0, 2), "BM");
        EXPECT_EQ(le32(b, 2), b.size());                   // file size
        EXPECT_EQ(le32(b, 10), kBmpHeaderBytes);           // pixel data offset
        EXPECT_EQ(le32(b, 14), 40u);                       // BITMAPINFOHEADER
        EXPECT_EQ(static_cast<int>(le32(b, 18)), c.side);  // width
        EXPECT_EQ(static_cast<int>(le32(b, 22)), c.side);  // positive height: bottom-up
        EXPECT_EQ(le16(b, 26), 1);                         // planes
        EXPECT_EQ(le16(b, 28), 24);                        // bits per pixel
        EXPECT_EQ(le32(b, 30), 0u);                        // BI_RGB
        EXPECT_EQ(b.size(), kBmpHeaderBytes + rowBytes * c.side);
    }
}

TEST(BitmapExportTest, PixelsAreTheCentredFaceWithWindow2sPen) {
    struct Case {
        int detailSize;
        int side;
        int penWidth;  // 1 + trunc(side * 0.005384615384615384)
    };
    const Case cases[] = {{181, 180, 1}, {300, 300, 2}, {560, 560, 4}};
    for (const Case& c : cases) {
        SCOPED_TRACE("detailSize " + std::to_string(c.detailSize));
        test::TempDir dir;
        ASSERT_EQ(ExportBitmap(test::pictureFace(), c.detailSize, dir.path() / "f.bmp"),
                  std::nullopt);
        QImage saved(QString::fromStdString((dir.path() / "f.bmp").string()), "BMP");
        ASSERT_FALSE(saved.isNull());
        saved = saved.convertToFormat(QImage::Format_RGB888);
        const QImage expected = drawnBy(c.side, c.penWidth);
        EXPECT_EQ(saved, expected);
        // Wrong pen widths give different pictures, so the check has teeth.
        EXPECT_NE(saved, drawnBy(c.side, c.penWidth + 1));
        EXPECT_EQ(saved.pixelColor(0, 0), QColor(Qt::white));
    }
}

TEST(BitmapExportTest, NoWindow2SizeWritesNothingAndSaysSo) {
    for (const int detailSize : {0, 1, -4}) {
        test::TempDir dir;
        const auto failure = ExportBitmap(test::pictureFace(), detailSize, dir.path() / "f.bmp");
        ASSERT_TRUE(failure.has_value()) << detailSize;
        EXPECT_EQ(*failure, kBitmapNoSizeFailed);
        EXPECT_FALSE(std::filesystem::exists(dir.path() / "f.bmp")) << detailSize;
        EXPECT_TRUE(renderFaceBitmap(test::pictureFace(), detailSize).isNull()) << detailSize;
    }
}

TEST(BitmapExportTest, MissingFolderIsSilentAndSavingTwiceReplaces) {
    test::TempDir dir;
    EXPECT_EQ(ExportBitmap(test::pictureFace(), 200, dir.path() / "Output" / "f.bmp"),
              std::nullopt);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Output"));

    std::filesystem::create_directory(dir.path() / "Output");
    test::ScopedWorkingDir cwd(dir.path());
    ASSERT_EQ(ExportBitmap(test::pictureFace(), 400), std::nullopt);
    ASSERT_EQ(ExportBitmap(test::pictureFace(), 100), std::nullopt);
    const std::string b = dir.read("Output/mirelesakuhin.bmp");
    EXPECT_EQ(static_cast<int>(le32(b, 18)), 100);
    EXPECT_EQ(b.size(), kBmpHeaderBytes + 300u * 100u);
}

}  // namespace
}  // namespace mirel
