#include <gtest/gtest.h>

#include "TempDir.h"
#include "WmfFile.h"
#include "face/SampleLoader.h"
#include "output/FaceTextExport.h"
#include "output/MetafileExport.h"

namespace mirel {
namespace {

// A saved face copied into a sample folder must load as the same face.
constexpr double kSixDecimals = 1.0e-6;

template <std::size_t N>
void expectNear(const std::array<Point2, N>& got, const std::array<Point2, N>& want,
                const char* group) {
    for (std::size_t i = 0; i < N; ++i) {
        EXPECT_NEAR(got[i].x, want[i].x, kSixDecimals) << group << " point " << i;
        EXPECT_NEAR(got[i].y, want[i].y, kSixDecimals) << group << " point " << i;
    }
}

TEST(SampleRoundTripTest, ExportedSampleLoadsBackAsTheSameFace) {
    const auto sample = std::filesystem::path(MIREL_SAMPLE_DATA_DIR) / "facebank1";
    if (!std::filesystem::exists(sample / "kamiyouso.txt")) GTEST_SKIP() << "no sample bank";
    FaceRecord loaded;
    ASSERT_EQ(loadFaceFolder(sample.string(), loaded), std::nullopt);

    test::TempDir dir;
    ASSERT_EQ(ExportFaceText(loaded, dir.path()), std::nullopt);
    FaceRecord again;
    ASSERT_EQ(loadFaceFolder(dir.path().string(), again), std::nullopt);
    expectNear(again.face.absPoints, loaded.face.absPoints, "face");
    expectNear(again.hair.haegiwaAbs, loaded.hair.haegiwaAbs, "haegiwa");
    expectNear(again.hair.kamiyousoAbs, loaded.hair.kamiyousoAbs, "kamiyouso");
    EXPECT_EQ(again.face.flags, loaded.face.flags);
    EXPECT_EQ(again.hair.haegiwaFlags, loaded.hair.haegiwaFlags);
    EXPECT_EQ(again.hair.kamiyousoFlags, loaded.hair.kamiyousoFlags);

    // Its portrait plays in an independent reader.
    ASSERT_TRUE(writeFaceMetafile(loaded, dir.path() / "m.wmf"));
    ASSERT_EQ(test::runWmf2Svg(dir.path() / "m.wmf", dir.path() / "m.svg"), 0);
    EXPECT_NE(dir.read("m.svg").find("<polygon"), std::string::npos);
}

}  // namespace
}  // namespace mirel
