#include "app/FrameLayout.h"

#include <gtest/gtest.h>

namespace mirel {
namespace {

struct DesktopCase {
    int width;
    int height;
    FrameLayout expected;
};

TEST(FrameLayoutTest, SizesFollowTheDesktopClientArea) {
    const DesktopCase cases[] = {
        {1280, 1024, {1280, 996, 1272, 904, 1091, 904, 181}},
        // (5115 - 740) / 4 truncates 1093.75 to 1093.
        {1280, 1023, {1280, 995, 1272, 903, 1089, 903, 183}},
        {1920, 1080, {1920, 1052, 1912, 960, 1161, 960, 751}},
        {800, 600, {800, 572, 792, 480, 561, 480, 231}},
    };
    for (const DesktopCase& c : cases) {
        EXPECT_EQ(computeFrameLayout(c.width, c.height), c.expected)
            << "desktop " << c.width << " x " << c.height;
    }
}

struct PaneCase {
    int span;
    int wanted;  // window 1's rounded share, or window 2's width
    int left;
    int square;
};

TEST(FrameLayoutTest, ResizedPanesKeepTheirShareAndNoneVanishes) {
    const PaneCase cases[] = {
        {1263, 1091, 1091, 1091},  // room enough: as asked
        {300, 300, 299, 299},      // all for one pane: the other keeps a pixel
        {300, 0, 1, 1},            // nothing for the first: it keeps a pixel
        {1, 1, 1, 1},              // no room for two: what there is
        {0, 0, 0, 0},
    };
    for (const PaneCase& c : cases) {
        const double share = c.span > 0 ? static_cast<double>(c.wanted) / c.span : 0.0;
        EXPECT_EQ(leftPaneWidthFor(c.span, share), c.left) << "span " << c.span;
        EXPECT_EQ(squarePaneHeightFor(c.wanted, c.span), c.square) << "span " << c.span;
    }
    // A share is rounded to the nearest pixel, not truncated.
    EXPECT_EQ(leftPaneWidthFor(640, 1091.0 / 1263.0), 553);
}

}  // namespace
}  // namespace mirel
