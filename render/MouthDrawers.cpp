// Part drawers of the mouth: the open interior and the two lips.
#include <array>

#include "render/FaceColours.h"
#include "render/FaceRenderer.h"
#include "render/OwnPen.h"

namespace mirel {
namespace {

// Face flags.
constexpr int kMouthOpen = 41;       // F41
constexpr int kUpperLipShape = 42;   // F42
constexpr int kLowerLipShape = 43;   // F43
constexpr int kTeethShape = 44;      // F44
constexpr int kMouthLineShape = 45;  // F45: 0 = full line, 1 or 2 = short line

// F45 = 1 and 2 draw alike: the short mouth line.
constexpr int mouthLineRow(int f45) {
    return f45 == 0 ? 0 : (f45 == 1 || f45 == 2 ? 1 : -1);
}

constexpr CurveStep kInteriorTrimmed[] = {onX(79, 78, 77, 76, 75), trim(78, 76)};
constexpr CurveStep kInteriorFull[] = {onX(79, 78, 77, 76, 75)};
constexpr CurveStep kInteriorShort[] = {onX(78, 77, 76)};
constexpr CurveStep kInteriorBottom[] = {onX(80, 81, 82)};

// Upper lip by [mouth line row][F42].
constexpr CurveStep kUpper00[] = {onX(68, 67, 66, 65), onX(65, 64, 63, 62),
                                  onX(75, 76, 77, 78, 79)};
constexpr CurveStep kUpper01[] = {onX(69, 68, 67, 66, 65), onX(65, 64, 63, 62, 61), trim(68, 62),
                                  onX(75, 76, 77, 78, 79)};
constexpr CurveStep kUpper02[] = {onX(79, 78, 77, 76, 75), trim(78, 76), onX(63, 64, 65),
                                  onX(65, 66, 67)};
constexpr CurveStep kUpper10[] = {onX(68, 67, 66, 65), onX(65, 64, 63, 62), onX(62, 76),
                                  onX(76, 77, 78)};
constexpr CurveStep kUpper11[] = {onX(69, 68, 67, 66, 65), onX(65, 64, 63, 62, 61), trim(68, 62),
                                  onX(62, 76), onX(76, 77, 78)};
constexpr CurveStep kUpper12[] = {onX(67, 66, 65), onX(65, 64, 63), onX(76, 77, 78)};
constexpr std::array<std::array<CurveScript, 3>, 2> kUpperLipTable = {{
    {kUpper00, kUpper01, kUpper02},
    {kUpper10, kUpper11, kUpper12},
}};

// Lower lip: its bottom edge by F43, then the mouth line it closes on.
constexpr CurveStep kLowerEdgeClosed[] = {onY(79, 74), onX(74, 73, 72, 71, 70), onY(70, 75)};
constexpr CurveStep kLowerEdgeOpen[] = {onX(74, 73, 72, 71, 70), onY(70, 75)};
constexpr CurveStep kLowerEdgeShort[] = {onX(74, 73), onX(73, 72, 71), onX(71, 70)};
constexpr CurveStep kLowerEdgeCurve[] = {onX(74, 73, 72, 71, 70)};
constexpr std::array<CurveScript, 3> kLowerEdgeClosedByF43 = {kLowerEdgeClosed, kLowerEdgeShort,
                                                              kLowerEdgeCurve};
constexpr std::array<CurveScript, 3> kLowerEdgeOpenByF43 = {kLowerEdgeOpen, kLowerEdgeShort,
                                                            kLowerEdgeCurve};

constexpr CurveStep kClosedLineFull[] = {onX(75, 76, 77, 78, 79)};
constexpr CurveStep kClosedLineShort[] = {onX(75, 76), onX(76, 77, 78), onX(78, 79)};
constexpr std::array<CurveScript, 2> kClosedLineByRow = {kClosedLineFull, kClosedLineShort};

constexpr CurveStep kOpenLineWithCorners[] = {onX(75, 76), onX(80, 81, 82), onX(78, 79)};
constexpr CurveStep kOpenLineBottomOnly[] = {onX(80, 81, 82)};
constexpr std::array<CurveScript, 2> kOpenLineByF44 = {kOpenLineWithCorners, kOpenLineBottomOnly};

}  // namespace

void CFaceRenderer::DrawMouthInterior(const FaceGene& face) {
    const auto& f = face.flags;
    if (f[kMouthOpen] != 1) return;
    OwnPen pen(*dc, kWhite);
    const int row = mouthLineRow(f[kMouthLineShape]);
    if (row == 0 && f[kTeethShape] == 0) Add(kInteriorTrimmed);
    if (row == 0 && f[kTeethShape] == 1) Add(kInteriorFull);
    if (row == 1) Add(kInteriorShort);
    Add(kInteriorBottom);
    FillPath(kWhite);
}

void CFaceRenderer::DrawUpperLip(const FaceGene& face) {
    const auto& f = face.flags;
    OwnPen pen(*dc, LipColour);
    const int row = mouthLineRow(f[kMouthLineShape]);
    if (row < 0) return;
    Add(pick(kUpperLipTable[static_cast<std::size_t>(row)], f[kUpperLipShape]));
    FillPath(LipColour);
}

void CFaceRenderer::DrawLowerLip(const FaceGene& face) {
    const auto& f = face.flags;
    OwnPen pen(*dc, LipColour);
    if (f[kMouthOpen] == 0) {
        Add(pick(kLowerEdgeClosedByF43, f[kLowerLipShape]));
        Add(pick(kClosedLineByRow, mouthLineRow(f[kMouthLineShape])));
        FillPath(LipColour);
    } else if (f[kMouthOpen] == 1) {
        Add(pick(kLowerEdgeOpenByF43, f[kLowerLipShape]));
        Add(pick(kOpenLineByF44, f[kTeethShape]));
        FillPath(LipColour);
    }
}

}  // namespace mirel
