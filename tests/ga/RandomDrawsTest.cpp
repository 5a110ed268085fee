// Which draws of the random source each operator consumes, replayed from the
// raw draw sequence: the count per operator, the parent each crossover step
// takes and the order in which flag rows are re-drawn. A row or step missing,
// added or moved shifts every later draw and shows here.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <numeric>
#include <vector>

#include "PlausibleFace.h"
#include "ga/Breeder.h"
#include "ga/FaceOperators.h"
#include "ga/HairElementOperators.h"
#include "ga/HairlineOperators.h"
#include "ga/RandomSource.h"

namespace mirel {
namespace {

constexpr int kSequenceLength = 4000;

// The first draws from the start state.
std::vector<int> rawDraws() {
    resetRandomSource();
    std::vector<int> draws(kSequenceLength);
    for (int& r : draws) r = nextRandom();
    resetRandomSource();
    return draws;
}

// Draws `op` consumes from the start state: the position at which the draws
// after it continue the raw sequence.
int drawsConsumedBy(const std::function<void()>& op) {
    const std::vector<int> draws = rawDraws();
    op();
    std::array<int, 4> after{};
    for (int& r : after) r = nextRandom();
    const auto at = std::search(draws.begin(), draws.end(), after.begin(), after.end());
    return at == draws.end() ? -1 : static_cast<int>(at - draws.begin());
}

double unit(int r) {
    return r / 32768.0;
}

int indexOf3(int r) {
    return static_cast<int>(r * 3.0 / 32768);
}

int categoryFor(int r, const std::vector<double>& weights) {
    double sum = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        sum += weights[i];
        if (unit(r) < sum) return static_cast<int>(i);
    }
    return 0;
}

const std::array<GeneRef, 3> kParents{{{0, 4}, {0, 9}, {0, 17}}};

// A breeder whose parents are set directly (no draws), for child slot 7.
Breeder breederWithParents() {
    Selection s;
    s.count = 3;
    for (int p = 0; p < 3; ++p) s.setMark(p, kParents[p]);
    Breeder b(s);
    for (int p = 0; p < 3; ++p) b.parents.set(p, kParents[p]);
    b.currentChild = 7;
    b.mainParent.set(7, {0, 30});
    return b;
}

// Stepped coordinates of each row (points x 2, or 1 for a y-only row).
constexpr int kFaceRowCoordinates[] = {12, 6, 2, 8, 8, 12, 2, 6, 6, 8, 2,  8,  6, 6,  6, 6,  1,
                                       6,  6, 6, 6, 2, 6,  6, 6, 2, 8, 10, 10, 6, 10, 2, 10, 0,
                                       2,  8, 8, 6, 6, 2,  4, 4, 8, 2, 6,  4,  8, 6,  6, 2};
constexpr int kHairlineRowCoordinates[] = {8, 10, 4, 4, 4, 4, 2, 4, 6, 6, 6, 2, 16, 2};
constexpr int kHairElementRowCoordinates[] = {8, 2,  8, 2, 2,  34, 2, 0,  34, 2,
                                              0, 12, 2, 0, 34, 2,  0, 34, 2,  0};

static_assert(std::size(kFaceRowCoordinates) == 50);
static_assert(std::size(kHairlineRowCoordinates) == 14);
static_assert(std::size(kHairElementRowCoordinates) == 20);

int sum(std::span<const int> values) {
    return std::accumulate(values.begin(), values.end(), 0);
}

TEST(RandomDrawsTest, EachOperatorConsumesTheDrawsOfItsTable) {
    const PopulationStore store = test::plausibleStore();
    const FaceRecord face = test::plausibleRecord(6);
    FaceRecord rowOneUnreachable = face;  // six equal x can never fall strictly
    for (int k = 0; k <= 5; ++k) rowOneUnreachable.face.relPoints[k].x = -4;
    FaceRecord elementRowOneUnreachable = face;
    elementRowOneUnreachable.hair.kamiyousoRel[0].x = 10;  // x0 < 0 out of reach, and so row 2
    ASSERT_EQ(failingFaceRows(rowOneUnreachable.face.relPoints), std::vector<int>{1});
    ASSERT_EQ(failingHairElementRows(elementRowOneUnreachable.hair.kamiyousoRel),
              (std::vector<int>{1, 2}));

    struct Case {
        const char* what;
        std::function<void(Breeder&, FaceRecord&)> op;
        const FaceRecord* child;
        int expected;
    };
    const std::vector<Case> cases = {
        {"crossFacePoints: 36 steps take a new parent",
         [&](Breeder& b, FaceRecord& c) { b.crossFacePoints(store, c); }, &face, 36},
        {"crossFaceFlags", [&](Breeder& b, FaceRecord& c) { b.crossFaceFlags(store, c); }, &face,
         kFaceFlagCount},
        {"crossHairlinePoints", [&](Breeder& b, FaceRecord& c) { b.crossHairlinePoints(store, c); },
         &face, 0},
        {"crossHairlineFlags", [&](Breeder& b, FaceRecord& c) { b.crossHairlineFlags(store, c); },
         &face, 1},
        {"crossHairElementPoints",
         [&](Breeder& b, FaceRecord& c) { b.crossHairElementPoints(store, c); }, &face, 20},
        {"crossHairElementFlags",
         [&](Breeder& b, FaceRecord& c) { b.crossHairElementFlags(store, c); }, &face,
         kKamiyousoFlagCount},
        {"mutateFacePoints p 0", [](Breeder&, FaceRecord& c) { mutateFacePoints(c, 0.0); }, &face,
         sum(kFaceRowCoordinates)},
        {"mutateFacePoints p 0, row 1 fails 50 times",
         [](Breeder&, FaceRecord& c) { mutateFacePoints(c, 0.0); }, &rowOneUnreachable,
         sum(kFaceRowCoordinates) + 49 * kFaceRowCoordinates[0]},
        {"mutateHairlinePoints p 0", [](Breeder&, FaceRecord& c) { mutateHairlinePoints(c, 0.0); },
         &face, sum(kHairlineRowCoordinates)},
        {"mutateHairElementPoints p 0",
         [](Breeder&, FaceRecord& c) { mutateHairElementPoints(c, 0.0); }, &face,
         sum(kHairElementRowCoordinates)},
        {"mutateHairElementPoints p 0, rows 1 and 2 fail 50 times",
         [](Breeder&, FaceRecord& c) { mutateHairElementPoints(c, 0.0); },
         &elementRowOneUnreachable,
         sum(kHairElementRowCoordinates) +
             49 * (kHairElementRowCoordinates[0] + kHairElementRowCoordinates[1])},
        {"mutateFaceFlags p 0", [](Breeder&, FaceRecord& c) { mutateFaceFlags(c, 0.0); }, &face,
         65},
        {"mutateFaceFlags p 1", [](Breeder&, FaceRecord& c) { mutateFaceFlags(c, 1.0); }, &face,
         2 * 65},
        {"mutateHairlineFlags p 0, flag 12 twice",
         [](Breeder&, FaceRecord& c) { mutateHairlineFlags(c, 0.0); }, &face, 14},
        {"mutateHairlineFlags p 1", [](Breeder&, FaceRecord& c) { mutateHairlineFlags(c, 1.0); },
         &face, 2 * 14},
        {"mutateHairElementFlags p 0",
         [](Breeder&, FaceRecord& c) { mutateHairElementFlags(c, 0.0); }, &face, 16},
        {"mutateHairElementFlags p 1",
         [](Breeder&, FaceRecord& c) { mutateHairElementFlags(c, 1.0); }, &face, 2 * 16},
    };
    for (const Case& c : cases) {
        Breeder breeder = breederWithParents();
        FaceRecord child = *c.child;
        EXPECT_EQ(drawsConsumedBy([&] { c.op(breeder, child); }), c.expected) << c.what;
    }
}

TEST(RandomDrawsTest, SelectionRulesDrawOnlyWhereThereIsAChoice) {
    struct Case {
        int marks;
        bool elites;  // chooseElites, else chooseParents
        int expected;
    };
    constexpr Case kCases[] = {
        {1, true, 0},
        {20, true, 0},
        {1, false, 2},
        {2, false, 1},
    };
    for (const Case& c : kCases) {
        Selection s;
        s.count = c.marks;
        for (int k = 0; k < c.marks; ++k) s.setMark(k, {0, k});
        Breeder breeder(s);
        const int drawn = drawsConsumedBy([&] {
            if (c.elites) {
                breeder.chooseElites();
            } else {
                breeder.chooseParents();
            }
        });
        EXPECT_EQ(drawn, c.expected)
            << c.marks << (c.elites ? " marks, elites" : " marks, parents");
    }
}

struct CrossStep {
    std::vector<std::pair<int, int>> runs;
    bool newParent;
};

// The face crossover steps: later steps overwrite earlier ones.
const std::vector<CrossStep> kFaceSteps = {
    {{{0, 5}}, true},
    {{{6, 8}}, false},
    {{{24, 24}}, false},
    {{{10, 13}}, true},
    {{{14, 17}}, true},
    {{{18, 19}}, true},
    {{{20, 23}}, true},
    {{{9, 9}}, true},
    {{{29, 31}}, true},
    {{{32, 34}}, false},
    {{{35, 38}}, true},
    {{{28, 28}}, true},
    {{{42, 45}}, true},
    {{{46, 48}}, true},
    {{{55, 57}}, true},
    {{{52, 54}}, false},
    {{{49, 51}}, false},
    {{{58, 58}}, true},
    {{{98, 100}}, true},
    {{{101, 103}}, true},
    {{{104, 106}}, true},
    {{{107, 109}}, true},
    {{{98, 98}}, true},
    {{{114, 116}}, true},
    {{{117, 119}}, true},
    {{{120, 122}}, true},
    {{{122, 122}}, true},
    {{{61, 69}}, true},
    {{{75, 79}}, false},
    {{{80, 82}}, true},
    {{{70, 74}}, false},
    {{{77, 77}}, true},
    {{{91, 92}}, true},
    {{{93, 96}}, true},
    {{{92, 92}}, true},
    {{{127, 130}}, true},
    {{{131, 134}}, true},
    {{{135, 137}}, true},
    {{{138, 140}}, true},
    {{{128, 128}}, true},
    {{{158, 164}}, true},
    {{{161, 161}}, true},
    {{{147, 154}, {166, 174}}, true},
};

// The hair-element crossover steps, each with a new parent.
const std::vector<std::vector<std::pair<int, int>>> kHairElementSteps = {
    {{0, 0}, {2, 4}}, {{1, 1}},   {{6, 7}, {9, 10}},
    {{8, 8}},         {{5, 5}},   {{12, 18}, {21, 30}},
    {{19, 20}},       {{11, 11}}, {{32, 38}, {41, 50}},
    {{39, 40}},       {{31, 31}}, {{52, 54}, {57, 59}},
    {{55, 56}},       {{51, 51}}, {{61, 67}, {70, 79}},
    {{68, 69}},       {{60, 60}}, {{81, 87}, {90, 99}},
    {{88, 89}},       {{80, 80}},
};

TEST(RandomDrawsTest, FaceCrossoverStepsTakeTheParentOfTheirDraw) {
    const PopulationStore store = test::plausibleStore();
    for (int round = 0; round < 3; ++round) {
        std::vector<int> draws = rawDraws();
        for (int skip = 0; skip < round * 17; ++skip) (void)nextRandom();
        draws.erase(draws.begin(), draws.begin() + round * 17);

        FacePoints expected{};
        int next = 0;
        int parent = -1;
        for (const CrossStep& step : kFaceSteps) {
            if (step.newParent) parent = indexOf3(draws[next++]);
            const FacePoints& from = store.at(kParents[parent]).face.relPoints;
            for (const auto& [first, last] : step.runs) {
                for (int k = first; k <= last; ++k) expected[k] = from[k];
            }
        }
        Breeder breeder = breederWithParents();
        FaceRecord child = test::plausibleRecord(50);
        breeder.crossFacePoints(store, child);
        for (int k = 0; k < kFacePointCount; ++k)
            EXPECT_EQ(child.face.relPoints[k], expected[k]) << "round " << round << ", point " << k;
        EXPECT_EQ(breeder.mainParent.at(7), kParents[parent]) << "round " << round;
    }
}

TEST(RandomDrawsTest, HairElementCrossoverStepsTakeTheParentOfTheirDraw) {
    const PopulationStore store = test::plausibleStore();
    const std::vector<int> draws = rawDraws();
    KamiyousoPoints expected{};
    for (std::size_t s = 0; s < kHairElementSteps.size(); ++s) {
        const KamiyousoPoints& from = store.at(kParents[indexOf3(draws[s])]).hair.kamiyousoRel;
        for (const auto& [first, last] : kHairElementSteps[s]) {
            for (int k = first; k <= last; ++k) expected[k] = from[k];
        }
    }
    Breeder breeder = breederWithParents();
    FaceRecord child = test::plausibleRecord(50);
    breeder.crossHairElementPoints(store, child);
    for (int k = 0; k < kKamiyousoPointCount; ++k)
        EXPECT_EQ(child.hair.kamiyousoRel[k], expected[k]) << "point " << k;
}

struct FlagRowSpec {
    int flag;
    std::vector<double> weights;
};

// Replays flag mutation at probability p from the raw draws: a unit draw per
// row, and when it is below p a second draw chooses the category.
template <std::size_t N>
std::array<std::int32_t, N> replayFlags(std::array<std::int32_t, N> flags,
                                        const std::vector<FlagRowSpec>& rows, double p) {
    const std::vector<int> draws = rawDraws();
    int next = 0;
    for (const FlagRowSpec& row : rows) {
        if (unit(draws[next++]) < p) flags[row.flag] = categoryFor(draws[next++], row.weights);
    }
    return flags;
}

TEST(RandomDrawsTest, FlagRowsAreRedrawnInTableOrder) {
    const std::vector<FlagRowSpec> hairline = {
        {0, {0.1, 0.9}},  {1, {0.6, 0.2, 0.2}}, {2, {0.6, 0.2, 0.2}}, {3, {0.8, 0.2}},
        {4, {0.9, 0.1}},  {10, {0.1, 0.9}},     {11, {0.8, 0.2}},     {12, {0.8, 0.2}},
        {13, {0.8, 0.2}}, {14, {0.9, 0.1}},     {20, {0.2, 0.8}},     {12, {0.1, 0.9}},
        {31, {0.2, 0.8}}, {32, {0.5, 0.5}},
    };
    // In ascending flag order (the table's two columns read down).
    const std::vector<FlagRowSpec> hairElements = {
        {0, {0.5, 0.5}},  {1, {0.9, 0.1}},  {2, {0.8, 0.2}},  {3, {0.8, 0.2}},
        {7, {0.9, 0.1}},  {8, {0.9, 0.1}},  {12, {0.8, 0.2}}, {13, {0.6, 0.4}},
        {15, {0.8, 0.2}}, {16, {0.6, 0.4}}, {17, {0.8, 0.2}}, {18, {0.6, 0.4}},
        {22, {0.8, 0.2}}, {23, {0.7, 0.3}}, {24, {0.8, 0.2}}, {25, {0.7, 0.3}},
    };
    const FaceRecord parent = test::plausibleRecord(3);
    for (const double p : {0.3, 0.5, 1.0}) {
        const auto hairlineExpected = replayFlags(parent.hair.haegiwaFlags, hairline, p);
        FaceRecord child = parent;
        resetRandomSource();
        mutateHairlineFlags(child, p);
        EXPECT_EQ(child.hair.haegiwaFlags, hairlineExpected) << "hairline, p = " << p;

        const auto elementsExpected = replayFlags(parent.hair.kamiyousoFlags, hairElements, p);
        child = parent;
        resetRandomSource();
        mutateHairElementFlags(child, p);
        EXPECT_EQ(child.hair.kamiyousoFlags, elementsExpected) << "hair elements, p = " << p;
    }
}

}  // namespace
}  // namespace mirel
