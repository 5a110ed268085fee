#include "app/CChildFrame.h"

#include <QFile>
#include <QFileInfo>
#include <QMdiArea>

#include "app/CMainFrame.h"
#include "app/CViewExSplitWnd.h"
#include "app/FrameLayout.h"
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

}  // namespace

CChildFrame::CChildFrame(std::unique_ptr<CMirelDoc> document, CMainFrame& mainFrame)
    : document_(std::move(document)), mainFrame_(mainFrame) {
    setAttribute(Qt::WA_DeleteOnClose);
    // Sized from the desktop as it is when this frame is made, not when the
    // main frame was.
    const QSize desktop = mainFrame_.currentDesktopSize();
    const FrameLayout layout = computeFrameLayout(desktop.width(), desktop.height());

    auto frameActiveView = [this]() -> QWidget* { return activeView(); };
    outer_ = new CViewExSplitWnd(Qt::Horizontal, frameActiveView);
    views_[0] = new CChild1View(*document_, outer_);
    outer_->addWidget(views_[0]);
    inner_ = new CViewExSplitWnd(Qt::Vertical, frameActiveView, outer_);
    inner_->setFrameShape(QFrame::StyledPanel);
    outer_->addWidget(inner_);
    views_[1] = new CChild2View(*document_, inner_);
    views_[2] = new CChild3View(*document_, inner_);
    inner_->addWidget(views_[1]);
    inner_->addWidget(views_[2]);

    // Resizing the frame keeps window 1's width and window 2's height.
    outer_->setStretchFactor(0, 0);
    outer_->setStretchFactor(1, 1);
    inner_->setStretchFactor(0, 0);
    inner_->setStretchFactor(1, 1);
    outer_->setSizes({layout.leftPaneWidth, layout.childWidth - layout.leftPaneWidth});
    inner_->setSizes({layout.rightPaneHeight, kRemainderShare});

    setWidget(outer_);
    resize(layout.childWidth, layout.childHeight);
    document_->attachHost(this);
}

CChildFrame::~CChildFrame() {
    document_->attachHost(nullptr);
    // The views refer to the document: they go first, inner splitter first.
    delete inner_;
    delete outer_;
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

void CChildFrame::setDocumentTitle(const QString& title) {
    title_ = title;
    setWindowTitle(title);
}

bool CChildFrame::saveDocumentFile(const QString& path) {
    // Opening a FIFO for writing would wait for a reader.
    const QFileInfo existing(path);
    if (existing.exists() && !existing.isFile()) return false;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    file.close();
    pathName_ = QFileInfo(path).absoluteFilePath();
    setDocumentTitle(QFileInfo(path).fileName());
    return true;
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

void CChildFrame::showMessage(MessageKind kind, const std::string& caption,
                              const std::string& text) {
    mainFrame_.showMessage(kind, QString::fromStdString(caption), QString::fromStdString(text));
}

}  // namespace mirel
