#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "FaceFixtures.h"
#include "TempDir.h"
#include "face/DataFileReader.h"
#include "face/SampleLoader.h"

namespace mirel {
namespace {

using test::faceFileText;
using test::haegiwaFileText;
using test::kamiyousoFileText;

// Cuts the text just after the n-th comma.
std::string keepValues(const std::string& text, int values) {
    std::size_t pos = 0;
    for (int n = 0; n < values; ++n) pos = text.find(',', pos) + 1;
    return text.substr(0, pos);
}

TEST(DataFileReader, ExportedFilesReadBackExactly) {
    const FaceGene face = test::makeFace(3);
    const HairGene hair = test::makeHair(3);
    FaceGene readFace;
    HairGene readHair;
    ASSERT_EQ(parseFaceData(faceFileText(face), "face.txt", readFace), std::nullopt);
    ASSERT_EQ(parseHaegiwaData(haegiwaFileText(hair), "haegiwa.txt", readHair), std::nullopt);
    ASSERT_EQ(parseKamiyousoData(kamiyousoFileText(hair), "kamiyouso.txt", readHair), std::nullopt);
    EXPECT_EQ(readFace.absPoints, face.absPoints);
    EXPECT_EQ(readFace.flags, face.flags);
    EXPECT_EQ(readHair.haegiwaAbs, hair.haegiwaAbs);
    EXPECT_EQ(readHair.haegiwaFlags, hair.haegiwaFlags);
    EXPECT_EQ(readHair.kamiyousoAbs, hair.kamiyousoAbs);
    EXPECT_EQ(readHair.kamiyousoFlags, hair.kamiyousoFlags);
}

TEST(DataFileReader, CrLfFileReadsLikeLfFile) {
    const FaceGene face = test::makeFace(5);
    FaceGene fromLf, fromCrLf;
    ASSERT_EQ(parseFaceData(faceFileText(face), "lf", fromLf), std::nullopt);
    ASSERT_EQ(parseFaceData(test::withCrLf(faceFileText(face)), "crlf", fromCrLf), std::nullopt);
    EXPECT_EQ(fromCrLf, fromLf);
}

TEST(DataFileReader, ShortFilesFailByPhase) {
    const std::string text = faceFileText(test::makeFace(1));
    constexpr int kReals = 2 * kFacePointCount;
    struct Case {
        const char* name;
        std::string bytes;
        std::string expected;
    };
    // Lacking one real shifts every value by one, so the last flag is missing.
    std::string lacksOneReal = text;
    const std::size_t comma = lacksOneReal.find(',');
    lacksOneReal.erase(0, comma + 1);
    const Case cases[] = {
        {"ends before the last real", keepValues(text, kReals - 1),
         "can't get face feature points"},
        {"all reals, one flag short", keepValues(text, kReals + kFaceFlagCount - 1),
         "can't get face flag"},
        {"one real missing", lacksOneReal, "can't get face flag"},
    };
    for (const Case& c : cases) {
        FaceGene face = test::makeFace(2);
        face.relPoints[5] = {1.0, 2.0};
        EXPECT_EQ(parseFaceData(c.bytes, "face.txt", face), c.expected) << c.name;
        EXPECT_EQ(face.absPoints, FacePoints{}) << c.name;
        EXPECT_EQ(face.flags, FaceFlags{}) << c.name;
        EXPECT_EQ(face.relPoints[5], (Point2{1.0, 2.0})) << c.name;
    }
}

TEST(DataFileReader, ExtraValuesAfterTheLastFlagAreIgnored) {
    const FaceGene face = test::makeFace(4);
    FaceGene read;
    ASSERT_EQ(parseFaceData(faceFileText(face) + "1,2,3,garbage", "face.txt", read), std::nullopt);
    EXPECT_EQ(read.absPoints, face.absPoints);
}

TEST(DataFileReader, EachHairReaderFillsOnlyItsOwnFields) {
    const HairGene original = test::makeHair(7);
    const HairGene other = test::makeHair(8);

    HairGene hair = original;
    ASSERT_EQ(parseHaegiwaData(haegiwaFileText(other), "haegiwa.txt", hair), std::nullopt);
    EXPECT_EQ(hair.haegiwaAbs, other.haegiwaAbs);
    EXPECT_EQ(hair.haegiwaRel, original.haegiwaRel);
    EXPECT_EQ(hair.kamiyousoAbs, original.kamiyousoAbs);
    EXPECT_EQ(hair.kamiyousoFlags, original.kamiyousoFlags);

    hair = original;
    ASSERT_EQ(parseKamiyousoData(kamiyousoFileText(other), "kamiyouso.txt", hair), std::nullopt);
    EXPECT_EQ(hair.kamiyousoAbs, other.kamiyousoAbs);
    EXPECT_EQ(hair.haegiwaAbs, original.haegiwaAbs);
    EXPECT_EQ(hair.haegiwaFlags, original.haegiwaFlags);
}

TEST(DataFileReader, RejectsValuesThatWouldPoisonARecord) {
    FaceGene markedFace = test::makeFace(1);
    markedFace.absPoints[12].y = test::kMarker;
    HairGene markedHair = test::makeHair(1);
    markedHair.haegiwaAbs[3].x = test::kMarker;
    markedHair.kamiyousoAbs[99].y = test::kMarker;
    FaceGene levelFace = test::makeFace(1);
    levelFace.absPoints[154].y = 100.0;
    levelFace.absPoints[167].y = 100.0;
    HairGene centredHair = test::makeHair(1);
    centredHair.haegiwaAbs[0].x = 0.0;
    FaceGene centredTemple = test::makeFace(1);
    centredTemple.absPoints[166].x = 0.0;

    struct Case {
        const char* name;
        DataGroup group;
        std::string bytes;
        std::string expected;
    };
    const Case cases[] = {
        {"nan in a face", DataGroup::Face, test::withMarkerAs(faceFileText(markedFace), "nan"),
         "face data file D/f.txt holds a number that is not finite"},
        {"inf in a hairline", DataGroup::Haegiwa,
         test::withMarkerAs(haegiwaFileText(markedHair), "-inf"),
         "haegiwa data file D/f.txt holds a number that is not finite"},
        {"overflow in hair elements", DataGroup::Kamiyouso,
         test::withMarkerAs(kamiyousoFileText(markedHair), "1e999"),
         "kamiyouso data file D/f.txt holds a number that is not finite"},
        {"points 154 and 167 level", DataGroup::Face, faceFileText(levelFace),
         "face data file D/f.txt has points 154 and 167 at the same height"},
        {"hairline point 0 on the centre line", DataGroup::Haegiwa, haegiwaFileText(centredHair),
         "haegiwa data file D/f.txt has point 0 at x = 0"},
        {"face point 166 on the centre line", DataGroup::Face, faceFileText(centredTemple),
         "face data file D/f.txt has point 166 at x = 0"},
        // Saved with six decimals, 1e13 would no longer fit a token.
        {"a huge face value", DataGroup::Face, test::withMarkerAs(faceFileText(markedFace), "1e13"),
         "face data file D/f.txt holds the value 1e+13, outside -100000 to 100000"},
        {"just beyond the range", DataGroup::Haegiwa,
         test::withMarkerAs(haegiwaFileText(markedHair), "-100000.5"),
         "haegiwa data file D/f.txt holds the value -100000.5, outside -100000 to 100000"},
        {"at the range", DataGroup::Kamiyouso,
         test::withMarkerAs(kamiyousoFileText(markedHair), "-100000"), ""},
    };
    for (const Case& c : cases) {
        FaceGene faceBlock;
        HairGene hairBlock;
        ParseStatus status;
        switch (c.group) {
            case DataGroup::Face:
                status = parseFaceData(c.bytes, "D/f.txt", faceBlock);
                break;
            case DataGroup::Haegiwa:
                status = parseHaegiwaData(c.bytes, "D/f.txt", hairBlock);
                break;
            case DataGroup::Kamiyouso:
                status = parseKamiyousoData(c.bytes, "D/f.txt", hairBlock);
                break;
        }
        if (c.expected.empty()) {
            EXPECT_EQ(status, std::nullopt) << c.name;
            continue;
        }
        EXPECT_EQ(status, c.expected) << c.name;
        EXPECT_EQ(faceBlock, FaceGene{}) << c.name;
        EXPECT_EQ(hairBlock, HairGene{}) << c.name;
    }
}

TEST(DataFileReader, FileThatCannotBeOpenedFailsWithTheOpenMessage) {
    const test::TempDir dir;
    const std::string missing = (dir.path() / "none.txt").string();
    FaceGene face;
    HairGene hair;
    EXPECT_EQ(tryReadFaceData(missing, face), (LoadFailure{"error", "can't open face data file"}));
    EXPECT_EQ(tryReadHaegiwaData(missing, hair),
              (LoadFailure{"error", "can't open haegiwa data file"}));
    EXPECT_EQ(tryReadKamiyousoData(missing, hair),
              (LoadFailure{"error", "can't open kamiyouso data file"}));
}

// The loader must not wait on a FIFO: the alarm turns a hang into a failure.
TEST(DataFileReaderDeathTest, FifoInPlaceOfASampleEndsStartUpWithItsMessage) {
    const test::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Data/facebank1");
    ASSERT_EQ(::mkfifo((dir.path() / "Data/facebank1/face.txt").c_str(), 0600), 0);
    const test::ScopedWorkingDir cwd(dir.path());
    std::vector<FaceRecord> records(kLoadedRecordCount);
    const std::span<FaceRecord, kLoadedRecordCount> population(records.data(), records.size());
    EXPECT_EXIT(
        {
            ::alarm(20);
            SampleLoader().loadSamplePopulation(population);
        },
        testing::ExitedWithCode(255),
        "error: face data file Data/facebank1/face.txt is not a regular file");
}

TEST(DataFileReaderDeathTest, ReaderEndsTheProcessWithMinusOne) {
    const test::TempDir dir;
    dir.write("face.txt", "1,2,3,");
    const std::string path = (dir.path() / "face.txt").string();
    FaceGene face;
    EXPECT_EXIT(SampleLoader().readFaceFile(path, face), testing::ExitedWithCode(255),
                "error: can't get face feature points");
}

}  // namespace
}  // namespace mirel
