#include "ga/HairlineOperators.h"

#include "face/AnchorGroups.h"
#include "ga/Breeder.h"
#include "ga/PopulationStore.h"
#include "ga/RowMutation.h"

namespace mirel {

namespace {

using W = std::span<const Point2>;

// The hairline genome: front hair 0-17 (17 travels with 16, the two form one
// mutation row), sideburns 24-35, back hair 40-48.
constexpr IndexRange kHairlineGenome[] = {{0, 17}, {24, 35}, {40, 48}};

// Shape rows in mutation order; the single-point rows keep an anchor's part on
// its side of the centre line.
// clang-format off
constexpr MutationRow kHairlineRows[] = {
    /* 1 */ {{{1, 4}}, 1, kNoPoint,
             [](W w) { return rising(0.0, w[1].x, w[2].x, w[3].x, w[4].x); }},
    /* 2 */ {{{5, 9}}, 1, kNoPoint,
             [](W w) { return w[5].y < 0 && rising(w[5].x, w[6].x, w[7].x, w[8].x, w[9].x); }},
    /* 3 */ {{{10, 11}}, 1, kNoPoint, [](W w) { return rising(0.0, w[10].y, w[11].y); }},
    /* 4 */ {{{12, 13}}, 1, kNoPoint, [](W w) { return rising(w[5].y, w[12].y, w[13].y); }},
    /* 5 */ {{{14, 15}}, 1, kNoPoint, [](W w) { return rising(0.0, w[14].y, w[15].y); }},
    /* 6 */ {{{16, 17}}, 1, kNoPoint, [](W w) { return rising(w[9].y, w[16].y, w[17].y); }},
    /* 7 */ {{{0, 0}}, 2, kNoPoint,
             [](W w) { return w[0].x + w[1].x < 0 && w[0].x + w[6].x < 0; }},
    /* 8 */ {{{25, 26}}, 1, kNoPoint, [](W w) { return rising(0.0, w[25].y, w[26].y); }},
    /* 9 */ {{{27, 29}}, 1, kNoPoint,
             [](W w) {
                 return rising(w[27].y, w[28].y, w[29].y) && w[27].x < 0 && w[29].x < w[26].x;
             }},
    /* 10 */ {{{30, 32}}, 1, kNoPoint, [](W w) { return rising(w[30].y, w[31].y, w[32].y); }},
    /* 11 */ {{{33, 35}}, 1, kNoPoint,
              [](W w) {
                  return rising(w[33].y, w[34].y, w[35].y) && w[30].x < w[33].x &&
                         w[32].x < w[35].x;
              }},
    // The sideburns' anchor, tested like the front hair's against the runs next to it.
    /* 12 */ {{{24, 24}}, 2, kNoPoint,
              [](W w) { return w[24].x + w[25].x < 0 && w[24].x + w[27].x < 0; }},
    /* 13 */ {{{41, 48}}, 1, kNoPoint,
              [](W w) {
                  return rising(0.0, w[41].y, w[42].y) && rising(w[43].y, w[44].y, w[45].y) &&
                         rising(w[42].x, w[46].x, w[47].x, w[48].x, w[45].x);
              }},
    /* 14 */ {{{40, 40}}, 2, kNoPoint,
              [](W w) { return w[40].x + w[46].x < 0 && w[40].x + w[48].x > 0; }},
};
// clang-format on

// In table order; flag 12 is drawn twice and the second draw wins when taken.
constexpr FlagRow kHairlineFlagRows[] = {
    {0, {0.1, 0.9}},  {1, {0.6, 0.2, 0.2}}, {2, {0.6, 0.2, 0.2}}, {3, {0.8, 0.2}},
    {4, {0.9, 0.1}},  {10, {0.1, 0.9}},     {11, {0.8, 0.2}},     {12, {0.8, 0.2}},
    {13, {0.8, 0.2}}, {14, {0.9, 0.1}},     {20, {0.2, 0.8}},     {12, {0.1, 0.9}},
    {31, {0.2, 0.8}}, {32, {0.5, 0.5}},
};

}  // namespace

void Breeder::crossHairlinePoints(const PopulationStore& store, FaceRecord& child) const {
    const HaegiwaPoints& from = store.at(mainParent.at(currentChild)).hair.haegiwaRel;
    HaegiwaPoints work{};
    for (const IndexRange& run : kHairlineGenome) {
        for (int k = run.first; k <= run.last; ++k) work[k] = from[k];
    }
    child.hair.haegiwaRel = work;
}

void Breeder::crossHairlineFlags(const PopulationStore& store, FaceRecord& child) const {
    child.hair.haegiwaFlags = store.at(drawParent()).hair.haegiwaFlags;
}

void mutateHairlinePoints(FaceRecord& child, double p, int stepScale) {
    mutateRows(kHairlineRows, child.hair.haegiwaRel, p, stepScale);
}

void mutateHairlineFlags(FaceRecord& child, double p) {
    mutateFlags(kHairlineFlagRows, child.hair.haegiwaFlags, p);
}

std::vector<int> failingHairlineRows(const HaegiwaPoints& haegiwaRel) {
    return failingRows(kHairlineRows, haegiwaRel);
}

}  // namespace mirel
