// The stroke joiner hands on segments that share their ends as one polyline
// (of the points that make a difference) and everything else unchanged, in order.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "RecordingCanvas.h"
#include "render/StrokeJoiner.h"

namespace mirel {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;

// The calls after the first selection (of the face pen) but pen creation, as a line of text: "M
// x,y", "L x,y", "P x,y x,y ...", "S handle".
std::string trace(const RecordingCanvas& canvas) {
    std::string out;
    bool facePenSelected = false;
    for (const test::CanvasCall& call : canvas.calls()) {
        if (call.op == CanvasOp::CreatePen) continue;
        if (!facePenSelected) {
            facePenSelected = call.op == CanvasOp::Select;
            continue;
        }
        if (!out.empty()) out += " | ";
        switch (call.op) {
            case CanvasOp::MoveTo:
                out += "M";
                break;
            case CanvasOp::LineTo:
                out += "L";
                break;
            case CanvasOp::Polyline:
                out += "P";
                break;
            case CanvasOp::Select:
                out += "S";
                break;
            default:
                out += "?";
                break;
        }
        if (call.op == CanvasOp::Polyline) {
            for (const IntPoint& p : call.points)
                out += " " + std::to_string(p.x) + "," + std::to_string(p.y);
        } else if (call.op == CanvasOp::Select) {
            out += " " + std::to_string(call.args.at(0));
        } else {
            out += " " + std::to_string(call.args.at(0)) + "," + std::to_string(call.args.at(1));
        }
    }
    return out;
}

struct JoinCase {
    const char* name;
    std::function<void(Canvas&)> draw;
    const char* expected;
};

TEST(StrokeJoiner, JoinsOnlySegmentsThatShareTheirEnds) {
    const JoinCase cases[] = {
        {"a lone segment stays a segment",
         [](Canvas& c) {
             c.moveTo(1, 2);
             c.lineTo(3, 4);
         },
         "M 1,2 | L 3,4"},
        {"a curve segment by segment becomes one polyline",
         [](Canvas& c) {
             c.moveTo(0, 0);
             c.lineTo(1, 0);
             c.moveTo(1, 0);
             c.lineTo(2, 1);
             c.moveTo(2, 1);
             c.lineTo(2, 3);
         },
         "P 0,0 1,0 2,1 2,3"},
        {"repeated points and straight stretches go; a sharp turn splits the run",
         [](Canvas& c) {
             c.moveTo(0, 0);
             c.lineTo(1, 1);
             c.moveTo(1, 1);
             c.lineTo(1, 1);
             c.moveTo(1, 1);
             c.lineTo(3, 3);
             c.moveTo(3, 3);
             c.lineTo(3, 4);
             c.moveTo(3, 4);
             c.lineTo(3, 2);
         },
         "P 0,0 3,3 3,4 | M 3,4 | L 3,2"},
        {"a run of one point stays a segment of no length",
         [](Canvas& c) {
             c.moveTo(4, 4);
             c.lineTo(4, 4);
             c.moveTo(4, 4);
             c.lineTo(4, 4);
         },
         "M 4,4 | L 4,4"},
        {"a move elsewhere starts a new run",
         [](Canvas& c) {
             c.moveTo(0, 0);
             c.lineTo(1, 0);
             c.moveTo(1, 0);
             c.lineTo(2, 1);
             c.moveTo(5, 5);
             c.lineTo(6, 6);
         },
         "P 0,0 1,0 2,1 | M 5,5 | L 6,6"},
        {"line-to without a move continues from the last point",
         [](Canvas& c) {
             c.lineTo(4, 4);
             c.lineTo(5, 4);
         },
         "P 0,0 4,4 5,4"},
        {"a pen change ends the run before it; one-unit lines stay segments",
         [](Canvas& c) {
             const ObjectHandle thin = c.createPen(1, kBlack);
             c.moveTo(0, 0);
             c.lineTo(1, 1);
             c.moveTo(1, 1);
             c.lineTo(2, 1);
             c.select(thin);
             c.moveTo(2, 2);
             c.lineTo(3, 3);
             c.moveTo(3, 3);
             c.lineTo(4, 3);
         },
         "P 0,0 1,1 2,1 | S 2 | M 2,2 | L 3,3 | M 3,3 | L 4,3"},
    };
    for (const JoinCase& c : cases) {
        RecordingCanvas target;
        {
            StrokeJoiner joiner(target);
            joiner.select(joiner.createPen(2, kBlack));
            c.draw(joiner);
        }
        EXPECT_EQ(trace(target), c.expected) << c.name;
    }
}

}  // namespace
}  // namespace mirel
