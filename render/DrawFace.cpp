#include "render/DrawFace.h"

#include <optional>

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

    // Drawn through a pale canvas, which must also see the face pen made, to pale it too.
    std::optional<PaleCanvas> pale;
    if (style.innerFaceFirst) pale.emplace(canvas);
    Canvas& device = pale ? static_cast<Canvas&>(*pale) : canvas;
    const ObjectHandle facePen = device.createPen(penWidth, FacePenColour);
    const ObjectHandle previous = device.select(facePen);
    CFaceRenderer renderer(device);
    renderer.DrawParts(device, originX, originY, face, hair, pale ? &*pale : nullptr);
    if (pale) pale->setPale(PaleCanvas::Paleness::None);
    device.select(previous);
    device.deleteObject(facePen);
}

}  // namespace mirel
