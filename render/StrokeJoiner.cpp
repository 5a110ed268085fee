#include "render/StrokeJoiner.h"

namespace mirel {

namespace {

// True when b lies on the straight way from a on to c (not turning back).
bool straightThrough(IntPoint a, IntPoint b, IntPoint c) {
    const long long cross = static_cast<long long>(b.x - a.x) * (c.y - b.y) -
                            static_cast<long long>(b.y - a.y) * (c.x - b.x);
    const long long along = static_cast<long long>(b.x - a.x) * (c.x - b.x) +
                            static_cast<long long>(b.y - a.y) * (c.y - b.y);
    return cross == 0 && along > 0;
}

// Drops repeated points and points in the middle of a straight stretch: the
// stroke covers the same ground with fewer joins. Keeps at least two points.
void dropNeedlessPoints(std::vector<IntPoint>& run) {
    std::size_t kept = 1;
    for (std::size_t i = 1; i < run.size(); ++i) {
        const IntPoint p = run[i];
        if (p == run[kept - 1]) continue;
        if (kept >= 2 && straightThrough(run[kept - 2], run[kept - 1], p)) {
            run[kept - 1] = p;
            continue;
        }
        run[kept++] = p;
    }
    if (kept == 1) run[kept++] = run[0];
    run.resize(kept);
}

// True when the way turns at b by a right angle or more. A bevel join leaves
// out a sliver of the round one there that can hold a pixel's centre.
bool sharpTurn(IntPoint a, IntPoint b, IntPoint c) {
    const long long along = static_cast<long long>(b.x - a.x) * (c.x - b.x) +
                            static_cast<long long>(b.y - a.y) * (c.y - b.y);
    return along <= 0;
}

}  // namespace

void StrokeJoiner::hand(std::span<const IntPoint> points) {
    if (points.size() == 2) {
        // A lone segment stays a segment.
        target_.moveTo(points[0].x, points[0].y);
        target_.lineTo(points[1].x, points[1].y);
    } else if (points.size() > 2) {
        target_.polyline(points);
    }
}

void StrokeJoiner::flush() {
    if (run_.size() > 2) dropNeedlessPoints(run_);
    // Sharp turns split the run: the two pieces' round caps make the round join.
    const std::span<const IntPoint> run(run_);
    std::size_t start = 0;
    for (std::size_t i = 1; i + 1 < run.size(); ++i) {
        if (sharpTurn(run[i - 1], run[i], run[i + 1])) {
            hand(run.subspan(start, i + 1 - start));
            start = i;
        }
    }
    if (!run.empty()) hand(run.subspan(start));
    run_.clear();
}

void StrokeJoiner::moveTo(int x, int y) {
    const IntPoint to{x, y};
    // A move to where the run ends continues it; anywhere else ends it.
    if (!run_.empty() && run_.back() != to) flush();
    position_ = to;
}

void StrokeJoiner::lineTo(int x, int y) {
    const IntPoint to{x, y};
    if (!joining()) {
        target_.moveTo(position_.x, position_.y);
        target_.lineTo(x, y);
        position_ = to;
        return;
    }
    if (run_.empty()) run_.push_back(position_);
    run_.push_back(to);
    position_ = to;
}

ObjectHandle StrokeJoiner::createPen(int width, Rgb colour) {
    flush();
    const ObjectHandle pen = target_.createPen(width, colour);
    widths_.emplace_back(pen, width);
    return pen;
}

ObjectHandle StrokeJoiner::createBrush(Rgb colour) {
    flush();
    const ObjectHandle brush = target_.createBrush(colour);
    widths_.emplace_back(brush, kNotAPen);
    return brush;
}

ObjectHandle StrokeJoiner::select(ObjectHandle object) {
    flush();
    if (object == kStockPen) penWidth_ = kUnjoinedWidth;
    for (const auto& [handle, width] : widths_) {
        if (handle == object && width != kNotAPen) penWidth_ = width;
    }
    return target_.select(object);
}

void StrokeJoiner::deleteObject(ObjectHandle object) {
    flush();
    std::erase_if(widths_, [object](const auto& entry) { return entry.first == object; });
    target_.deleteObject(object);
}

void StrokeJoiner::polyline(std::span<const IntPoint> points) {
    flush();
    target_.polyline(points);
}

void StrokeJoiner::polygon(std::span<const IntPoint> points) {
    flush();
    target_.polygon(points);
}

void StrokeJoiner::ellipse(int left, int top, int right, int bottom) {
    flush();
    target_.ellipse(left, top, right, bottom);
}

void StrokeJoiner::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    flush();
    target_.fillRect(left, top, right, bottom, colour);
}

}  // namespace mirel
