#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "FaceFixtures.h"
#include "face/AnchorGroups.h"
#include "face/Normalisation.h"

namespace mirel {
namespace {

// Face points 154 and 167 at y = 400 and 100, hairline point 0 off centre.
FaceRecord readRecord() {
    FaceRecord record;
    record.face.absPoints[154] = {10, 400};
    record.face.absPoints[167] = {0, 100};
    record.face.absPoints[5] = {100, 250};
    record.face.absPoints[166] = {-100, 180};
    record.hair.haegiwaAbs[0] = {-35, 20};
    record.hair.haegiwaAbs[9] = {10, -30};
    return record;
}

TEST(Normalisation, BringsTheReferencePointsTo105AboveAndBelowCentre) {
    FaceRecord record = readRecord();
    normaliseRecord(record);
    const FacePoints& p = record.face.absPoints;
    // s = 210 / (400 - 100) = 0.7, d = 250.
    EXPECT_DOUBLE_EQ(p[154].y, 105.0);
    EXPECT_DOUBLE_EQ(p[167].y, -105.0);
    EXPECT_DOUBLE_EQ(p[5].x, 70.0);
    EXPECT_DOUBLE_EQ(p[5].y, 0.0);
    EXPECT_DOUBLE_EQ(p[154].x, 7.0);  // scaled, not shifted
}

TEST(Normalisation, ChinAboveTheTopTurnsTheFaceHalfRound) {
    FaceRecord record = readRecord();
    std::swap(record.face.absPoints[154].y, record.face.absPoints[167].y);
    normaliseRecord(record);
    EXPECT_DOUBLE_EQ(record.face.absPoints[154].y, 105.0);
    EXPECT_DOUBLE_EQ(record.face.absPoints[167].y, -105.0);
    EXPECT_DOUBLE_EQ(record.face.absPoints[5].x, -70.0);
}

TEST(Normalisation, ScalesTheHairlineAboutTheOriginToTheFaceWidth) {
    FaceRecord record = readRecord();
    // Face point 166 ends at x = -70; hairline point 0 is read at -35: doubled.
    normaliseRecord(record);
    EXPECT_EQ(record.hair.haegiwaAbs[0], (Point2{-70, 40}));
    EXPECT_EQ(record.hair.haegiwaAbs[9], (Point2{20, -60}));
}

TEST(Normalisation, HairElementParametersKeepTheirFileValues) {
    FaceRecord record = readRecord();
    for (Point2& p : record.hair.kamiyousoAbs) p = {0.5, 0.25};
    normaliseRecord(record);
    const KamiyousoPoints& k = record.hair.kamiyousoAbs;
    const std::set<int> parameters = {20, 40, 56, 69, 89};
    const std::set<int> fractions = {8, 19, 39, 55, 68, 88};
    for (int n = 0; n < kKamiyousoPointCount; ++n) {
        const Point2 want = parameters.contains(n)  ? Point2{0.5, 0.25}
                            : fractions.contains(n) ? Point2{0.3, 0.25}
                                                    : Point2{0.3, 0.15};
        EXPECT_EQ(k[n], want) << "point " << n;
    }
}

TEST(Normalisation, PopulationNormalisesEveryRecordAlikeAndLeavesTheRestAlone) {
    std::vector<FaceRecord> records(kLoadedRecordCount, readRecord());
    records[59].face = test::makeFace(3);
    records[59].face.relPoints[4] = {1, 2};
    records[59].hair.haegiwaRel[4] = {3, 4};
    records[59].hair.haegiwaAbs[0].x = 25;
    const FaceRecord last = records[59];

    normalisePopulation(std::span<FaceRecord, kLoadedRecordCount>(records.data(), records.size()));
    FaceRecord expected = readRecord();
    normaliseRecord(expected);
    for (std::size_t r = 0; r + 1 < records.size(); ++r) {
        EXPECT_EQ(records[r], expected) << "record " << r;
    }
    EXPECT_DOUBLE_EQ(records[59].face.absPoints[154].y, 105.0);
    EXPECT_EQ(records[59].face.flags, last.face.flags);
    EXPECT_EQ(records[59].face.relPoints, last.face.relPoints);
    EXPECT_EQ(records[59].hair.haegiwaRel, last.hair.haegiwaRel);
    EXPECT_EQ(records[59].hair.haegiwaFlags, last.hair.haegiwaFlags);
}

}  // namespace
}  // namespace mirel
