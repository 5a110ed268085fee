#pragma once
// Fixture faces for the genetic algorithm's tests and benchmark: records
// whose relative points satisfy every mutation row, in 60 variants that differ
// in every nonzero coordinate and every flag, so a test can tell which parent
// a child's gene came from.

#include <span>
#include <vector>

#include "face/FaceRecord.h"
#include "ga/PopulationStore.h"

namespace mirel::test {

inline constexpr int kVariantCount = 60;

// Variant v scales every coordinate by 1 + 0.015 v (the rows' conditions are
// comparisons with 0 and each other, plus a pupil radius in (3, 12) that the
// scales keep); hair-element fractions are 0.3 + 0.01 v. Flags are
// 1000 (v + 1) + k for face flag k, 2000 (v + 1) + k and 3000 (v + 1) + k for
// the hairline and hair-element flags. Absolute points are twice the relative
// ones; points outside the genome hold (9, 9) times the scale.
FaceRecord plausibleRecord(int variant);

// Records 0-59 are variants 0-59.
std::vector<FaceRecord> plausibleGeneration();

// A store whose generation 0 is plausibleGeneration().
PopulationStore plausibleStore();

// Whether face / hairline point k is bred (written from a parent); every other
// point of those groups is (0, 0) in a bred child.
bool inFaceGenome(int k);
bool inHairlineGenome(int k);

// The position in `candidates` of the record whose face point k the child's
// equals exactly, or -1; a point at (0, 0) matches nothing.
int variantOfFacePoint(const FaceRecord& child, int k, std::span<const FaceRecord> candidates);

}  // namespace mirel::test
