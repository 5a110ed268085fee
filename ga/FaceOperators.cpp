#include "ga/FaceOperators.h"

#include "ga/Breeder.h"
#include "ga/PopulationStore.h"
#include "ga/RandomSource.h"
#include "ga/RowMutation.h"

namespace mirel {

namespace {

using W = std::span<const Point2>;

enum class Source { NewParent, SameParent };

struct CrossStep {
    PointList points;
    Source parent;
};

constexpr Source kNew = Source::NewParent;
constexpr Source kSame = Source::SameParent;

// Each step copies its points from a parent; later steps overwrite earlier ones.
constexpr CrossStep kFaceCrossSteps[] = {
    {{{0, 5}}, kNew},
    {{{6, 8}}, kSame},
    {{{24, 24}}, kSame},
    {{{10, 13}}, kNew},
    {{{14, 17}}, kNew},
    {{{18, 19}}, kNew},
    {{{20, 23}}, kNew},
    {{{9, 9}}, kNew},
    {{{29, 31}}, kNew},
    {{{32, 34}}, kSame},
    {{{35, 38}}, kNew},
    {{{28, 28}}, kNew},
    {{{42, 45}}, kNew},
    {{{46, 48}}, kNew},
    {{{55, 57}}, kNew},
    {{{52, 54}}, kSame},
    {{{49, 51}}, kSame},
    {{{58, 58}}, kNew},
    {{{98, 100}}, kNew},
    {{{101, 103}}, kNew},
    {{{104, 106}}, kNew},
    {{{107, 109}}, kNew},
    {{{98, 98}}, kNew},
    {{{114, 116}}, kNew},
    {{{117, 119}}, kNew},
    {{{120, 122}}, kNew},
    {{{122, 122}}, kNew},
    {{{61, 69}}, kNew},
    {{{75, 79}}, kSame},
    {{{80, 82}}, kNew},
    {{{70, 74}}, kSame},
    {{{77, 77}}, kNew},
    {{{91, 92}}, kNew},
    {{{93, 96}}, kNew},
    {{{92, 92}}, kNew},
    {{{127, 130}}, kNew},
    {{{131, 134}}, kNew},
    {{{135, 137}}, kNew},
    {{{138, 140}}, kNew},
    {{{128, 128}}, kNew},
    {{{158, 164}}, kNew},
    {{{161, 161}}, kNew},
    // Last: the chin and outline; its parent is the child's main parent.
    {{{147, 154}, {166, 174}}, kNew},
};

constexpr double kPupilRadiusMin = 3.0;
constexpr double kPupilRadiusMax = 12.0;

// Shape rows in mutation order. A row's conditions read only its own points
// and those of earlier rows. zeroX puts a point on the centre line or straight
// above or below its anchor.
// clang-format off
constexpr MutationRow kFaceRows[] = {
    /* 1 */ {{{0, 5}}, 1, kNoPoint,
             [](W w) { return falling(w[0].x, w[1].x, w[2].x, w[3].x, w[4].x, w[5].x); }},
    /* 2 */ {{{6, 8}}, 1, kNoPoint,
             [](W w) {
                 return falling(w[6].x, w[7].x, w[8].x) && w[1].y <= w[6].y && w[4].y <= w[8].y;
             }},
    /* 3 */ {{{24, 24}}, 1, kNoPoint,
             [](W w) { return kPupilRadiusMin < w[24].x && w[24].x < kPupilRadiusMax; }},
    /* 4 */ {{{10, 13}}, 1, kNoPoint,
             [](W w) { return falling(w[10].x, w[11].x, w[12].x, w[13].x); }},
    /* 5 */ {{{14, 17}}, 1, kNoPoint,
             [](W w) { return falling(w[14].x, w[15].x, w[16].x, w[17].x); }},
    /* 6 */ {{{18, 23}}, 1, kNoPoint,
             [](W w) { return w[18].x > w[19].x && w[20].x > w[21].x && w[22].x > w[23].x; }},
    /* 7 */ {{{9, 9}}, 2, kNoPoint,
             [](W w) {
                 return w[9].x + w[0].x < 0 && w[9].x + w[6].x < 0 && w[9].x + w[10].x < 0 &&
                        w[9].x + w[14].x < 0 && w[9].x + w[18].x < 0;
             }},
    /* 8 */ {{{29, 31}}, 1, kNoPoint, [](W w) { return falling(0.0, w[29].x, w[30].x, w[31].x); }},
    /* 9 */ {{{32, 34}}, 1, kNoPoint,
             [](W w) {
                 return falling(w[32].x, w[33].x, w[34].x) && w[32].y >= 0 && w[31].y <= w[34].y;
             }},
    /* 10 */ {{{35, 38}}, 1, kNoPoint,
              [](W w) { return rising(w[35].y, w[36].y, w[37].y, w[38].y); }},
    /* 11 */ {{{28, 28}}, 2, kNoPoint,
              [](W w) {
                  return w[35].x + w[28].x < 0 && w[36].x + w[28].x < 0 &&
                         w[37].x + w[28].x < 0 && w[38].x + w[28].x < 0;
              }},
    /* 12 */ {{{42, 45}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[42].y, w[43].y, w[44].y, w[45].y) && w[42].x < 0 &&
                         w[43].x < 0 && w[44].x < 0 && w[45].x < 0;
              }},
    /* 13 */ {{{46, 48}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[46].y, w[47].y, w[48].y) && w[46].x < 0 && w[47].x < 0 &&
                         w[48].x < 0;
              }},
    /* 14 */ {{{55, 57}}, 1, 57, [](W w) { return rising(w[55].x, w[56].x, 0.0); }},
    /* 15 */ {{{52, 54}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[52].y, w[53].y, w[54].y) && w[52].x <= w[55].x &&
                         w[53].x < w[52].x;
              }},
    /* 16 */ {{{49, 51}}, 1, kNoPoint,
              [](W w) { return rising(w[49].y, w[50].y, w[51].y) && w[51].x <= w[54].x; }},
    /* 17 */ {{{58, 58}}, 2, 58, nullptr, Shift::YOnly},
    /* 18 */ {{{98, 100}}, 1, kNoPoint,
              [](W w) {
                  return rising(0.0, w[99].y, w[100].y) && w[100].x <= w[99].x && w[99].x <= 0;
              }},
    /* 19 */ {{{101, 103}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[101].y, w[102].y, w[103].y) && w[101].x <= w[102].x &&
                         w[102].x <= w[103].x;
              }},
    /* 20 */ {{{104, 106}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[104].y, w[105].y, w[106].y) && w[104].x <= w[105].x &&
                         w[105].x <= w[106].x && w[106].x < w[100].x;
              }},
    /* 21 */ {{{107, 109}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[107].y, w[108].y, w[109].y) && w[109].x <= w[108].x &&
                         w[108].x <= w[107].x && w[103].x < w[109].x;
              }},
    /* 22 */ {{{98, 98}}, 2, kNoPoint, [](W w) { return w[98].x <= w[50].x + w[58].x; }},
    /* 23 */ {{{114, 116}}, 1, kNoPoint, [](W w) { return rising(w[114].y, w[115].y, w[116].y); }},
    /* 24 */ {{{117, 119}}, 1, kNoPoint, [](W w) { return rising(w[117].y, w[118].y, w[119].y); }},
    /* 25 */ {{{120, 122}}, 1, kNoPoint,
              [](W w) { return w[120].y < w[121].y && w[121].y <= 0 && w[121].x < 0; }},
    /* 26 */ {{{122, 122}}, 2, 122,
              [](W w) { return w[122].y + w[120].y >= w[57].y + w[58].y; }},
    /* 27 */ {{{61, 64}}, 1, kNoPoint,
              [](W w) { return rising(0.0, w[64].x, w[63].x, w[62].x, w[61].x); }},
    /* 28 */ {{{65, 69}}, 1, 65,
              [](W w) {
                  return rising(w[69].x, w[68].x, w[67].x, w[66].x, 0.0) && w[65].y < 0;
              }},
    /* 29 */ {{{75, 79}}, 1, kNoPoint,
              [](W w) { return rising(w[79].x, w[78].x, 0.0, w[76].x, w[75].x); }},
    /* 30 */ {{{80, 82}}, 1, 81,
              [](W w) {
                  return rising(w[82].x, 0.0, w[80].x) && w[78].y < w[82].y &&
                         w[76].y < w[80].y && w[81].y > 0;
              }},
    /* 31 */ {{{70, 74}}, 1, 72,
              [](W w) {
                  return rising(w[74].x, w[73].x, 0.0, w[71].x, w[70].x) && w[82].y < w[73].y &&
                         w[81].y < w[72].y && w[80].y < w[71].y;
              }},
    /* 32 */ {{{77, 77}}, 2, 77, [](W w) { return w[77].y + w[65].y > w[122].y; }},
    /* 33 */ {{{91, 95}}, 1, 95,
              [](W w) { return w[91].x < 0 && rising(w[93].x, w[94].x, 0.0); }},
    /* 34 */ {{{96, 96}}, 0, kNoPoint, nullptr, Shift::None},
    /* 35 */ {{{92, 92}}, 2, 92, [](W w) { return w[58].y + w[42].y > w[92].y; }},
    /* 36 */ {{{127, 130}}, 1, kNoPoint,
              [](W w) { return rising(w[127].y, 0.0, w[129].y, w[130].y); }},
    /* 37 */ {{{131, 134}}, 1, kNoPoint,
              [](W w) { return rising(w[131].y, w[132].y, w[133].y, w[134].y); }},
    /* 38 */ {{{135, 137}}, 1, kNoPoint, [](W w) { return rising(w[135].y, w[136].y, w[137].y); }},
    /* 39 */ {{{138, 140}}, 1, kNoPoint, [](W w) { return rising(w[138].y, w[139].y, w[140].y); }},
    /* 40 */ {{{128, 128}}, 2, kNoPoint, [](W w) { return w[128].x <= w[77].x + w[69].x; }},
    /* 41 */ {{{147, 148}}, 1, 148, [](W w) { return w[147].x < 0 && w[148].y <= w[147].y; }},
    /* 42 */ {{{149, 150}}, 1, 150, [](W w) { return w[149].x < 0 && w[149].y <= w[150].y; }},
    /* 43 */ {{{151, 154}}, 1, kNoPoint,
              [](W w) {
                  return w[151].x <= w[152].x && rising(w[152].x, w[153].x, 0.0) &&
                         rising(w[151].y, w[152].y, 0.0) && w[152].y <= w[153].y;
              }},
    /* 44 */ {{{154, 154}}, 2, kNoPoint,
              [](W w) { return w[154].y + w[148].y >= w[77].y + w[72].y; }},
    /* 45 */ {{{166, 166}, {167, 167}, {174, 174}}, 3, kNoPoint,
              [](W w) {
                  return rising(w[166].x, w[174].x, w[167].x) &&
                         rising(w[167].y, w[174].y, w[166].y);
              }},
    /* 46 */ {{{168, 169}}, 3, kNoPoint,
              [](W w) { return w[169].x < w[166].x && rising(w[166].y, w[168].y, w[169].y); }},
    /* 47 */ {{{170, 173}}, 3, kNoPoint,
              [](W w) {
                  return w[172].x < w[173].x &&
                         rising(w[169].y, w[170].y, w[171].y, w[172].y, w[173].y);
              }},
    /* 48 */ {{{158, 160}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[160].x, w[159].x, w[158].x) && rising(w[159].y, w[160].y, 0.0);
              }},
    /* 49 */ {{{162, 164}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[162].x, w[163].x, w[164].x) && rising(0.0, w[162].y, w[163].y);
              }},
    /* 50 */ {{{161, 161}}, 2, kNoPoint,
              [](W w) {
                  return w[161].x + w[159].x < w[169].x && w[161].x + w[164].x < w[170].x;
              }},
};
// clang-format on

// Flags and the weights of their categories 0, 1, ...; flags not listed pass
// on by crossover only.
constexpr FlagRow kFaceFlagRows[] = {
    {0, {0.6, 0.4}},
    {1, {0.4, 0.6}},
    {2, {0.6, 0.1, 0.3}},
    {3, {0.02, 0.05, 0.05, 0.13, 0.2, 0.55}},
    {4, {0.4, 0.4, 0.1, 0.1}},
    {5, {0.4, 0.4, 0.1, 0.1}},
    {6, {0.4, 0.6}},
    {7, {0.6, 0.4}},
    {8, {0.7, 0.3}},
    {9, {0.6, 0.4}},
    {10, {0.7, 0.3}},
    {15, {0.6, 0.4}},
    {16, {0.2, 0.8}},
    {17, {0.05, 0.75, 0.2}},
    {18, {0.6, 0.2, 0.1, 0.1}},
    {19, {0.3, 0.7}},
    {22, {0.6, 0.2, 0.1, 0.1}},
    {23, {0.5, 0.5}},
    {24, {0.4, 0.25, 0.35}},
    {25, {0.3, 0.7}},
    {26, {0.6, 0.4}},
    {27, {0.3, 0.7}},
    {28, {0.7, 0.3}},
    {29, {0.4, 0.6}},
    {30, {0.4, 0.6}},
    {31, {0.5, 0.5}},
    {32, {0.4, 0.6}},
    {33, {0.7, 0.3}},
    {38, {0.3, 0.7}},
    {39, {0.4, 0.6}},
    {40, {0.2, 0.8}},
    {41, {0.5, 0.5}},
    {42, {0.3, 0.3, 0.4}},
    {43, {0.3, 0.2, 0.5}},
    {44, {0.6, 0.4}},
    {45, {0.8, 0.1, 0.1}},
    {50, {0.7, 0.15, 0.15}},
    {51, {0.7, 0.3}},
    {53, {0.3, 0.7}},
    {54, {0.4, 0.6}},
    {55, {0.4, 0.6}},
    {56, {0.7, 0.3}},
    {57, {0.2, 0.8}},
    {60, {0.0, 1.0}},
    {61, {0.6, 0.4}},
    {62, {0.7, 0.15, 0.05, 0.1}},
    {63, {0.2, 0.8}},
    {67, {0.0, 1.0}},
    {68, {0.4, 0.6}},
    {69, {0.6, 0.4}},
    {70, {0.3, 0.7}},
    {71, {0.7, 0.3}},
    {72, {0.3, 0.7}},
    {73, {0.5, 0.5}},
    {78, {0.4, 0.6}},
    {79, {0.6, 0.4}},
    {80, {0.5, 0.5}},
    {81, {0.5, 0.5}},
    {82, {0.4, 0.6}},
    {83, {0.5, 0.5}},
    {87, {0.4, 0.1, 0.1, 0.3, 0.1}},
    {88, {0.4, 0.3, 0.3}},
    {90, {0.6, 0.4}},
    {91, {0.5, 0.5}},
    {92, {0.2, 0.35, 0.2, 0.25}},
};

}  // namespace

void Breeder::crossFacePoints(const PopulationStore& store, FaceRecord& child) {
    FacePoints work{};
    GeneRef parent{};
    for (const CrossStep& step : kFaceCrossSteps) {
        if (step.parent == Source::NewParent) parent = drawParent();
        const FacePoints& from = store.at(parent).face.relPoints;
        for (const int k : step.points.indices()) work[k] = from[k];
    }
    child.face.relPoints = work;
    mainParent.set(currentChild, parent);
}

void Breeder::crossFaceFlags(const PopulationStore& store, FaceRecord& child) {
    for (int k = 0; k < kFaceFlagCount; ++k)
        child.face.flags[k] = store.at(drawParent()).face.flags[k];
}

void mutateFacePoints(FaceRecord& child, double p, int stepScale) {
    mutateRows(kFaceRows, child.face.relPoints, p, stepScale);
}

void mutateFaceFlags(FaceRecord& child, double p) {
    mutateFlags(kFaceFlagRows, child.face.flags, p);
}

std::vector<int> failingFaceRows(const FacePoints& relPoints) {
    return failingRows(kFaceRows, relPoints);
}

}  // namespace mirel
