// Part drawers of the hairline: back hair, front hair, side hair, sideburns.
#include <array>

#include "render/FaceColours.h"
#include "render/FaceRenderer.h"
#include "render/OwnPen.h"

namespace mirel {
namespace {

// Hairline flags.
constexpr int kHairShown = 0;        // H0
constexpr int kEdgeShape = 1;        // H1: the front edge 265-269
constexpr int kInnerShape = 2;       // H2: the inner edge 264-260
constexpr int kEdgeOnOutline = 3;    // H3: 1 = the edge follows the face top
constexpr int kSideHairShown = 10;   // H10
constexpr int kLockOuterShape = 11;  // H11
constexpr int kLockInnerShape = 12;  // H12
constexpr int kLockOnOutline = 13;   // H13
constexpr int kPartingLines = 20;    // H20
constexpr int kSideburnsShown = 25;  // H25
// Face flag F90: the top of the outline as one curve (0) or segments (1).
constexpr int kOutlineTopShape = 90;

constexpr CurveStep kEdgeCurve[] = {onX(265, 266, 267, 268, 269)};
constexpr CurveStep kEdgeHalves[] = {onX(265, 266, 267), onX(267, 268, 269)};
constexpr CurveStep kEdgeSegments[] = {onX(265, 266), onX(266, 267), onX(267, 268), onX(268, 269)};
constexpr std::array<CurveScript, 3> kEdgeByH1 = {kEdgeCurve, kEdgeHalves, kEdgeSegments};

constexpr CurveStep kEdgeAlongOutline[] = {onX(166, 174, 167, 245, 246)};
constexpr CurveStep kEdgeDown[] = {onY(269, 264)};

constexpr CurveStep kTopBackCurve[] = {onX(246, 245, 167, 174, 166)};
constexpr CurveStep kTopBackSegments[] = {onX(246, 245), onX(245, 167), onX(167, 174),
                                          onX(174, 166)};
constexpr std::array<CurveScript, 2> kTopBackByF90 = {kTopBackCurve, kTopBackSegments};

constexpr CurveStep kInnerCurve[] = {onX(264, 263, 262, 261, 260)};
constexpr CurveStep kInnerHalves[] = {onX(264, 263, 262), onX(262, 261, 260)};
constexpr CurveStep kInnerSegments[] = {onX(264, 263), onX(263, 262), onX(262, 261), onX(261, 260)};
constexpr std::array<CurveScript, 3> kInnerByH2 = {kInnerCurve, kInnerHalves, kInnerSegments};

constexpr CurveStep kPartingStrokes[] = {onX(265, 260), onX(269, 264)};

// One side lock, by its entries: the outer edge top-mid-low, the bottom
// edge low-inner, the inner edge inner-innerMid-innerTop, and the outline
// it follows when H13 = 1.
struct Lock {
    int top, mid, low, inner, innerMid, innerTop;
    std::array<int, 3> outline;
};
constexpr Lock kLocks[] = {
    {265, 272, 273, 271, 270, 260, {166, 168, 169}},
    {269, 276, 277, 275, 274, 264, {246, 247, 248}},
};

constexpr CurveStep kSideburnFills[][3] = {
    {onY(284, 285, 286), onX(286, 289), onY(289, 288, 287)},
    {onY(290, 291, 292), onX(292, 295), onY(295, 294, 293)},
};
constexpr CurveStep kSideburnStrokes[] = {onY(287, 288, 289), onX(289, 286), onY(284, 285, 286),
                                          onY(290, 291, 292), onX(292, 295), onY(293, 294, 295)};

}  // namespace

void CFaceRenderer::DrawBackHair(const HairGene& hair, const FaceGene& face) {
    const auto& h = hair.haegiwaFlags;
    OwnPen pen(*dc, HairColour);
    if (h[kHairShown] == 1) {
        if (h[kEdgeOnOutline] == 0) Add(pick(kEdgeByH1, h[kEdgeShape]));
        if (h[kEdgeOnOutline] == 1) Add(kEdgeAlongOutline);
        if (h[kEdgeOnOutline] == 0) Add(kEdgeDown);
        Add(pick(kTopBackByF90, face.flags[kOutlineTopShape]));
    }
    FillPath(HairColour);
}

void CFaceRenderer::DrawFrontHair(const HairGene& hair) {
    const auto& h = hair.haegiwaFlags;
    OwnPen pen(*dc, HairColour);
    const bool shown = h[kHairShown] == 1;
    if (shown) {
        if (h[kEdgeOnOutline] == 0) Add(pick(kEdgeByH1, h[kEdgeShape]));
        if (h[kEdgeOnOutline] == 1) Add(kEdgeAlongOutline);
        if (h[kEdgeOnOutline] == 0) Add(kEdgeDown);
        Add(pick(kInnerByH2, h[kInnerShape]));
    }
    FillPath(HairColour);

    pen.restoreFacePen();
    if (!shown) return;
    if (h[kEdgeOnOutline] == 0) Stroke(pick(kEdgeByH1, h[kEdgeShape]));
    if (h[kEdgeOnOutline] == 1) Stroke(kEdgeAlongOutline);
    if (h[kPartingLines] == 1) Stroke(kPartingStrokes);
}

void CFaceRenderer::DrawSideHair(const HairGene& hair) {
    const auto& h = hair.haegiwaFlags;
    if (h[kSideHairShown] != 1) return;
    OwnPen pen(*dc, HairColour);
    for (const Lock& lock : kLocks) {
        if (h[kLockOnOutline] == 0) {
            if (h[kLockOuterShape] == 0) AddCurve3(AxisY, lock.top, lock.mid, lock.low);
            if (h[kLockOuterShape] == 1) {
                AddCurve2(AxisY, lock.top, lock.mid);
                AddCurve2(AxisY, lock.mid, lock.low);
            }
        }
        if (h[kLockOnOutline] == 1) {
            AddCurve3(AxisY, lock.outline[0], lock.outline[1], lock.outline[2]);
        }
        if (h[kLockOnOutline] == 0) AddCurve2(AxisX, lock.low, lock.inner);
        if (h[kLockInnerShape] == 0) AddCurve3(AxisY, lock.inner, lock.innerMid, lock.innerTop);
        if (h[kLockInnerShape] == 1) {
            AddCurve2(AxisY, lock.inner, lock.innerMid);
            AddCurve2(AxisY, lock.innerMid, lock.innerTop);
        }
        FillPath(HairColour);
    }

    pen.restoreFacePen();
    const Lock& first = kLocks[0];
    const Lock& second = kLocks[1];
    if (h[kLockOnOutline] == 0) {
        if (h[kLockOuterShape] == 0) {
            StrokeCurve3(AxisY, first.top, first.mid, first.low);
            StrokeCurve3(AxisY, second.top, second.mid, second.low);
        }
        if (h[kLockOuterShape] == 1) {
            StrokeCurve2(AxisY, first.top, first.mid);
            StrokeCurve2(AxisY, first.mid, first.low);
            StrokeCurve2(AxisY, second.top, second.mid);
            StrokeCurve2(AxisY, second.mid, second.low);
        }
    }
    if (h[kLockOnOutline] == 1) {
        StrokeCurve3(AxisY, first.outline[0], first.outline[1], first.outline[2]);
        StrokeCurve3(AxisY, second.outline[0], second.outline[1], second.outline[2]);
    }
    if (h[kPartingLines] == 1) Stroke(kPartingStrokes);
}

void CFaceRenderer::DrawSideburns(const HairGene& hair) {
    if (hair.haegiwaFlags[kSideburnsShown] != 1) return;
    OwnPen pen(*dc, HairColour);
    for (const auto& fill : kSideburnFills) {
        Add(fill);
        FillPath(HairColour);
    }
    pen.restoreFacePen();
    Stroke(kSideburnStrokes);
}

}  // namespace mirel
