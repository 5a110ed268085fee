#pragma once
// The table-driven core of the three groups' mutation operators: point rows
// shifted by small steps and kept only when their shape conditions hold, and
// flags re-drawn from category weights. The group files hold the tables.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

#include "face/AnchorGroups.h"
#include "face/FaceRecord.h"

namespace mirel {

inline constexpr int kMutationTries = 50;  // attempts per row before it keeps the child's values
inline constexpr int kMaxRowPoints = 17;   // largest row: a hair element's two runs
inline constexpr int kNoPoint = -1;

// The points of one row, in the order their coordinates are stepped.
struct PointList {
    std::array<std::int16_t, kMaxRowPoints> index{};
    int count = 0;

    constexpr PointList(std::initializer_list<IndexRange> runs) {
        for (const IndexRange& run : runs) {
            for (int k = run.first; k <= run.last; ++k)
                index[count++] = static_cast<std::int16_t>(k);
        }
    }
    constexpr std::span<const std::int16_t> indices() const {
        return {index.data(), std::size_t(count)};
    }
};

enum class Shift {
    Both,      // x and y each get randomStep(amplitude, p)
    YOnly,     // only y is stepped
    Fraction,  // x gets a coordinate step, y a step of hundredths (a parameter in [0, 1])
    None,      // copied unchanged from the child: no step, no test
};

// Tested on the work array once a row's attempt is written into it.
using RowTest = bool (*)(std::span<const Point2> w);

struct MutationRow {
    PointList points;
    int amplitude = 0;
    int zeroX = kNoPoint;    // point whose x every attempt forces to 0
    RowTest test = nullptr;  // nullptr: the first attempt settles the row
    Shift shift = Shift::Both;
};

// Chains for the conditions: rising(a, b, c) is a < b < c, falling(a, b, c) is a > b > c.
constexpr bool rising(double a, double b) {
    return a < b;
}
template <class... Rest>
constexpr bool rising(double a, double b, Rest... rest) {
    return a < b && rising(b, rest...);
}
constexpr bool falling(double a, double b) {
    return a > b;
}
template <class... Rest>
constexpr bool falling(double a, double b, Rest... rest) {
    return a > b && falling(b, rest...);
}

// Rebuilds `points` row by row in a zeroed work array (points of no row end as
// (0, 0)) with steps taken at probability p, up to kMutationTries attempts per row.
// `stepScale` multiplies the amplitude of every coordinate step (not the
// hundredths of a fraction row's parameter); 1 draws exactly as without it.
void mutateRows(std::span<const MutationRow> rows, std::span<Point2> points, double p,
                int stepScale = 1);

// The 1-based numbers of the rows whose conditions fail when every row is
// attempted without steps (the child's own values with the row's forced
// zeros), in the order a mutation treats them. Draws no random numbers.
std::vector<int> failingRows(std::span<const MutationRow> rows, std::span<const Point2> points);

inline constexpr int kMaxCategories = 6;

// Flag `flag` is re-drawn from the weights of its categories 0, 1, ...
struct FlagRow {
    int flag = 0;
    std::array<double, kMaxCategories> weights{};
    int categories = 0;

    constexpr FlagRow(int f, std::initializer_list<double> w) : flag(f) {
        for (double weight : w) weights[categories++] = weight;
    }
    constexpr std::span<const double> categoryWeights() const {
        return {weights.data(), std::size_t(categories)};
    }
};

// Row by row: when randomUnit() < p, the row's flag gets weightedChoice of its weights.
void mutateFlags(std::span<const FlagRow> rows, std::span<std::int32_t> flags, double p);

}  // namespace mirel
