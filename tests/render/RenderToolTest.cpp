// The mirel-render tool as a user runs it: outputs, usage errors, exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <QImage>
#include <cstdlib>
#include <string>

#include "FixtureFace.h"
#include "TempDir.h"
#include "output/FaceTextExport.h"
#include "face/SampleLoader.h"
#include "output/MetafileExport.h"
#include "render/FaceColours.h"

namespace mirel {
namespace {

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

class RenderTool : public ::testing::Test {
  protected:
    ToolRun run(const std::string& arguments) const {
        const std::string command = std::string("cd '") + dir.path().string() + "' && '" +
                                    MIREL_RENDER_TOOL + "' " + arguments +
                                    " > stdout.txt 2> stderr.txt";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, dir.read("stdout.txt"),
                dir.read("stderr.txt")};
    }
    void writeFace(const std::string& folder) const {
        const FaceRecord face = test::fixtureFace();
        dir.write(folder + "/face.txt", formatFaceFile(face.face));
        dir.write(folder + "/haegiwa.txt", formatHaegiwaFile(face.hair));
    }
    void writeBank(const std::string& root) const {
        for (int n = 1; n <= 20; ++n) writeFace(root + "/facebank" + std::to_string(n));
        dir.write(root + "/facebank1/kamiyouso.txt", formatKamiyousoFile(HairGene{}));
    }
    QImage image(const std::string& name) const {
        return QImage(QString::fromStdString((dir.path() / name).string()));
    }

    test::TempDir dir;
};

TEST_F(RenderTool, DrawsOneFaceCentredOnAWhiteSquare) {
    writeFace("one");
    const ToolRun r = run("face one face.png --size 120");
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage picture = image("face.png");
    ASSERT_EQ(picture.size(), QSize(120, 120));
    EXPECT_EQ(picture.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_EQ(picture.pixel(60, 45), qRgb(SkinColour.r, SkinColour.g, SkinColour.b));
}

TEST_F(RenderTool, DrawsGenerationZeroAsAFiveByFourGridOfEvenCells) {
    writeBank("bank");
    const ToolRun r = run("grid grid.png --data bank --cell 51");
    ASSERT_EQ(r.status, 0) << r.err;
    const QImage picture = image("grid.png");
    ASSERT_EQ(picture.size(), QSize(250, 200));
    const QRgb skin = qRgb(SkinColour.r, SkinColour.g, SkinColour.b);
    for (int k = 0; k < 20; ++k) {
        const int cx = 25 + 50 * (k % 5);
        const int cy = 25 + 50 * (k / 5);
        EXPECT_EQ(picture.pixel(cx, cy - 8), skin) << "forehead of cell " << k;
        EXPECT_EQ(picture.pixel(cx - 24, cy - 24), qRgb(255, 255, 255)) << "corner of cell " << k;
    }
}

TEST_F(RenderTool, WritesA24BitBitmap) {
    writeFace("one");
    const ToolRun r = run("face one face.bmp");
    ASSERT_EQ(r.status, 0) << r.err;
    const std::string bytes = dir.read("face.bmp");
    ASSERT_GT(bytes.size(), 54u);
    EXPECT_EQ(bytes.substr(0, 2), "BM");
    EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << "bits per pixel";
    EXPECT_EQ(image("face.bmp").size(), QSize(600, 600));
}

TEST_F(RenderTool, WritesTheSameMetafileAsTheApplicationsSave) {
    writeFace("one");
    const ToolRun r = run("face one face.wmf");
    ASSERT_EQ(r.status, 0) << r.err;
    FaceRecord loaded;
    ASSERT_FALSE(loadFaceFolder((dir.path() / "one").string(), loaded));
    ASSERT_TRUE(writeFaceMetafile(loaded, dir.path() / "saved.wmf"));
    const std::string bytes = dir.read("face.wmf");
    ASSERT_GT(bytes.size(), 18u) << "header of a metafile";
    EXPECT_EQ(bytes, dir.read("saved.wmf"));
    EXPECT_NE(bytes.substr(0, 4), std::string("\xD7\xCD\xC6\x9A", 4)) << "no placeable header";
}

TEST_F(RenderTool, WritesSvgAndPdfOfTheChosenSize) {
    writeFace("one");
    struct Case {
        const char* arguments;
        const char* file;
        const char* opening;  // what the format's files begin with
        const char* size;     // the page size as the file states it
    };
    const Case cases[] = {
        {"face one face.svg --size 240", "face.svg", "<?xml", "viewBox=\"0 0 240 240\""},
        {"face one face.pdf --size 240", "face.pdf", "%PDF-", "/MediaBox [0 0 240.000000 240.000000]"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.arguments);
        ASSERT_EQ(r.status, 0) << c.arguments << ": " << r.err;
        const std::string bytes = dir.read(c.file);
        EXPECT_EQ(bytes.rfind(c.opening, 0), 0u) << c.file;
        EXPECT_NE(bytes.find(c.size), std::string::npos) << c.file;
    }
}

TEST_F(RenderTool, UsageErrorsExitWithTwo) {
    writeFace("one");
    const char* cases[] = {
        "",
        "paint out.png",
        "grid",
        "grid out.gif",
        "grid out",
        "grid a.png b.png",
        "grid out.png --cell",
        "grid out.png --cell abc",
        "grid out.png --cell 1",
        "grid out.png --cell -4",
        "grid out.png --size 100",
        "face one",
        "face one out.png --size 0",
        "face one out.png --size 12x",
        "face one out.png --data Data",
        "face one out.png --colour red",
        "grid out.wmf",
        "face one out.wmf --size 300",
        "grid out.svg",
        "grid out.pdf",
    };
    for (const char* arguments : cases) {
        const ToolRun r = run(arguments);
        EXPECT_EQ(r.status, 2) << "'" << arguments << "'";
        EXPECT_NE(r.err.find("usage: mirel-render"), std::string::npos) << "'" << arguments << "'";
        EXPECT_TRUE(dir.read("out.png").empty()) << "'" << arguments << "'";
        EXPECT_TRUE(dir.read("out.wmf").empty()) << "'" << arguments << "'";
    }
}

TEST_F(RenderTool, HelpPrintsTheUsageAndSucceeds) {
    const ToolRun r = run("--help");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("usage: mirel-render"), std::string::npos);
    EXPECT_TRUE(r.err.empty());
}

TEST_F(RenderTool, FileErrorsReportTheReadersMessageAndExitWith255) {
    writeBank("bank");
    std::filesystem::remove(dir.path() / "bank/facebank7/face.txt");
    struct Case {
        const char* arguments;
        const char* message;
    };
    const Case cases[] = {
        {"grid out.png --data bank", "can't open face data file"},
        {"grid out.png", "can't open face data file"},  // no Data in the working folder
        {"face nowhere out.png", "can't open face data file"},
        {"face bank/facebank1 missing-folder/out.png", "cannot write"},
    };
    for (const Case& c : cases) {
        const ToolRun r = run(c.arguments);
        EXPECT_EQ(r.status, 255) << c.arguments;
        EXPECT_EQ(r.err.rfind("error: ", 0), 0u) << c.arguments << ": " << r.err;
        EXPECT_NE(r.err.find(c.message), std::string::npos) << c.arguments << ": " << r.err;
    }
}

}  // namespace
}  // namespace mirel
