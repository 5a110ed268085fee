#include "views/DamageCanvas.h"

#include <gtest/gtest.h>

#include "render/SelectionMarks.h"

namespace mirel {
namespace {

struct FrameCase {
    int cell;
    int cellSize;
    int width;
    QRect expected;
};

TEST(DamageCanvasTest, ACellFrameDamagesItsRectangleAndThePensReach) {
    const FrameCase cases[] = {
        // Frame (202,102)-(298,198), pen 2 reaching 2 further.
        {7, 100, 2, QRect(QPoint(200, 100), QPoint(300, 200))},
        // Frame (5,5)-(213,213), pen 5 reaching 3 further.
        {0, 218, 5, QRect(QPoint(2, 2), QPoint(216, 216))},
        {19, 218, 5, QRect(QPoint(874, 656), QPoint(1088, 870))},
    };
    for (const FrameCase& c : cases) {
        DamageCanvas damage;
        DrawCellFrame(damage, c.cell, MarkColour, c.cellSize, c.width);
        EXPECT_EQ(damage.bounds(), c.expected) << "cell " << c.cell << ", size " << c.cellSize;
    }
}

TEST(DamageCanvasTest, ThePenSelectedAtEachCallSetsItsReach) {
    DamageCanvas damage;
    const ObjectHandle wide = damage.createPen(9, kBlack);
    const ObjectHandle brush = damage.createBrush(kWhite);
    EXPECT_EQ(damage.select(wide), kStockPen);
    EXPECT_EQ(damage.select(brush), kStockBrush);
    damage.moveTo(10, 10);
    damage.lineTo(20, 10);
    EXPECT_EQ(damage.bounds(), QRect(QPoint(5, 5), QPoint(25, 15))) << "pen 9";
    // Selecting a brush left the pen alone; restoring the stock pen narrows it.
    EXPECT_EQ(damage.select(kStockPen), wide);
    damage.moveTo(100, 50);
    damage.lineTo(100, 60);
    EXPECT_EQ(damage.bounds(), QRect(QPoint(5, 5), QPoint(101, 61))) << "stock pen";
    // A fill has no outline.
    damage.fillRect(200, 0, 210, 5, kWhite);
    EXPECT_EQ(damage.bounds(), QRect(QPoint(5, 0), QPoint(209, 61))) << "fill";
}

}  // namespace
}  // namespace mirel
