#pragma once
// Bends the hairline and the first hair-element points onto a constrained
// face before drawing: scale to the head, pin to face points, keep key points
// apart, mirror, and derive hairline flags 20 and 25.

#include "face/FaceRecord.h"

namespace mirel {

// Changes hair.haegiwaAbs, hair.kamiyousoAbs and hair.haegiwaFlags in place;
// the relative arrays are not touched. `faceCopy` is the face block after
// constrainFace. A step whose divisor is zero (or whose factor is not finite)
// leaves the points it would have scaled as they are.
void fitHair(HairGene& hair, FaceGene faceCopy);

}  // namespace mirel
