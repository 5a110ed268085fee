// Part drawers of the ears and of the face outline with chin and neck.
#include <array>

#include "render/FaceColours.h"
#include "render/FaceRenderer.h"
#include "render/OwnPen.h"

namespace mirel {
namespace {

// Face flags.
constexpr int kChinLeftLine = 78;   // F78
constexpr int kChinRightLine = 79;  // F79
constexpr int kNeckLines = 81;      // F81
constexpr int kNeckShown = 82;      // F82
constexpr int kNeckSegments = 83;   // F83
constexpr int kEarShape = 87;       // F87
constexpr int kTopShape = 90;       // F90
constexpr int kTempleShape = 91;    // F91
constexpr int kJawShape = 92;       // F92

// One closed outline down the stored-side ear and up the mirrored one.
constexpr CurveStep kEarsFive[] = {
    onX(158, 159), onY(159, 160, 161, 162, 163), onX(163, 164), onX(164, 244),
    onX(244, 243), onY(243, 242, 241, 240, 239), onX(239, 238)};
constexpr CurveStep kEarsThree[] = {onX(158, 159),      onY(159, 160, 161), onY(161, 162, 163),
                                    onX(163, 164),      onX(164, 244),      onX(244, 243),
                                    onY(243, 242, 241), onY(241, 240, 239), onX(239, 238)};
constexpr CurveStep kEarsRound[] = {onX(158, 159, 160), onY(160, 161, 162), onX(162, 163, 164),
                                    onX(164, 244),      onX(244, 243, 242), onY(242, 241, 240),
                                    onX(240, 239, 238)};
constexpr std::array<CurveScript, 5> kEarsByF87 = {kEarsFive, kEarsThree, kEarsRound, kEarsFive,
                                                   kEarsThree};

constexpr CurveStep kMirroredJaw0[] = {onY(252, 251, 250, 249), onY(249, 248)};
constexpr CurveStep kMirroredJaw1[] = {onY(251, 250, 249), onY(249, 248)};
constexpr CurveStep kMirroredJaw2[] = {onX(252, 251), onY(251, 250, 249), onY(249, 248)};
constexpr CurveStep kMirroredJaw3[] = {onY(252, 251, 250), onY(250, 249, 248)};
constexpr std::array<CurveScript, 4> kMirroredJawByF92 = {kMirroredJaw0, kMirroredJaw1,
                                                          kMirroredJaw2, kMirroredJaw3};

constexpr CurveStep kMirroredTempleCurve[] = {onY(248, 247, 246)};
constexpr CurveStep kMirroredTempleSegments[] = {onY(248, 247), onY(247, 246)};
constexpr std::array<CurveScript, 2> kMirroredTempleByF91 = {kMirroredTempleCurve,
                                                             kMirroredTempleSegments};

constexpr CurveStep kTopCurve[] = {onX(246, 245, 167, 174, 166)};
constexpr CurveStep kTopSegments[] = {onX(246, 245), onX(245, 167), onX(167, 174), onX(174, 166)};
constexpr std::array<CurveScript, 2> kTopByF90 = {kTopCurve, kTopSegments};

constexpr CurveStep kTempleCurve[] = {onY(166, 168, 169)};
constexpr CurveStep kTempleSegments[] = {onY(166, 168), onY(168, 169)};
constexpr std::array<CurveScript, 2> kTempleByF91 = {kTempleCurve, kTempleSegments};

constexpr CurveStep kJaw0[] = {onY(169, 170), onY(170, 171, 172, 173)};
constexpr CurveStep kJaw1[] = {onY(169, 170), onY(170, 171, 172), onX(172, 173, 154, 252, 251)};
constexpr CurveStep kJaw2[] = {onY(169, 170), onY(170, 171, 172), onX(172, 173)};
constexpr CurveStep kJaw3[] = {onY(169, 170, 171), onY(171, 172, 173)};
constexpr std::array<CurveScript, 4> kJawByF92 = {kJaw0, kJaw1, kJaw2, kJaw3};

constexpr CurveStep kNeckCurve[] = {onY(151, 152), onX(152, 153, 154, 237, 236), onY(236, 235)};
constexpr CurveStep kNeckPieces[] = {onY(151, 152), onX(152, 153), onX(153, 154, 237),
                                     onX(237, 236), onY(236, 235)};
constexpr CurveStep kChinOnly[] = {onX(153, 154, 237)};

// Strokes with the face pen.
constexpr CurveStep kLowerJawLines0[] = {onY(170, 171, 172, 173), onY(249, 250, 251, 252)};
constexpr CurveStep kLowerJawLines2[] = {onX(172, 173), onX(252, 251)};
constexpr CurveStep kLowerJawLines3[] = {onY(171, 172, 173), onY(250, 251, 252)};
constexpr std::array<CurveScript, 4> kLowerJawLinesByF92 = {
    kLowerJawLines0, {}, kLowerJawLines2, kLowerJawLines3};

constexpr CurveStep kJawLines0[] = {onY(169, 170), onY(248, 249)};
constexpr CurveStep kJawLines1[] = {onY(169, 170), onY(170, 171, 172), onX(172, 173, 154, 252, 251),
                                    onY(249, 250, 251), onY(248, 249)};
constexpr CurveStep kJawLines2[] = {onY(169, 170), onY(170, 171, 172), onY(248, 249),
                                    onY(249, 250, 251)};
constexpr CurveStep kJawLines3[] = {onY(169, 170, 171), onY(248, 249, 250)};
constexpr std::array<CurveScript, 4> kJawLinesByF92 = {kJawLines0, kJawLines1, kJawLines2,
                                                       kJawLines3};

constexpr CurveStep kTempleLinesCurve[] = {onY(166, 168, 169), onY(246, 247, 248)};
constexpr CurveStep kTempleLinesSegments[] = {onY(166, 168), onY(168, 169), onY(246, 247),
                                              onY(247, 248)};
constexpr std::array<CurveScript, 2> kTempleLinesByF91 = {kTempleLinesCurve, kTempleLinesSegments};

constexpr CurveStep kTopLinesCurve[] = {onX(166, 174, 167, 245, 246)};
constexpr CurveStep kTopLinesSegments[] = {onX(166, 174), onX(174, 167), onX(167, 245),
                                           onX(245, 246)};
constexpr std::array<CurveScript, 2> kTopLinesByF90 = {kTopLinesCurve, kTopLinesSegments};

constexpr CurveStep kChinLeftStroke[] = {onX(147, 148, 233)};
constexpr CurveStep kChinRightStroke[] = {onX(149, 150, 234)};
constexpr CurveStep kNeckSideLines[] = {onY(151, 152), onY(235, 236)};
constexpr CurveStep kChinLine[] = {onX(153, 154, 237)};
constexpr CurveStep kChinNeckLine[] = {onX(152, 153, 154, 237, 236)};
constexpr CurveStep kNeckJoints[] = {onX(152, 153), onX(237, 236)};

}  // namespace

void CFaceRenderer::DrawEars(const FaceGene& face) {
    Add(pick(kEarsByF87, face.flags[kEarShape]));
    FillPath(SkinColour);
}

void CFaceRenderer::DrawOutline(const FaceGene& face) {
    const auto& f = face.flags;
    const bool jawCoversNeck = f[kJawShape] == 1;
    OwnPen pen(*dc, SkinColour);

    Add(pick(kMirroredJawByF92, f[kJawShape]));
    Add(pick(kMirroredTempleByF91, f[kTempleShape]));
    Add(pick(kTopByF90, f[kTopShape]));
    Add(pick(kTempleByF91, f[kTempleShape]));
    Add(pick(kJawByF92, f[kJawShape]));
    FillPath(SkinColour);

    if (!jawCoversNeck) {
        if (f[kNeckSegments] == 0 && f[kNeckShown] == 1) Add(kNeckCurve);
        if (f[kNeckSegments] != 0 && f[kNeckShown] == 1) Add(kNeckPieces);
        if (f[kNeckShown] == 0) Add(kChinOnly);
    }
    FillPath(SkinColour);

    pen.restoreFacePen();
    Stroke(pick(kLowerJawLinesByF92, f[kJawShape]));
    Stroke(pick(kJawLinesByF92, f[kJawShape]));
    Stroke(pick(kTempleLinesByF91, f[kTempleShape]));
    Stroke(pick(kTopLinesByF90, f[kTopShape]));
    if (f[kChinLeftLine] == 1) Stroke(kChinLeftStroke);
    if (f[kChinRightLine] == 1) Stroke(kChinRightStroke);
    if (f[kNeckLines] == 1) Stroke(kNeckSideLines);
    if (f[kNeckSegments] == 0 && !jawCoversNeck) {
        if (f[kNeckShown] == 0) Stroke(kChinLine);
        if (f[kNeckShown] == 1) Stroke(kChinNeckLine);
    }
    if (f[kNeckSegments] == 1 && !jawCoversNeck) {
        Stroke(kChinLine);
        if (f[kNeckShown] == 1) Stroke(kNeckJoints);
    }
}

}  // namespace mirel
