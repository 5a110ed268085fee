#include "app/CChildFrame.h"

#include <QCloseEvent>
#include <QEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMdiArea>

#include <algorithm>

#include "app/CMainFrame.h"
#include "app/CViewExSplitWnd.h"
#include "app/DocumentFrames.h"
#include "app/FileNames.h"
#include "app/SessionTexts.h"
#include "app/FrameLayout.h"
#include "app/RefusalNotices.h"
#include "document/CMirelDoc.h"
#include "views/CChild1View.h"
#include "views/CChild2View.h"
#include "views/CChild3View.h"
#include "views/ViewPrinting.h"

namespace mirel {
namespace {

// Window 3 starts at 0 x 0 and takes what remains; the splitter needs a
// positive share to hand the rest to it.
constexpr int kRemainderShare = 1;

// The room a splitter shares out between its two panes, its bar left out.
int paneRoom(const QSplitter& splitter) {
    const QList<int> sizes = splitter.sizes();
    return sizes.value(0) + sizes.value(1);
}

}  // namespace

CChildFrame::CChildFrame(std::shared_ptr<DocumentFrames> frames, CMainFrame& mainFrame)
    : frames_(std::move(frames)), mainFrame_(mainFrame) {
    setAttribute(Qt::WA_DeleteOnClose);
    CMirelDoc& doc = frames_->document();
    // Sized from the desktop as it is when this frame is made, not when the
    // main frame was.
    const QSize desktop = mainFrame_.currentDesktopSize();
    const FrameLayout layout = computeFrameLayout(desktop.width(), desktop.height());
    initialLeftWidth_ = layout.leftPaneWidth;

    auto frameActiveView = [this]() -> QWidget* { return activeView(); };
    outer_ = new CViewExSplitWnd(Qt::Horizontal, frameActiveView);
    views_[0] = new CChild1View(doc, outer_);
    outer_->addWidget(views_[0]);
    inner_ = new CViewExSplitWnd(Qt::Vertical, frameActiveView, outer_);
    inner_->setFrameShape(QFrame::StyledPanel);
    outer_->addWidget(inner_);
    views_[1] = new CChild2View(doc, inner_);
    views_[2] = new CChild3View(doc, inner_);
    inner_->addWidget(views_[1]);
    inner_->addWidget(views_[2]);
    for (MirelView* view : views_) view->installEventFilter(this);

    outer_->setSizes({layout.leftPaneWidth, layout.childWidth - layout.leftPaneWidth});
    inner_->setSizes({layout.rightPaneHeight, kRemainderShare});
    // The splitters learn their real room only once the frame is laid out
    // inside the MDI area, borders and bars taken off.
    outer_->setResizeHandler([this] { fitOuterPanes(); });
    inner_->setResizeHandler([this] { fitInnerPanes(); });
    connect(outer_, &QSplitter::splitterMoved, this, [this] {
        const int span = paneRoom(*outer_);
        if (span > 0) leftShare_ = static_cast<double>(outer_->sizes().value(0)) / span;
    });

    for (MirelView* view : views_) {
        connect(view, &MirelView::hint, this,
                [this](const QString& text) { mainFrame_.showHint(text); });
        view->setChangeRecorder(
            [frames = frames_.get()](const QString& text, const std::function<void()>& change) {
                return frames->recordChange(text, change);
            });
    }

    setWidget(outer_);
    madeSize_ = QSize(layout.childWidth, layout.childHeight);
    resize(madeSize_);
    frames_->addFrame(this);
}

CChildFrame::~CChildFrame() {
    // The views refer to the document: they go first, inner splitter first;
    // the document goes with its last frame. Its recovery file goes only
    // when that frame is closed (closeEvent): a frame torn down any other
    // way leaves the work recoverable.
    for (MirelView* view : views_) view->removeEventFilter(this);
    delete inner_;
    delete outer_;
    frames_->removeFrame(this);
}

CMirelDoc& CChildFrame::document() const { return frames_->document(); }

void CChildFrame::fitOuterPanes() {
    const int span = paneRoom(*outer_);
    if (span <= 0) return;
    if (!leftShare_) {
        leftShare_ = static_cast<double>(std::min(initialLeftWidth_, span - 1)) / span;
    }
    const int left = leftPaneWidthFor(span, *leftShare_);
    if (left != outer_->sizes().value(0)) outer_->setSizes({left, span - left});
}

void CChildFrame::fitInnerPanes() {
    const int span = paneRoom(*inner_);
    if (span <= 0) return;
    const int top = squarePaneHeightFor(inner_->contentsRect().width(), span);
    if (top != inner_->sizes().value(0)) inner_->setSizes({top, span - top});
}

bool CChildFrame::eventFilter(QObject* watched, QEvent* event) {
    const int n = viewNumber(watched);
    if (n == 0) return QMdiSubWindow::eventFilter(watched, event);
    const QEvent::Type type = event->type();
    if (type == QEvent::MouseMove || type == QEvent::MouseButtonPress ||
        type == QEvent::MouseButtonDblClick) {
        frames_->pointerEntered(this, n);
        mainFrame_.pointerOver(this, n);
    }
    if (type == QEvent::Leave) mainFrame_.pointerLeft(this, n);
    if (type == QEvent::KeyPress &&
        mainFrame_.sendKeyToPointedGrid(this, static_cast<const QKeyEvent&>(*event))) {
        return true;
    }
    if (type == QEvent::KeyPress || type == QEvent::MouseButtonDblClick) {
        const QString reason = refusalReason(document(), n, view(n)->size(), *event);
        if (!reason.isEmpty()) mainFrame_.showRefusal(reason);
    }
    return QMdiSubWindow::eventFilter(watched, event);
}

int CChildFrame::viewNumber(const QObject* object) const {
    for (int n = 1; n <= static_cast<int>(views_.size()); ++n) {
        if (views_[n - 1] == object) return n;
    }
    return 0;
}

MirelView* CChildFrame::view(int n) const {
    return n >= 1 && n <= static_cast<int>(views_.size()) ? views_[n - 1] : nullptr;
}

MirelView* CChildFrame::activeView() const { return view(activeViewNumber_); }

void CChildFrame::activateNextPane(bool previous) {
    const int count = static_cast<int>(views_.size());
    int current = activeViewNumber_;
    for (const CViewExSplitWnd* splitter : {inner_, outer_}) {
        const QWidget* pane = splitter->activePane();
        for (int n = 1; n <= count; ++n) {
            if (pane == view(n)) current = n;
        }
    }
    const int next = (current - 1 + (previous ? count - 1 : 1)) % count + 1;
    activeViewNumber_ = next;
    view(next)->setFocus(Qt::OtherFocusReason);
}

const QString& CChildFrame::documentTitle() const { return frames_->title(); }

void CChildFrame::setDocumentTitle(const QString& title) { frames_->setTitle(title); }

const QString& CChildFrame::pathName() const { return frames_->pathName(); }

void CChildFrame::setPathName(const QString& path) { frames_->setPathName(path); }

FileWriteResult CChildFrame::saveDocumentFile(const QString& path) {
    const FileWriteResult result = document().saveSession(localPath(path));
    if (result.written()) {
        frames_->markSaved();
        setPathName(QFileInfo(path).absoluteFilePath());
        setDocumentTitle(QFileInfo(path).fileName());
    }
    return result;
}

void CChildFrame::printActiveView(QPrinter& printer) {
    if (MirelView* target = activeView()) printView(*target, printer, this);
}

void CChildFrame::previewActiveView(QPrinter& printer) {
    if (MirelView* target = activeView()) previewView(*target, printer, this);
}

void CChildFrame::saveDetailFace() {
    if (MirelView* target = activeView()) target->saveDetailFace();
}

void CChildFrame::activateView(int n) {
    if (view(n) == nullptr) return;
    activeViewNumber_ = n;
    // Only the active document's frame takes the keyboard.
    if (mdiArea() == nullptr || mdiArea()->activeSubWindow() == this) {
        view(n)->setFocus(Qt::MouseFocusReason);
    }
}

void CChildFrame::invalidateView(int n) {
    if (MirelView* target = view(n)) target->update();
}

void CChildFrame::setStatusPane(const std::string& text, int width) {
    mainFrame_.setGenerationPane(QString::fromStdString(text), width);
}

void CChildFrame::setPagePane(int page, int pageCount) {
    mainFrame_.setPagePane(page, pageCount);
}

void CChildFrame::setLockPane(const PartLocks& locks) { mainFrame_.setLockPane(locks); }

void CChildFrame::setChosenPane(const std::optional<GeneRef>& chosen) {
    mainFrame_.setChosenPane(chosen);
}

void CChildFrame::showMessage(MessageKind kind, const std::string& caption,
                              const std::string& text) {
    mainFrame_.showMessage(kind, QString::fromStdString(caption), QString::fromStdString(text));
}

void CChildFrame::showFilesNotSaved(const std::vector<std::string>& paths) {
    mainFrame_.showMessage(MessageKind::Warning, QStringLiteral("Mirel"), filesNotSavedText(paths));
}

void CChildFrame::showOutputFolderUnusable(const std::string& folder, int error) {
    mainFrame_.showMessage(MessageKind::Warning, QStringLiteral("Mirel"),
                           outputFolderUnusableText(folder, error));
}

void CChildFrame::marksChanged() { mainFrame_.updateMarkCountPane(); }

void CChildFrame::closeEvent(QCloseEvent* event) {
    if (frames_->isLastFrame(this)) {
        if (!mainFrame_.maySaveBeforeClosing(*this)) {
            event->ignore();
            return;
        }
        // The document is closed on purpose: there is nothing to recover.
        document().discardRecovery();
    }
    QMdiSubWindow::closeEvent(event);
}

}  // namespace mirel
