#include "app/FrameLayout.h"

#include <algorithm>
#include <cmath>

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
constexpr int kSmallestPane = 1;

int keepBothPanes(int first, int span) {
    if (span < 2 * kSmallestPane) return std::max(span, 0);
    return std::clamp(first, kSmallestPane, span - kSmallestPane);
}

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

int leftPaneWidthFor(int span, double leftShare) {
    return keepBothPanes(static_cast<int>(std::lround(span * leftShare)), span);
}

int squarePaneHeightFor(int paneWidth, int span) { return keepBothPanes(paneWidth, span); }

}  // namespace mirel
