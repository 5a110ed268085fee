#pragma once
// The simulated witness: a user who has one person in mind and, generation
// by generation, marks the faces that look most like that person, and may
// lock each part to the face whose part looks most like theirs.

#include <span>
#include <vector>

#include "face/FaceRecord.h"
#include "ga/PartLocks.h"
#include "ga/Selection.h"

namespace mirel::witness {

struct WitnessOptions {
    int marks = 3;          // faces marked per generation
    int generations = 20;   // generations bred
    bool allPages = false;  // sees all 60 faces, not only page 1's 20
    bool locks = false;     // locks each part to its best face, once that is clearly right
};

// What the witness sees in one generation.
struct GenerationFigures {
    double nearest = 0;           // picture distance of the nearest shown face to the target
    double variety = 0;           // mean pairwise picture distance of the shown faces
    double firstPageVariety = 0;  // generation 0 only: that of faces 0-19, the samples
    double eyes = 0;              // face units between that nearest face's eyes and the target's
};

// Mean distance in face units of the bred points of `part` in two drawn faces.
double partPointDistance(FacePart part, const FaceRecord& a, const FaceRecord& b);
// How far part `part` of one drawn face lies from another's: the mean
// distance of its bred points in face units, plus a share for differing flags.
double partDistance(FacePart part, const FaceRecord& a, const FaceRecord& b);

// Breeds from `generation0` toward `target` with the global random source
// restarted, as in a fresh program run. One entry per generation 0..G.
std::vector<GenerationFigures> playWitness(std::span<const FaceRecord, kPopulationSize> generation0,
                                           const FaceRecord& target, const WitnessOptions& options);

}  // namespace mirel::witness
