#include "document/ViewLayout.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

struct GridCase {
    int width;
    int height;
    GridLayout expected;
};

TEST(ViewLayoutTest, GridCellIsTheEvenMinimumWithBothPenRules) {
    const GridCase cases[] = {
        {1091, 904, {218, 2, 5}},
        {1000, 1000, {200, 2, 5}},
        // 201 is rounded down to 200.
        {1005, 2000, {200, 2, 5}},
        {925, 2000, {184, 1, 4}},
        {930, 2000, {186, 2, 4}},
        {1860, 1488, {372, 3, 8}},
        {4, 3, {0, 1, 1}},
    };
    for (const GridCase& c : cases) {
        EXPECT_EQ(layoutGrid(c.width, c.height), c.expected) << c.width << " x " << c.height;
    }
}

struct DetailCase {
    int width;
    int height;
    DetailLayout expected;
};

TEST(ViewLayoutTest, DetailFaceIsEvenAndCentred) {
    const DetailCase cases[] = {
        {181, 181, {180, 1, 90, 90}},
        {400, 300, {300, 2, 200, 150}},
        {173, 181, {172, 1, 86, 90}},
        {0, 0, {0, 1, 0, 0}},
    };
    for (const DetailCase& c : cases) {
        EXPECT_EQ(layoutDetail(c.width, c.height), c.expected) << c.width << " x " << c.height;
    }
}

struct HitCase {
    int cellSize;
    int x;
    int y;
    std::optional<int> cell;
};

TEST(ViewLayoutTest, OnlyPointsInsideTheGridHitACell) {
    const HitCase cases[] = {
        {218, 0, 0, 0},
        {218, 217, 217, 0},
        {218, 218, 0, 1},
        {218, 1089, 871, 19},
        {218, 1090, 100, std::nullopt},  // right of the fifth column
        {218, 100, 872, std::nullopt},   // below the fourth row
        {218, 436 + 5, 218 * 2 + 5, 12},
        {0, 10, 10, std::nullopt},       // before the first layout
        {218, -1, 10, std::nullopt},
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(cellAt(c.cellSize, c.x, c.y), c.cell)
            << "cell size " << c.cellSize << " at (" << c.x << ", " << c.y << ")";
    }
}

}  // namespace
}  // namespace mirel
