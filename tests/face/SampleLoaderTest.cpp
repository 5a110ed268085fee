#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "FaceFixtures.h"
#include "TempDir.h"
#include "face/RecordConverter.h"
#include "face/SampleLoader.h"

namespace mirel {
namespace {

using Records = std::vector<FaceRecord>;

std::span<FaceRecord, kLoadedRecordCount> asSpan(Records& records) {
    return std::span<FaceRecord, kLoadedRecordCount>(records.data(), kLoadedRecordCount);
}

std::string bankFile(int sample, const char* file) {
    return "Data/facebank" + std::to_string(sample) + "/" + file;
}

// Writes twenty samples under dir/Data; sample N is makeFace(N)/makeHair(N).
void writeBank(const test::TempDir& dir) {
    for (int n = 1; n <= kSampleCount; ++n) {
        dir.write(bankFile(n, "face.txt"), test::faceFileText(test::makeFace(n)));
        dir.write(bankFile(n, "haegiwa.txt"), test::haegiwaFileText(test::makeHair(n)));
    }
    dir.write(bankFile(1, "kamiyouso.txt"), test::kamiyousoFileText(test::makeHair(1)));
}

// What loading makes of sample `n`: its face and hairline, the hair elements
// of sample 1, normalised, relative form derived.
FaceRecord expectedSample(int n) {
    FaceRecord record;
    record.face = test::makeFace(n);
    const HairGene own = test::makeHair(n);
    const HairGene first = test::makeHair(1);
    record.hair.haegiwaAbs = own.haegiwaAbs;
    record.hair.haegiwaFlags = own.haegiwaFlags;
    record.hair.kamiyousoAbs = first.kamiyousoAbs;
    record.hair.kamiyousoFlags = first.kamiyousoFlags;
    normaliseRecord(record);
    RecordConverter().toRelative(record);
    return record;
}

TEST(SampleLoader, FillsTheFirstGenerationFromTheTwentySamples) {
    const test::TempDir dir;
    writeBank(dir);
    Records records(kLoadedRecordCount);
    const SampleLoader loader((dir.path() / "Data").string());
    ASSERT_EQ(loader.tryLoadSamplePopulation(asSpan(records)), std::nullopt);
    for (int n = 1; n <= kSampleCount; ++n) {
        EXPECT_EQ(records[n - 1], expectedSample(n)) << "record " << n - 1;
    }
    for (std::size_t k = kSampleCount; k < records.size(); ++k) {
        EXPECT_EQ(records[k], records[1]) << "record " << k;
    }
}

TEST(SampleLoader, DefaultDataFolderResolvesAgainstTheWorkingDirectory) {
    const test::TempDir dir;
    writeBank(dir);
    const test::ScopedWorkingDir cwd(dir.path());
    Records records(kLoadedRecordCount);
    ASSERT_EQ(SampleLoader().tryLoadSamplePopulation(asSpan(records)), std::nullopt);
    EXPECT_EQ(records[19], expectedSample(20));
    EXPECT_EQ(SampleLoader().faceFilePath(20), "Data/facebank20/face.txt");
    EXPECT_EQ(SampleLoader().haegiwaFilePath(7), "Data/facebank7/haegiwa.txt");
    EXPECT_EQ(SampleLoader().kamiyousoFilePath(), "Data/facebank1/kamiyouso.txt");
}

TEST(SampleLoader, ReportsTheFirstFailingFileInReadingOrder) {
    struct Case {
        const char* name;
        std::vector<std::string> removed;
        std::vector<std::pair<std::string, std::string>> replaced;
        std::string expected;
    };
    HairGene centred = test::makeHair(4);
    centred.haegiwaAbs[0].x = 0.0;
    const Case cases[] = {
        {"face 7 missing, hairlines too",
         {bankFile(7, "face.txt"), bankFile(1, "haegiwa.txt")},
         {},
         "can't open face data file"},
        {"hairline 7 missing, face 20 short",
         {bankFile(7, "haegiwa.txt")},
         {{bankFile(20, "face.txt"), "1,2,"}},
         "can't get face feature points"},
        {"hairline 7 missing",
         {bankFile(7, "haegiwa.txt"), bankFile(1, "kamiyouso.txt")},
         {},
         "can't open haegiwa data file"},
        {"hair elements short",
         {},
         {{bankFile(1, "kamiyouso.txt"), "1,"}},
         "can't get kamiyouso feature points"},
        {"hairline 4 centred",
         {},
         {{bankFile(4, "haegiwa.txt"), test::haegiwaFileText(centred)}},
         "haegiwa data file Data/facebank4/haegiwa.txt has point 0 at x = 0"},
    };
    for (const Case& c : cases) {
        const test::TempDir dir;
        writeBank(dir);
        for (const std::string& file : c.removed) std::filesystem::remove(dir.path() / file);
        for (const auto& [file, bytes] : c.replaced) dir.write(file, bytes);
        const test::ScopedWorkingDir cwd(dir.path());
        Records records(kLoadedRecordCount);
        const std::optional<LoadFailure> failure =
            SampleLoader().tryLoadSamplePopulation(asSpan(records));
        EXPECT_EQ(failure, (LoadFailure{"error", c.expected})) << c.name;
    }
}

TEST(SampleLoader, RefusesAFaceThatOverflowsWhenScaled) {
    const test::TempDir dir;
    writeBank(dir);
    FaceGene face = test::makeFace(5);
    face.absPoints[154].y = test::kMarker;
    face.absPoints[167].y = 0.0;
    // 210 / 1e-320 is infinite.
    dir.write(bankFile(5, "face.txt"), test::withMarkerAs(test::faceFileText(face), "1e-320"));
    const test::ScopedWorkingDir cwd(dir.path());
    Records records(kLoadedRecordCount);
    EXPECT_EQ(SampleLoader().tryLoadSamplePopulation(asSpan(records)),
              (LoadFailure{"error",
                           "face data file Data/facebank5/face.txt cannot be scaled to the face "
                           "space"}));
}

// Each face reads, but saving it as drawn would write files the reader refuses.
TEST(SampleLoader, RefusesAFaceThatWouldBeSavedUnreadable) {
    FaceGene chinAtTop = test::makeFace(4);
    chinAtTop.flags[83] = 1;  // moves point 154 to the height of point 153
    chinAtTop.absPoints[153].y = chinAtTop.absPoints[167].y;
    FaceGene flat = test::makeFace(4);
    flat.absPoints[154].y = flat.absPoints[167].y + 0.001;  // scaled by 210000
    FaceGene nearCentre = test::makeFace(4);
    nearCentre.absPoints[166].x = test::kMarker;

    struct Case {
        const char* name;
        std::string text;
        std::string problem;
    };
    const Case cases[] = {
        {"point 154 lifted to point 167", test::faceFileText(chinAtTop),
         "has points 154 and 167 at the same height once drawn"},
        {"a flat face", test::faceFileText(flat), "cannot be scaled to the face space"},
        // Saved as 0.000000.
        {"point 166 nearly centred", test::withMarkerAs(test::faceFileText(nearCentre), "1e-9"),
         "has point 166 at x = 0 once drawn"},
    };
    const test::TempDir dir;
    const std::string folder = (dir.path() / "one").string();
    dir.write("one/haegiwa.txt", test::haegiwaFileText(test::makeHair(4)));
    for (const Case& c : cases) {
        dir.write("one/face.txt", c.text);
        FaceRecord record;
        const std::optional<LoadFailure> failure = loadFaceFolder(folder, record);
        ASSERT_TRUE(failure.has_value()) << c.name;
        EXPECT_EQ(failure->text, "face data file " + folder + "/face.txt " + c.problem) << c.name;
    }
}

TEST(SampleLoader, FaceFolderIsPreparedLikeASample) {
    const test::TempDir dir;
    const FaceGene face = test::makeFace(8);
    const HairGene hair = test::makeHair(8);
    dir.write("one/face.txt", test::faceFileText(face));
    dir.write("one/haegiwa.txt", test::haegiwaFileText(hair));
    dir.write("one/kamiyouso.txt", test::kamiyousoFileText(hair));
    dir.write("bare/face.txt", test::faceFileText(face));
    dir.write("bare/haegiwa.txt", test::haegiwaFileText(hair));

    FaceRecord expected;
    expected.face = face;
    expected.hair = hair;
    normaliseRecord(expected);
    RecordConverter().toRelative(expected);

    FaceRecord record;
    ASSERT_EQ(loadFaceFolder((dir.path() / "one").string(), record), std::nullopt);
    EXPECT_EQ(record, expected);

    ASSERT_EQ(loadFaceFolder((dir.path() / "bare").string(), record), std::nullopt);
    EXPECT_EQ(record.face, expected.face);
    EXPECT_EQ(record.hair.haegiwaAbs, expected.hair.haegiwaAbs);
    EXPECT_EQ(record.hair.kamiyousoAbs, KamiyousoPoints{});
    EXPECT_EQ(record.hair.kamiyousoRel, KamiyousoPoints{});
    EXPECT_EQ(record.hair.kamiyousoFlags, KamiyousoFlags{});

    EXPECT_EQ(loadFaceFolder((dir.path() / "none").string(), record),
              (LoadFailure{"error", "can't open face data file"}));
}

TEST(SampleLoaderDeathTest, MissingSampleEndsTheProcessWithMinusOne) {
    const test::TempDir dir;
    const test::ScopedWorkingDir cwd(dir.path());
    Records records(kLoadedRecordCount);
    EXPECT_EXIT(SampleLoader().loadSamplePopulation(asSpan(records)), testing::ExitedWithCode(255),
                "error: can't open face data file");
}

}  // namespace
}  // namespace mirel
