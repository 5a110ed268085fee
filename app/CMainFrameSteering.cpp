// The main frame's commands that steer the breeding beyond marking: the
// pages of window 1, the part locks, and the status panes and hints that
// show them.

#include <QAction>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <array>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/DocumentFrames.h"
#include "app/MainFrameActions.h"
#include "document/CMirelDoc.h"
#include "views/ActionHints.h"
#include "views/CChild1View.h"
#include "views/PartNames.h"

namespace mirel {

namespace {

// Ctrl+1 to Ctrl+7 lock the parts in menu order; Ctrl+0 clears them all.
constexpr std::array<Qt::Key, kFacePartCount> kLockKeys{Qt::Key_1, Qt::Key_2, Qt::Key_3, Qt::Key_4,
                                                        Qt::Key_5, Qt::Key_6, Qt::Key_7};

}  // namespace

void CMainFrame::createSteeringCommands() {
    steering_ = std::make_unique<SteeringActions>();
    SteeringActions& a = *steering_;
    const QStyle* s = style();

    // The keys belong to window 1, as Up and Down do; the menu only names them.
    a.nextPage = new QAction(tr("次のページ(&N)") + QStringLiteral("\tPgDown"), this);
    a.nextPage->setStatusTip(tr("表示している世代の次の20個の顔を表示します"));
    a.nextPage->setToolTip(tr("次のページ"));
    a.nextPage->setIcon(
        QIcon::fromTheme(QStringLiteral("go-down"), s->standardIcon(QStyle::SP_ArrowDown)));
    connect(a.nextPage, &QAction::triggered, this, [this] { turnPage(1); });
    a.previousPage = new QAction(tr("前のページ(&R)") + QStringLiteral("\tPgUp"), this);
    a.previousPage->setStatusTip(tr("表示している世代の前の20個の顔を表示します"));
    a.previousPage->setToolTip(tr("前のページ"));
    a.previousPage->setIcon(
        QIcon::fromTheme(QStringLiteral("go-up"), s->standardIcon(QStyle::SP_ArrowUp)));
    connect(a.previousPage, &QAction::triggered, this, [this] { turnPage(-1); });

    QMenu* view = findChild<QMenu*>(QStringLiteral("viewMenu"));
    view->addSeparator();
    view->addActions({a.previousPage, a.nextPage});
    toolBar_->addSeparator();
    toolBar_->addActions({a.previousPage, a.nextPage});

    QMenu* parts = new QMenu(tr("部品(&P)"), this);
    parts->setObjectName(QStringLiteral("partsMenu"));
    for (int part = 0; part < kFacePartCount; ++part) {
        const FacePart which = static_cast<FacePart>(part);
        QAction* lock = parts->addAction(tr("%1を固定").arg(partName(which)));
        lock->setCheckable(true);
        lock->setShortcut(QKeySequence(Qt::CTRL | kLockKeys[static_cast<std::size_t>(part)]));
        lock->setStatusTip(tr("この部品をウィンドウ2の顔のものに固定します（もう一度選ぶと解除）"));
        connect(lock, &QAction::triggered, this, [this, which](bool locked) {
            CChildFrame* frame = activeChildFrame();
            if (frame == nullptr) return;
            CMirelDoc& doc = frame->document();
            if (locked) {
                frame->documentFrames()->recordChange(tr("部品の固定"),
                                                      [&doc, which] { doc.LockPart(which); });
                showHint(actionHint(UserAction::Locked, doc));
            } else {
                frame->documentFrames()->recordChange(tr("部品の固定の解除"),
                                                      [&doc, which] { doc.UnlockPart(which); });
            }
        });
        a.lockPart[static_cast<std::size_t>(part)] = lock;
    }
    parts->addSeparator();
    a.clearLocks = parts->addAction(tr("固定をすべて解除(&C)"));
    a.clearLocks->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
    a.clearLocks->setStatusTip(tr("すべての部品の固定を解除します"));
    connect(a.clearLocks, &QAction::triggered, this, [this] {
        if (CChildFrame* frame = activeChildFrame()) {
            CMirelDoc& doc = frame->document();
            frame->documentFrames()->recordChange(tr("固定をすべて解除"),
                                                  [&doc] { doc.ClearPartLocks(); });
        }
    });
    connect(parts, &QMenu::aboutToShow, this, [this] { updateSteeringCommands(); });
    // After the view menu, shown only with a document.
    documentMenus_.insert(documentMenus_.indexOf(view) + 1, parts);
    addActions(parts->actions());

    QStatusBar* bar = statusBar();
    pagePane_ = new QLabel(bar);
    pagePane_->setObjectName(QStringLiteral("pagePane"));
    lockPane_ = new QLabel(bar);
    lockPane_->setObjectName(QStringLiteral("lockPane"));
    // Right of pane 1, left of the key indicators; pane 1 stays as it is.
    constexpr int afterGenerationPane = 2;  // the message pane is item 0, pane 1 item 1
    bar->insertPermanentWidget(afterGenerationPane, lockPane_);
    bar->insertPermanentWidget(afterGenerationPane, pagePane_);
}

void CMainFrame::updateSteeringCommands() {
    const SteeringActions& a = *steering_;
    CChildFrame* frame = activeChildFrame();
    for (QAction* action : {a.nextPage, a.previousPage, a.clearLocks}) {
        action->setEnabled(frame != nullptr);
    }
    for (int part = 0; part < kFacePartCount; ++part) {
        QAction* lock = a.lockPart[static_cast<std::size_t>(part)];
        lock->setEnabled(frame != nullptr);
        lock->setChecked(frame != nullptr &&
                         frame->document().partLocks()[static_cast<FacePart>(part)].has_value());
    }
    if (frame == nullptr) {
        pagePane_->clear();
        lockPane_->clear();
    }
}

void CMainFrame::turnPage(int step) {
    CChildFrame* frame = activeChildFrame();
    if (frame == nullptr) return;
    if (auto* grid = qobject_cast<CChild1View*>(frame->view(kGridView))) grid->turnPage(step);
}

void CMainFrame::setPagePane(int page, int pageCount) {
    pagePane_->setText(tr("ページ %1/%2").arg(page + 1).arg(pageCount));
}

void CMainFrame::setLockPane(const PartLocks& locks) {
    lockPane_->setText(lockSummary(locks));
    updateSteeringCommands();
}

void CMainFrame::showHint(const QString& text) {
    messagePane_->setText(text);
    // On a window narrower than the hints are made for, the pane cuts it off.
    messagePane_->setToolTip(text);
}

}  // namespace mirel
