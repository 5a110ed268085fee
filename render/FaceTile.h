#pragma once
// One face drawn alone into an image of its own, transparent around the
// face, for the screen: faces can then be drawn on several threads and laid
// over each other afterwards. Strokes go through the StrokeJoiner, so only
// raster pictures for the screen come from here.

#include <QImage>
#include <QRect>

#include "face/FaceRecord.h"
#include "render/DrawFace.h"

namespace mirel {

struct FaceTile {
    // Premultiplied ARGB of (size + 2 * margin) logical pixels square, with
    // the device pixel ratio it was drawn at.
    QImage image;
    // The image pixels that hold all that was drawn (and maybe some untouched
    // ones); empty when nothing was.
    QRect content;
};

struct FaceTileStyle {
    int size = 0;      // device length the 300 face units map to
    int penWidth = 1;  // width of the black face pen
    int margin = 0;    // room around the face's square for what reaches out of it
    qreal devicePixelRatio = 1.0;
    bool antialiased = true;
    FaceStyle face{};
};

// Draws a record PrepareFace has brought up to date with the face-space
// origin at (margin + size / 2, margin + size / 2) logical pixels. Reads only
// the record, so any thread may draw its own copy.
FaceTile DrawFaceTile(const FaceRecord& prepared, const FaceTileStyle& style);

}  // namespace mirel
