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

}  // namespace
}  // namespace mirel
