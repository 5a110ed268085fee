#include "render/DrawFace.h"

#include "face/RecordConverter.h"
#include "render/FaceColours.h"
#include "render/FaceRenderer.h"
#include "render/PaleCanvas.h"

namespace mirel {
namespace {

// The double nearest 1/300, multiplied rather than divided by 300.
constexpr double kFaceUnitsInverse = 1.0 / 300.0;

}  // namespace

void DrawFace(FaceRecord& record, Canvas& canvas, double originX, double originY, int size,
              int penWidth, FaceStyle style) {
    PrepareFace(record);
    DrawPreparedFace(record, canvas, originX, originY, size, penWidth, style);
}

void PrepareFace(FaceRecord& record) {
    toDrawnForm(record);
}

void DrawPreparedFace(const FaceRecord& record, Canvas& canvas, double originX, double originY,
                      int size, int penWidth, FaceStyle style) {
    FaceGene face = record.face;
    HairGene hair = record.hair;
    const double scale = size * kFaceUnitsInverse;
    for (Point2& p : face.absPoints) p = {p.x * scale, p.y * scale};
    for (Point2& p : hair.haegiwaAbs) p = {p.x * scale, p.y * scale};

    if (style.innerFaceFirst) {
        // The pale canvas must see the face pen made, to pale it too.
        PaleCanvas pale(canvas);
        const ObjectHandle facePen = pale.createPen(penWidth, FacePenColour);
        const ObjectHandle previous = pale.select(facePen);
        CFaceRenderer renderer(pale);
        renderer.DrawParts(pale, originX, originY, face, hair, &pale);
        pale.setPale(PaleCanvas::Paleness::None);
        pale.select(previous);
        pale.deleteObject(facePen);
        return;
    }
    const ObjectHandle facePen = canvas.createPen(penWidth, FacePenColour);
    const ObjectHandle previous = canvas.select(facePen);
    CFaceRenderer renderer(canvas);
    renderer.DrawParts(canvas, originX, originY, face, hair);
    canvas.select(previous);
    canvas.deleteObject(facePen);
}

}  // namespace mirel
