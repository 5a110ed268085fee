#pragma once
// Mutation of the hair-element (kamiyouso) gene group (100 relative points,
// 29 flags) and the query of which of its shape rows a set of hair elements
// fails. The hair-element crossover operators are members of the Breeder.

#include <vector>

#include "face/FaceRecord.h"

namespace mirel {

// Rebuilds all 100 kamiyousoRel points of the child row by row with steps
// taken at probability p. Fraction parameters move by hundredths and stay in
// [0, 1]; the anchors of elements 2-6 and their second parameters never move.
void mutateHairElementPoints(FaceRecord& child, double p, int stepScale = 1);

// Re-draws each mutable hair-element flag with probability p.
void mutateHairElementFlags(FaceRecord& child, double p);

// 1-based numbers of the hair-element mutation rows whose conditions the
// points fail as they stand, in mutation order.
std::vector<int> failingHairElementRows(const KamiyousoPoints& kamiyousoRel);

}  // namespace mirel
