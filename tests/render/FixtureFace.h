#pragma once
// A plausible face made by the tests themselves: a full record in loaded
// form (absolute points in face space, relative form derived), with hair.

#include "face/FaceRecord.h"

namespace mirel::test {

// The face with its flags and hairline; DrawFace can draw it as it is.
FaceRecord fixtureFace();

// The same face with no hair drawn (hairline flags 0, 10 and 25 cleared).
FaceRecord fixtureFaceWithoutHair();

}  // namespace mirel::test
