// The upper-lid curve by F10, F0 and F1: the eye whites it closes and the
// lid lines it strokes, row by row, against paths built by hand.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "FixtureFace.h"
#include "RecordingCanvas.h"
#include "render/DrawFace.h"
#include "render/FaceColours.h"
#include "render/FaceRenderer.h"

namespace mirel {
namespace {

using test::CanvasCall;
using test::CanvasOp;
using test::RecordingCanvas;

constexpr double kOrigin = 150.0;
constexpr int kSize = 300;

using Entries = std::vector<int>;

struct LidRow {
    int f10, f0, f1;
    std::vector<Entries> stored;    // curves on AxisX, 0-5
    std::vector<Entries> mirrored;  // curves on AxisX, 178-183
    std::vector<Entries> strokes;   // the lid lines, in drawing order
};

// clang-format off
const LidRow kRows[] = {
    {0, 0, 0, {{4, 3, 2, 1}}, {{179, 180, 181, 182}},
     {{4, 3, 2, 1}, {179, 180, 181, 182}}},
    {0, 0, 1, {{5, 4, 3, 2, 1}}, {{179, 180, 181, 182, 183}},
     {{5, 4, 3, 2, 1}, {179, 180, 181, 182, 183}}},
    {0, 1, 0, {{4, 3, 2, 1, 0}}, {{178, 179, 180, 181, 182}},
     {{4, 3, 2, 1, 0}, {178, 179, 180, 181, 182}}},
    {0, 1, 1, {{5, 4, 3, 2, 1, 0}}, {{178, 179, 180, 181, 182, 183}},
     {{5, 4, 3, 2, 1, 0}, {178, 179, 180, 181, 182, 183}}},
    {1, 0, 0, {{4, 3}, {3, 2}, {2, 1}}, {{179, 180}, {180, 181}, {181, 182}},
     {{2, 1}, {179, 180}, {3, 2}, {180, 181}, {4, 3}, {181, 182}}},
    {1, 0, 1, {{5, 4, 3}, {3, 2}, {2, 1}}, {{179, 180}, {180, 181}, {181, 182, 183}},
     {{2, 1}, {179, 180}, {3, 2}, {180, 181}, {5, 4, 3}, {181, 182, 183}}},
    {1, 1, 0, {{4, 3}, {3, 2}, {2, 1, 0}}, {{178, 179, 180}, {180, 181}, {181, 182}},
     {{2, 1, 0}, {178, 179, 180}, {3, 2}, {180, 181}, {4, 3}, {181, 182}}},
    {1, 1, 1, {{5, 4, 3}, {3, 2}, {2, 1, 0}}, {{178, 179, 180}, {180, 181}, {181, 182, 183}},
     {{2, 1, 0}, {178, 179, 180}, {3, 2}, {180, 181}, {5, 4, 3}, {181, 182, 183}}},
};

void addCurve(CFaceRenderer& r, int axis, const Entries& e) {
    switch (e.size()) {
    case 2: r.AddCurve2(axis, e[0], e[1]); break;
    case 3: r.AddCurve3(axis, e[0], e[1], e[2]); break;
    case 4: r.AddCurve4(axis, e[0], e[1], e[2], e[3]); break;
    case 5: r.AddCurve5(axis, e[0], e[1], e[2], e[3], e[4]); break;
    case 6: r.AddCurve6(axis, e[0], e[1], e[2], e[3], e[4], e[5]); break;
    default: FAIL() << "a curve has 2 to 6 points";
    }
}

void strokeCurve(CFaceRenderer& r, const Entries& e) {
    switch (e.size()) {
    case 2: r.StrokeCurve2(AxisX, e[0], e[1]); break;
    case 3: r.StrokeCurve3(AxisX, e[0], e[1], e[2]); break;
    case 4: r.StrokeCurve4(AxisX, e[0], e[1], e[2], e[3]); break;
    case 5: r.StrokeCurve5(AxisX, e[0], e[1], e[2], e[3], e[4]); break;
    case 6: r.StrokeCurve6(AxisX, e[0], e[1], e[2], e[3], e[4], e[5]); break;
    default: FAIL() << "a curve has 2 to 6 points";
    }
}
// clang-format on

// The white of one eye: the lid curve cut at the corners, closed below.
std::vector<IntPoint> eyeWhite(const FaceRecord& drawn, const std::vector<Entries>& lid,
                               int trimFirst, int trimLast, int corner, int below,
                               const Entries& bottom) {
    RecordingCanvas scratch;
    auto r = std::make_unique<CFaceRenderer>(scratch);
    r->MapPoints(kOrigin, kOrigin, drawn.face, drawn.hair);
    for (const Entries& e : lid) addCurve(*r, AxisX, e);
    r->TrimPath(trimFirst, trimLast);
    r->AddCurve2(AxisY, corner, below);
    addCurve(*r, AxisX, bottom);
    return {r->path.begin(), r->path.begin() + r->pathCount};
}

FaceRecord withLidFlags(const LidRow& row, int f3) {
    FaceRecord record = test::fixtureFaceWithoutHair();
    record.face.flags.fill(0);
    record.face.flags[3] = f3;
    record.face.flags[10] = row.f10;
    record.face.flags[0] = row.f0;
    record.face.flags[1] = row.f1;
    return record;
}

TEST(UpperLid, EachRowClosesBothEyeWhitesWithItsOwnLid) {
    std::vector<std::vector<IntPoint>> storedWhites;
    for (const LidRow& row : kRows) {
        FaceRecord record = withLidFlags(row, 0);
        RecordingCanvas canvas;
        DrawFace(record, canvas, kOrigin, kOrigin, kSize, 1);
        std::vector<CanvasCall> whites;
        for (const CanvasCall& c : canvas.callsOf(CanvasOp::Polygon)) {
            if (c.brushColour == kWhite) whites.push_back(c);
        }
        const auto name = ::testing::Message()
                          << "F10 = " << row.f10 << ", F0 = " << row.f0 << ", F1 = " << row.f1;
        ASSERT_EQ(whites.size(), 2u) << name;
        const auto stored = eyeWhite(record, row.stored, 4, 1, 1, 6, {6, 7, 8});
        const auto mirrored = eyeWhite(record, row.mirrored, 179, 182, 182, 186, {186, 185, 184});
        EXPECT_EQ(whites[0].points, stored) << name << ", stored-side eye";
        EXPECT_EQ(whites[1].points, mirrored) << name << ", mirrored eye";
        storedWhites.push_back(stored);
    }
    // Every row gives its own outline, so a swapped row cannot pass.
    for (std::size_t a = 0; a < storedWhites.size(); ++a) {
        for (std::size_t b = a + 1; b < storedWhites.size(); ++b) {
            EXPECT_NE(storedWhites[a], storedWhites[b]) << "rows " << a << " and " << b;
        }
    }
}

TEST(UpperLid, EachRowStrokesTheLidLinesOfBothEyes) {
    for (const LidRow& row : kRows) {
        FaceRecord record = withLidFlags(row, 3);
        record.face.flags[27] = 2;  // no nose base
        record.face.flags[45] = 3;  // no mouth line
        const auto name = ::testing::Message()
                          << "F10 = " << row.f10 << ", F0 = " << row.f0 << ", F1 = " << row.f1;

        RecordingCanvas canvas;
        auto r = std::make_unique<CFaceRenderer>(canvas);
        r->MapPoints(kOrigin, kOrigin, record.face, record.hair);
        r->DrawFeatureLines(record.face);

        RecordingCanvas expected;
        auto hand = std::make_unique<CFaceRenderer>(expected);
        hand->MapPoints(kOrigin, kOrigin, record.face, record.hair);
        for (const Entries& e : row.strokes) strokeCurve(*hand, e);

        ASSERT_FALSE(expected.calls().empty()) << name;
        ASSERT_EQ(canvas.calls().size(), expected.calls().size()) << name;
        for (std::size_t i = 0; i < canvas.calls().size(); ++i) {
            EXPECT_EQ(canvas.calls()[i].op, expected.calls()[i].op) << name << ", call " << i;
            EXPECT_EQ(canvas.calls()[i].args, expected.calls()[i].args) << name << ", call " << i;
        }
    }
}

}  // namespace
}  // namespace mirel
