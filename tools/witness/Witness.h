#pragma once
// The simulated witness: a user who has one person in mind and, generation
// by generation, looks at the shown faces and lets a strategy (usually:
// mark the faces that look most like that person) make the next generation.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "Strategy.h"
#include "face/FaceRecord.h"
#include "ga/PartLocks.h"
#include "ga/Selection.h"

namespace mirel::witness {

struct WitnessOptions {
    int generations = 10;   // generations made
    bool allPages = true;   // sees all 60 faces, not only page 1's 20
    double noise = 0;       // spread of its judgement, in standard deviations of the shown distances
    std::uint32_t seed = 1; // of its noise
};

// What the witness sees in one generation.
struct GenerationFigures {
    double nearest = 0;        // picture distance of the nearest shown face to the target
    double nearestPoints = 0;  // point distance (face units) of the nearest shown face by points
    double variety = 0;        // mean pairwise picture distance of the shown faces
    double varietyPoints = 0;  // mean pairwise point distance of the shown faces
    // Per part, the point distance of the face nearest by pictures to the target's.
    std::array<double, kFacePartCount> parts{};
};

struct WitnessRun {
    std::vector<GenerationFigures> generations;  // 0..G
    FaceRecord finalFace;  // the last generation's face nearest the target by pictures
};

// Mean distance in face units of the drawn points of `part` in two drawn faces.
double partPointDistance(FacePart part, const FaceRecord& a, const FaceRecord& b);
// The mean of the seven parts' point distances.
double pointDistance(const FaceRecord& a, const FaceRecord& b);
// How far part `part` of one drawn face lies from another's: the mean
// distance of its bred points in face units, plus a share for differing flags.
double partDistance(FacePart part, const FaceRecord& a, const FaceRecord& b);

// Plays from `generation0` toward `target` with the global random source
// restarted, as in a fresh program run.
WitnessRun playWitness(std::span<const FaceRecord, kPopulationSize> generation0,
                       const FaceRecord& target, const WitnessOptions& options,
                       Strategy& strategy);

}  // namespace mirel::witness
