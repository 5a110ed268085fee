#pragma once
// Draws one individual (face and hairline) as flat-filled line art.

#include "face/FaceRecord.h"
#include "render/Canvas.h"
#include "render/DeviceInt.h"

namespace mirel {

inline constexpr double kFacePenWidthPerUnit = 0.005384615384615384;

// Pen width of the face for a drawing of `size` device units.
constexpr int facePenWidth(int size) {
    return 1 + toDeviceInt(size * kFacePenWidthPerUnit);
}

// How a face is drawn for the screen only; the default is the drawing every
// file and printout gets.
struct FaceStyle {
    // The hair, ears and outline in pale grey behind the inner features, so
    // the eyes, brows, nose and mouth are judged on their own.
    bool innerFaceFirst = false;

    friend bool operator==(const FaceStyle&, const FaceStyle&) = default;
};

// Recomputes the record's absolute points from its relative ones and its
// flags (this rewrites the record: pass a copy to keep yours), then draws it
// with the face-space origin at (originX, originY), 300 face units mapped to
// `size` device units, and a black face pen `penWidth` wide.
void DrawFace(FaceRecord& record, Canvas& canvas, double originX, double originY, int size,
              int penWidth, FaceStyle style = {});

// DrawFace's two halves, for callers that bring the stored record up to date
// on one thread and draw a copy of it on another.
// The record rewrite alone.
void PrepareFace(FaceRecord& record);
// The drawing alone, of a record PrepareFace has brought up to date.
void DrawPreparedFace(const FaceRecord& record, Canvas& canvas, double originX, double originY,
                      int size, int penWidth, FaceStyle style = {});

}  // namespace mirel
