// Part drawers of the eyes: the whites, the lid skin and the pupils.
#include <array>

#include "render/DeviceInt.h"
#include "render/FaceColours.h"
#include "render/FaceRenderer.h"
#include "render/OwnPen.h"
#include "render/UpperLid.h"

namespace mirel {
namespace {

// Face flags.
constexpr int kEyeStyle = 3;          // F3
constexpr int kLowerLidShape = 5;     // F5
constexpr int kCreaseSegments = 8;    // F8
constexpr int kLowerLidSegments = 9;  // F9

constexpr int kPupilRadiusEntry = 24;
constexpr int kStoredPupil = 9;
constexpr int kMirroredPupil = 187;
// Pupils above this radius get a highlight of a third of it.
constexpr double kHighlightMinRadius = 3.0;
constexpr int kHighlightDivisor = 3;
constexpr int kHighlightPenWidth = 1;

// F3 values with an open eye (white and lid skin), and with a pupil.
constexpr bool eyeOpen(int f3) {
    return f3 == 0 || f3 == 1 || f3 == 4 || f3 == 5;
}
constexpr bool pupilShown(int f3) {
    return f3 == 1 || f3 == 4 || f3 == 5;
}

// The eye's lower edge, below the lid line, closing the white.
constexpr CurveStep kStoredWhiteBottom[] = {onY(1, 6), onX(6, 7, 8)};
constexpr CurveStep kMirroredWhiteBottom[] = {onY(182, 186), onX(186, 185, 184)};

constexpr CurveStep kStoredCreaseCurve[] = {onX(10, 11, 12, 13)};
constexpr CurveStep kStoredCreaseSegments[] = {onX(10, 11), onX(11, 12), onX(12, 13)};
constexpr std::array<CurveScript, 2> kStoredCreaseByF8 = {kStoredCreaseCurve,
                                                          kStoredCreaseSegments};
constexpr CurveStep kMirroredCreaseCurve[] = {onX(191, 190, 189, 188)};
constexpr CurveStep kMirroredCreaseSegments[] = {onX(191, 190), onX(190, 189), onX(189, 188)};
constexpr std::array<CurveScript, 2> kMirroredCreaseByF8 = {kMirroredCreaseCurve,
                                                            kMirroredCreaseSegments};

// The under-eye line by F5 (0 and 1 draw the whole line), as one curve
// (F9 = 0) or as segments (F9 = 1).
constexpr CurveStep kStoredUnderCurve[] = {onX(17, 16, 15, 14)};
constexpr CurveStep kStoredUnderOuter[] = {onX(17, 16, 15)};
constexpr CurveStep kStoredUnderInner[] = {onX(16, 15, 14)};
constexpr std::array<CurveScript, 4> kStoredUnderCurveByF5 = {kStoredUnderCurve, kStoredUnderCurve,
                                                              kStoredUnderOuter, kStoredUnderInner};
constexpr CurveStep kStoredUnderSegments[] = {onX(17, 16), onX(16, 15), onX(15, 14)};
constexpr CurveStep kStoredUnderOuterSegments[] = {onX(17, 16), onX(16, 15)};
constexpr CurveStep kStoredUnderInnerSegments[] = {onX(16, 15), onX(15, 14)};
constexpr std::array<CurveScript, 4> kStoredUnderSegmentsByF5 = {
    kStoredUnderSegments, kStoredUnderSegments, kStoredUnderOuterSegments,
    kStoredUnderInnerSegments};

constexpr CurveStep kMirroredUnderCurve[] = {onX(192, 193, 194, 195)};
constexpr CurveStep kMirroredUnderOuter[] = {onX(193, 194, 195)};
constexpr CurveStep kMirroredUnderInner[] = {onX(192, 193, 194)};
constexpr std::array<CurveScript, 4> kMirroredUnderCurveByF5 = {
    kMirroredUnderCurve, kMirroredUnderCurve, kMirroredUnderOuter, kMirroredUnderInner};
constexpr CurveStep kMirroredUnderSegments[] = {onX(192, 193), onX(193, 194), onX(194, 195)};
constexpr CurveStep kMirroredUnderOuterSegments[] = {onX(193, 194), onX(194, 195)};
constexpr CurveStep kMirroredUnderInnerSegments[] = {onX(192, 193), onX(193, 194)};
constexpr std::array<CurveScript, 4> kMirroredUnderSegmentsByF5 = {
    kMirroredUnderSegments, kMirroredUnderSegments, kMirroredUnderOuterSegments,
    kMirroredUnderInnerSegments};

constexpr CurveStep kStoredLowerLid[] = {onX(6, 7, 8)};
constexpr CurveStep kMirroredLowerLid[] = {onX(186, 185, 184)};

struct EyeSide {
    int trimFirst;
    int trimLast;
};
constexpr EyeSide kStoredEye{4, 1};
constexpr EyeSide kMirroredEye{179, 182};

}  // namespace

void CFaceRenderer::DrawEyeWhites(const FaceGene& face) {
    if (!eyeOpen(face.flags[kEyeStyle])) return;
    const UpperLidVariant lid = upperLidVariant(face.flags);
    OwnPen pen(*dc, kWhite);
    // The lid line may run on past the corners; the white stops at them.
    Add(lid.stored);
    TrimPath(kStoredEye.trimFirst, kStoredEye.trimLast);
    Add(kStoredWhiteBottom);
    FillPath(kWhite);
    Add(lid.mirrored);
    TrimPath(kMirroredEye.trimFirst, kMirroredEye.trimLast);
    Add(kMirroredWhiteBottom);
    FillPath(kWhite);
}

void CFaceRenderer::DrawUpperLidSkin(const FaceGene& face) {
    if (!eyeOpen(face.flags[kEyeStyle])) return;
    const UpperLidVariant lid = upperLidVariant(face.flags);
    const int f8 = face.flags[kCreaseSegments];
    OwnPen pen(*dc, SkinColour);
    Add(lid.stored);
    TrimPath(kStoredEye.trimFirst, kStoredEye.trimLast);
    Add(pick(kStoredCreaseByF8, f8));
    FillPath(SkinColour);
    Add(lid.mirrored);
    TrimPath(kMirroredEye.trimFirst, kMirroredEye.trimLast);
    Add(pick(kMirroredCreaseByF8, f8));
    FillPath(SkinColour);
}

void CFaceRenderer::DrawLowerLidSkin(const FaceGene& face) {
    const int f5 = face.flags[kLowerLidShape];
    const int f9 = face.flags[kLowerLidSegments];
    OwnPen pen(*dc, SkinColour);
    if (f9 == 0) Add(pick(kStoredUnderCurveByF5, f5));
    if (f9 == 1) Add(pick(kStoredUnderSegmentsByF5, f5));
    Add(kStoredLowerLid);
    FillPath(SkinColour);
    if (f9 == 0) Add(pick(kMirroredUnderCurveByF5, f5));
    if (f9 == 1) Add(pick(kMirroredUnderSegmentsByF5, f5));
    Add(kMirroredLowerLid);
    FillPath(SkinColour);
}

void CFaceRenderer::DrawPupils(const FaceGene& face) {
    if (!pupilShown(face.flags[kEyeStyle])) return;
    const double radius = points[kPupilRadiusEntry].x;
    const Point2 stored = points[kStoredPupil];
    const Point2 mirrored = points[kMirroredPupil];

    const ObjectHandle pupilBrush = dc->createBrush(PupilColour);
    const ObjectHandle previousBrush = dc->select(pupilBrush);
    DrawCircle(stored.x, stored.y, radius);
    DrawCircle(mirrored.x, mirrored.y, radius);
    if (radius > kHighlightMinRadius) {
        const double highlight = toDeviceInt(radius) / kHighlightDivisor;
        const ObjectHandle whiteBrush = dc->createBrush(kWhite);
        const ObjectHandle whitePen = dc->createPen(kHighlightPenWidth, kWhite);
        dc->select(whiteBrush);
        const ObjectHandle facePen = dc->select(whitePen);
        DrawCircle(stored.x, stored.y, highlight);
        DrawCircle(mirrored.x, mirrored.y, highlight);
        dc->select(facePen);
        dc->select(pupilBrush);
        dc->deleteObject(whitePen);
        dc->deleteObject(whiteBrush);
    }
    dc->select(previousBrush);
    dc->deleteObject(pupilBrush);
}

}  // namespace mirel
