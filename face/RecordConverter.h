#pragma once
// Converts a record between the part-relative form that is bred and the
// absolute form that is drawn, and makes the absolute face symmetric and
// consistent with its flags before drawing. Stateless; create one per call.

#include "face/FaceRecord.h"

namespace mirel {

class RecordConverter {
  public:
    // absolute -> relative, for all three groups (run once after loading).
    void toRelative(FaceRecord& record) const;
    // relative -> absolute, for all three groups (run before every drawing).
    void toAbsolute(FaceRecord& record) const;
    // constrainFace, then fitHair on a copy of the constrained face block.
    void applyConstraints(FaceRecord& record) const;

    void faceToRelative(FaceGene& face) const;
    void hairToRelative(HairGene& hair) const;
    void faceToAbsolute(FaceGene& face) const;
    void hairToAbsolute(HairGene& hair) const;
    // The symmetry and flag rules; changes absPoints and flags only.
    void constrainFace(FaceGene& face) const;
};

// Brings `record` up to date as drawing does: absolute points from the
// relative ones and the flags, then the constraints and the hair fitting.
void toDrawnForm(FaceRecord& record);
// A copy of `record` in that form; the caller's record stays as it is.
FaceRecord drawnForm(FaceRecord record);

}  // namespace mirel
