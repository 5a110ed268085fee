#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <sstream>
#include <vector>

#include "GermanNumericLocale.h"
#include "TempDir.h"
#include "face/AnchorGroups.h"
#include "face/DataFileReader.h"
#include "face/Normalisation.h"
#include "output/FaceTextExport.h"
#include "output/OutputMessages.h"

namespace mirel {
namespace {

// "%12f" keeps six decimals; reading back may be off by half a unit of the last.
constexpr double kSixDecimals = 5.0000001e-7;

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) out.push_back(line);
    return out;
}

// Distinct, awkward values: negatives, many decimals, a face whose points 154
// and 167 differ in y and a hairline off the centre line, so that the readers
// and the normalisation accept the files.
FaceRecord sampleRecord() {
    FaceRecord r;
    for (int i = 0; i < kFacePointCount; ++i) {
        r.face.absPoints[i] = {std::sin(i) * 117.123456789, std::cos(i * 0.7) * -98.7654321 + i};
    }
    r.face.absPoints[154].y = 105.0;
    r.face.absPoints[167].y = -105.0;
    for (int j = 0; j < kFaceFlagCount; ++j) r.face.flags[j] = (j * 7) % 13 - 1;
    for (int i = 0; i < kHaegiwaPointCount; ++i) {
        r.hair.haegiwaAbs[i] = {30.0 + i * 1.25, -i * 2.0000004};
    }
    for (int j = 0; j < kHaegiwaFlagCount; ++j) r.hair.haegiwaFlags[j] = j % 4;
    for (int i = 0; i < kKamiyousoPointCount; ++i) {
        r.hair.kamiyousoAbs[i] = {std::cos(i) * 61.0 + 0.1234567, i * 0.3 - 14.0};
    }
    for (const int slot : kKamiyousoFractionSlots) r.hair.kamiyousoAbs[slot].y = 0.375;
    for (const int slot : kKamiyousoParameterSlots) r.hair.kamiyousoAbs[slot] = {2.0, 0.5};
    for (int j = 0; j < kKamiyousoFlagCount; ++j) r.hair.kamiyousoFlags[j] = 29 - j;
    return r;
}

template <std::size_t N>
void expectPointsNear(const std::array<Point2, N>& got, const std::array<Point2, N>& want,
                      double tolerance, const char* group) {
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, tolerance) << group << " point " << i << " x";
        EXPECT_NEAR(got[i].y, want[i].y, tolerance) << group << " point " << i << " y";
    }
}

TEST(FaceTextExportTest, FaceFileLayout) {
    FaceGene face;
    face.absPoints[0] = {-12.5, 48.25};
    face.absPoints[1] = {1234567.5, -0.0000004};
    face.absPoints[177] = {3.0, 4.0};
    face.flags[0] = -1;
    face.flags[1] = 5;
    face.flags[95] = 123;
    const auto got = lines(formatFaceFile(face));

    ASSERT_EQ(got.size(), 2u + 178u + 3u + 96u);
    struct Case {
        std::size_t line;
        const char* text;
    };
    const Case cases[] = {
        {0, "## feature points ##"},
        {1, ""},
        {2, "   1 :    -12.500000,    48.250000,"},
        {3, "   2 :  1234567.500000,    -0.000000,"},  // wider than 12, not cut
        {4, "   3 :      0.000000,     0.000000,"},
        {179, " 178 :      3.000000,     4.000000,"},
        {180, ""},
        {181, "## feature flag ##"},
        {182, ""},
        {183, "   1 : -1,"},
        {184, "   2 :  5,"},
        {278, "  96 : 123,"},
    };
    for (const Case& c : cases) EXPECT_EQ(got[c.line], c.text) << "line " << c.line;
}

TEST(FaceTextExportTest, DecimalPointDoesNotFollowTheProcessLocale) {
    const test::GermanNumericLocale german;
    if (!german.active()) GTEST_SKIP() << "no locale with a decimal comma available";
    FaceGene face;
    face.absPoints[0] = {-12.5, 48.25};
    EXPECT_EQ(lines(formatFaceFile(face))[2], "   1 :    -12.500000,    48.250000,");
}

TEST(FaceTextExportTest, HaegiwaFileLayout) {
    HairGene hair;
    hair.haegiwaAbs[56] = {-0.5, 7.125};
    hair.haegiwaFlags[34] = 2;
    const auto got = lines(formatHaegiwaFile(hair));
    ASSERT_EQ(got.size(), 2u + 57u + 3u + 35u);
    EXPECT_EQ(got[0], "## haegiwa points ##");
    EXPECT_EQ(got[58], "  57 :     -0.500000,     7.125000,");
    EXPECT_EQ(got[60], "## haegiwa flag ##");
    EXPECT_EQ(got[96], "  35 :  2,");
}

TEST(FaceTextExportTest, KamiyousoFileScalesCoordinatesOnly) {
    HairGene hair;
    for (int i = 0; i < kKamiyousoPointCount; ++i) hair.kamiyousoAbs[i] = {3.0, -0.6};
    const auto got = lines(formatKamiyousoFile(hair));
    ASSERT_EQ(got.size(), 2u + 100u + 3u + 29u);
    EXPECT_EQ(got[0], "## kamiyouso points ##");
    EXPECT_EQ(got[103], "## kamiyouso flag ##");
    for (int i = 0; i < kKamiyousoPointCount; ++i) {
        char want[64];
        const bool parameter = std::set<int>{20, 40, 56, 69, 89}.contains(i);
        const bool fraction = std::set<int>{8, 19, 39, 55, 68, 88}.contains(i);
        if (parameter) {
            std::snprintf(want, sizeof want, " %3d :     3.000000,    -0.600000,", i + 1);
        } else if (fraction) {
            std::snprintf(want, sizeof want, " %3d :      5.000000,    -0.600000,", i + 1);
        } else {
            std::snprintf(want, sizeof want, " %3d :      5.000000,    -1.000000,", i + 1);
        }
        EXPECT_EQ(got[2 + i], want) << "point " << i;
    }
    // The five parameter lines are one blank shorter.
    EXPECT_EQ(got[2 + 20], "  21 :     3.000000,    -0.600000,");
    EXPECT_EQ(got[2 + 8], "   9 :      5.000000,    -0.600000,");
}

TEST(FaceTextExportTest, ExportReadsBackThroughTheDataFileReaders) {
    test::TempDir dir;
    const FaceRecord record = sampleRecord();
    ASSERT_EQ(ExportFaceText(record, dir.path()), std::nullopt);

    FaceRecord back;
    ASSERT_EQ(tryReadFaceData((dir.path() / "face.txt").string(), back.face), std::nullopt);
    ASSERT_EQ(tryReadHaegiwaData((dir.path() / "haegiwa.txt").string(), back.hair), std::nullopt);
    ASSERT_EQ(tryReadKamiyousoData((dir.path() / "kamiyouso.txt").string(), back.hair),
              std::nullopt);
    expectPointsNear(back.face.absPoints, record.face.absPoints, kSixDecimals, "face");
    EXPECT_EQ(back.face.flags, record.face.flags);
    expectPointsNear(back.hair.haegiwaAbs, record.hair.haegiwaAbs, kSixDecimals, "haegiwa");
    EXPECT_EQ(back.hair.haegiwaFlags, record.hair.haegiwaFlags);
    EXPECT_EQ(back.hair.kamiyousoFlags, record.hair.kamiyousoFlags);

    // The hair elements come back in the file's unit; normalised, they are
    // the stored points again.
    EXPECT_NEAR(back.hair.kamiyousoAbs[0].x, record.hair.kamiyousoAbs[0].x * 5.0 / 3.0,
                kSixDecimals);
    EXPECT_NEAR(back.hair.kamiyousoAbs[20].x, 2.0, kSixDecimals);
    normaliseRecord(back);
    expectPointsNear(back.hair.kamiyousoAbs, record.hair.kamiyousoAbs, kSixDecimals, "kamiyouso");
}

TEST(FaceTextExportTest, MissingFolderGivesOneOpenFailureAndNoFiles) {
    test::TempDir dir;
    const auto failure = ExportFaceText(sampleRecord(), dir.path() / "Output");
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, kTextFileOpenFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.path() / "Output"));
}

TEST(FaceTextExportTest, ExportStopsAtTheFirstFileThatFails) {
    test::TempDir dir;
    // A folder where haegiwa.txt should go cannot be opened as a file.
    std::filesystem::create_directory(dir.path() / "haegiwa.txt");
    dir.write("kamiyouso.txt", "old");
    const auto failure = ExportFaceText(sampleRecord(), dir.path());
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(*failure, kTextFileOpenFailed);
    EXPECT_EQ(dir.read("face.txt"), formatFaceFile(sampleRecord().face));
    EXPECT_EQ(dir.read("kamiyouso.txt"), "old");
}

TEST(FaceTextExportTest, DefaultFolderIsOutputInTheWorkingDirectoryAndFilesAreReplaced) {
    test::TempDir dir;
    dir.write("Output/face.txt", std::string(100000, 'x'));
    test::ScopedWorkingDir cwd(dir.path());
    ASSERT_EQ(ExportFaceText(sampleRecord()), std::nullopt);
    EXPECT_EQ(dir.read("Output/face.txt"), formatFaceFile(sampleRecord().face));
    EXPECT_EQ(dir.read("Output/haegiwa.txt"), formatHaegiwaFile(sampleRecord().hair));
    EXPECT_EQ(dir.read("Output/kamiyouso.txt"), formatKamiyousoFile(sampleRecord().hair));
}

}  // namespace
}  // namespace mirel
