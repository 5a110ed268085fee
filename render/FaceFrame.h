#pragma once
// Where to draw a face so that everything it inks (hair, ears and chin
// included) fills a picture with an even margin: for exports, which keep the
// whole head, unlike the windows and the save command's fixed placement.

#include "face/FaceRecord.h"
#include "render/Canvas.h"

namespace mirel {

// The box of the device pixels a drawing may ink, [left, right) x [top, bottom).
struct InkBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool empty() const { return right <= left || bottom <= top; }
    int width() const { return right - left; }
    int height() const { return bottom - top; }
};

// The arguments of DrawPreparedFace that place a face.
struct FacePlacement {
    double originX = 0.0;
    double originY = 0.0;
    int size = 0;
    int penWidth = 1;
};

// Margin on each side of a framed face, as a fraction of the picture's side.
inline constexpr double kFrameMarginPerSide = 0.05;

// What DrawPreparedFace inks with this placement, pen widths included.
InkBox inkedBox(const FaceRecord& prepared, const FacePlacement& placement);

// The placement that fits the face's inked box, keeping its aspect, into a
// width x height picture less the margin on every side, centred. The record
// must be prepared (PrepareFace).
FacePlacement frameFace(const FaceRecord& prepared, int width, int height);

// Prepares the record (it is rewritten: pass a copy to keep yours) and draws
// it framed in a width x height picture whose top left is the canvas origin.
void DrawFramedFace(FaceRecord& record, Canvas& canvas, int width, int height);

}  // namespace mirel
