#include <gtest/gtest.h>

#include "FaceFixtures.h"
#include "face/RecordConverter.h"

namespace mirel {
namespace {

Point2 mirror(Point2 p) {
    return {-p.x, p.y};
}

// A face whose flags all hold `flagValue`, so that no rule fires unless a
// test sets its flag.
FaceGene faceWithFlags(std::int32_t flagValue, int seed = 1) {
    FaceGene face = test::makeFace(seed);
    face.flags.fill(flagValue);
    return face;
}

FaceGene constrained(FaceGene face) {
    RecordConverter().constrainFace(face);
    return face;
}

TEST(FaceConstraints, CentreLinePointsEndOnXZeroWhateverTheFlags) {
    constexpr int kCentre[] = {57, 58, 65, 72, 77, 81, 92, 95, 122, 148, 150, 154, 167};
    for (std::int32_t flags : {-1, 0, 1, 2, 3}) {
        const FaceGene face = faceWithFlags(flags, 4);
        const FaceGene after = constrained(face);
        for (int n : kCentre) {
            EXPECT_EQ(after.absPoints[n].x, 0.0) << "point " << n << ", flags " << flags;
        }
        EXPECT_EQ(after.absPoints[167].y, face.absPoints[167].y) << "flags " << flags;
        EXPECT_EQ(after.relPoints, face.relPoints) << "flags " << flags;
    }
}

TEST(FaceConstraints, DerivedFlagsAreRewrittenEveryTime) {
    constexpr int kAlwaysZero[] = {22, 54, 55, 56, 58, 63, 68, 69, 71, 72, 73, 78};
    for (std::int32_t f53 : {-1, 0, 3}) {
        FaceGene face = faceWithFlags(5);
        face.flags[53] = f53;
        const FaceGene after = constrained(face);
        for (int n : kAlwaysZero) EXPECT_EQ(after.flags[n], 0) << "flag " << n << ", f53 " << f53;
        EXPECT_EQ(after.flags[60], f53);
        EXPECT_EQ(after.flags[67], f53);
    }
}

TEST(FaceConstraints, MouthMirrorsAreSwitchedOffByF38MinusOne) {
    FaceGene face = faceWithFlags(7);
    face.flags[42] = 0;
    face.flags[38] = -1;
    const FaceGene asymmetric = constrained(face);
    for (int n : {61, 63, 64, 70, 71, 76, 80}) {
        EXPECT_EQ(asymmetric.absPoints[n], face.absPoints[n]) << "point " << n;
    }
    // Rule f42 = 0 still copies, from the unmirrored point 75.
    EXPECT_EQ(asymmetric.absPoints[62], face.absPoints[75]);
    EXPECT_EQ(asymmetric.absPoints[68], face.absPoints[79]);

    face.flags[38] = 0;
    const FaceGene symmetric = constrained(face);
    constexpr std::pair<int, int> kMirrors[] = {{64, 66}, {63, 67}, {61, 69}, {71, 73},
                                                {70, 74}, {76, 78}, {80, 82}};
    for (auto [target, source] : kMirrors) {
        EXPECT_EQ(symmetric.absPoints[target], mirror(face.absPoints[source]))
            << "point " << target;
    }
    EXPECT_EQ(symmetric.absPoints[62], symmetric.absPoints[75]);
    EXPECT_EQ(symmetric.absPoints[75], mirror(face.absPoints[79]));

    // With flags 42 to 45 choosing no copy, every mirror of the mouth shows.
    face.flags[42] = 7;
    const FaceGene mirroredOnly = constrained(face);
    constexpr std::pair<int, int> kAllMirrors[] = {{64, 66}, {63, 67}, {62, 68}, {61, 69}, {71, 73},
                                                   {70, 74}, {76, 78}, {75, 79}, {80, 82}};
    for (auto [target, source] : kAllMirrors) {
        EXPECT_EQ(mirroredOnly.absPoints[target], mirror(face.absPoints[source]))
            << "point " << target;
        EXPECT_EQ(mirroredOnly.absPoints[source], face.absPoints[source]) << "point " << source;
    }
}

TEST(FaceConstraints, F45OverridesFlags42And44) {
    struct Case {
        std::int32_t f45, f42, f44;
    };
    const Case cases[] = {{1, 0, 0}, {2, 1, 0}, {0, 2, 3}, {3, 2, 3}};
    for (const Case& c : cases) {
        FaceGene face = faceWithFlags(7);
        face.flags[42] = 2;
        face.flags[44] = 3;
        face.flags[45] = c.f45;
        const FaceGene after = constrained(face);
        EXPECT_EQ(after.flags[42], c.f42) << "f45 " << c.f45;
        EXPECT_EQ(after.flags[44], c.f44) << "f45 " << c.f45;
        if (c.f45 == 1) {
            const FacePoints& p = after.absPoints;
            EXPECT_EQ(p[69], p[79]);
            EXPECT_EQ(p[68], p[79]);
            EXPECT_EQ(p[61], p[75]);
            EXPECT_EQ(p[62], p[75]);
            EXPECT_EQ(p[82], p[78]);
            EXPECT_EQ(p[80], p[76]);
        }
    }
}

TEST(FaceConstraints, ChinFlagsChooseTheChinPoint) {
    struct Case {
        std::int32_t f80, f82, f92;
        int expectedSource;  // the point 173 copies, or 173 for unchanged
        std::int32_t f80After, f81After, f82After;
    };
    const Case cases[] = {
        {0, 1, 0, 152, 0, 9, 1}, {0, 0, 0, 153, 1, 0, 0}, {1, 1, 0, 153, 1, 9, 1},
        {2, 1, 0, 173, 2, 9, 1}, {2, 0, 0, 153, 1, 0, 0}, {2, 1, 1, 153, 1, 0, 0},
    };
    for (const Case& c : cases) {
        FaceGene face = faceWithFlags(9);
        face.flags[80] = c.f80;
        face.flags[81] = 9;
        face.flags[82] = c.f82;
        face.flags[92] = c.f92;
        const FaceGene after = constrained(face);
        const std::string name = "f80 " + std::to_string(c.f80) + ", f82 " + std::to_string(c.f82) +
                                 ", f92 " + std::to_string(c.f92);
        EXPECT_EQ(after.absPoints[173], face.absPoints[c.expectedSource]) << name;
        EXPECT_EQ(after.flags[80], c.f80After) << name;
        EXPECT_EQ(after.flags[81], c.f81After) << name;
        EXPECT_EQ(after.flags[82], c.f82After) << name;
    }
}

TEST(FaceConstraints, FlagRulesCopyTheirPoints) {
    struct Copy {
        int target;
        int source;
        bool mirrored;
    };
    struct Case {
        int flag;
        std::int32_t value;
        std::vector<Copy> copies;
        std::vector<std::pair<int, std::int32_t>> flagsAfter;
    };
    const Case cases[] = {
        {2, 2, {{8, 4, false}, {6, 1, false}}, {}},
        {16, 0, {{34, 31, false}, {32, 28, false}}, {}},
        {29, 1, {{51, 54, false}}, {}},
        {30, 1, {{52, 55, false}}, {}},
        {32, 0, {{51, 56, false}}, {{31, 1}}},
        {33, 1, {{48, 55, false}}, {{27, 1}}},
        {57, 1, {{98, 50, false}, {101, 50, true}}, {}},
        {43, 1, {{74, 79, false}, {70, 75, false}}, {}},
    };
    for (const Case& c : cases) {
        FaceGene face = faceWithFlags(9);
        face.flags[38] = -1;  // keep the mouth as read
        face.flags[53] = -1;  // and the nose sides
        face.flags[c.flag] = c.value;
        const FaceGene after = constrained(face);
        for (const Copy& copy : c.copies) {
            const Point2 source = face.absPoints[copy.source];
            EXPECT_EQ(after.absPoints[copy.target], copy.mirrored ? mirror(source) : source)
                << "f" << c.flag << " = " << c.value << ", point " << copy.target;
        }
        for (auto [flag, value] : c.flagsAfter) {
            EXPECT_EQ(after.flags[flag], value) << "f" << c.flag << " = " << c.value;
        }
    }
}

TEST(FaceConstraints, F53MinusOneKeepsTheNoseSidesAndCheeksAsRead) {
    FaceGene face = faceWithFlags(9);
    face.flags[53] = -1;
    const FaceGene asymmetric = constrained(face);
    for (int n : {101, 102, 103, 107, 108, 109, 117, 118, 119, 131, 132, 133, 134, 138, 139, 140}) {
        EXPECT_EQ(asymmetric.absPoints[n], face.absPoints[n]) << "point " << n;
    }
    face.flags[53] = 0;
    const FaceGene symmetric = constrained(face);
    constexpr std::pair<int, int> kMirrors[] = {
        {101, 98},  {102, 99},  {103, 100}, {107, 104}, {108, 105}, {109, 106},  // beside the nose
        {117, 114}, {118, 115}, {119, 116},                                      // below the nose
        {131, 127}, {132, 128}, {133, 129}, {134, 130},                          // cheeks
        {138, 135}, {139, 136}, {140, 137},
    };
    for (auto [target, source] : kMirrors) {
        EXPECT_EQ(symmetric.absPoints[target], mirror(face.absPoints[source]))
            << "point " << target;
    }
}

TEST(FaceConstraints, FlagsMoveSinglePointsOntoTheCentreOrChin) {
    FaceGene face = faceWithFlags(9);
    face.flags[62] = 3;
    face.flags[83] = 1;
    const FaceGene after = constrained(face);
    EXPECT_EQ(after.absPoints[120], (Point2{0.0, face.absPoints[120].y}));
    EXPECT_EQ(after.absPoints[121], (Point2{0.0, face.absPoints[121].y}));
    EXPECT_EQ(after.absPoints[154], (Point2{0.0, face.absPoints[153].y}));
}

}  // namespace
}  // namespace mirel
