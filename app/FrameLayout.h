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

// When a frame is resized its panes keep their proportions, and none is
// squeezed to nothing: each keeps at least one pixel while `span` (the
// splitter's room for its two panes) has two.
// Window 1's width for its share (0 to 1) of the row's room.
int leftPaneWidthFor(int span, double leftShare);
// Window 2's height: its width, so it is square, as far as the column allows.
int squarePaneHeightFor(int paneWidth, int span);

}  // namespace mirel
