#pragma once
// Mutation of the hairline (haegiwa) gene group (57 relative points, 35 flags)
// and the query of which of its shape rows a hairline fails. The hairline
// crossover operators are members of the Breeder.

#include <vector>

#include "face/FaceRecord.h"

namespace mirel {

// Rebuilds all 57 haegiwaRel points of the child row by row with steps taken
// at probability p; points outside the genome become (0, 0).
void mutateHairlinePoints(FaceRecord& child, double p, int stepScale = 1);

// Re-draws each mutable hairline flag with probability p (flag 12 twice).
void mutateHairlineFlags(FaceRecord& child, double p);

// 1-based numbers of the hairline mutation rows whose conditions the points
// fail as they stand, in mutation order.
std::vector<int> failingHairlineRows(const HaegiwaPoints& haegiwaRel);

}  // namespace mirel
