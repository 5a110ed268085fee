// The screen's inner-face drawing: the hair, ears and outline pale grey and
// first, the inner features in their own colours over them.
#include <gtest/gtest.h>

#include "FixtureFace.h"
#include "RecordingCanvas.h"
#include "render/DrawFace.h"
#include "render/FaceColours.h"
#include "render/PaleCanvas.h"

namespace mirel {
namespace {

using test::CanvasOp;

bool isGrey(Rgb c) {
    return c.r == c.g && c.g == c.b;
}

TEST(InnerFaceFirstTest, HairAndSkinArePaleTheFeaturesKeepTheirColoursAndNoObjectIsLeft) {
    FaceRecord face = test::fixtureFace();
    test::RecordingCanvas plain;
    FaceRecord copy = face;
    DrawFace(copy, plain, 150, 150, 300, 2);
    test::RecordingCanvas pale;
    DrawFace(face, pale, 150, 150, 300, 2, FaceStyle{true});

    EXPECT_TRUE(pale.faults().empty()) << pale.faults().front();
    EXPECT_EQ(pale.liveObjects(), plain.liveObjects());
    int lips = 0;
    for (const auto& call : pale.calls()) {
        if (call.op != CanvasOp::Polygon && call.op != CanvasOp::Ellipse &&
            call.op != CanvasOp::Polyline && call.op != CanvasOp::LineTo) {
            continue;
        }
        EXPECT_NE(call.brushColour, HairColour);
        EXPECT_NE(call.brushColour, SkinColour);
        EXPECT_NE(call.penColour, HairColour);
        EXPECT_NE(call.penColour, SkinColour);
        if (call.op == CanvasOp::Polygon && call.brushColour == LipColour) ++lips;
    }
    EXPECT_GT(lips, 0) << "the mouth keeps its colour";
    // The outline's strokes come before any of the features'.
    const auto& calls = pale.calls();
    const auto firstLip = std::find_if(calls.begin(), calls.end(), [](const auto& c) {
        return c.op == CanvasOp::Polygon && c.brushColour == LipColour;
    });
    const bool paleAfterLips = std::any_of(firstLip, calls.end(), [](const auto& c) {
        return c.op == CanvasOp::Polygon && c.brushColour == paleGrey(HairColour);
    });
    EXPECT_FALSE(paleAfterLips) << "hair drawn over the features";
    EXPECT_TRUE(isGrey(paleGrey(SkinColour)));
}

}  // namespace
}  // namespace mirel
