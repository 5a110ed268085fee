#pragma once
// A Canvas that draws nothing and lists every call with its arguments and
// with the pen and brush selected at the time, so tests can assert exact
// call sequences.

#include <string>
#include <vector>

#include "render/Canvas.h"

namespace mirel::test {

enum class CanvasOp {
    CreatePen,
    CreateBrush,
    Select,
    Delete,
    MoveTo,
    LineTo,
    Polyline,
    Polygon,
    Ellipse,
    FillRect
};

struct CanvasCall {
    CanvasOp op;
    std::vector<int> args;         // handle, coordinates or width, by operation
    Rgb colour{};                  // of a created pen / brush, or of fillRect
    std::vector<IntPoint> points;  // of polyline / polygon
    // What was selected when the call was made.
    int penWidth = 1;
    Rgb penColour = kBlack;
    Rgb brushColour = kWhite;
};

class RecordingCanvas final : public mirel::Canvas {
  public:
    RecordingCanvas();

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

    const std::vector<CanvasCall>& calls() const { return calls_; }
    std::vector<CanvasCall> callsOf(CanvasOp op) const;
    void clear() { calls_.clear(); }

    // Objects created and not yet deleted.
    int liveObjects() const;
    // Faults seen: deleting a selected or unknown object, selecting an
    // unknown one. Empty when the drawing kept the rules.
    const std::vector<std::string>& faults() const { return faults_; }

    ObjectHandle currentPen() const { return pen_; }
    ObjectHandle currentBrush() const { return brush_; }

  private:
    struct Object {
        ObjectHandle handle;
        bool isPen;
        int width;
        Rgb colour;
        bool deleted;
    };

    const Object* find(ObjectHandle handle) const;
    void record(CanvasCall call);

    std::vector<CanvasCall> calls_;
    std::vector<Object> objects_;
    std::vector<std::string> faults_;
    ObjectHandle pen_ = kStockPen;
    ObjectHandle brush_ = kStockBrush;
};

// One line per call, e.g. "polygon (1,2) (3,4)"; for failure messages.
std::string describe(const CanvasCall& call);

}  // namespace mirel::test
