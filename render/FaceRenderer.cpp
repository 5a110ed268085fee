// Point mapping and drawing order of the face renderer.
#include "render/FaceRenderer.h"

#include <cmath>

#include "render/FaceColours.h"
#include "render/PaleCanvas.h"

namespace mirel {
namespace {

// Entries 178-252 mirror face entries: entry first + k <- source + k.
struct MirrorRun {
    int first;
    int source;
    int count;
};

constexpr MirrorRun kMirrorTable[] = {
    {178, 0, 24},  {202, 28, 7},  {209, 42, 15}, {224, 91, 1},  {225, 35, 4},  {229, 93, 2},
    {231, 120, 2}, {233, 147, 1}, {234, 149, 1}, {235, 151, 1}, {236, 152, 1}, {237, 153, 1},
    {238, 158, 7}, {245, 174, 1}, {246, 166, 1}, {247, 168, 6},
};

// Entries that hold lengths, not positions, and so are not translated.
constexpr int kPupilRadiusEntry = 24;
constexpr int kForeheadOffsetEntry = 96;
constexpr int kFirstHairlineEntry = 260;

constexpr int kSideHairBehindFlag = 14;  // H14 = 1: side hair behind the features
constexpr int kFrontHairBehindFlag = 4;  // H4 = 1: front hair behind the features

Point2 truncated(const Point2& p) {
    return {std::trunc(p.x), std::trunc(p.y)};
}

}  // namespace

void CFaceRenderer::MapPoints(double originX, double originY, const FaceGene& face,
                              const HairGene& hair) {
    for (int k = 0; k < kFacePointCount; ++k) points[k] = truncated(face.absPoints[k]);
    for (const MirrorRun& run : kMirrorTable) {
        for (int k = 0; k < run.count; ++k) {
            const Point2& source = points[run.source + k];
            points[run.first + k] = {-source.x, source.y};
        }
    }
    for (int k = 0; k < kHaegiwaPointCount; ++k) {
        points[kFirstHairlineEntry + k] = truncated(hair.haegiwaAbs[k]);
    }

    const double tx = std::trunc(originX);
    const double ty = std::trunc(originY);
    for (int entry = 0; entry < kPointTableSize; ++entry) {
        if (entry == kPupilRadiusEntry || entry == kForeheadOffsetEntry) continue;
        points[entry].x += tx;
        points[entry].y += ty;
    }
}

void CFaceRenderer::DrawParts(Canvas& device, double originX, double originY, const FaceGene& face,
                              const HairGene& hair, PaleCanvas* paleOuter) {
    dc = &device;
    MapPoints(originX, originY, face, hair);

    const bool sideHairBehind = hair.haegiwaFlags[kSideHairBehindFlag] == 1;
    const bool frontHairBehind = hair.haegiwaFlags[kFrontHairBehindFlag] == 1;

    if (paleOuter != nullptr) {
        paleOuter->setPale(PaleCanvas::Paleness::All);
        DrawBackHair(hair, face);
        DrawEars(face);
        DrawSideburns(hair);
        DrawOutline(face);
        DrawSideHair(hair);
        DrawFrontHair(hair);
        // The lids' skin patches take the pale skin, or they would show round the eyes.
        paleOuter->setPale(PaleCanvas::Paleness::Skin, SkinColour);
        DrawInnerFace(face);
        return;
    }
    DrawBackHair(hair, face);
    DrawEars(face);
    DrawSideburns(hair);
    if (sideHairBehind) DrawSideHair(hair);
    if (frontHairBehind) DrawFrontHair(hair);
    DrawOutline(face);
    DrawInnerFace(face);
    if (!sideHairBehind) DrawSideHair(hair);
    if (!frontHairBehind) DrawFrontHair(hair);
}

void CFaceRenderer::DrawInnerFace(const FaceGene& face) {
    DrawEyeWhites(face);
    DrawMouthInterior(face);
    DrawPupils(face);
    DrawUpperLip(face);
    DrawLowerLip(face);
    DrawUpperLidSkin(face);
    DrawLowerLidSkin(face);
    DrawFeatureLines(face);
    DrawEyebrows(face);
}

}  // namespace mirel
