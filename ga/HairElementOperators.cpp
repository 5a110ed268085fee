#include "ga/HairElementOperators.h"

#include "ga/Breeder.h"
#include "ga/PopulationStore.h"
#include "ga/RowMutation.h"

namespace mirel {

namespace {

using W = std::span<const Point2>;

// Each step takes its points from a newly drawn parent; together they cover
// all 100 points once, so an element's run, free pair and anchor mix freely.
// clang-format off
constexpr PointList kHairElementCrossSteps[] = {
    /* 1 */ {{0, 0}, {2, 4}},
    /* 2 */ {{1, 1}},
    /* 3 */ {{6, 7}, {9, 10}},
    /* 4 */ {{8, 8}},
    /* 5 */ {{5, 5}},
    /* 6 */ {{12, 18}, {21, 30}},
    /* 7 */ {{19, 20}},
    /* 8 */ {{11, 11}},
    /* 9 */ {{32, 38}, {41, 50}},
    /* 10 */ {{39, 40}},
    /* 11 */ {{31, 31}},
    /* 12 */ {{52, 54}, {57, 59}},
    /* 13 */ {{55, 56}},
    /* 14 */ {{51, 51}},
    /* 15 */ {{61, 67}, {70, 79}},
    /* 16 */ {{68, 69}},
    /* 17 */ {{60, 60}},
    /* 18 */ {{81, 87}, {90, 99}},
    /* 19 */ {{88, 89}},
    /* 20 */ {{80, 80}},
};
// clang-format on

constexpr bool isFraction(double v) {
    return 0.0 <= v && v <= 1.0;
}

// A fraction row: the point's x is a coordinate right of its element, its y a
// parameter in [0, 1].
template <int k>
constexpr MutationRow fractionRow() {
    return {{{k, k}},
            0,
            kNoPoint,
            [](W w) { return w[k].x > 0 && isFraction(w[k].y); },
            Shift::Fraction};
}

constexpr MutationRow copiedRow(int parameter, int anchor) {
    return {{{parameter, parameter}, {anchor, anchor}}, 0, kNoPoint, nullptr, Shift::None};
}

// Rows of the elements' runs test only the first points of their first run;
// the others move freely with them.
// clang-format off
constexpr MutationRow kHairElementRows[] = {
    /* 1 */ {{{0, 0}, {2, 4}}, 2, kNoPoint, [](W w) { return rising(w[0].x, 0.0, w[2].x); }},
    /* 2 */ {{{1, 1}}, 4, kNoPoint,
             [](W w) { return rising(w[1].x + w[0].x, 0.0, w[1].x + w[2].x); }},
    /* 3 */ {{{6, 7}, {9, 10}}, 2, kNoPoint, [](W w) { return falling(0.0, w[6].y, w[7].y); }},
    /* 4 */ fractionRow<8>(),
    /* 5 */ {{{5, 5}}, 4, kNoPoint, [](W w) { return falling(w[5].y, w[6].y, w[7].y); }},
    /* 6 */ {{{12, 18}, {21, 30}}, 2, kNoPoint,
             [](W w) {
                 return rising(w[14].x, w[13].x, w[12].x, 0.0) &&
                        falling(w[14].y, w[13].y, w[12].y, 0.0);
             }},
    /* 7 */ fractionRow<19>(),
    /* 8 */ copiedRow(20, 11),
    /* 9 */ {{{32, 38}, {41, 50}}, 2, kNoPoint,
             [](W w) {
                 return rising(w[34].x, w[33].x, w[32].x, 0.0) &&
                        falling(w[34].y, w[33].y, w[32].y, 0.0);
             }},
    /* 10 */ fractionRow<39>(),
    /* 11 */ copiedRow(40, 31),
    /* 12 */ {{{52, 54}, {57, 59}}, 2, kNoPoint,
              [](W w) {
                  return rising(0.0, w[52].x, w[53].x, w[54].x) &&
                         rising(0.0, w[52].y, w[53].y, w[54].y);
              }},
    /* 13 */ fractionRow<55>(),
    /* 14 */ copiedRow(56, 51),
    /* 15 */ {{{61, 67}, {70, 79}}, 2, kNoPoint,
              [](W w) {
                  return rising(w[63].x, w[62].x, w[61].x, 0.0) &&
                         falling(w[63].y, w[62].y, w[61].y, 0.0);
              }},
    /* 16 */ fractionRow<68>(),
    /* 17 */ copiedRow(69, 60),
    /* 18 */ {{{81, 87}, {90, 99}}, 2, kNoPoint,
              [](W w) {
                  return rising(w[83].x, w[82].x, w[81].x, 0.0) &&
                         falling(w[83].y, w[82].y, w[81].y, 0.0);
              }},
    /* 19 */ fractionRow<88>(),
    /* 20 */ copiedRow(89, 80),
};
// clang-format on

constexpr FlagRow kHairElementFlagRows[] = {
    {0, {0.5, 0.5}},  {1, {0.9, 0.1}},  {2, {0.8, 0.2}},  {3, {0.8, 0.2}},
    {7, {0.9, 0.1}},  {8, {0.9, 0.1}},  {12, {0.8, 0.2}}, {13, {0.6, 0.4}},
    {15, {0.8, 0.2}}, {16, {0.6, 0.4}}, {17, {0.8, 0.2}}, {18, {0.6, 0.4}},
    {22, {0.8, 0.2}}, {23, {0.7, 0.3}}, {24, {0.8, 0.2}}, {25, {0.7, 0.3}},
};

}  // namespace

void Breeder::crossHairElementPoints(const PopulationStore& store, FaceRecord& child) const {
    for (const PointList& step : kHairElementCrossSteps) {
        const KamiyousoPoints& from = store.at(drawParent()).hair.kamiyousoRel;
        for (const int k : step.indices()) child.hair.kamiyousoRel[k] = from[k];
    }
}

void Breeder::crossHairElementFlags(const PopulationStore& store, FaceRecord& child) const {
    for (int k = 0; k < kKamiyousoFlagCount; ++k) {
        child.hair.kamiyousoFlags[k] = store.at(drawParent()).hair.kamiyousoFlags[k];
    }
}

void mutateHairElementPoints(FaceRecord& child, double p, int stepScale) {
    mutateRows(kHairElementRows, child.hair.kamiyousoRel, p, stepScale);
}

void mutateHairElementFlags(FaceRecord& child, double p) {
    mutateFlags(kHairElementFlagRows, child.hair.kamiyousoFlags, p);
}

std::vector<int> failingHairElementRows(const KamiyousoPoints& kamiyousoRel) {
    return failingRows(kHairElementRows, kamiyousoRel);
}

}  // namespace mirel
