#pragma once
// A running shell with one document whose window 1 has been drawn, and the
// gestures the view tests make on it.

#include <QApplication>
#include <QStatusBar>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include "ShellTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "document/CMirelDoc.h"
#include "views/MirelView.h"

namespace mirel {

class ViewsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(shell_.firstFrame(), nullptr);
        frame_ = shell_.firstFrame();
        doc_ = &frame_->document();
        window1_ = frame_->view(kGridView);
        window2_ = frame_->view(kDetailView);
        window3_ = frame_->view(kBlankView);
        ASSERT_TRUE(test::waitUntil([this] { return doc_->cellSize > 0; }))
            << "window 1 was never drawn";
    }

    QPoint cellCentre(int cell) const {
        const int size = doc_->cellSize;
        return {size * (cell % 5) + size / 2, size * (cell / 5) + size / 2};
    }

    void doubleClick(QWidget* view, Qt::MouseButton button, QPoint at) {
        QTest::mouseDClick(view, button, Qt::NoModifier, at);
    }

    // Sends the key to whichever widget has the keyboard, as a user's key press does.
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr) << "no widget has the keyboard";
        QTest::keyClick(target, key, modifiers);
    }

    std::string savedFaceFile() const { return shell_.folder().read("Output/face.txt"); }
    // What the status bar's message pane says.
    QString statusMessage() { return shell_.mainFrame().statusBar()->currentMessage(); }

    test::Shell shell_;
    CChildFrame* frame_ = nullptr;
    CMirelDoc* doc_ = nullptr;
    MirelView* window1_ = nullptr;
    MirelView* window2_ = nullptr;
    MirelView* window3_ = nullptr;
};

}  // namespace mirel
