// The PNG, SVG and PDF export, read back by readers we did not write:
// librsvg's rsvg-convert for SVG, poppler's pdftoppm for PDF.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdlib>
#include <string>

#include "OutputFixtures.h"
#include "TempDir.h"
#include "output/PictureExport.h"

namespace mirel {
namespace {

constexpr int kSide = 300;

// Runs `command` in a shell; true when it exited with status 0.
bool runs(const std::string& command) {
    const int raw = std::system((command + " 2>/dev/null").c_str());
    return WIFEXITED(raw) && WEXITSTATUS(raw) == 0;
}

// Pixels that are not paper: every line and fill of the face.
bool inked(QRgb pixel) {
    return qRed(pixel) < 230 || qGreen(pixel) < 230 || qBlue(pixel) < 230;
}
// Pixels of the black lines only.
bool dark(QRgb pixel) {
    return qGray(pixel) < 80;
}

// Intersection over union of the pixels `kind` picks in two equal-sized images.
double overlap(const QImage& a, const QImage& b, bool (*kind)(QRgb)) {
    long both = 0;
    long either = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const bool inA = kind(a.pixel(x, y));
            const bool inB = kind(b.pixel(x, y));
            both += inA && inB;
            either += inA || inB;
        }
    }
    return either == 0 ? 0.0 : static_cast<double>(both) / static_cast<double>(either);
}

TEST(PictureExportTest, SvgAndPdfReadByIndependentReadersMatchThePng) {
    test::TempDir dir;
    const auto png = dir.path() / "face.png";
    ASSERT_EQ(ExportPicture(test::pictureFace(), kSide, PictureFormat::Png, png), std::nullopt);
    const QImage reference(QString::fromStdString(png.string()));
    ASSERT_EQ(reference.size(), QSize(kSide, kSide));

    struct Case {
        PictureFormat format;
        const char* file;
        std::string reader;  // writes read.png from the file
    };
    const std::string side = std::to_string(kSide);
    const Case cases[] = {
        {PictureFormat::Svg, "face.svg",
         "rsvg-convert -w " + side + " -h " + side + " -b white -o read.png face.svg"},
        {PictureFormat::Pdf, "face.pdf", "pdftoppm -r 72 -png -singlefile face.pdf read"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        ASSERT_EQ(ExportPicture(test::pictureFace(), kSide, c.format, dir.path() / c.file),
                  std::nullopt);
        std::filesystem::remove(dir.path() / "read.png");
        ASSERT_TRUE(runs("cd '" + dir.path().string() + "' && " + c.reader));
        const QImage read(QString::fromStdString((dir.path() / "read.png").string()));
        // One point per pixel: the page is exactly the PNG's size.
        ASSERT_EQ(read.size(), reference.size());
        // The readers smooth edges the aliased PNG keeps hard: measured 0.97
        // for both kinds of pixel, while the page moved by one pixel brings
        // the lines' overlap down to 0.80.
        EXPECT_GT(overlap(reference, read, inked), 0.95);
        EXPECT_GT(overlap(reference, read, dark), 0.93);
    }
}

TEST(PictureExportTest, FormatFollowsTheExtensionAndFailuresAreReported) {
    EXPECT_EQ(pictureFormatOf("a/face.PNG"), PictureFormat::Png);
    EXPECT_EQ(pictureFormatOf("face.svg"), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatOf("face.Pdf"), PictureFormat::Pdf);
    EXPECT_EQ(pictureFormatOf("face.bmp"), std::nullopt);
    EXPECT_EQ(pictureFormatOf("pdf"), std::nullopt);

    test::TempDir dir;
    for (const PictureFormat format :
         {PictureFormat::Png, PictureFormat::Svg, PictureFormat::Pdf}) {
        // A folder that does not exist: reported, and nothing is left behind.
        EXPECT_EQ(ExportPicture(test::pictureFace(), kSide, format, dir.path() / "no/face"),
                  std::optional<std::string>(kPictureSaveFailed));
        EXPECT_EQ(ExportPicture(test::pictureFace(), 0, format, dir.path() / "face"),
                  std::optional<std::string>(kPictureSaveFailed));
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir.path()));
}

}  // namespace
}  // namespace mirel
