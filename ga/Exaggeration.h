#pragma once
// The exaggeration range: the chosen face moved away from the average face
// and toward it, as a caricaturist would, at a range of levels.

#include <array>

#include "face/FaceRecord.h"
#include "ga/PartLocks.h"
#include "ga/ToolGeneration.h"

namespace mirel {

// Times the chosen face's difference from the average face, page 1 in cell
// order; 1.0 is the chosen face itself.
inline constexpr std::array<double, 20> kExaggerationLevels{
    0.60, 0.65, 0.70, 0.75, 0.80, 0.85, 0.90, 1.00, 1.05, 1.10,
    1.15, 1.20, 1.25, 1.30, 1.35, 1.40, 1.45, 1.50, 1.55, 1.60};
inline constexpr int kChosenLevel = 7;

// A level per part; points of no part (the lines of the forehead and beside
// and below the nose) take `rest`.
struct PartLevels {
    std::array<double, kFacePartCount> part{};
    double rest = 1.0;

    static constexpr PartLevels uniform(double level) {
        PartLevels levels;
        levels.part.fill(level);
        levels.rest = level;
        return levels;
    }
};

// `chosen` with every bred coordinate moved to average + level * (chosen -
// average); flags, parameters and the points breeding leaves at (0, 0) stay
// the chosen face's. At level 1.0 the chosen face comes back bit for bit.
FaceRecord exaggerate(const FaceRecord& chosen, const FaceRecord& average,
                      const PartLevels& levels);

// exaggerate, with the levels drawn toward 1.0 by a common factor (the largest
// found by bisection) when the face would break a shape condition the chosen
// face keeps, or reach out of the face space further than either face does.
FaceRecord exaggerateWithin(const FaceRecord& chosen, const FaceRecord& average,
                            const PartLevels& levels);

// Page 1: the levels in order; page 2: a level per part drawn at random;
// page 3: the levels in order again, each with a small mutation. Refuses when
// the chosen face is the average face.
ToolGeneration makeExaggerationRange(const FaceRecord& chosen, const FaceRecord& average);

}  // namespace mirel
