#pragma once
// A face for the picture tests: every part present, relative points spread
// over the face so that drawing gives fills and strokes in all its parts.

#include "face/FaceRecord.h"

namespace mirel::test {

FaceRecord pictureFace();

}  // namespace mirel::test
