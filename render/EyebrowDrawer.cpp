// The part drawer of the eyebrows and the lines beside them.
#include <array>

#include "render/FaceColours.h"
#include "render/FaceRenderer.h"
#include "render/OwnPen.h"

namespace mirel {
namespace {

// Face flags.
constexpr int kBrowSegments = 15;     // F15
constexpr int kBrowEnds = 16;         // F16
constexpr int kBrowStyle = 17;        // F17: 1 filled brow, 2 its upper line only
constexpr int kBesideLineShape = 18;  // F18
constexpr int kBesideSegments = 19;   // F19

// Entries of one brow, 28-34 on the stored side: upper edge 0-3, lower
// edge 4-6.
using BrowEntries = std::array<int, 7>;
constexpr BrowEntries kStoredBrow = {28, 29, 30, 31, 32, 33, 34};
constexpr BrowEntries kMirroredBrow = {202, 203, 204, 205, 206, 207, 208};

constexpr CurveStep kUpperLineCurves[] = {onX(31, 30, 29, 28), onX(202, 203, 204, 205)};
constexpr CurveStep kUpperLineSegments[] = {onX(31, 30),   onX(30, 29),   onX(29, 28),
                                            onX(204, 205), onX(203, 204), onX(202, 203)};
constexpr std::array<CurveScript, 2> kUpperLineByF15 = {kUpperLineCurves, kUpperLineSegments};
constexpr CurveStep kLowerLineCurves[] = {onX(34, 33, 32), onX(206, 207, 208)};
constexpr CurveStep kLowerLineSegments[] = {onX(34, 33), onX(33, 32), onX(207, 208), onX(206, 207)};
constexpr std::array<CurveScript, 2> kLowerLineByF15 = {kLowerLineCurves, kLowerLineSegments};

constexpr CurveStep kBesideWhole[] = {onY(35, 36, 37, 38), onY(225, 226, 227, 228)};
constexpr CurveStep kBesideLower[] = {onY(36, 37, 38), onY(226, 227, 228)};
constexpr CurveStep kBesideUpper[] = {onY(35, 36, 37), onY(225, 226, 227)};
constexpr std::array<CurveScript, 4> kBesideCurvesByF18 = {
    {{}, kBesideWhole, kBesideLower, kBesideUpper}};
constexpr CurveStep kBesideWholeSeg[] = {onY(37, 38),   onY(36, 37),   onY(35, 36),
                                         onY(227, 228), onY(226, 227), onY(225, 226)};
constexpr CurveStep kBesideLowerSeg[] = {onY(37, 38), onY(36, 37), onY(227, 228), onY(226, 227)};
constexpr CurveStep kBesideUpperSeg[] = {onY(36, 37), onY(35, 36), onY(226, 227), onY(225, 226)};
constexpr std::array<CurveScript, 4> kBesideSegmentsByF18 = {
    {{}, kBesideWholeSeg, kBesideLowerSeg, kBesideUpperSeg}};

constexpr CurveStep kBrowEndLines[] = {onY(31, 34), onY(205, 208), onY(28, 32), onY(202, 206)};

}  // namespace

void CFaceRenderer::DrawEyebrows(const FaceGene& face) {
    const auto& f = face.flags;
    const bool segments = f[kBrowSegments] == 1;
    const bool curves = f[kBrowSegments] == 0;
    const bool ends = f[kBrowEnds] == 1;
    OwnPen pen(*dc, EyebrowColour);

    if (f[kBrowStyle] == 1) {
        for (const BrowEntries& e : {kStoredBrow, kMirroredBrow}) {
            if (curves) AddCurve4(AxisX, e[0], e[1], e[2], e[3]);
            if (segments) {
                AddCurve2(AxisX, e[0], e[1]);
                AddCurve2(AxisX, e[1], e[2]);
                AddCurve2(AxisX, e[2], e[3]);
            }
            if (ends) AddCurve2(AxisY, e[3], e[6]);
            if (curves) AddCurve3(AxisX, e[6], e[5], e[4]);
            if (segments) {
                AddCurve2(AxisX, e[6], e[5]);
                AddCurve2(AxisX, e[5], e[4]);
            }
            if (ends) AddCurve2(AxisY, e[4], e[0]);
            FillPath(EyebrowColour);
        }
    }

    pen.restoreFacePen();
    if (f[kBrowStyle] == 1 || f[kBrowStyle] == 2) Stroke(pick(kUpperLineByF15, f[kBrowSegments]));
    if (f[kBrowStyle] == 1) Stroke(pick(kLowerLineByF15, f[kBrowSegments]));
    if (f[kBesideSegments] == 0) Stroke(pick(kBesideCurvesByF18, f[kBesideLineShape]));
    if (f[kBesideSegments] == 1) Stroke(pick(kBesideSegmentsByF18, f[kBesideLineShape]));
    if (f[kBrowStyle] == 1 && ends) Stroke(kBrowEndLines);
}

}  // namespace mirel
