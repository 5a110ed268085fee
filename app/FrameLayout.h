#pragma once
// Sizes of the main frame, the child frame and its panes, derived once from
// the desktop's client area so that window 1 holds the 5 x 4 grid and
// window 2 is square.

namespace mirel {

struct FrameLayout {
    int mainWidth = 0;
    int mainHeight = 0;
    int childWidth = 0;
    int childHeight = 0;
    int leftPaneWidth = 0;
    int leftPaneHeight = 0;
    // Height of window 2; equals the right column's width.
    int rightPaneHeight = 0;

    friend bool operator==(const FrameLayout&, const FrameLayout&) = default;
};

// desktopWidth x desktopHeight is the desktop's client area in pixels.
FrameLayout computeFrameLayout(int desktopWidth, int desktopHeight);

}  // namespace mirel
