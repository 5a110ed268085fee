#include "app/FrameLayout.h"

namespace mirel {
namespace {

constexpr int kMainHeightReserve = 28;
constexpr int kChildWidthReserve = 8;
constexpr int kChildHeightReserve = 120;
// The left pane is (5 H - 740) / 4 - 4 wide: four rows of cells fill the
// pane's height, five columns its width.
constexpr int kLeftPaneHeightFactor = 5;
constexpr int kLeftPaneOffset = 740;
constexpr int kLeftPaneDivisor = 4;
constexpr int kLeftPaneMargin = 4;

}  // namespace

FrameLayout computeFrameLayout(int desktopWidth, int desktopHeight) {
    FrameLayout layout;
    layout.mainWidth = desktopWidth;
    layout.mainHeight = desktopHeight - kMainHeightReserve;
    layout.childWidth = desktopWidth - kChildWidthReserve;
    layout.childHeight = desktopHeight - kChildHeightReserve;
    layout.leftPaneWidth =
        (kLeftPaneHeightFactor * desktopHeight - kLeftPaneOffset) / kLeftPaneDivisor -
        kLeftPaneMargin;
    layout.leftPaneHeight = desktopHeight - kChildHeightReserve;
    layout.rightPaneHeight = desktopWidth - layout.leftPaneWidth - kChildWidthReserve;
    return layout;
}

}  // namespace mirel
