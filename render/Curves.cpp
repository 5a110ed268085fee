// The fill and stroke families of CFaceRenderer, the path trim and the circle.
#include "render/FaceRenderer.h"

#include <array>
#include <cmath>

#include "render/DeviceInt.h"

namespace mirel {

void CFaceRenderer::loadControlPoints(std::span<const int> entries, bool reversed) {
    ctrlCount = static_cast<int>(entries.size());
    for (int i = 0; i < ctrlCount; ++i) {
        const int entry = entries[reversed ? ctrlCount - 1 - i : i];
        ctrlX[i] = points[entry].x;
        ctrlY[i] = points[entry].y;
    }
}

void CFaceRenderer::appendToPath(double x, double y) {
    // Callers keep within the bound; a script that would not is cut short
    // rather than written past the buffer.
    if (pathCount >= kMaxPathPoints) return;
    path[pathCount] = {toDeviceInt(x), toDeviceInt(y)};
    ++pathCount;
}

void CFaceRenderer::appendCurve(int axis, std::span<const int> entries) {
    const Point2& first = points[entries.front()];
    const Point2& last = points[entries.back()];
    // The curve is computed in increasing axis order but appended from the
    // first entry to the last, so that consecutive pieces chain.
    const bool flip = axis == AxisX ? first.x > last.x : first.y > last.y;
    loadControlPoints(entries, flip);
    ComputeCurve(axis);
    if (flip) {
        for (int i = segCount; i >= 0; --i) appendToPath(curveX[i], curveY[i]);
    } else {
        for (int i = 0; i <= segCount; ++i) appendToPath(curveX[i], curveY[i]);
    }
}

void CFaceRenderer::strokeCurve(int axis, std::span<const int> entries) {
    loadControlPoints(entries, false);
    StrokeControlPoints(axis);
}

void CFaceRenderer::AddCurve2(int axis, int p1, int p2) {
    const std::array entries{p1, p2};
    appendCurve(axis, entries);
}
void CFaceRenderer::AddCurve3(int axis, int p1, int p2, int p3) {
    const std::array entries{p1, p2, p3};
    appendCurve(axis, entries);
}
void CFaceRenderer::AddCurve4(int axis, int p1, int p2, int p3, int p4) {
    const std::array entries{p1, p2, p3, p4};
    appendCurve(axis, entries);
}
void CFaceRenderer::AddCurve5(int axis, int p1, int p2, int p3, int p4, int p5) {
    const std::array entries{p1, p2, p3, p4, p5};
    appendCurve(axis, entries);
}
void CFaceRenderer::AddCurve6(int axis, int p1, int p2, int p3, int p4, int p5, int p6) {
    const std::array entries{p1, p2, p3, p4, p5, p6};
    appendCurve(axis, entries);
}

void CFaceRenderer::StrokeCurve2(int axis, int p1, int p2) {
    const std::array entries{p1, p2};
    strokeCurve(axis, entries);
}
void CFaceRenderer::StrokeCurve3(int axis, int p1, int p2, int p3) {
    const std::array entries{p1, p2, p3};
    strokeCurve(axis, entries);
}
void CFaceRenderer::StrokeCurve4(int axis, int p1, int p2, int p3, int p4) {
    const std::array entries{p1, p2, p3, p4};
    strokeCurve(axis, entries);
}
void CFaceRenderer::StrokeCurve5(int axis, int p1, int p2, int p3, int p4, int p5) {
    const std::array entries{p1, p2, p3, p4, p5};
    strokeCurve(axis, entries);
}
void CFaceRenderer::StrokeCurve6(int axis, int p1, int p2, int p3, int p4, int p5, int p6) {
    const std::array entries{p1, p2, p3, p4, p5, p6};
    strokeCurve(axis, entries);
}

void CFaceRenderer::FillPath(Rgb colour) {
    // An empty path would be a polygon record of no points, which some
    // metafile players reject; it draws nothing either way.
    if (pathCount == 0) return;
    const ObjectHandle brush = dc->createBrush(colour);
    const ObjectHandle previous = dc->select(brush);
    dc->polygon(std::span<const IntPoint>(path.data(), static_cast<std::size_t>(pathCount)));
    pathCount = 0;
    dc->select(previous);
    dc->deleteObject(brush);
}

void CFaceRenderer::StrokeControlPoints(int axis) {
    ComputeCurve(axis);
    if (ctrlCount < 2) return;
    for (int i = 0; i < segCount; ++i) {
        dc->moveTo(toDeviceInt(curveX[i]), toDeviceInt(curveY[i]));
        dc->lineTo(toDeviceInt(curveX[i + 1]), toDeviceInt(curveY[i + 1]));
    }
}

void CFaceRenderer::DrawCircle(double cx, double cy, double r) {
    // Sums in double, so the box cannot overflow int before the conversion.
    const double x = std::trunc(cx);
    const double y = std::trunc(cy);
    const double radius = std::trunc(r);
    dc->ellipse(toDeviceInt(x - radius), toDeviceInt(y - radius), toDeviceInt(x + radius),
                toDeviceInt(y + radius));
}

void CFaceRenderer::TrimPath(int first, int last) {
    const double firstX = points[first].x;
    const double lastX = points[last].x;
    // Both loops keep at least one point, so a short path or one that never
    // reaches the reference x is never read outside its points.
    while (pathCount >= 2 && path[pathCount - 2].x >= lastX) --pathCount;
    int dropped = 0;
    while (pathCount >= 2 && path[dropped + 1].x <= firstX) {
        ++dropped;
        --pathCount;
    }
    for (int i = 0; i < pathCount; ++i) path[i] = path[i + dropped];
}

void CFaceRenderer::Add(CurveScript script) {
    for (const CurveStep& step : script) {
        const auto entries =
            std::span<const int>(step.points.data(), static_cast<std::size_t>(step.count));
        if (step.kind == StepKind::Trim) {
            TrimPath(step.points[0], step.points[1]);
        } else {
            appendCurve(step.axis, entries);
        }
    }
}

void CFaceRenderer::Stroke(CurveScript script) {
    for (const CurveStep& step : script) {
        if (step.kind != StepKind::Curve) continue;
        strokeCurve(step.axis,
                    std::span<const int>(step.points.data(), static_cast<std::size_t>(step.count)));
    }
}

}  // namespace mirel
