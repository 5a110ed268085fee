// DrawFace on the recording canvas: which parts are drawn, in which order,
// with which pens and brushes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
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

// Size 300 at origin (150, 150) maps face space one to one.
constexpr double kOrigin = 150.0;
constexpr int kSize = 300;
constexpr int kPenWidth = 2;

struct Drawing {
    FaceRecord record;  // as DrawFace left it (absolute points recomputed)
    RecordingCanvas canvas;
};

std::unique_ptr<Drawing> draw(const FaceRecord& record) {
    auto d = std::make_unique<Drawing>();
    d->record = record;
    DrawFace(d->record, d->canvas, kOrigin, kOrigin, kSize, kPenWidth);
    return d;
}

// Device position of a point-table entry, from the drawn record.
IntPoint entry(const FaceRecord& r, int e) {
    const auto at = [](double v) { return static_cast<int>(std::trunc(v) + kOrigin); };
    if (e < kFacePointCount) return {at(r.face.absPoints[e].x), at(r.face.absPoints[e].y)};
    return {};
}
IntPoint mirrored(const FaceRecord& r, int source) {
    const Point2 p = r.face.absPoints[source];
    return {static_cast<int>(-std::trunc(p.x) + kOrigin),
            static_cast<int>(std::trunc(p.y) + kOrigin)};
}

// Strokes joined into polylines: a move-to where the last line ended goes on.
std::vector<std::vector<IntPoint>> strokeRuns(const RecordingCanvas& canvas) {
    std::vector<std::vector<IntPoint>> runs;
    IntPoint at{};
    for (const CanvasCall& c : canvas.calls()) {
        if (c.op == CanvasOp::MoveTo) {
            const IntPoint to{c.args[0], c.args[1]};
            if (runs.empty() || runs.back().empty() || !(runs.back().back() == to)) {
                runs.push_back({to});
            }
            at = to;
        } else if (c.op == CanvasOp::LineTo) {
            at = {c.args[0], c.args[1]};
            runs.back().push_back(at);
        }
    }
    return runs;
}

bool hasStroke(const RecordingCanvas& canvas, IntPoint from, IntPoint to) {
    for (const auto& run : strokeRuns(canvas)) {
        if (run.size() >= 2 && run.front() == from && run.back() == to) return true;
    }
    return false;
}

std::vector<CanvasCall> polygonsFilledWith(const RecordingCanvas& canvas, Rgb colour) {
    std::vector<CanvasCall> out;
    for (const CanvasCall& c : canvas.callsOf(CanvasOp::Polygon)) {
        if (c.brushColour == colour) out.push_back(c);
    }
    return out;
}

FaceRecord withAllFlags(FaceRecord record, int value) {
    record.face.flags.fill(value);
    record.hair.haegiwaFlags.fill(value);
    return record;
}

TEST(DrawFace, AllFlagsZeroDrawsWhitesEarsNoseBaseAndMouthLineOnly) {
    const auto d = draw(withAllFlags(test::fixtureFace(), 0));
    const RecordingCanvas& canvas = d->canvas;
    EXPECT_TRUE(polygonsFilledWith(canvas, HairColour).empty()) << "hair masses";
    EXPECT_TRUE(polygonsFilledWith(canvas, EyebrowColour).empty()) << "eyebrows";
    EXPECT_TRUE(canvas.callsOf(CanvasOp::Ellipse).empty()) << "pupils";
    EXPECT_EQ(polygonsFilledWith(canvas, kWhite).size(), 2u) << "eye whites";

    const FaceRecord& r = d->record;
    EXPECT_TRUE(hasStroke(canvas, entry(r, 53), entry(r, 56))) << "S3x(53,55,56)";
    EXPECT_TRUE(hasStroke(canvas, mirrored(r, 56), mirrored(r, 53))) << "S3x(223,222,220)";
    EXPECT_TRUE(hasStroke(canvas, entry(r, 79), mirrored(r, 79))) << "S5x(79,78,77,76,75)";
}

TEST(DrawFace, AllFlagsZeroDrawsTheEarsWithTheirFivePointCurves) {
    const auto d = draw(withAllFlags(test::fixtureFace(), 0));
    const auto polygons = d->canvas.callsOf(CanvasOp::Polygon);
    ASSERT_FALSE(polygons.empty());

    // The same outline built by hand from the ear table's first row.
    RecordingCanvas scratch;
    auto expected = std::make_unique<CFaceRenderer>(scratch);
    expected->MapPoints(kOrigin, kOrigin, d->record.face, d->record.hair);
    expected->AddCurve2(AxisX, 158, 159);
    expected->AddCurve5(AxisY, 159, 160, 161, 162, 163);
    expected->AddCurve2(AxisX, 163, 164);
    expected->AddCurve2(AxisX, 164, 244);
    expected->AddCurve2(AxisX, 244, 243);
    expected->AddCurve5(AxisY, 243, 242, 241, 240, 239);
    expected->AddCurve2(AxisX, 239, 238);
    const std::vector<IntPoint> ears(expected->path.begin(),
                                     expected->path.begin() + expected->pathCount);
    EXPECT_EQ(polygons.front().points, ears);
    EXPECT_EQ(polygons.front().brushColour, SkinColour);
    EXPECT_EQ(polygons.front().penColour, kBlack) << "the ears have no pen of their own";
}

TEST(DrawFace, PupilsAndHighlightsFollowTheRadiusEntry) {
    struct Case {
        double radius;
        int highlight;  // 0: none
    };
    // The table holds the truncated radius: 3.5 is 3, which gets no highlight.
    const Case cases[] = {{7.0, 2}, {3.0, 0}, {3.5, 0}, {4.0, 1}, {9.9, 3}};
    for (const Case& c : cases) {
        FaceRecord record = test::fixtureFace();
        record.face.flags[3] = 1;
        record.face.relPoints[24].x = c.radius;
        const auto d = draw(record);
        const IntPoint stored = entry(d->record, 9);
        const IntPoint other = mirrored(d->record, 9);
        const int r = static_cast<int>(c.radius);
        std::vector<std::vector<int>> expected = {
            {stored.x - r, stored.y - r, stored.x + r, stored.y + r},
            {other.x - r, other.y - r, other.x + r, other.y + r}};
        if (c.highlight > 0) {
            const int h = c.highlight;
            expected.push_back({stored.x - h, stored.y - h, stored.x + h, stored.y + h});
            expected.push_back({other.x - h, other.y - h, other.x + h, other.y + h});
        }
        const auto ellipses = d->canvas.callsOf(CanvasOp::Ellipse);
        ASSERT_EQ(ellipses.size(), expected.size()) << "radius " << c.radius;
        for (std::size_t i = 0; i < ellipses.size(); ++i) {
            EXPECT_EQ(ellipses[i].args, expected[i]) << "radius " << c.radius << ", ellipse " << i;
            const bool highlight = i >= 2;
            EXPECT_EQ(ellipses[i].brushColour, highlight ? kWhite : PupilColour) << i;
            EXPECT_EQ(ellipses[i].penColour, highlight ? kWhite : kBlack) << i;
            EXPECT_EQ(ellipses[i].penWidth, highlight ? 1 : kPenWidth) << i;
        }
    }
}

TEST(DrawFace, PupilsOnlyForTheirEyeStyles) {
    for (int f3 = -1; f3 <= 6; ++f3) {
        FaceRecord record = test::fixtureFace();
        record.face.flags[3] = f3;
        const auto d = draw(record);
        const bool pupils = f3 == 1 || f3 == 4 || f3 == 5;
        const bool whites = pupils || f3 == 0;
        EXPECT_EQ(d->canvas.callsOf(CanvasOp::Ellipse).empty(), !pupils) << "F3 = " << f3;
        EXPECT_EQ(polygonsFilledWith(d->canvas, kWhite).size(), whites ? 2u : 0u) << "F3 = " << f3;
    }
}

// Hair fills before and after the first lip, which is drawn among the features.
struct HairSplit {
    int before;
    int after;
    friend bool operator==(const HairSplit&, const HairSplit&) = default;
};

HairSplit hairAroundTheFeatures(const RecordingCanvas& canvas) {
    HairSplit split{0, 0};
    bool featuresSeen = false;
    for (const CanvasCall& c : canvas.callsOf(CanvasOp::Polygon)) {
        if (c.brushColour == LipColour) featuresSeen = true;
        if (c.brushColour == HairColour) ++(featuresSeen ? split.after : split.before);
    }
    return split;
}

TEST(DrawFace, H14AndH4PutSideAndFrontHairBehindOrOverTheFeatures) {
    // Back hair and two sideburns always come first; two side locks, one front.
    struct Case {
        int h14;
        int h4;
        HairSplit split;
    };
    const Case cases[] = {
        {1, 0, {5, 1}}, {0, 0, {3, 3}}, {2, 0, {3, 3}}, {0, 1, {4, 2}}, {1, 1, {6, 0}},
    };
    for (const Case& c : cases) {
        FaceRecord record = test::fixtureFace();
        record.hair.haegiwaFlags[14] = c.h14;
        record.hair.haegiwaFlags[4] = c.h4;
        const auto d = draw(record);
        const HairSplit split = hairAroundTheFeatures(d->canvas);
        EXPECT_EQ(split.before, c.split.before) << "H14 = " << c.h14 << ", H4 = " << c.h4;
        EXPECT_EQ(split.after, c.split.after) << "H14 = " << c.h14 << ", H4 = " << c.h4;
    }
}

TEST(DrawFace, SideHairOnlyWithH10) {
    FaceRecord record = test::fixtureFace();
    record.hair.haegiwaFlags[10] = 0;
    record.hair.haegiwaFlags[25] = 0;
    const auto d = draw(record);
    EXPECT_EQ(hairAroundTheFeatures(d->canvas), (HairSplit{1, 1}));
}

// True when b is a within one unit of the mirror of a about x = 150, point by point.
bool mirrorsPointwise(const std::vector<IntPoint>& a, const std::vector<IntPoint>& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::abs(2 * static_cast<int>(kOrigin) - a[i].x - b[i].x) > 1 || a[i].y != b[i].y) {
            return false;
        }
    }
    return true;
}

// True when every point of p has a point of p within one unit of its mirror.
bool mirrorsItself(const std::vector<IntPoint>& p) {
    return std::all_of(p.begin(), p.end(), [&p](IntPoint a) {
        return std::any_of(p.begin(), p.end(), [a](IntPoint b) {
            return std::abs(2 * static_cast<int>(kOrigin) - a.x - b.x) <= 1 && a.y == b.y;
        });
    });
}

TEST(DrawFace, TheFittedHairIsMirrorSymmetric) {
    const auto d = draw(test::fixtureFace());
    const auto hair = polygonsFilledWith(d->canvas, HairColour);
    ASSERT_EQ(hair.size(), 6u) << "back, two sideburns, two side locks, front";
    EXPECT_TRUE(mirrorsItself(hair[0].points)) << "back hair";
    EXPECT_TRUE(mirrorsPointwise(hair[1].points, hair[2].points)) << "sideburns";
    EXPECT_TRUE(mirrorsPointwise(hair[3].points, hair[4].points)) << "side locks";
    EXPECT_TRUE(mirrorsItself(hair[5].points)) << "front hair";
    EXPECT_FALSE(mirrorsPointwise(hair[1].points, hair[3].points)) << "the check can fail";
}

TEST(DrawFace, FillsUseTheirDrawersPenAndStrokesTheFacePen) {
    const auto d = draw(test::fixtureFace());
    const auto polygons = d->canvas.callsOf(CanvasOp::Polygon);
    ASSERT_GT(polygons.size(), 10u);
    for (std::size_t i = 0; i < polygons.size(); ++i) {
        const CanvasCall& p = polygons[i];
        const bool ears = p.brushColour == SkinColour && p.penColour == kBlack;
        EXPECT_TRUE(ears || p.penColour == p.brushColour) << "polygon " << i;
        EXPECT_EQ(p.penWidth, ears ? kPenWidth : 1) << "polygon " << i;
    }
    for (const CanvasCall& c : d->canvas.calls()) {
        if (c.op != CanvasOp::LineTo) continue;
        EXPECT_EQ(c.penColour, kBlack) << test::describe(c);
        EXPECT_EQ(c.penWidth, kPenWidth) << test::describe(c);
    }
}

TEST(DrawFace, LeavesTheCanvasAsItFoundItForAnyFlagValues) {
    // Every flag at one value, then pseudo-random mixes of listed and
    // unlisted values.
    std::vector<FaceRecord> records;
    for (int v : {-1, 0, 1, 2, 3, 4, 5, 6, 99})
        records.push_back(withAllFlags(test::fixtureFace(), v));
    unsigned state = 12345;
    const auto next = [&state] {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) % 7) - 1;
    };
    for (int n = 0; n < 40; ++n) {
        FaceRecord record = test::fixtureFace();
        for (auto& f : record.face.flags) f = next();
        for (auto& h : record.hair.haegiwaFlags) h = next();
        records.push_back(record);
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        const auto d = draw(records[i]);
        EXPECT_TRUE(d->canvas.faults().empty()) << "record " << i << ": " << d->canvas.faults()[0];
        EXPECT_EQ(d->canvas.liveObjects(), 0) << "record " << i;
        EXPECT_EQ(d->canvas.currentPen(), kStockPen) << "record " << i;
        EXPECT_EQ(d->canvas.currentBrush(), kStockBrush) << "record " << i;
        for (const CanvasCall& p : d->canvas.callsOf(CanvasOp::Polygon)) {
            EXPECT_LE(p.points.size(), static_cast<std::size_t>(kMaxPathPoints)) << "record " << i;
        }
    }
}

TEST(DrawFace, RewritesTheRecordsAbsolutePointsFromItsRelativeOnes) {
    FaceRecord record = test::fixtureFace();
    record.face.absPoints.fill({999, 999});
    record.hair.haegiwaAbs.fill({999, 999});
    RecordingCanvas canvas;
    DrawFace(record, canvas, kOrigin, kOrigin, kSize, kPenWidth);
    EXPECT_EQ(record.face.absPoints[9], (Point2{-45, -5}));
    EXPECT_EQ(record.face.absPoints[154], (Point2{0, 105}));
}

TEST(MapPoints, TruncatesMirrorsAndTranslates) {
    FaceGene face;
    HairGene hair;
    face.absPoints[0] = {-0.7, 3.9};
    face.absPoints[24] = {7.9, 2.2};
    face.absPoints[96] = {-8.5, 1.5};
    face.absPoints[166] = {-95.6, -60.2};
    face.absPoints[173] = {-36.2, 97.8};
    hair.haegiwaAbs[0] = {-12.9, -3.1};
    hair.haegiwaAbs[56] = {4.4, 5.5};
    RecordingCanvas canvas;
    auto r = std::make_unique<CFaceRenderer>(canvas);
    r->MapPoints(100.9, 50.2, face, hair);
    struct Case {
        int entry;
        Point2 expected;
    };
    const Case cases[] = {
        {0, {100, 53}},                       // -0.7 truncates to 0 before translation
        {178, {100, 53}},                     // and so does its mirror
        {24, {7, 2}},                         // a length: not translated
        {96, {-8, 1}},                        // a length: not translated
        {166, {5, -10}},  {246, {195, -10}},  // mirror of 166
        {173, {64, 147}}, {252, {136, 147}},  // mirror of 173
        {253, {100, 50}}, {259, {100, 50}},   // unused: the origin
        {260, {88, 47}},  {316, {104, 55}},   // hairline
        {1, {100, 50}},   {201, {100, 50}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(r->points[c.entry], c.expected) << "entry " << c.entry;
    }
}

TEST(MapPoints, EveryMirrorEntryMirrorsItsSource) {
    FaceGene face;
    for (int k = 0; k < kFacePointCount; ++k) face.absPoints[k] = {-1.0 - k, 2.0 * k};
    RecordingCanvas canvas;
    auto r = std::make_unique<CFaceRenderer>(canvas);
    r->MapPoints(0, 0, face, HairGene{});
    const int sources[] = {0,   1,   2,   3,   4,   5,   6,   7,   8,   9,   10,  11,  12,
                           13,  14,  15,  16,  17,  18,  19,  20,  21,  22,  23,  28,  29,
                           30,  31,  32,  33,  34,  42,  43,  44,  45,  46,  47,  48,  49,
                           50,  51,  52,  53,  54,  55,  56,  91,  35,  36,  37,  38,  93,
                           94,  120, 121, 147, 149, 151, 152, 153, 158, 159, 160, 161, 162,
                           163, 164, 174, 166, 168, 169, 170, 171, 172, 173};
    for (int i = 0; i < static_cast<int>(std::size(sources)); ++i) {
        const int e = 178 + i;
        const Point2 source = face.absPoints[sources[i]];
        EXPECT_EQ(r->points[e], (Point2{-source.x, source.y})) << "entry " << e;
    }
}

TEST(FeatureLines, TheSecondForeheadLineRunsEntry96Higher) {
    FaceRecord record = test::fixtureFace();
    record.face.flags.fill(0);
    record.face.flags[50] = 2;
    record.face.flags[27] = 2;  // no nose base
    record.face.flags[45] = 3;  // no mouth line
    RecordingCanvas canvas;
    auto r = std::make_unique<CFaceRenderer>(canvas);
    r->MapPoints(kOrigin, kOrigin, record.face, record.hair);
    const auto before = r->points;
    r->DrawFeatureLines(record.face);
    EXPECT_EQ(r->points, before) << "the entries are restored";

    const int d = static_cast<int>(r->points[96].x);
    ASSERT_EQ(d, 8);
    const IntPoint left{static_cast<int>(r->points[93].x), static_cast<int>(r->points[93].y)};
    const IntPoint right{static_cast<int>(r->points[229].x), static_cast<int>(r->points[229].y)};
    const auto runs = strokeRuns(canvas);
    ASSERT_EQ(runs.size(), 2u);
    EXPECT_EQ(runs[0].front(), (IntPoint{left.x, left.y - d}));
    EXPECT_EQ(runs[0].back(), (IntPoint{right.x, right.y - d}));
    EXPECT_EQ(runs[1].front(), left);
    EXPECT_EQ(runs[1].back(), right);
}

}  // namespace
}  // namespace mirel
