#include "ga/RowMutation.h"

#include <algorithm>

#include "ga/RandomSource.h"

namespace mirel {

namespace {

constexpr int kFractionXAmplitude = 2;
constexpr int kFractionYAmplitude = 5;
constexpr double kFractionUnit = 0.01;

using WorkArray = std::array<Point2, kFacePointCount>;  // the largest group

void copyRowFromChild(const MutationRow& row, std::span<const Point2> child,
                      std::span<Point2> work) {
    for (const int k : row.points.indices()) work[k] = child[k];
}

// One attempt: writes the row's stepped points into the work array and tells
// whether the row's conditions hold for them. `step` maps an amplitude to a step.
template <class Step>
bool attemptRow(const MutationRow& row, std::span<const Point2> child, std::span<Point2> work,
                Step& step, int scale) {
    for (const int k : row.points.indices()) {
        Point2 v = child[k];
        switch (row.shift) {
            case Shift::Both:
                v.x += step(row.amplitude * scale);
                v.y += step(row.amplitude * scale);
                break;
            case Shift::YOnly:
                v.y += step(row.amplitude * scale);
                break;
            case Shift::Fraction:
                v.x += step(kFractionXAmplitude * scale);
                v.y += kFractionUnit * step(kFractionYAmplitude);
                break;
            case Shift::None:
                break;
        }
        work[k] = v;
    }
    if (row.zeroX != kNoPoint) work[row.zeroX].x = 0.0;
    return row.test == nullptr || row.test(work);
}

// Settles one row in the work array; false when every attempt failed and the
// row fell back to the child's values (without forced zeros).
template <class Step>
bool settleRow(const MutationRow& row, std::span<const Point2> child, std::span<Point2> work,
               int tries, Step& step, int scale = 1) {
    if (row.shift == Shift::None) {
        copyRowFromChild(row, child, work);
        return true;
    }
    for (int attempt = 0; attempt < tries; ++attempt) {
        if (attemptRow(row, child, work, step, scale)) return true;
    }
    copyRowFromChild(row, child, work);
    return false;
}

}  // namespace

void mutateRows(std::span<const MutationRow> rows, std::span<Point2> points, double p,
                int stepScale) {
    WorkArray work{};
    const std::span<Point2> w(work.data(), points.size());
    auto step = [p](int amplitude) { return randomStep(amplitude, p); };
    for (const MutationRow& row : rows) settleRow(row, points, w, kMutationTries, step, stepScale);
    std::copy(w.begin(), w.end(), points.begin());
}

std::vector<int> failingRows(std::span<const MutationRow> rows, std::span<const Point2> points) {
    WorkArray work{};
    const std::span<Point2> w(work.data(), points.size());
    // Without steps every attempt is the same, so one stands for all of them.
    auto noStep = [](int) { return 0; };
    std::vector<int> failing;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (!settleRow(rows[r], points, w, 1, noStep)) failing.push_back(static_cast<int>(r) + 1);
    }
    return failing;
}

void mutateFlags(std::span<const FlagRow> rows, std::span<std::int32_t> flags, double p) {
    for (const FlagRow& row : rows) {
        if (randomUnit() < p) flags[row.flag] = weightedChoice(row.categoryWeights());
    }
}

}  // namespace mirel
