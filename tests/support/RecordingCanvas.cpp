#include "RecordingCanvas.h"

#include <algorithm>
#include <iterator>
#include <sstream>
#include <utility>

namespace mirel::test {
namespace {

std::string colourText(Rgb c) {
    std::ostringstream out;
    out << '(' << int(c.r) << ',' << int(c.g) << ',' << int(c.b) << ')';
    return out.str();
}

constexpr const char* kOpNames[] = {"createPen", "createBrush", "select",  "delete",  "moveTo",
                                    "lineTo",    "polyline",    "polygon", "ellipse", "fillRect"};

}  // namespace

RecordingCanvas::RecordingCanvas() {
    objects_.push_back({kStockPen, true, 1, kBlack, false});
    objects_.push_back({kStockBrush, false, 0, kWhite, false});
}

const RecordingCanvas::Object* RecordingCanvas::find(ObjectHandle handle) const {
    for (const Object& o : objects_) {
        if (o.handle == handle) return &o;
    }
    return nullptr;
}

void RecordingCanvas::record(CanvasCall call) {
    const Object* pen = find(pen_);
    const Object* brush = find(brush_);
    call.penWidth = pen->width;
    call.penColour = pen->colour;
    call.brushColour = brush->colour;
    calls_.push_back(std::move(call));
}

ObjectHandle RecordingCanvas::createPen(int width, Rgb colour) {
    const ObjectHandle handle = static_cast<int>(objects_.size()) - 1;
    objects_.push_back({handle, true, width, colour, false});
    record({CanvasOp::CreatePen, {handle, width}, colour, {}});
    return handle;
}

ObjectHandle RecordingCanvas::createBrush(Rgb colour) {
    const ObjectHandle handle = static_cast<int>(objects_.size()) - 1;
    objects_.push_back({handle, false, 0, colour, false});
    record({CanvasOp::CreateBrush, {handle}, colour, {}});
    return handle;
}

ObjectHandle RecordingCanvas::select(ObjectHandle object) {
    const Object* o = find(object);
    ObjectHandle previous = object;
    if (o == nullptr || o->deleted) {
        faults_.push_back("select of unknown object " + std::to_string(object));
    } else if (o->isPen) {
        previous = std::exchange(pen_, object);
    } else {
        previous = std::exchange(brush_, object);
    }
    record({CanvasOp::Select, {object, previous}, {}, {}});
    return previous;
}

void RecordingCanvas::deleteObject(ObjectHandle object) {
    auto it = std::find_if(objects_.begin(), objects_.end(),
                           [object](const Object& o) { return o.handle == object; });
    if (it == objects_.end() || it->deleted || object == kStockPen || object == kStockBrush) {
        faults_.push_back("delete of unknown or stock object " + std::to_string(object));
    } else if (object == pen_ || object == brush_) {
        faults_.push_back("delete of selected object " + std::to_string(object));
    } else {
        it->deleted = true;
    }
    record({CanvasOp::Delete, {object}, {}, {}});
}

void RecordingCanvas::moveTo(int x, int y) {
    record({CanvasOp::MoveTo, {x, y}, {}, {}});
}

void RecordingCanvas::lineTo(int x, int y) {
    record({CanvasOp::LineTo, {x, y}, {}, {}});
}

void RecordingCanvas::polyline(std::span<const IntPoint> points) {
    record({CanvasOp::Polyline, {}, {}, {points.begin(), points.end()}});
}

void RecordingCanvas::polygon(std::span<const IntPoint> points) {
    record({CanvasOp::Polygon, {}, {}, {points.begin(), points.end()}});
}

void RecordingCanvas::ellipse(int left, int top, int right, int bottom) {
    record({CanvasOp::Ellipse, {left, top, right, bottom}, {}, {}});
}

void RecordingCanvas::fillRect(int left, int top, int right, int bottom, Rgb colour) {
    record({CanvasOp::FillRect, {left, top, right, bottom}, colour, {}});
}

std::vector<CanvasCall> RecordingCanvas::callsOf(CanvasOp op) const {
    std::vector<CanvasCall> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [op](const CanvasCall& c) { return c.op == op; });
    return out;
}

int RecordingCanvas::liveObjects() const {
    return static_cast<int>(std::count_if(objects_.begin(), objects_.end(), [](const Object& o) {
        return o.handle != kStockPen && o.handle != kStockBrush && !o.deleted;
    }));
}

std::string describe(const CanvasCall& call) {
    std::ostringstream out;
    out << kOpNames[static_cast<int>(call.op)];
    for (int a : call.args) out << ' ' << a;
    if (call.op == CanvasOp::CreatePen || call.op == CanvasOp::CreateBrush ||
        call.op == CanvasOp::FillRect) {
        out << ' ' << colourText(call.colour);
    }
    for (const IntPoint& p : call.points) out << " (" << p.x << ',' << p.y << ')';
    return out.str();
}

}  // namespace mirel::test
