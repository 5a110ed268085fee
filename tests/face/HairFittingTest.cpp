#include <gtest/gtest.h>

#include <cmath>

#include "FaceFixtures.h"
#include "face/HairFitting.h"
#include "face/RecordConverter.h"

namespace mirel {
namespace {

// A hand-made face and hairline: the hairline's scale factor is exactly 2 and
// its point 0 lands on face point 166 without a shift, so every fitted value
// below follows by hand from the steps.
FaceGene handFace() {
    FaceGene face;
    face.absPoints[166] = {-100, -50};
    face.absPoints[167] = {0, -105};
    face.absPoints[168] = {-110, 0};
    face.absPoints[169] = {-100, 50};
    face.absPoints[174] = {-50, -100};
    return face;
}

HairGene handHair() {
    HairGene hair;
    HaegiwaPoints& h = hair.haegiwaAbs;
    h[0] = {-50, -25};
    h[1] = {-30, -50};
    h[2] = {5, -60};
    h[5] = {-40, -35};
    h[6] = {-20, -45};
    h[7] = {0, -60};
    h[10] = {-52, -5};
    h[11] = {-48, 15};
    h[12] = {-45, -10};
    h[13] = {-44, 0};
    h[24] = {-50, 20};
    h[27] = {-60, 0};
    h[40] = {-55, 30};
    return hair;
}

HairGene fitted(HairGene hair, const FaceGene& face = handFace()) {
    fitHair(hair, face);
    return hair;
}

TEST(HairFitting, StretchesAndPinsTheHairlineOntoTheFace) {
    const HairGene hair = fitted(handHair());
    const HaegiwaPoints& h = hair.haegiwaAbs;
    EXPECT_EQ(h[0], (Point2{-100, -50}));  // on F166
    EXPECT_EQ(h[1], (Point2{-50, -99}));   // below F174
    EXPECT_EQ(h[2], (Point2{0, -104}));    // below F167
    EXPECT_EQ(h[10], (Point2{-106, 0}));   // moved half of (a, b), then onto F168's y
    EXPECT_EQ(h[11], (Point2{-100, 50}));  // on F169
    EXPECT_EQ(h[12], (Point2{-92, -10}));  // moved half of (a, b)
    EXPECT_EQ(h[13], (Point2{-98, 50}));   // kept right of H11
    EXPECT_EQ(h[24], (Point2{-100, 50}));  // on F169
    EXPECT_EQ(h[27], (Point2{-98, 50}));   // not left of H13
    EXPECT_EQ(h[40], (Point2{-97, 50}));   // level with H13, right of it
    EXPECT_EQ(h[7], (Point2{0, -120}));    // above F167: left alone
}

TEST(HairFitting, LowFrontHairIsLiftedAboveTheFaceUnlessHf4) {
    HairGene low = handHair();
    low.haegiwaAbs[7] = {0, -40};
    const HairGene lifted = fitted(low);
    EXPECT_EQ(lifted.haegiwaAbs[7].y, -107.0);
    EXPECT_EQ(lifted.haegiwaAbs[6].y, -117.0);
    EXPECT_EQ(lifted.haegiwaAbs[8], (Point2{40, -117}));

    low.haegiwaFlags[4] = 1;
    EXPECT_EQ(fitted(low).haegiwaAbs[7].y, -80.0);
}

TEST(HairFitting, Hf13ChoosesTheBackHairLevelAndPins) {
    struct Case {
        std::int32_t hf13;
        double h40y;
    };
    for (const Case c : {Case{0, 50.0}, Case{1, 50.0}, Case{2, 70.0}}) {
        HairGene hair = handHair();
        hair.haegiwaFlags[13] = c.hf13;
        hair.haegiwaAbs[56] = {-10, 5};
        const HairGene after = fitted(hair);
        EXPECT_EQ(after.haegiwaAbs[40].y, c.h40y) << "hf13 " << c.hf13;
        EXPECT_EQ(after.haegiwaAbs[56], (Point2{-20, 10 + c.h40y - 60})) << "hf13 " << c.hf13;
    }
    HairGene hair = handHair();
    hair.haegiwaFlags[13] = 1;
    const HairGene after = fitted(hair);
    const FaceGene face = handFace();
    EXPECT_EQ(after.haegiwaAbs[5], face.absPoints[166]);
    EXPECT_EQ(after.haegiwaAbs[12], face.absPoints[168]);
    EXPECT_EQ(after.haegiwaAbs[13], face.absPoints[169]);
}

TEST(HairFitting, Hf3PinsTheFrontHairTop) {
    HairGene hair = handHair();
    hair.haegiwaFlags[3] = 1;
    const HairGene after = fitted(hair);
    const FaceGene face = handFace();
    EXPECT_EQ(after.haegiwaAbs[5], face.absPoints[166]);
    EXPECT_EQ(after.haegiwaAbs[6], face.absPoints[174]);
    EXPECT_EQ(after.haegiwaAbs[7], face.absPoints[167]);
}

TEST(HairFitting, DerivesFlags20And25) {
    struct Case {
        std::int32_t hf0, hf10, hf13, hf20, hf25;
        std::int32_t hf20After, hf25After;
    };
    const Case cases[] = {
        {0, 1, 0, 0, 1, 1, 1}, {1, 1, 0, 0, 1, 0, 1}, {2, 2, 0, 7, 1, 7, 1},
        {1, 0, 0, 0, 1, 1, 0}, {1, 1, 1, 0, 1, 0, 0},
    };
    for (const Case& c : cases) {
        HairGene hair = handHair();
        hair.haegiwaFlags[0] = c.hf0;
        hair.haegiwaFlags[10] = c.hf10;
        hair.haegiwaFlags[13] = c.hf13;
        hair.haegiwaFlags[20] = c.hf20;
        hair.haegiwaFlags[25] = c.hf25;
        const HairGene after = fitted(hair);
        const std::string name = "hf0 " + std::to_string(c.hf0) + ", hf10 " +
                                 std::to_string(c.hf10) + ", hf13 " + std::to_string(c.hf13);
        EXPECT_EQ(after.haegiwaFlags[20], c.hf20After) << name;
        EXPECT_EQ(after.haegiwaFlags[25], c.hf25After) << name;
    }
}

TEST(HairFitting, HairElementsStayBetweenHairlinePoints) {
    struct Case {
        double k0y, k0yAfter, k1y, k1yAfter;
    };
    // H0.y = -50, H2.y = -104, H11.y = 50 after fitting.
    // Equal values are left as they are.
    const Case cases[] = {{-60, -48, -110, -102},
                          {0, 0, -100, -100},
                          {60, 48, -104, -104},
                          {-50, -50, -100, -100},
                          {50, 50, -100, -100}};
    for (const Case& c : cases) {
        HairGene hair = handHair();
        hair.kamiyousoAbs[0] = {-30, c.k0y};
        hair.kamiyousoAbs[1] = {7, c.k1y};
        const HairGene after = fitted(hair);
        EXPECT_EQ(after.kamiyousoAbs[0], (Point2{-30, c.k0yAfter})) << "K0.y " << c.k0y;
        EXPECT_EQ(after.kamiyousoAbs[2], (Point2{30, c.k0yAfter})) << "K0.y " << c.k0y;
        EXPECT_EQ(after.kamiyousoAbs[1], (Point2{0, c.k1yAfter})) << "K1.y " << c.k1y;
    }
}

// Each guarded step with the two values it compares made equal, and with them
// just apart; the expected values follow from handFace and handHair.
TEST(HairFitting, EqualValuesFollowTheWordingOfEachGuard) {
    struct Case {
        const char* name;
        void (*change)(HaegiwaPoints& h, FacePoints& f);
        int point;
        Point2 expected;
    };
    const Case cases[] = {
        // Step 4: F167.y not greater than H7.y lifts 5-7 to 2 above F167.
        {"H7.y = F167.y", [](HaegiwaPoints& h, FacePoints&) { h[7].y = -52.5; }, 7, {0, -107}},
        {"H7.y above F167.y",
         [](HaegiwaPoints& h, FacePoints&) { h[7].y = -52.75; },
         7,
         {0, -105.5}},
        // Step 5: F167.y not less than H2.y puts H2 just below F167.
        {"H2.y = F167.y", [](HaegiwaPoints& h, FacePoints&) { h[2].y = -52.5; }, 2, {0, -104}},
        {"H2.y below F167.y",
         [](HaegiwaPoints& h, FacePoints&) { h[2].y = -52.25; },
         2,
         {0, -104.5}},
        // Step 7: H10.x not greater than F168.x moves H10 2 right of F168.
        {"H10.x = F168.x", [](HaegiwaPoints&, FacePoints& f) { f[168].x = -106; }, 10, {-104, 0}},
        {"H10.x right of F168.x",
         [](HaegiwaPoints&, FacePoints& f) { f[168].x = -106.5; },
         10,
         {-106, 0}},
        // Step 8: H11.x not greater than H13.x moves H13 2 right of H11.
        {"H13.x = H11.x", [](HaegiwaPoints& h, FacePoints&) { h[13].x = -48; }, 13, {-98, 50}},
        {"H13.x left of H11.x",
         [](HaegiwaPoints& h, FacePoints&) { h[13].x = -48.5; },
         13,
         {-101, 50}},
        // Step 12: H40.x less than H13.x moves H40 1 right of H13.
        {"H40.x = H13.x", [](HaegiwaPoints& h, FacePoints&) { h[40].x = -49; }, 40, {-98, 50}},
        {"H40.x left of H13.x",
         [](HaegiwaPoints& h, FacePoints&) { h[40].x = -49.25; },
         40,
         {-97, 50}},
    };
    for (const Case& c : cases) {
        HairGene hair = handHair();
        FaceGene face = handFace();
        c.change(hair.haegiwaAbs, face.absPoints);
        EXPECT_EQ(fitted(hair, face).haegiwaAbs[c.point], c.expected) << c.name;
    }
}

bool allFinite(const HairGene& hair) {
    for (const Point2& p : hair.haegiwaAbs) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
    for (const Point2& p : hair.kamiyousoAbs) {
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return false;
    }
    return true;
}

TEST(HairFitting, ZeroDivisorsLeaveTheirPointsInsteadOfPoisoningThem) {
    struct Case {
        const char* name;
        int point;
        Point2 value;
    };
    const Case cases[] = {
        {"H0.x = 0", 0, {0, -25}},
        {"H0.x denormal", 0, {1e-320, -25}},
        {"H11.y level with F166 (d = 0)", 11, {-48, -25}},
        {"H13.y level with H5 (e = 0)", 5, {-40, 15}},
    };
    for (const Case& c : cases) {
        HairGene hair = handHair();
        hair.haegiwaAbs[c.point] = c.value;
        const HairGene after = fitted(hair);
        EXPECT_TRUE(allFinite(after)) << c.name;
        EXPECT_EQ(after.haegiwaAbs[0], handFace().absPoints[166]) << c.name;
        EXPECT_EQ(after.haegiwaAbs[11], handFace().absPoints[169]) << c.name;
    }
    HairGene unscaled = handHair();
    unscaled.haegiwaAbs[0].x = 0.0;
    // Not scaled, only moved with the front hair by F166 - H0 = (-100, -25).
    EXPECT_EQ(fitted(unscaled).haegiwaAbs[1], (Point2{-130, -75}));
}

TEST(HairFitting, SampleLikeRecordsEndPinnedAndSymmetric) {
    constexpr std::pair<int, int> kHairlineMirrors[] = {
        {3, 1},   {4, 0},   {8, 6},   {9, 5},   {14, 10}, {15, 11}, {16, 12}, {17, 13}, {30, 24},
        {31, 25}, {32, 26}, {33, 27}, {34, 28}, {35, 29}, {43, 40}, {44, 41}, {45, 42}, {48, 46}};
    constexpr std::pair<int, int> kElementMirrors[] = {
        {2, 0},   {15, 11}, {16, 12}, {17, 13}, {18, 14}, {35, 31}, {36, 32}, {37, 33}, {38, 34},
        {64, 60}, {65, 61}, {66, 62}, {67, 63}, {84, 80}, {85, 81}, {86, 82}, {87, 83}};
    for (int seed = 0; seed < 6; ++seed) {
        FaceGene face = test::makeFace(seed);
        RecordConverter().constrainFace(face);
        const HairGene hair = fitted(test::makeHair(seed), face);
        const HaegiwaPoints& h = hair.haegiwaAbs;
        const KamiyousoPoints& k = hair.kamiyousoAbs;
        EXPECT_NEAR(h[0].x, face.absPoints[166].x, 1e-9) << "seed " << seed;
        EXPECT_NEAR(h[0].y, face.absPoints[166].y, 1e-9) << "seed " << seed;
        EXPECT_NEAR(h[11].x, face.absPoints[169].x, 1e-9) << "seed " << seed;
        EXPECT_NEAR(h[11].y, face.absPoints[169].y, 1e-9) << "seed " << seed;
        for (auto [target, source] : kHairlineMirrors) {
            EXPECT_EQ(h[target], (Point2{-h[source].x, h[source].y})) << "H" << target;
        }
        for (auto [target, source] : kElementMirrors) {
            EXPECT_EQ(k[target], (Point2{-k[source].x, k[source].y})) << "K" << target;
        }
        for (int n : {2, 7, 47}) EXPECT_EQ(h[n].x, 0.0) << "H" << n << ", seed " << seed;
        EXPECT_EQ(k[1].x, 0.0) << "seed " << seed;
        EXPECT_TRUE(allFinite(hair)) << "seed " << seed;
    }
}

TEST(HairFitting, RelativeArraysAreNotTouched) {
    HairGene hair = test::makeHair(3);
    hair.haegiwaRel = test::makeHair(4).haegiwaAbs;
    hair.kamiyousoRel = test::makeHair(5).kamiyousoAbs;
    const HairGene after = fitted(hair, test::makeFace(3));
    EXPECT_EQ(after.haegiwaRel, hair.haegiwaRel);
    EXPECT_EQ(after.kamiyousoRel, hair.kamiyousoRel);
    EXPECT_EQ(after.kamiyousoFlags, hair.kamiyousoFlags);
}

}  // namespace
}  // namespace mirel
