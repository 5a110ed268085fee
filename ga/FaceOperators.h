#pragma once
// Mutation of the face gene group (178 relative points, 96 flags) and the
// query of which of its shape rows a face fails. The face crossover operators
// are members of the Breeder (they read its parents).

#include <vector>

#include "face/FaceRecord.h"

namespace mirel {

// Rebuilds all 178 relPoints of the child row by row with steps taken at
// probability p; points outside the genome become (0, 0).
void mutateFacePoints(FaceRecord& child, double p, int stepScale = 1);

// Re-draws each mutable face flag with probability p.
void mutateFaceFlags(FaceRecord& child, double p);

// 1-based numbers of the face mutation rows whose conditions the points fail
// as they stand (centre-line x forced to 0), in mutation order. A failing row
// can never settle by an unshifted attempt.
std::vector<int> failingFaceRows(const FacePoints& relPoints);

}  // namespace mirel
