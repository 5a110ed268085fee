#include "app/CMainFrame.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QUndoGroup>

#include "app/AboutBox.h"
#include "app/BreedingMenu.h"
#include "app/AppFolders.h"
#include "app/CChildFrame.h"
#include "app/DocumentFrames.h"
#include "app/FileNames.h"
#include "app/FrameLayout.h"
#include "app/HowToUse.h"
#include "app/MainFrameActions.h"
#include "app/MarkCountPane.h"
#include "app/RecoveryFiles.h"
#include "document/CMirelDoc.h"
#include "face/FatalError.h"
#include "output/FaceTextExport.h"
#include "views/ViewPrinting.h"

namespace mirel {
namespace {

constexpr int kRecentFileCount = 4;
// Long enough to read a sentence; the idle text comes back afterwards.
constexpr int kRefusalNoticeMilliseconds = 8000;

}  // namespace

QSize primaryDesktopSize() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->availableGeometry().size() : QSize();
}

CMainFrame::CMainFrame(WallClock clock, DesktopSize desktop, QWidget* parent)
    : QMainWindow(parent),
      clock_(std::move(clock)),
      desktop_(std::move(desktop)),
      recentFiles_(kRecentFileCount),
      recoveryFolder_(defaultRecoveryFolder()),
      actions_(std::make_unique<Actions>()) {
    const QSize desktopNow = desktop_();
    desktopWidth_ = desktopNow.width();
    desktopHeight_ = desktopNow.height();
    const FrameLayout layout = computeFrameLayout(desktopWidth_, desktopHeight_);
    // move() places the outer frame, title bar included, at the desktop's
    // corner; setGeometry would place the inside there and push the title bar
    // off the screen under a window manager. The size is the inside's until
    // the window manager's borders are known (fitOuterFrame).
    outerFrame_ = QRect(0, 0, layout.mainWidth, layout.mainHeight);
    move(outerFrame_.topLeft());
    resize(outerFrame_.size());
    setWindowTitle(kAppName);

    mdiArea_ = new QMdiArea(this);
    setCentralWidget(mdiArea_);
    setDockOptions(dockOptions() | QMainWindow::AllowNestedDocks);

    recentFiles_.load();
    createActions();
    createMenus();
    createToolBar();
    createStatusBar();
    createSteeringCommands();
    createToolCommands();
    createUndoCommands();
    breedingMenu_ = new BreedingMenu(*this);

    connect(mdiArea_, &QMdiArea::subWindowActivated, this, [this] {
        updateActions();
        // Pane 1 speaks of the document in front, even before its grid repaints.
        if (CChildFrame* frame = activeChildFrame()) frame->document().UpdateStatusText();
        updateMarkCountPane();
    });
    updateActions();
    updateRecentFileActions();
}

CMainFrame::~CMainFrame() {
    // The MDI area and the child frames outlive this part of the object;
    // their last signals must not reach the menus being torn down.
    mdiArea_->disconnect(this);
    undoGroup_->disconnect(this);
    for (CChildFrame* frame : findChildren<CChildFrame*>()) frame->disconnect(this);
}

std::unique_ptr<CMirelDoc> CMainFrame::createDocument(LoadFailurePolicy policy) {
    const AppFolders folders = appFolders();
    auto created = CMirelDoc::create(clock_, folders.data.toStdString());
    if (auto* failure = std::get_if<LoadFailure>(&created)) {
        if (policy == LoadFailurePolicy::EndProcess) fatalError(failure->caption, failure->text);
        showMessage(MessageKind::Error, QString::fromStdString(failure->caption),
                    QString::fromStdString(failure->text));
        return nullptr;
    }
    return std::move(std::get<std::unique_ptr<CMirelDoc>>(created));
}

CChildFrame* CMainFrame::newDocument(LoadFailurePolicy policy) {
    auto document = createDocument(policy);
    if (!document) return nullptr;
    ++untitledCount_;
    return addChildFrame(std::move(document), kAppName + QString::number(untitledCount_));
}

CChildFrame* CMainFrame::addChildFrame(std::unique_ptr<CMirelDoc> document, const QString& title) {
    // Every document, a fresh one or one read from a session, saves where this run saves.
    const QString output = appFolders().output;
    if (output != QLatin1String(kOutputFolder)) document->setOutputFolder(localPath(output));
    if (!recoveryFolder_.isEmpty()) {
        document->setRecoveryFile(localPath(recoveryFilePath(recoveryFolder_, ++recoverySerial_)),
                                  {});
    }
    auto frames = std::make_shared<DocumentFrames>(std::move(document));
    frames->setTitle(title);
    return showChildFrame(new CChildFrame(std::move(frames), *this));
}

CChildFrame* CMainFrame::newWindow() {
    const CChildFrame* active = activeChildFrame();
    if (active == nullptr) return nullptr;
    return showChildFrame(new CChildFrame(active->documentFrames(), *this));
}

CChildFrame* CMainFrame::showChildFrame(CChildFrame* frame) {
    mdiArea_->addSubWindow(frame);
    connect(frame, &QObject::destroyed, this, [this] { updateActions(); });
    frame->show();
    mdiArea_->setActiveSubWindow(frame);
    frame->activateView(kGridView);
    updateActions();
    return frame;
}

CChildFrame* CMainFrame::activeChildFrame() const {
    return qobject_cast<CChildFrame*>(mdiArea_->activeSubWindow());
}

QList<CChildFrame*> CMainFrame::childFrames() const {
    QList<CChildFrame*> frames;
    for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
        if (auto* frame = qobject_cast<CChildFrame*>(sub)) frames.append(frame);
    }
    return frames;
}

void CMainFrame::setGenerationPane(const QString& text, int width) {
    // Called from window 1's paint event, where an immediate repaint of
    // another widget is not allowed; setText schedules it for the same cycle.
    generationPane_->setFixedWidth(width);
    generationPane_->setText(text);
}

void CMainFrame::updateMarkCountPane() {
    const CChildFrame* frame = activeChildFrame();
    markCountPane_->showCount(frame != nullptr
                                  ? std::optional<int>(frame->document().currentSelection().count)
                                  : std::nullopt);
}

void CMainFrame::showRefusal(const QString& reason) {
    statusBar()->showMessage(reason, kRefusalNoticeMilliseconds);
}

bool CMainFrame::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    const QEvent::Type type = event->type();
    if (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize) fitOuterFrame();
    return handled;
}

void CMainFrame::fitOuterFrame() {
    if (!fittingOuterFrame_ || !isVisible() || isMaximized() || isFullScreen()) return;
    const QRect inside = geometry();
    const QRect outer = frameGeometry();
    const QMargins borders(inside.left() - outer.left(), inside.top() - outer.top(),
                           outer.right() - inside.right(), outer.bottom() - inside.bottom());
    // Unframed (no window manager, or not yet): the inside is the outer frame.
    if (borders.isNull()) return;
    fittingOuterFrame_ = false;
    resize(outerFrame_.size().shrunkBy(borders));
    move(outerFrame_.topLeft());
}

void CMainFrame::setMessagePresenter(MessagePresenter presenter) {
    presenter_ = std::move(presenter);
}

void CMainFrame::showMessage(MessageKind kind, const QString& caption, const QString& text) {
    if (presenter_) {
        presenter_(kind, caption, text);
    } else if (kind == MessageKind::Information) {
        QMessageBox::information(this, caption, text);
    } else if (kind == MessageKind::Warning) {
        QMessageBox::warning(this, caption, text);
    } else {
        QMessageBox::critical(this, caption, text);
    }
}

QPrinter& CMainFrame::printer() {
    if (!printer_) printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

void CMainFrame::filePrint() {
    if (CChildFrame* frame = activeChildFrame()) frame->printActiveView(printer());
}

void CMainFrame::filePrintPreview() {
    if (CChildFrame* frame = activeChildFrame()) frame->previewActiveView(printer());
}

void CMainFrame::filePrintSetup() { setUpPrinter(printer(), this); }

void CMainFrame::chooseLanguage(UiLanguage language) {
    if (language == savedLanguage() && language == currentLanguage()) return;
    saveLanguage(language);
    showMessage(MessageKind::Information, kAppName,
                tr("表示言語は次回の起動から切り替わります。"));
}

void CMainFrame::saveDetailFace() {
    if (CChildFrame* frame = activeChildFrame()) frame->saveDetailFace();
}

void CMainFrame::openRecentFile(int entry) {
    const QStringList& files = recentFiles_.files();
    if (entry < files.size()) openDocument(files[entry]);
}

void CMainFrame::showAbout() {
    AboutBox about(this);
    about.exec();
}

void CMainFrame::showHowToUse() {
    HowToUse page(this);
    page.exec();
}

}  // namespace mirel
