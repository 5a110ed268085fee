// The main frame's undo and redo: each document keeps its own history, and
// Edit ▸ undo / redo act on the active document's. The title marks unsaved
// changes.

#include <QAction>
#include <QUndoGroup>
#include <QUndoStack>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/DocumentCommand.h"
#include "app/DocumentFrames.h"
#include "app/MainFrameActions.h"
#include "document/CMirelDoc.h"
#include "views/ActionHints.h"

namespace mirel {
namespace {

// The step `stack` has just undone, if it was a breeding one.
bool undidBreeding(const QUndoStack& stack) {
    const auto* undone = dynamic_cast<const DocumentCommand*>(stack.command(stack.index()));
    return undone != nullptr && undone->bred();
}

}  // namespace

void CMainFrame::createUndoCommands() {
    const Actions& a = *actions_;
    undoGroup_ = new QUndoGroup(this);
    connect(a.editUndo, &QAction::triggered, this, [this] {
        QUndoStack* stack = undoGroup_->activeStack();
        if (stack == nullptr || !stack->canUndo()) return;
        stack->undo();
        showHint(actionHint(undidBreeding(*stack) ? UserAction::UndoneBreeding : UserAction::Undone,
                            activeChildFrame()->document()));
    });
    connect(a.editRedo, &QAction::triggered, this, [this] {
        if (QUndoStack* stack = undoGroup_->activeStack(); stack != nullptr && stack->canRedo()) {
            stack->redo();
            showHint(actionHint(UserAction::Redone, activeChildFrame()->document()));
        }
    });
    connect(undoGroup_, &QUndoGroup::indexChanged, this, [this] { updateActions(); });
    connect(undoGroup_, &QUndoGroup::cleanChanged, this, [this] { updateTitle(); });
}

void CMainFrame::updateUndoCommands() {
    const Actions& a = *actions_;
    CChildFrame* frame = activeChildFrame();
    QUndoStack* stack = frame != nullptr ? &frame->documentFrames()->undoStack() : nullptr;
    if (stack != nullptr && !undoGroup_->stacks().contains(stack)) undoGroup_->addStack(stack);
    if (undoGroup_->activeStack() != stack) undoGroup_->setActiveStack(stack);
    a.editUndo->setEnabled(stack != nullptr && stack->canUndo());
    a.editRedo->setEnabled(stack != nullptr && stack->canRedo());
    // The menu names the step: "元に戻す：次の世代".
    a.editUndo->setText(stack != nullptr && stack->canUndo()
                            ? tr("元に戻す：%1(&U)").arg(stack->undoText())
                            : tr("元に戻す(&U)"));
    a.editRedo->setText(stack != nullptr && stack->canRedo()
                            ? tr("やり直し：%1(&R)").arg(stack->redoText())
                            : tr("やり直し(&R)"));
}

void CMainFrame::updateTitle() {
    const CChildFrame* frame = activeChildFrame();
    // "[*]" is where Qt puts the mark of unsaved changes.
    setWindowTitle(frame != nullptr ? kAppName + QStringLiteral(" - ") + frame->windowTitle() +
                                          QStringLiteral("[*]")
                                    : kAppName);
    setWindowModified(frame != nullptr && frame->document().isModified());
}

}  // namespace mirel
