#include "render/FaceFrame.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

#include "render/DrawFace.h"

namespace mirel {
namespace {

// A canvas that draws nothing and grows a box over every pixel an aliased
// raster inks: a point stroked with a pen w wide covers w / 2 pixels before
// it and (w - 1) / 2 after it on each axis.
class InkBoxCanvas final : public Canvas {
  public:
    InkBox box() const {
        if (left_ > right_) return {};
        return {left_, top_, right_ + 1, bottom_ + 1};
    }

    ObjectHandle createPen(int width, Rgb) override {
        penWidths_[next_] = width;
        return next_++;
    }
    ObjectHandle createBrush(Rgb) override { return next_++; }
    ObjectHandle select(ObjectHandle object) override {
        const auto pen = penWidths_.find(object);
        if (pen == penWidths_.end()) return std::exchange(brush_, object);
        penWidth_ = pen->second;
        return std::exchange(pen_, object);
    }
    void deleteObject(ObjectHandle object) override { penWidths_.erase(object); }
    void moveTo(int x, int y) override { position_ = {x, y}; }
    void lineTo(int x, int y) override {
        addStroked(position_);
        addStroked({x, y});
        position_ = {x, y};
    }
    void polyline(std::span<const IntPoint> points) override {
        for (const IntPoint& p : points) addStroked(p);
    }
    void polygon(std::span<const IntPoint> points) override { polyline(points); }
    void ellipse(int left, int top, int right, int bottom) override {
        // The box's right and bottom edges are outside it, as on the devices.
        addStroked({left, top});
        addStroked({right - 1, bottom - 1});
    }
    void fillRect(int left, int top, int right, int bottom, Rgb) override {
        if (right <= left || bottom <= top) return;
        add({left, top}, 0, 0);
        add({right - 1, bottom - 1}, 0, 0);
    }

  private:
    void addStroked(IntPoint p) {
        const int width = std::max(penWidth_, 1);
        add(p, width / 2, (width - 1) / 2);
    }
    void add(IntPoint p, int before, int after) {
        left_ = std::min(left_, p.x - before);
        top_ = std::min(top_, p.y - before);
        right_ = std::max(right_, p.x + after);
        bottom_ = std::max(bottom_, p.y + after);
    }

    std::map<ObjectHandle, int> penWidths_{{kStockPen, 1}};
    ObjectHandle next_ = 1;
    ObjectHandle pen_ = kStockPen;
    ObjectHandle brush_ = kStockBrush;
    int penWidth_ = 1;
    IntPoint position_{};
    int left_ = INT_MAX;
    int top_ = INT_MAX;
    int right_ = INT_MIN;
    int bottom_ = INT_MIN;
};

// A face inks well within this many of its sizes around its origin, plus
// its pen at the smallest sizes.
constexpr int kOriginInSizes = 4;
constexpr int kOriginPenRoom = 16;
// Measures from the picture's side to the fitting size: each pass scales by
// what the last one measured, and the lines' rounding makes two to four
// passes enough.
constexpr int kFittingPasses = 8;

// An origin far enough from zero that every device coordinate is positive:
// truncation then moves with the origin pixel for pixel.
FacePlacement measuredAt(int size) {
    const double origin = static_cast<double>(kOriginInSizes) * size + kOriginPenRoom;
    return {origin, origin, size, facePenWidth(size)};
}

}  // namespace

InkBox inkedBox(const FaceRecord& prepared, const FacePlacement& placement) {
    InkBoxCanvas canvas;
    DrawPreparedFace(prepared, canvas, placement.originX, placement.originY, placement.size,
                     placement.penWidth);
    return canvas.box();
}

FacePlacement frameFace(const FaceRecord& prepared, int width, int height) {
    const int side = std::max(1, std::min(width, height));
    const FacePlacement plain{width / 2.0, height / 2.0, side, facePenWidth(side)};
    const int margin = std::max(1, static_cast<int>(std::lround(side * kFrameMarginPerSide)));
    const int innerWidth = std::max(1, width - 2 * margin);
    const int innerHeight = std::max(1, height - 2 * margin);
    auto shrinkTo = [&](const InkBox& box) {
        return std::min(static_cast<double>(innerWidth) / box.width(),
                        static_cast<double>(innerHeight) / box.height());
    };

    // Measured near the size it is drawn at: curves are drawn from rounded
    // device points, so a face does not scale exactly, and a wild bred curve
    // may draw very differently at ten times the size.
    int size = side;
    std::optional<std::pair<FacePlacement, InkBox>> fitting;
    for (int pass = 0; pass < kFittingPasses; ++pass) {
        const FacePlacement placement = measuredAt(size);
        const InkBox box = inkedBox(prepared, placement);
        if (box.empty()) break;
        const double scale = shrinkTo(box);
        if (scale >= 1.0 && (!fitting || size > fitting->first.size)) fitting = {placement, box};
        // Pens do not grow in proportion to the face: one less when shrinking.
        const int next = std::max(1, static_cast<int>(size * scale) - (scale < 1.0 ? 1 : 0));
        if (next == size || (fitting && next <= fitting->first.size && scale >= 1.0)) break;
        size = next;
    }
    if (!fitting) return plain;
    auto [placement, box] = *fitting;
    placement.originX += (width - box.width()) / 2 - box.left;
    placement.originY += (height - box.height()) / 2 - box.top;
    return placement;
}

void DrawFramedFace(FaceRecord& record, Canvas& canvas, int width, int height) {
    PrepareFace(record);
    const FacePlacement placement = frameFace(record, width, height);
    DrawPreparedFace(record, canvas, placement.originX, placement.originY, placement.size,
                     placement.penWidth);
}

}  // namespace mirel
