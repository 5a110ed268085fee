#include <gtest/gtest.h>

#include <set>

#include "FaceFixtures.h"
#include "face/HairFitting.h"
#include "face/RecordConverter.h"

namespace mirel {
namespace {

FaceRecord relativeRecord(int seed) {
    FaceRecord record;
    record.face.relPoints = test::makeFace(seed).absPoints;
    const HairGene hair = test::makeHair(seed);
    record.hair.haegiwaRel = hair.haegiwaAbs;
    record.hair.kamiyousoRel = hair.kamiyousoAbs;
    return record;
}

TEST(RecordConverter, ConversionsAreInverseForAllThreeGroups) {
    const RecordConverter converter;
    for (int seed = 0; seed < 4; ++seed) {
        const FaceRecord relative = relativeRecord(seed);
        FaceRecord record = relative;
        converter.toAbsolute(record);
        converter.toRelative(record);
        EXPECT_EQ(record.face.relPoints, relative.face.relPoints) << "seed " << seed;
        EXPECT_EQ(record.hair.haegiwaRel, relative.hair.haegiwaRel) << "seed " << seed;
        EXPECT_EQ(record.hair.kamiyousoRel, relative.hair.kamiyousoRel) << "seed " << seed;

        FaceRecord absolute;
        absolute.face.absPoints = relative.face.relPoints;
        absolute.hair.haegiwaAbs = relative.hair.haegiwaRel;
        absolute.hair.kamiyousoAbs = relative.hair.kamiyousoRel;
        record = absolute;
        converter.toRelative(record);
        converter.toAbsolute(record);
        EXPECT_EQ(record.face.absPoints, absolute.face.absPoints) << "seed " << seed;
        EXPECT_EQ(record.hair.haegiwaAbs, absolute.hair.haegiwaAbs) << "seed " << seed;
        EXPECT_EQ(record.hair.kamiyousoAbs, absolute.hair.kamiyousoAbs) << "seed " << seed;
    }
}

// Moving one anchor in relative form moves exactly its members and itself.
template <typename Rel, typename Abs>
void expectAnchorMovesGroup(const char* group, int anchor, const std::set<int>& members, Rel rel,
                            Abs abs) {
    const RecordConverter converter;
    FaceRecord before = relativeRecord(9);
    FaceRecord moved = before;
    rel(moved)[anchor].x += 3.0;
    rel(moved)[anchor].y -= 5.0;
    converter.toAbsolute(before);
    converter.toAbsolute(moved);
    for (std::size_t n = 0; n < abs(moved).size(); ++n) {
        const bool follows = members.contains(static_cast<int>(n)) || static_cast<int>(n) == anchor;
        const Point2 expected =
            follows ? Point2{abs(before)[n].x + 3.0, abs(before)[n].y - 5.0} : abs(before)[n];
        EXPECT_EQ(abs(moved)[n], expected) << group << " anchor " << anchor << ", point " << n;
    }
}

std::set<int> range(int first, int last, std::set<int> more = {}) {
    for (int n = first; n <= last; ++n) more.insert(n);
    return more;
}

TEST(RecordConverter, MovingAnAnchorMovesItsGroupOnly) {
    auto faceRel = [](FaceRecord& r) -> FacePoints& { return r.face.relPoints; };
    auto faceAbs = [](FaceRecord& r) -> FacePoints& { return r.face.absPoints; };
    auto hairRel = [](FaceRecord& r) -> HaegiwaPoints& { return r.hair.haegiwaRel; };
    auto hairAbs = [](FaceRecord& r) -> HaegiwaPoints& { return r.hair.haegiwaAbs; };
    auto elemRel = [](FaceRecord& r) -> KamiyousoPoints& { return r.hair.kamiyousoRel; };
    auto elemAbs = [](FaceRecord& r) -> KamiyousoPoints& { return r.hair.kamiyousoAbs; };

    struct Group {
        int anchor;
        std::set<int> members;
    };
    // Point 24 (pupil radius), 96 (forehead offset) and the outline belong to no group.
    const Group faceGroups[] = {
        {9, range(0, 8, range(10, 23, {25, 26, 27}))},  // eyes
        {28, range(29, 41)},                            // eyebrows
        {58, range(42, 57, {59, 60})},                  // nose
        {77, range(61, 76, range(78, 90))},             // mouth
        {92, {91, 93, 94, 95, 97}},                     // forehead
        {98, range(99, 113)},                           // beside the nose
        {122, range(114, 121, range(123, 126))},        // below the nose
        {128, range(129, 146, {127})},                  // cheeks
        {154, range(147, 153, {155, 156, 157})},        // chin
        {161, range(162, 165, {158, 159, 160})},        // ears
    };
    const Group haegiwaGroups[] = {{0, range(1, 23)}, {24, range(25, 39)}, {40, range(41, 56)}};
    // The parameter slots (8, 10, 19, 20, 39, 40, 55, 56, 68, 69, 88, 89) belong to none.
    const Group kamiyousoGroups[] = {
        {1, {0, 2, 3, 4}},
        {5, {6, 7, 9}},
        {11, range(12, 18, range(21, 30))},
        {31, range(32, 38, range(41, 50))},
        {51, {52, 53, 54, 57, 58, 59}},
        {60, range(61, 67, range(70, 79))},
        {80, range(81, 87, range(90, 99))},
    };
    for (const Group& g : faceGroups) {
        expectAnchorMovesGroup("face", g.anchor, g.members, faceRel, faceAbs);
    }
    for (const Group& g : haegiwaGroups) {
        expectAnchorMovesGroup("haegiwa", g.anchor, g.members, hairRel, hairAbs);
    }
    for (const Group& g : kamiyousoGroups) {
        expectAnchorMovesGroup("kamiyouso", g.anchor, g.members, elemRel, elemAbs);
    }
}

TEST(RecordConverter, AnchorsAndUngroupedPointsStayAbsolute) {
    FaceRecord record;
    record.face.absPoints = test::makeFace(2).absPoints;
    const HairGene hair = test::makeHair(2);
    record.hair.haegiwaAbs = hair.haegiwaAbs;
    record.hair.kamiyousoAbs = hair.kamiyousoAbs;
    RecordConverter().toRelative(record);

    for (int n : {9, 24, 28, 96, 154, 166, 171, 177}) {
        EXPECT_EQ(record.face.relPoints[n], record.face.absPoints[n]) << "face point " << n;
    }
    for (int n : {0, 24, 40}) {
        EXPECT_EQ(record.hair.haegiwaRel[n], record.hair.haegiwaAbs[n]) << "haegiwa point " << n;
    }
    // Anchors and the parameter slots of the hair elements.
    for (int n : {1, 5, 8, 10, 19, 20, 39, 40, 55, 56, 68, 69, 88, 89}) {
        EXPECT_EQ(record.hair.kamiyousoRel[n], record.hair.kamiyousoAbs[n])
            << "kamiyouso point " << n;
    }
    const Point2 member = record.face.absPoints[30];
    const Point2 anchor = record.face.absPoints[28];
    EXPECT_EQ(record.face.relPoints[30], (Point2{member.x - anchor.x, member.y - anchor.y}));
}

TEST(RecordConverter, ApplyConstraintsFitsTheHairToTheConstrainedFace) {
    const RecordConverter converter;
    FaceRecord record;
    record.face = test::makeFace(6);
    record.hair = test::makeHair(6);
    FaceGene face = record.face;
    HairGene hair = record.hair;
    converter.constrainFace(face);
    fitHair(hair, face);

    converter.applyConstraints(record);
    EXPECT_EQ(record.face, face);
    EXPECT_EQ(record.hair, hair);
}

}  // namespace
}  // namespace mirel
