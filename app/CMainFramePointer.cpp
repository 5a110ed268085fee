// Keys follow the mouse across document frames: Enter, the arrows and
// PageUp/PageDown act on the window 1 the mouse is over, in whichever frame,
// and that frame comes to the front.

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <algorithm>
#include <array>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "views/MirelView.h"

namespace mirel {
namespace {

// The keys window 1 answers.
constexpr std::array kGridKeys = {Qt::Key_Return, Qt::Key_Enter,  Qt::Key_Up,
                                  Qt::Key_Down,   Qt::Key_PageUp, Qt::Key_PageDown};

bool isGridKey(const QKeyEvent& key) {
    // Shortcuts with Ctrl or Alt belong to the menus.
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return std::find(kGridKeys.begin(), kGridKeys.end(), key.key()) != kGridKeys.end();
}

}  // namespace

void CMainFrame::pointerOver(CChildFrame* frame, int view) {
    pointerFrame_ = frame;
    pointerView_ = view;
}

void CMainFrame::pointerLeft(CChildFrame* frame, int view) {
    if (pointerFrame_ == frame && pointerView_ == view) pointerFrame_ = nullptr;
}

bool CMainFrame::sendKeyToPointedGrid(CChildFrame* from, const QKeyEvent& key) {
    CChildFrame* target = pointerFrame_;
    if (target == nullptr || target == from || pointerView_ != kGridView || !isGridKey(key)) {
        return false;
    }
    // A frame being closed is no longer in the area, though not deleted yet.
    if (!mdiArea_->subWindowList().contains(target) || !target->isVisible()) return false;
    mdiArea_->setActiveSubWindow(target);
    target->activateView(kGridView);
    QKeyEvent forwarded(key.type(), key.key(), key.modifiers(), key.text(), key.isAutoRepeat(),
                        static_cast<ushort>(key.count()));
    QCoreApplication::sendEvent(target->view(kGridView), &forwarded);
    return true;
}

}  // namespace mirel
