// The shipped sample bank as the renderer draws it: each sample stays inside
// its cell and fills no outline that crosses itself (a crossing outline
// would fill inside-out under the alternate rule).

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "face/FaceRecord.h"
#include "face/SampleLoader.h"
#include "render/Canvas.h"
#include "render/DrawFace.h"
#include "ShippedBank.h"

namespace mirel {
namespace {

// Cell sizes to check: small and usual grid cells, one to one, the detail view.
constexpr int kCellSizes[] = {150, 218, 300, 600};

// Keeps every filled outline and the bounds of everything drawn.
class ShapeCanvas final : public Canvas {
  public:
    std::vector<std::vector<IntPoint>> polygons;
    int minX = 1 << 30, minY = 1 << 30, maxX = -(1 << 30), maxY = -(1 << 30);

    ObjectHandle createPen(int, Rgb) override { return next_++; }
    ObjectHandle createBrush(Rgb) override { return next_++; }
    ObjectHandle select(ObjectHandle) override { return kStockPen; }
    void deleteObject(ObjectHandle) override {}
    void moveTo(int x, int y) override { see(x, y); }
    void lineTo(int x, int y) override { see(x, y); }
    void polyline(std::span<const IntPoint> points) override {
        for (const IntPoint& p : points) see(p.x, p.y);
    }
    void polygon(std::span<const IntPoint> points) override {
        for (const IntPoint& p : points) see(p.x, p.y);
        polygons.emplace_back(points.begin(), points.end());
    }
    void ellipse(int left, int top, int right, int bottom) override {
        see(left, top);
        see(right, bottom);
    }
    void fillRect(int, int, int, int, Rgb) override {}

  private:
    void see(int x, int y) {
        minX = std::min(minX, x);
        minY = std::min(minY, y);
        maxX = std::max(maxX, x);
        maxY = std::max(maxY, y);
    }
    ObjectHandle next_ = 1;
};

std::int64_t orient(IntPoint a, IntPoint b, IntPoint c) {
    return std::int64_t(b.x - a.x) * (c.y - a.y) - std::int64_t(b.y - a.y) * (c.x - a.x);
}

// True when the two segments cross at a point inside both (touching and
// overlapping along a line do not count).
bool properlyCross(IntPoint a, IntPoint b, IntPoint c, IntPoint d) {
    const auto sign = [](std::int64_t v) { return (v > 0) - (v < 0); };
    return sign(orient(a, b, c)) * sign(orient(a, b, d)) < 0 &&
           sign(orient(c, d, a)) * sign(orient(c, d, b)) < 0;
}

// The first pair of non-adjacent edges of the closed outline that cross, as text, or "".
std::string selfCrossing(const std::vector<IntPoint>& poly) {
    std::vector<std::pair<IntPoint, IntPoint>> edges;
    for (std::size_t i = 0; i < poly.size(); ++i) {
        const IntPoint a = poly[i];
        const IntPoint b = poly[(i + 1) % poly.size()];
        if (!(a == b)) edges.emplace_back(a, b);
    }
    for (std::size_t i = 0; i < edges.size(); ++i) {
        for (std::size_t j = i + 2; j < edges.size(); ++j) {
            if (i == 0 && j + 1 == edges.size()) continue;
            const auto [a, b] = edges[i];
            const auto [c, d] = edges[j];
            if (properlyCross(a, b, c, d)) {
                std::ostringstream out;
                out << "(" << a.x << "," << a.y << ")-(" << b.x << "," << b.y << ") crosses ("
                    << c.x << "," << c.y << ")-(" << d.x << "," << d.y << ")";
                return out.str();
            }
        }
    }
    return "";
}

class SampleBankDrawingTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(test::shippedBank().loadError, "") << "loading the shipped bank";
    }

    static ShapeCanvas draw(int record, int size) {
        FaceRecord face = test::shippedBank().records[record];
        ShapeCanvas canvas;
        DrawFace(face, canvas, size / 2, size / 2, size, facePenWidth(size));
        return canvas;
    }
};


TEST_F(SampleBankDrawingTest, EverySampleStaysInsideItsCell) {
    for (const int size : kCellSizes) {
        for (int r = 0; r < kSampleCount; ++r) {
            const ShapeCanvas canvas = draw(r, size);
            const std::string where =
                "facebank" + std::to_string(r + 1) + " at " + std::to_string(size);
            EXPECT_GE(canvas.minX, 0) << where;
            EXPECT_GE(canvas.minY, 0) << where;
            EXPECT_LT(canvas.maxX, size) << where;
            EXPECT_LT(canvas.maxY, size) << where;
        }
    }
}

TEST_F(SampleBankDrawingTest, NoFilledOutlineCrossesItself) {
    for (const int size : kCellSizes) {
        for (int r = 0; r < kSampleCount; ++r) {
            const ShapeCanvas canvas = draw(r, size);
            for (std::size_t k = 0; k < canvas.polygons.size(); ++k) {
                EXPECT_EQ(selfCrossing(canvas.polygons[k]), "")
                    << "facebank" << r + 1 << " at " << size << ", filled outline " << k;
            }
        }
    }
}

}  // namespace
}  // namespace mirel
