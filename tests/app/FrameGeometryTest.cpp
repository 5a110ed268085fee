// Frames as a window manager frames them: every top-level window gets
// borders, so the outer frame and the panes' room differ from the sizes given.

#include <QApplication>
#include <QMdiArea>
#include <QSplitter>

#include <gtest/gtest.h>

#include "ShellTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CViewExSplitWnd.h"
#include "app/FrameLayout.h"
#include "views/MirelView.h"

namespace mirel {
namespace {

// A shell whose main frame is sized from `desktop`, with one document.
struct SizedShell {
    explicit SizedShell(QSize desktop)
        : mainFrame([] { return 1000; }, [desktop] { return desktop; }) {
        mainFrame.setMessagePresenter([](MessageKind, const QString&, const QString&) {});
        mainFrame.show();
        frame = mainFrame.newDocument();
    }

    bool panesLaidOut() const {
        return frame != nullptr && frame->view(kDetailView)->width() > 0 &&
               frame->view(kDetailView)->height() == frame->view(kDetailView)->width();
    }

    test::Shell settings{false};  // the fixture bank and a private settings store
    CMainFrame mainFrame;
    CChildFrame* frame = nullptr;
};

const QSize kDesktops[] = {{1280, 1024}, {1920, 1080}, {1024, 768}, {800, 600}};

TEST(FrameGeometryTest, TheOuterFrameCoversTheGivenRectangleAndWindowTwoIsSquare) {
    test::ensureApplication(test::WindowFrames::Bordered);
    for (const QSize desktop : kDesktops) {
        SizedShell shell(desktop);
        const FrameLayout layout = computeFrameLayout(desktop.width(), desktop.height());
        const auto where = testing::Message() << "desktop " << desktop.width() << " x "
                                              << desktop.height();
        ASSERT_NE(shell.frame, nullptr) << where;
        ASSERT_TRUE(test::waitUntil([&] {
            return shell.mainFrame.frameGeometry() ==
                   QRect(0, 0, layout.mainWidth, layout.mainHeight);
        })) << where << ": outer frame " << shell.mainFrame.frameGeometry().width() << " x "
            << shell.mainFrame.frameGeometry().height();
        EXPECT_LT(shell.mainFrame.width(), layout.mainWidth) << where << ": no borders seen";

        ASSERT_TRUE(test::waitUntil([&] { return shell.panesLaidOut(); }))
            << where << ": window 2 is " << shell.frame->view(kDetailView)->width() << " x "
            << shell.frame->view(kDetailView)->height();
        EXPECT_EQ(shell.frame->size(), QSize(layout.childWidth, layout.childHeight)) << where;
        EXPECT_EQ(shell.frame->view(kGridView)->width(), layout.leftPaneWidth) << where;
        EXPECT_GT(shell.frame->view(kBlankView)->height(), 0) << where;
    }
}

TEST(FrameGeometryTest, TilingKeepsEveryPaneVisibleAndCascadingRestoresTheFrames) {
    test::ensureApplication(test::WindowFrames::Bordered);
    SizedShell shell({1280, 1024});
    CChildFrame* second = shell.mainFrame.newDocument();
    CChildFrame* third = shell.mainFrame.newWindow();
    ASSERT_NE(second, nullptr);
    ASSERT_NE(third, nullptr);
    shell.mainFrame.mdiArea()->tileSubWindows();
    for (const CChildFrame* frame : {shell.frame, second, third}) {
        const auto where = testing::Message() << frame->windowTitle().toStdString() << " at "
                                              << frame->width() << " x " << frame->height();
        ASSERT_TRUE(test::waitUntil([&] { return frame->view(kBlankView)->height() > 0; }))
            << where;
        for (int n = 1; n <= 3; ++n) {
            EXPECT_GE(frame->view(n)->width(), 1) << where << ", window " << n;
            EXPECT_GE(frame->view(n)->height(), 1) << where << ", window " << n;
        }
        // The left pane keeps its share of the row, window 2 its squareness.
        const double share = static_cast<double>(frame->view(kGridView)->width()) /
                             frame->outerSplitter()->width();
        EXPECT_NEAR(share, 1091.0 / 1272.0, 0.05) << where;
        EXPECT_EQ(frame->view(kDetailView)->height(), frame->view(kDetailView)->width()) << where;
    }

    // Cascading gives each frame back the size it was made with.
    shell.mainFrame.mdiArea()->cascadeSubWindows();
    for (const CChildFrame* frame : {shell.frame, second, third}) {
        EXPECT_EQ(frame->size(), QSize(1272, 904)) << frame->windowTitle().toStdString();
    }
}

}  // namespace
}  // namespace mirel
