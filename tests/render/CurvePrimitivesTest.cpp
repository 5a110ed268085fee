// The spline, the two curve families, the path fill and trim, the circle.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <vector>

#include "RecordingCanvas.h"
#include "render/DeviceInt.h"
#include "render/FaceRenderer.h"

namespace mirel {
namespace {

using test::CanvasOp;
using test::RecordingCanvas;

struct Knot {
    double x;
    double y;
};

class CurvePrimitives : public ::testing::Test {
  protected:
    void setControlPoints(const std::vector<Knot>& knots) {
        r->ctrlCount = static_cast<int>(knots.size());
        for (std::size_t i = 0; i < knots.size(); ++i) {
            r->ctrlX[i] = knots[i].x;
            r->ctrlY[i] = knots[i].y;
        }
    }
    void setEntries(const std::vector<Knot>& knots, int first = 0) {
        for (std::size_t i = 0; i < knots.size(); ++i) {
            r->points[first + static_cast<int>(i)] = {knots[i].x, knots[i].y};
        }
    }
    std::vector<IntPoint> pathPoints() const {
        return {r->path.begin(), r->path.begin() + r->pathCount};
    }

    RecordingCanvas canvas;
    std::unique_ptr<CFaceRenderer> r = std::make_unique<CFaceRenderer>(canvas);
};

TEST_F(CurvePrimitives, TwoPointsGiveOneStraightSegment) {
    setEntries({{3.0, 4.0}, {40.0, 9.0}});
    r->StrokeCurve2(AxisX, 0, 1);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, CanvasOp::MoveTo);
    EXPECT_EQ(calls[0].args, (std::vector<int>{3, 4}));
    EXPECT_EQ(calls[1].op, CanvasOp::LineTo);
    EXPECT_EQ(calls[1].args, (std::vector<int>{40, 9}));
}

TEST_F(CurvePrimitives, CoincidentXMergeIntoTheHigherPointAndDrawAStraightSegment) {
    setControlPoints({{10, 5}, {10, 20}, {30, 7}});
    r->ComputeCurve(AxisX);
    EXPECT_EQ(r->ctrlCount, 2);
    ASSERT_EQ(r->segCount, 1);
    EXPECT_EQ(r->curveX[0], 10.0);
    EXPECT_EQ(r->curveY[0], 20.0);
    EXPECT_EQ(r->curveX[1], 30.0);
    EXPECT_EQ(r->curveY[1], 7.0);
}

TEST_F(CurvePrimitives, SegmentCountFollowsTheSpanWithinItsBounds) {
    struct Case {
        const char* name;
        int axis;
        std::vector<Knot> knots;
        int segments;
    };
    const Case cases[] = {
        {"5 points spanning 3 units", AxisX, {{0, 0}, {0.75, 1}, {1.5, 0}, {2.25, 1}, {3, 0}}, 4},
        {"3 points spanning 40 units", AxisX, {{0, 0}, {20, 9}, {40, 0}}, 40},
        {"span of 150", AxisX, {{0, 0}, {50, 9}, {100, 3}, {150, 0}}, 99},
        {"span of 150 on AxisY", AxisY, {{0, 0}, {9, 50}, {3, 100}, {0, 150}}, 99},
        {"span of 40.9 truncated", AxisY, {{0, 0}, {5, 20}, {0, 40.9}}, 40},
    };
    for (const Case& c : cases) {
        setControlPoints(c.knots);
        r->ComputeCurve(c.axis);
        EXPECT_EQ(r->segCount, c.segments) << c.name;
    }
}

TEST_F(CurvePrimitives, FirstSampleIsExactlyTheFirstKnot) {
    setControlPoints({{10.1, 3.3}, {60.7, 9.9}, {110.3, -2.1}, {160.2, 0.7}});
    r->ComputeCurve(AxisX);
    ASSERT_EQ(r->segCount, 99);
    EXPECT_EQ(r->curveX[0], 10.1);
    EXPECT_EQ(r->curveY[0], 3.3);
}

TEST(NaturalCubicSpline, MatchesTheHandSolvedSpline) {
    // Knots (0,0) (1,1) (2,0): M1 = -3, so S(0.5) = 1.5 * 0.5 - 0.5 * 0.125.
    const double t[] = {0, 1, 2};
    const double v[] = {0, 1, 0};
    double outT[5] = {};
    double outV[5] = {};
    CFaceRenderer::NaturalCubicSpline(3, t, v, outT, outV, 4);
    const double expectedT[] = {0, 0.5, 1, 1.5, 2};
    const double expectedV[] = {0, 0.6875, 1, 0.6875, 0};
    for (int k = 0; k < 5; ++k) {
        EXPECT_DOUBLE_EQ(outT[k], expectedT[k]) << "sample " << k;
        EXPECT_NEAR(outV[k], expectedV[k], 1e-12) << "sample " << k;
    }
}

TEST(NaturalCubicSpline, PassesThroughKnotsThatFallOnSamples) {
    const double t[] = {0, 30, 60, 90};
    const double v[] = {5, -12, 40, 7};
    double outT[91] = {};
    double outV[91] = {};
    CFaceRenderer::NaturalCubicSpline(4, t, v, outT, outV, 90);
    for (int knot = 0; knot < 4; ++knot) {
        EXPECT_NEAR(outV[knot * 30], v[knot], 1e-9) << "knot " << knot;
    }
}

TEST(NaturalCubicSpline, ReproducesAStraightLine) {
    const double t[] = {0, 7, 19, 20, 45, 60};
    double v[6];
    for (int i = 0; i < 6; ++i) v[i] = 2.5 * t[i] - 4;
    double outT[61] = {};
    double outV[61] = {};
    CFaceRenderer::NaturalCubicSpline(6, t, v, outT, outV, 60);
    for (int k = 0; k <= 60; ++k) {
        EXPECT_NEAR(outV[k], 2.5 * outT[k] - 4, 1e-9) << "sample " << k;
    }
}

TEST(NaturalCubicSpline, ASampleAdvancesPastAtMostOneKnot) {
    // One step spans all three intervals: the last sample is evaluated on
    // interval 1 (M1 = -4, M2 = 4, so 1 + 2b + 4c + 8d = 3), not at v[3].
    const double t[] = {0, 1, 2, 3};
    const double v[] = {0, 1, 0, 1};
    double outT[2] = {};
    double outV[2] = {};
    CFaceRenderer::NaturalCubicSpline(4, t, v, outT, outV, 1);
    EXPECT_EQ(outT[1], 3.0);
    EXPECT_NEAR(outV[1], 3.0, 1e-12);
}

TEST(NaturalCubicSpline, CoincidentKnotsStayFinite) {
    const double t[] = {0, 1e-12, 10};
    const double v[] = {0, 5, 1};
    double outT[11] = {};
    double outV[11] = {};
    CFaceRenderer::NaturalCubicSpline(3, t, v, outT, outV, 10);
    for (int k = 0; k <= 10; ++k) EXPECT_TRUE(std::isfinite(outV[k])) << "sample " << k;
}

TEST_F(CurvePrimitives, TiesAreResolvedDifferentlyOnTheTwoAxes) {
    struct Case {
        const char* name;
        int axis;
        std::vector<Knot> knots;
        std::vector<Knot> survivors;
    };
    const Case cases[] = {
        {"AxisX keeps the larger y",
         AxisX,
         {{0, 5}, {10, 3}, {10, 8}, {20, 1}},
         {{0, 5}, {10, 8}, {20, 1}}},
        {"AxisX sorts first", AxisX, {{20, 1}, {10, 8}, {0, 5}}, {{0, 5}, {10, 8}, {20, 1}}},
        {"AxisY keeps the x nearer the first point's",
         AxisY,
         {{5, 0}, {9, 10}, {6, 10}, {3, 20}},
         {{5, 0}, {6, 10}, {3, 20}}},
        {"AxisY keeps the nearer one when it comes first",
         AxisY,
         {{5, 0}, {6, 10}, {9, 10}, {3, 20}},
         {{5, 0}, {6, 10}, {3, 20}}},
        {"AxisY, not the larger x", AxisY, {{0, 0}, {1, 10}, {8, 10}}, {{0, 0}, {1, 10}}},
        {"AxisY sorts by y", AxisY, {{1, 30}, {2, 10}, {3, 20}}, {{2, 10}, {3, 20}, {1, 30}}},
    };
    for (const Case& c : cases) {
        setControlPoints(c.knots);
        EXPECT_TRUE(r->OrderControlPoints(c.axis)) << c.name;
        ASSERT_EQ(r->ctrlCount, static_cast<int>(c.survivors.size())) << c.name;
        for (std::size_t i = 0; i < c.survivors.size(); ++i) {
            EXPECT_EQ(r->ctrlX[i], c.survivors[i].x) << c.name << ", point " << i;
            EXPECT_EQ(r->ctrlY[i], c.survivors[i].y) << c.name << ", point " << i;
        }
    }
}

TEST_F(CurvePrimitives, IncreasingPointsAreLeftAlone) {
    setControlPoints({{0, 9}, {1, 3}, {2, 7}});
    EXPECT_FALSE(r->OrderControlPoints(AxisX));
    setControlPoints({{9, 0}, {3, 1}, {7, 2}});
    EXPECT_FALSE(r->OrderControlPoints(AxisY));
    EXPECT_TRUE(r->OrderControlPoints(AxisX));
}

TEST_F(CurvePrimitives, NonMonotonicPointsFallBackToTheSortedPolyline) {
    setControlPoints({{0, 0}, {50, 10}, {20, 30}});
    r->ComputeCurve(AxisX);
    ASSERT_EQ(r->segCount, 2);
    const double xs[] = {0, 20, 50};
    const double ys[] = {0, 30, 10};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(r->curveX[i], xs[i]) << i;
        EXPECT_EQ(r->curveY[i], ys[i]) << i;
    }
}

TEST_F(CurvePrimitives, AddCurve3RunsFromItsFirstPointWhateverTheAxisOrder) {
    // P right of R on AxisX; P below R on AxisY.
    struct Case {
        const char* name;
        int axis;
        std::vector<Knot> pqr;
    };
    const Case cases[] = {
        {"AxisX", AxisX, {{30, 5}, {20, 10}, {10, 0}}},
        {"AxisY", AxisY, {{5, 30}, {10, 20}, {0, 10}}},
    };
    for (const Case& c : cases) {
        setEntries(c.pqr);
        r->pathCount = 0;
        r->AddCurve3(c.axis, 0, 1, 2);
        const auto forward = pathPoints();
        r->pathCount = 0;
        r->AddCurve3(c.axis, 2, 1, 0);
        auto backward = pathPoints();
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(forward, backward) << c.name;
        ASSERT_GE(forward.size(), 3u) << c.name;
        EXPECT_EQ(forward.front(), (IntPoint{int(c.pqr[0].x), int(c.pqr[0].y)})) << c.name;
        EXPECT_EQ(forward.back(), (IntPoint{int(c.pqr[2].x), int(c.pqr[2].y)})) << c.name;
    }
}

TEST_F(CurvePrimitives, EqualEndsDoNotFlip) {
    // P and R share an x: appended in computed order, not reversed.
    setEntries({{10, 0}, {5, 3}, {10, 9}});
    r->AddCurve3(AxisX, 0, 1, 2);
    EXPECT_EQ(pathPoints(), (std::vector<IntPoint>{{5, 3}, {10, 9}}));
}

TEST_F(CurvePrimitives, ConsecutiveCurvesChainAndRepeatTheirSharedPoint) {
    setEntries({{0, 0}, {10, 4}, {20, 0}});
    r->AddCurve2(AxisX, 0, 1);
    r->AddCurve2(AxisX, 2, 1);
    EXPECT_EQ(pathPoints(), (std::vector<IntPoint>{{0, 0}, {10, 4}, {20, 0}, {10, 4}}));
}

TEST_F(CurvePrimitives, AnEmptyPathFillsNothing) {
    r->FillPath(kWhite);
    EXPECT_TRUE(canvas.calls().empty());
    EXPECT_EQ(r->pathCount, 0);
}

TEST_F(CurvePrimitives, FillPathDrawsOnePolygonWithATemporaryBrush) {
    setEntries({{0, 0}, {10, 4}, {20, 0}});
    r->AddCurve2(AxisX, 0, 1);
    r->AddCurve2(AxisX, 1, 2);
    r->FillPath({1, 2, 3});
    EXPECT_EQ(r->pathCount, 0);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 5u);
    EXPECT_EQ(calls[0].op, CanvasOp::CreateBrush);
    EXPECT_EQ(calls[1].op, CanvasOp::Select);
    EXPECT_EQ(calls[2].op, CanvasOp::Polygon);
    EXPECT_EQ(calls[2].brushColour, (Rgb{1, 2, 3}));
    EXPECT_EQ(calls[2].points.size(), 4u);
    EXPECT_EQ(calls[3].op, CanvasOp::Select);
    EXPECT_EQ(calls[4].op, CanvasOp::Delete);
    EXPECT_EQ(canvas.currentBrush(), kStockBrush);
    EXPECT_EQ(canvas.liveObjects(), 0);
}

TEST_F(CurvePrimitives, ThePathNeverGrowsPastItsBound) {
    // Nine curves of 100 samples would be 900 points.
    setEntries({{0, 0}, {100, 50}, {200, 0}});
    for (int curve = 0; curve < 9; ++curve) r->AddCurve3(AxisX, 0, 1, 2);
    EXPECT_EQ(r->pathCount, kMaxPathPoints);
    r->FillPath(kBlack);
    const auto polygons = canvas.callsOf(CanvasOp::Polygon);
    ASSERT_EQ(polygons.size(), 1u);
    EXPECT_EQ(polygons[0].points.size(), static_cast<std::size_t>(kMaxPathPoints));
}

TEST_F(CurvePrimitives, TrimPathKeepsTheSpanBetweenItsReferenceEntries) {
    // Samples at x = 0..10; kept: from the last at or left of first to the
    // first at or right of last.
    struct Case {
        double first, last;
        int keptFrom, keptTo;
    };
    const Case cases[] = {{2.5, 7.5, 2, 8}, {2.0, 8.0, 2, 8}, {-1.0, 20.0, 0, 10}};
    for (const Case& c : cases) {
        for (int x = 0; x <= 10; ++x) r->path[x] = {x, 100 + x};
        r->pathCount = 11;
        setEntries({{c.first, 0}, {c.last, 0}}, 300);
        r->TrimPath(300, 301);
        std::vector<IntPoint> expected;
        for (int x = c.keptFrom; x <= c.keptTo; ++x) expected.push_back({x, 100 + x});
        EXPECT_EQ(pathPoints(), expected) << "first " << c.first << ", last " << c.last;
    }
}

TEST_F(CurvePrimitives, TrimPathStaysInsideShortOrUnreachingPaths) {
    struct Case {
        const char* name;
        std::vector<IntPoint> path;
        double first, last;
        std::vector<IntPoint> kept;
    };
    const Case cases[] = {
        {"empty", {}, 0, 10, {}},
        {"one point", {{5, 5}}, 0, 1, {{5, 5}}},
        {"never reaches first", {{0, 0}, {1, 0}, {2, 0}}, 20, 30, {{2, 0}}},
        {"starts past last", {{40, 0}, {41, 0}, {42, 0}}, 20, 30, {{40, 0}}},
        {"all on one x", {{5, 0}, {5, 1}, {5, 2}}, 5, 5, {{5, 0}}},
    };
    for (const Case& c : cases) {
        std::copy(c.path.begin(), c.path.end(), r->path.begin());
        r->pathCount = static_cast<int>(c.path.size());
        setEntries({{c.first, 0}, {c.last, 0}}, 300);
        r->TrimPath(300, 301);
        EXPECT_EQ(pathPoints(), c.kept) << c.name;
    }
}

TEST_F(CurvePrimitives, StrokesAreSeparateMoveAndLinePairs) {
    setEntries({{0, 0}, {3, 3}, {6, 0}});
    r->StrokeCurve3(AxisX, 0, 1, 2);
    const auto& calls = canvas.calls();
    ASSERT_EQ(calls.size(), 2u * r->segCount);
    for (int i = 0; i < r->segCount; ++i) {
        EXPECT_EQ(calls[2 * i].op, CanvasOp::MoveTo) << i;
        EXPECT_EQ(calls[2 * i + 1].op, CanvasOp::LineTo) << i;
        EXPECT_EQ(calls[2 * i].args[0], toDeviceInt(r->curveX[i])) << i;
        EXPECT_EQ(calls[2 * i + 1].args[0], toDeviceInt(r->curveX[i + 1])) << i;
    }
}

TEST_F(CurvePrimitives, OnePointLeftAfterMergingStrokesNothing) {
    setEntries({{4, 1}, {4, 9}});
    r->StrokeCurve2(AxisX, 0, 1);
    EXPECT_TRUE(canvas.calls().empty());
}

TEST_F(CurvePrimitives, DrawCircleTruncatesTowardZero) {
    r->DrawCircle(10.7, -3.2, 4.9);
    const auto ellipses = canvas.callsOf(CanvasOp::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0].args, (std::vector<int>{6, -7, 14, 1}));
}

TEST(DeviceInt, ClampsBeforeTruncating) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double in;
        int out;
    };
    const Case cases[] = {
        {2.7, 2},
        {-2.7, -2},
        {-0.7, 0},
        {nan, 0},
        {inf, std::numeric_limits<int>::max()},
        {-inf, std::numeric_limits<int>::min()},
        {1e300, std::numeric_limits<int>::max()},
        {-3e9, std::numeric_limits<int>::min()},
        {2147483646.9, 2147483646},
    };
    for (const Case& c : cases) EXPECT_EQ(toDeviceInt(c.in), c.out) << "input " << c.in;
}

TEST_F(CurvePrimitives, NonFiniteEntriesDrawWithoutFaulting) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    setEntries({{0, 0}, {nan, 5}, {1e300, -1e300}});
    r->AddCurve3(AxisX, 0, 1, 2);
    r->StrokeCurve3(AxisY, 0, 1, 2);
    EXPECT_LE(r->pathCount, 3);
    EXPECT_GE(r->pathCount, 1);
}

}  // namespace
}  // namespace mirel
