#pragma once
// The workspace of one face drawing: the point table in device units, the
// curve buffers and the fill path, the spline / curve / fill / stroke
// primitives, and the part drawers scripted in them. Create one per drawing.

#include <array>
#include <span>

#include "face/FaceRecord.h"
#include "render/Canvas.h"
#include "render/CurveScript.h"

namespace mirel {

class PaleCanvas;

inline constexpr int kPointTableSize = 317;
inline constexpr int kMaxControlPoints = 6;
inline constexpr int kMaxCurveSamples = 100;  // so at most 99 segments
inline constexpr int kMaxPathPoints = 800;

class CFaceRenderer {
  public:
    // Zero-filled; draws on `device` until DrawParts names another.
    explicit CFaceRenderer(Canvas& device) : dc(&device) {}
    CFaceRenderer(const CFaceRenderer&) = delete;
    CFaceRenderer& operator=(const CFaceRenderer&) = delete;

    // Device units. Entries 24 and 96 hold lengths (pupil radius, offset of
    // the second forehead line), every other entry a position.
    std::array<Point2, kPointTableSize> points{};
    std::array<double, kMaxControlPoints> ctrlX{};
    std::array<double, kMaxControlPoints> ctrlY{};
    std::array<double, kMaxCurveSamples> curveX{};
    std::array<double, kMaxCurveSamples> curveY{};
    int ctrlCount = 0;  // 0..6
    int segCount = 0;   // samples 0..segCount of the last curve are valid
    int pathCount = 0;  // 0..800
    std::array<IntPoint, kMaxPathPoints> path{};
    Canvas* dc;

    // --- curve primitives; point arguments are entries of `points` ---

    // Samples the current control points into curveX/curveY (spline, or the
    // sorted polyline when they are not strictly increasing along the axis).
    void ComputeCurve(int axis);
    // True when the points were not strictly increasing along the axis and
    // have been sorted and de-duplicated.
    bool OrderControlPoints(int axis);
    // Natural cubic spline v(t) through n >= 2 knots with strictly increasing
    // t, sampled at m + 1 equally spaced t into outT/outV (m >= 1).
    static void NaturalCubicSpline(int n, std::span<const double> t, std::span<const double> v,
                                   std::span<double> outT, std::span<double> outV, int m);

    // Fill family: appends the curve to the path, always running p1 -> pN.
    // Points beyond the path's 800 are dropped.
    void AddCurve2(int axis, int p1, int p2);
    void AddCurve3(int axis, int p1, int p2, int p3);
    void AddCurve4(int axis, int p1, int p2, int p3, int p4);
    void AddCurve5(int axis, int p1, int p2, int p3, int p4, int p5);
    void AddCurve6(int axis, int p1, int p2, int p3, int p4, int p5, int p6);
    // Fills the path as one polygon (alternate rule, current pen) with a
    // solid brush of the colour, then empties it. An empty path draws nothing.
    void FillPath(Rgb colour);

    // Stroke family: the curve through the points in the given order.
    void StrokeCurve2(int axis, int p1, int p2);
    void StrokeCurve3(int axis, int p1, int p2, int p3);
    void StrokeCurve4(int axis, int p1, int p2, int p3, int p4);
    void StrokeCurve5(int axis, int p1, int p2, int p3, int p4, int p5);
    void StrokeCurve6(int axis, int p1, int p2, int p3, int p4, int p5, int p6);
    // Computes the current control points' curve and strokes it segment by
    // segment with the current pen.
    void StrokeControlPoints(int axis);

    // Ellipse in the box (cx - r, cy - r) - (cx + r, cy + r), all truncated.
    void DrawCircle(double cx, double cy, double r);
    // Cuts the path to the x span of entries first and last.
    void TrimPath(int first, int last);

    // Runs a drawer's script: curves go to the path (Trim steps trim it) or
    // are stroked.
    void Add(CurveScript script);
    void Stroke(CurveScript script);

    // --- the face ---

    // Fills the point table from scaled face and hairline points.
    void MapPoints(double originX, double originY, const FaceGene& face, const HairGene& hair);
    // Maps the points, then runs the part drawers in their fixed order. With
    // `paleOuter`, the device itself, the hair, ears and outline are drawn
    // pale and first, behind every inner feature.
    void DrawParts(Canvas& device, double originX, double originY, const FaceGene& face,
                   const HairGene& hair, PaleCanvas* paleOuter = nullptr);

    void DrawBackHair(const HairGene& hair, const FaceGene& face);
    void DrawFrontHair(const HairGene& hair);
    void DrawSideHair(const HairGene& hair);
    void DrawSideburns(const HairGene& hair);
    void DrawEars(const FaceGene& face);
    void DrawOutline(const FaceGene& face);
    void DrawEyeWhites(const FaceGene& face);
    void DrawUpperLidSkin(const FaceGene& face);
    void DrawLowerLidSkin(const FaceGene& face);
    void DrawPupils(const FaceGene& face);
    void DrawMouthInterior(const FaceGene& face);
    void DrawUpperLip(const FaceGene& face);
    void DrawLowerLip(const FaceGene& face);
    void DrawFeatureLines(const FaceGene& face);
    void DrawEyebrows(const FaceGene& face);
    // The eyes, mouth, feature lines and brows, in their fixed order.
    void DrawInnerFace(const FaceGene& face);

  private:
    void loadControlPoints(std::span<const int> entries, bool reversed);
    void appendCurve(int axis, std::span<const int> entries);
    void strokeCurve(int axis, std::span<const int> entries);
    void appendToPath(double x, double y);
};

}  // namespace mirel
