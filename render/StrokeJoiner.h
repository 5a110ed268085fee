#pragma once
// A canvas in front of another that hands on runs of segments sharing their
// ends (move-to B, line-to C right after a line that ended at B) as one
// polyline, without repeated points or points in the middle of a straight
// stretch. The renderer strokes every curve segment by segment; a raster
// device draws one polyline per curve much faster, and with a pen wider than
// one unit an aliased raster gets the same pixels (one-unit lines take
// another path in Qt's raster engine that differs by a pixel here and there,
// and cost little, so they are handed on as they come). Only for raster
// devices: the metafile keeps its move-to / line-to records.

#include <utility>
#include <vector>

#include "render/Canvas.h"

namespace mirel {

class StrokeJoiner final : public Canvas {
  public:
    // `target` must outlive the joiner; what is still pending is drawn when
    // the joiner is destroyed or any other call arrives.
    explicit StrokeJoiner(Canvas& target) : target_(target) {}
    ~StrokeJoiner() override { flush(); }
    StrokeJoiner(const StrokeJoiner&) = delete;
    StrokeJoiner& operator=(const StrokeJoiner&) = delete;

    ObjectHandle createPen(int width, Rgb colour) override;
    ObjectHandle createBrush(Rgb colour) override;
    ObjectHandle select(ObjectHandle object) override;
    void deleteObject(ObjectHandle object) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void polyline(std::span<const IntPoint> points) override;
    void polygon(std::span<const IntPoint> points) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom, Rgb colour) override;

    // Draws the pending run now.
    void flush();

  private:
    // Draws points as a polyline, or as a segment when there are two.
    void hand(std::span<const IntPoint> points);
    bool joining() const { return penWidth_ > kUnjoinedWidth; }

    static constexpr int kUnjoinedWidth = 1;
    static constexpr int kNotAPen = -1;

    Canvas& target_;
    // Width of each object created, by the target's handle; kNotAPen for brushes.
    std::vector<std::pair<ObjectHandle, int>> widths_;
    int penWidth_ = kUnjoinedWidth;  // of the selected pen; the stock pen is one unit
    IntPoint position_;
    // The run of joined segments not drawn yet: empty, or two points or more.
    std::vector<IntPoint> run_;
};

}  // namespace mirel
