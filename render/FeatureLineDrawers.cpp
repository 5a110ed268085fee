// The part drawer of every line of the face that is only stroked.
#include <array>
#include <iterator>

#include "render/FaceRenderer.h"
#include "render/UpperLid.h"

namespace mirel {
namespace {

// Face flags.
constexpr int kEyeCorners = 2;         // F2
constexpr int kEyeStyle = 3;           // F3
constexpr int kCreaseShape = 4;        // F4
constexpr int kUnderEyeShape = 5;      // F5
constexpr int kEyeBagLine = 6;         // F6
constexpr int kEyeBagLines = 7;        // F7
constexpr int kCreaseSegments = 8;     // F8
constexpr int kUnderEyeSegments = 9;   // F9
constexpr int kNoseSideShape = 22;     // F22
constexpr int kNoseSideSegments = 23;  // F23
constexpr int kNoseRidge = 24;         // F24
constexpr int kNostrilWings = 25;      // F25
constexpr int kNostrils = 26;          // F26
constexpr int kNoseBaseJoined = 27;    // F27
constexpr int kNoseTipLine = 28;       // F28
constexpr int kNoseBaseWide = 32;      // F32
constexpr int kUpperLipLine = 39;      // F39
constexpr int kLowerLipLine = 40;      // F40
constexpr int kMouthOpen = 41;         // F41
constexpr int kUpperLipShape = 42;     // F42
constexpr int kLowerLipShape = 43;     // F43
constexpr int kMouthLineShape = 45;    // F45
constexpr int kForeheadLines = 50;     // F50
constexpr int kForeheadMark = 51;      // F51
constexpr int kSmileLinesA = 54;       // F54
constexpr int kSmileLinesB = 55;       // F55
constexpr int kSmileJoins = 56;        // F56
constexpr int kUpperLipFolds = 61;     // F61
constexpr int kPhiltrum = 62;          // F62
constexpr int kCheekLines = 68;        // F68
constexpr int kCheekLowLines = 69;     // F69
constexpr int kCheekLineShape = 70;    // F70

constexpr int kForeheadOffsetEntry = 96;

constexpr bool lidLineShown(int f3) {
    return f3 == 3 || f3 == 4 || f3 == 5;
}
constexpr bool lowerLidLineShown(int f3) {
    return f3 == 2 || f3 == 5;
}

constexpr CurveStep kLowerLidLines[] = {onX(8, 7, 6), onX(184, 185, 186)};
constexpr CurveStep kEyeBag[] = {onX(19, 18), onX(196, 197)};
constexpr CurveStep kEyeBags[] = {onX(21, 20), onX(198, 199), onX(23, 22), onX(200, 201)};

// Lid crease by F4 (1 whole, 2 outer part, 3 inner part), as curves (F8 = 0)
// or segments (F8 = 1); each line with its mirror.
constexpr CurveStep kCreaseWhole[] = {onX(13, 12, 11, 10), onX(188, 189, 190, 191)};
constexpr CurveStep kCreaseOuter[] = {onX(13, 12, 11), onX(189, 190, 191)};
constexpr CurveStep kCreaseInner[] = {onX(12, 11, 10), onX(188, 189, 190)};
constexpr std::array<CurveScript, 4> kCreaseCurvesByF4 = {
    {{}, kCreaseWhole, kCreaseOuter, kCreaseInner}};
constexpr CurveStep kCreaseWholeSeg[] = {onX(13, 12),   onX(12, 11),   onX(11, 10),
                                         onX(190, 191), onX(189, 190), onX(188, 189)};
constexpr CurveStep kCreaseOuterSeg[] = {onX(13, 12), onX(12, 11), onX(190, 191), onX(189, 190)};
constexpr CurveStep kCreaseInnerSeg[] = {onX(12, 11), onX(11, 10), onX(189, 190), onX(188, 189)};
constexpr std::array<CurveScript, 4> kCreaseSegmentsByF4 = {
    {{}, kCreaseWholeSeg, kCreaseOuterSeg, kCreaseInnerSeg}};

// Under-eye line by F5, as curves (F9 = 0) or segments (F9 = 1).
constexpr CurveStep kUnderWhole[] = {onX(17, 16, 15, 14), onX(192, 193, 194, 195)};
constexpr CurveStep kUnderOuter[] = {onX(17, 16, 15), onX(193, 194, 195)};
constexpr CurveStep kUnderInner[] = {onX(16, 15, 14), onX(192, 193, 194)};
constexpr std::array<CurveScript, 4> kUnderCurvesByF5 = {
    {{}, kUnderWhole, kUnderOuter, kUnderInner}};
constexpr CurveStep kUnderWholeSeg[] = {onX(17, 16),   onX(16, 15),   onX(15, 14),
                                        onX(194, 195), onX(193, 194), onX(192, 193)};
constexpr CurveStep kUnderOuterSeg[] = {onX(17, 16), onX(16, 15), onX(194, 195), onX(193, 194)};
constexpr CurveStep kUnderInnerSeg[] = {onX(16, 15), onX(15, 14), onX(193, 194), onX(192, 193)};
constexpr std::array<CurveScript, 4> kUnderSegmentsByF5 = {
    {{}, kUnderWholeSeg, kUnderOuterSeg, kUnderInnerSeg}};

constexpr CurveStep kEyeCornerLines[] = {onY(4, 8), onY(182, 186), onY(1, 6), onY(179, 184)};

// Sides of the nose by F22, as curves (F23 = 0) or segments (F23 = 1).
constexpr CurveStep kNoseSideWhole[] = {onY(42, 43, 44, 45), onY(209, 210, 211, 212)};
constexpr CurveStep kNoseSideUpper[] = {onY(42, 43, 44), onY(209, 210, 211)};
constexpr CurveStep kNoseSideLower[] = {onY(43, 44, 45), onY(210, 211, 212)};
constexpr std::array<CurveScript, 4> kNoseSideCurvesByF22 = {
    {{}, kNoseSideWhole, kNoseSideUpper, kNoseSideLower}};
constexpr CurveStep kNoseSideWholeSeg[] = {onY(42, 43),   onY(43, 44),   onY(44, 45),
                                           onY(209, 210), onY(210, 211), onY(211, 212)};
constexpr CurveStep kNoseSideUpperSeg[] = {onY(42, 43), onY(43, 44), onY(209, 210), onY(210, 211)};
constexpr CurveStep kNoseSideLowerSeg[] = {onY(43, 44), onY(44, 45), onY(210, 211), onY(211, 212)};
constexpr std::array<CurveScript, 4> kNoseSideSegmentsByF22 = {
    {{}, kNoseSideWholeSeg, kNoseSideUpperSeg, kNoseSideLowerSeg}};

constexpr CurveStep kRidgeOneSide[] = {onY(46, 47, 48)};
constexpr CurveStep kRidgeBothSides[] = {onY(46, 47, 48), onY(213, 214, 215)};
constexpr std::array<CurveScript, 3> kRidgeByF24 = {{{}, kRidgeOneSide, kRidgeBothSides}};
constexpr CurveStep kWings[] = {onY(49, 50, 51), onY(216, 217, 218)};
constexpr CurveStep kNostrilLines[] = {onY(52, 53, 54), onY(219, 220, 221)};

constexpr CurveStep kNoseBaseApart[] = {onX(53, 55, 56), onX(223, 222, 220)};
constexpr CurveStep kNoseBaseNarrow[] = {onX(56, 57, 223)};
constexpr CurveStep kNoseBaseWideLine[] = {onX(55, 56, 57, 223, 222)};
constexpr std::array<CurveScript, 2> kNoseBaseJoinedByF32 = {kNoseBaseNarrow, kNoseBaseWideLine};
constexpr CurveStep kNoseTip[] = {onX(49, 58, 216)};

constexpr CurveStep kUpperLipLine0[] = {onX(68, 67, 66, 65), onX(65, 64, 63, 62)};
constexpr CurveStep kUpperLipLine1[] = {onX(69, 68, 67, 66, 65), onX(65, 64, 63, 62, 61)};
constexpr CurveStep kUpperLipLine2[] = {onX(67, 66, 65), onX(65, 64, 63)};
constexpr std::array<CurveScript, 3> kUpperLipLineByF42 = {kUpperLipLine0, kUpperLipLine1,
                                                           kUpperLipLine2};
constexpr CurveStep kLowerLipLineFull[] = {onX(74, 73, 72, 71, 70)};
constexpr CurveStep kLowerLipLineShort[] = {onX(73, 72, 71)};
constexpr std::array<CurveScript, 3> kLowerLipLineByF43 = {kLowerLipLineFull, kLowerLipLineShort,
                                                           kLowerLipLineFull};

constexpr CurveStep kMouthLineFull[] = {onX(79, 78, 77, 76, 75)};
constexpr CurveStep kMouthLineShort[] = {onX(78, 77, 76)};
constexpr std::array<CurveScript, 3> kMouthLineByF45 = {kMouthLineFull, kMouthLineShort,
                                                        kMouthLineShort};
constexpr CurveStep kOpenMouthBottom[] = {onX(82, 81, 80)};

constexpr CurveStep kForeheadMarkLine[] = {onX(91, 92, 224)};
constexpr int kForeheadLine[] = {93, 94, 95, 230, 229};

constexpr CurveStep kSmileA[] = {onY(98, 99, 100), onY(101, 102, 103)};
constexpr CurveStep kSmileB[] = {onY(104, 105, 106), onY(107, 108, 109)};
constexpr CurveStep kSmileJoinLines[] = {onX(106, 100), onX(103, 109)};
constexpr CurveStep kLipFolds[] = {onY(114, 115, 116), onY(117, 118, 119)};
constexpr CurveStep kPhiltrumSides[] = {onY(120, 121), onY(231, 232)};
constexpr CurveStep kPhiltrumBottom[] = {onX(121, 122, 232)};
constexpr CurveStep kCheekHigh[] = {onY(128, 129, 130), onY(132, 133, 134)};
constexpr CurveStep kCheekLong[] = {onY(127, 128, 130), onY(131, 132, 134)};
constexpr std::array<CurveScript, 2> kCheekByF70 = {kCheekHigh, kCheekLong};
constexpr CurveStep kCheekLow[] = {onY(135, 136, 137), onY(138, 139, 140)};

}  // namespace

void CFaceRenderer::DrawFeatureLines(const FaceGene& face) {
    const auto& f = face.flags;

    if (lidLineShown(f[kEyeStyle])) Stroke(upperLidVariant(f).strokes);
    if (lowerLidLineShown(f[kEyeStyle])) Stroke(kLowerLidLines);
    if (f[kEyeBagLine] == 1) Stroke(kEyeBag);
    if (f[kEyeBagLines] == 1) Stroke(kEyeBags);
    if (f[kCreaseSegments] == 0) Stroke(pick(kCreaseCurvesByF4, f[kCreaseShape]));
    if (f[kCreaseSegments] == 1) Stroke(pick(kCreaseSegmentsByF4, f[kCreaseShape]));
    if (f[kUnderEyeSegments] == 0) Stroke(pick(kUnderCurvesByF5, f[kUnderEyeShape]));
    if (f[kUnderEyeSegments] == 1) Stroke(pick(kUnderSegmentsByF5, f[kUnderEyeShape]));
    if (f[kEyeCorners] == 1) Stroke(kEyeCornerLines);

    if (f[kNoseSideSegments] == 0) Stroke(pick(kNoseSideCurvesByF22, f[kNoseSideShape]));
    if (f[kNoseSideSegments] == 1) Stroke(pick(kNoseSideSegmentsByF22, f[kNoseSideShape]));
    Stroke(pick(kRidgeByF24, f[kNoseRidge]));
    if (f[kNostrilWings] == 1) Stroke(kWings);
    if (f[kNostrils] == 1) Stroke(kNostrilLines);
    if (f[kNoseBaseJoined] == 0) Stroke(kNoseBaseApart);
    if (f[kNoseBaseJoined] == 1) Stroke(pick(kNoseBaseJoinedByF32, f[kNoseBaseWide]));
    if (f[kNoseTipLine] == 1) Stroke(kNoseTip);

    if (f[kUpperLipLine] == 1) Stroke(pick(kUpperLipLineByF42, f[kUpperLipShape]));
    if (f[kLowerLipLine] == 1) Stroke(pick(kLowerLipLineByF43, f[kLowerLipShape]));
    Stroke(pick(kMouthLineByF45, f[kMouthLineShape]));
    if (f[kMouthOpen] == 1) Stroke(kOpenMouthBottom);

    if (f[kForeheadMark] == 1) Stroke(kForeheadMarkLine);
    const int forehead = f[kForeheadLines];
    if (forehead == 2) {
        // The second line runs parallel, entry 96's x above the first.
        const double offset = points[kForeheadOffsetEntry].x;
        std::array<double, std::size(kForeheadLine)> saved{};
        for (std::size_t i = 0; i < saved.size(); ++i) {
            saved[i] = points[kForeheadLine[i]].y;
            points[kForeheadLine[i]].y -= offset;
        }
        StrokeCurve5(AxisX, 93, 94, 95, 230, 229);
        for (std::size_t i = 0; i < saved.size(); ++i) points[kForeheadLine[i]].y = saved[i];
    }
    if (forehead == 1 || forehead == 2) StrokeCurve5(AxisX, 93, 94, 95, 230, 229);

    if (f[kSmileLinesA] == 1) Stroke(kSmileA);
    if (f[kSmileLinesB] == 1) Stroke(kSmileB);
    if (f[kSmileJoins] == 1) Stroke(kSmileJoinLines);
    if (f[kUpperLipFolds] == 1) Stroke(kLipFolds);
    if (f[kPhiltrum] == 1) {
        Stroke(kPhiltrumSides);
        Stroke(kPhiltrumBottom);
    }
    if (f[kPhiltrum] == 2 || f[kPhiltrum] == 3) Stroke(kPhiltrumSides);
    if (f[kCheekLines] == 1) Stroke(pick(kCheekByF70, f[kCheekLineShape]));
    if (f[kCheekLowLines] == 1) Stroke(kCheekLow);
}

}  // namespace mirel
