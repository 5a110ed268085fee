#pragma once
// The application's main window: menus, toolbar, status bar and the MDI area
// holding one child frame per document.

#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QRect>
#include <QSize>

#include <functional>
#include <memory>

#include "app/Language.h"
#include "app/RecentFileList.h"
#include "document/DocumentHost.h"
#include "document/WallClock.h"
#include "ga/PartLocks.h"
#include "ga/ToolGeneration.h"

class QAction;
class QKeyEvent;
class QLabel;
class QMdiArea;
class QMenu;
class QPrinter;
class QToolBar;
class QUndoGroup;

namespace mirel {

class CChildFrame;
class CMirelDoc;
class BreedingMenu;
class MarkCountPane;

// The desktop's client area in pixels as it is now; injectable for tests.
using DesktopSize = std::function<QSize()>;
// The available area of the primary screen.
QSize primaryDesktopSize();

// What a failed sample bank does to a new document: at start-up, with no
// document yet, the process ends; later the new document is refused.
enum class LoadFailurePolicy { EndProcess, RefuseDocument };

class CMainFrame final : public QMainWindow {
    Q_OBJECT
public:
    using MessagePresenter =
        std::function<void(MessageKind kind, const QString& caption, const QString& text)>;
    // Asks a question with the given buttons and returns the one chosen.
    using QuestionPresenter = std::function<QMessageBox::StandardButton(
        const QString& text, QMessageBox::StandardButtons buttons)>;

    explicit CMainFrame(WallClock clock = systemWallClock,
                        DesktopSize desktop = primaryDesktopSize, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Opens a fresh document in its own child frame; nullptr when refused.
    CChildFrame* newDocument(LoadFailurePolicy policy = LoadFailurePolicy::RefuseDocument);
    // Restores the session in `path`; a file that is not a session gives a
    // fresh document titled after it. A damaged or unreadable session opens
    // nothing and says why.
    CChildFrame* openDocument(const QString& path,
                              LoadFailurePolicy policy = LoadFailurePolicy::RefuseDocument);
    // Saves the frame's session, asking for a file name when it has none or
    // when `askName`; false when cancelled or failed (the failure is shown).
    bool saveFrame(CChildFrame& frame, bool askName);
    // Whether `frame` may close: a modified document asks whether to save
    // first; Cancel, or a save that did not happen, keeps it open.
    bool maySaveBeforeClosing(CChildFrame& frame);

    // Where the open documents' recovery files go; tests use their own folder.
    void setRecoveryFolder(const QString& folder) { recoveryFolder_ = folder; }
    const QString& recoveryFolder() const { return recoveryFolder_; }
    // When processes that ended uncleanly left recovery files, offers to
    // reopen them (or else removes them); returns how many were reopened.
    int offerRecovery();
    // The same for a name as the file system spells it (the command line's
    // bytes). A name that is not valid in the locale's encoding still opens,
    // but is kept neither in the recent-file list nor as the document's path
    // (Qt could not spell it again), so saving asks for a name.
    CChildFrame* openDocumentFile(const QByteArray& nativePath,
                                  LoadFailurePolicy policy = LoadFailurePolicy::RefuseDocument);
    // Window ▸ new window: a further frame on the active frame's document.
    CChildFrame* newWindow();
    CChildFrame* activeChildFrame() const;
    QList<CChildFrame*> childFrames() const;

    // Status-bar pane 1.
    void setGenerationPane(const QString& text, int width);
    QLabel* generationPane() const { return generationPane_; }
    // The pane counting the marks of the document in front.
    void updateMarkCountPane();
    MarkCountPane* markCountPane() const { return markCountPane_; }
    // Says in the message pane why a gesture did nothing.
    void showRefusal(const QString& reason);

    // The panes beside pane 1: the page of window 1 and the part locks.
    void setPagePane(int page, int pageCount);
    void setLockPane(const PartLocks& locks);
    QLabel* pagePane() const { return pagePane_; }
    QLabel* lockPane() const { return lockPane_; }
    // The pane naming the chosen face of the document in front.
    void setChosenPane(const std::optional<GeneRef>& chosen);
    QLabel* chosenPane() const { return chosenPane_; }
    // Makes the next generation of the active document with a tool from its
    // chosen face; a refusal is told in the message pane.
    void makeToolGeneration(ToolKind kind, FacePart part = FacePart::Eyes);
    // The breeding settings' commands and their status pane.
    BreedingMenu* breedingMenu() const { return breedingMenu_; }
    // The message pane: a one-line hint after the user's last gesture.
    void showHint(const QString& text);
    QLabel* messagePane() const { return messagePane_; }

    // Replaces the message boxes (tests record the messages instead).
    void setMessagePresenter(MessagePresenter presenter);
    void showMessage(MessageKind kind, const QString& caption, const QString& text);
    // Replaces the question boxes (tests answer them instead).
    void setQuestionPresenter(QuestionPresenter presenter) { questioner_ = std::move(presenter); }
    QMessageBox::StandardButton ask(const QString& text, QMessageBox::StandardButtons buttons);

    // The desktop as it was when this frame was constructed.
    int desktopWidth() const { return desktopWidth_; }
    int desktopHeight() const { return desktopHeight_; }
    // The desktop as it is now: each child frame is sized from it.
    QSize currentDesktopSize() const { return desktop_(); }
    QMdiArea* mdiArea() const { return mdiArea_; }
    QToolBar* toolBar() const { return toolBar_; }
    QPrinter& printer();
    RecentFileList& recentFiles() { return recentFiles_; }

    // Where the mouse is: view `view` of `frame` (a move over it), or no
    // longer there.
    void pointerOver(CChildFrame* frame, int view);
    void pointerLeft(CChildFrame* frame, int view);
    // A key for window 1 that reached a view of `from` while the mouse is over
    // another frame's window 1 goes there instead, and that frame comes to the
    // front; false when the key stays where it is.
    bool sendKeyToPointedGrid(CChildFrame* from, const QKeyEvent& key);

    // Writes the face of the active document's window 2 as a picture of
    // side `size`, the format following the file's extension; false (after
    // telling the user) when there is nothing to export or it failed.
    bool exportDetailFace(const QString& path, int size);

protected:
    // Quitting closes every document window first; one that stays open keeps Mirel running.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    struct Actions;
    struct SteeringActions;
    struct ToolActions;

    void createActions();
    void createMenus();
    void createToolBar();
    void createStatusBar();
    void createSteeringCommands();
    void updateSteeringCommands();
    // The chosen face, the tool generations and the inner-face view option.
    void createToolCommands();
    void updateToolCommands();
    // Edit ▸ undo / redo on the active document's history, and the title's
    // mark of unsaved changes.
    void createUndoCommands();
    void updateUndoCommands();
    void updateTitle();
    // Shows the next (1) or previous (-1) page of the active document's window 1.
    void turnPage(int step);
    void updateActions();
    void updateRecentFileActions();
    // The document, or nullptr after the sample bank's failure was handled.
    std::unique_ptr<CMirelDoc> createDocument(LoadFailurePolicy policy);
    CChildFrame* addChildFrame(std::unique_ptr<CMirelDoc> document, const QString& title);
    CChildFrame* showChildFrame(CChildFrame* frame);

    void fileOpen();
    // Closes the active document: every frame on it, the active one last.
    void fileClose();
    void fileSave();
    void fileSaveAs();
    QString askSavePath(const CChildFrame& frame);
    void filePrint();
    void filePrintPreview();
    void filePrintSetup();
    void saveDetailFace();
    void fileExport();
    void chooseLanguage(UiLanguage language);
    void openRecentFile(int entry);
    void showAbout();
    void showHowToUse();
    // The menus of the current state alone are in the bar, so their
    // mnemonics are never ambiguous.
    void showMenuSet(const QList<QMenu*>& menus);
    // Pane 1 as at start, when no document is left to speak of.
    void resetGenerationPane();
    // Moves the frame so that its outer frame, borders and title included,
    // covers the rectangle it was given, once the window manager framed it.
    void fitOuterFrame();

    int desktopWidth_ = 0;
    int desktopHeight_ = 0;
    WallClock clock_;
    DesktopSize desktop_;
    int untitledCount_ = 0;
    RecentFileList recentFiles_;
    MessagePresenter presenter_;
    QuestionPresenter questioner_;
    QString recoveryFolder_;
    int recoverySerial_ = 0;
    std::unique_ptr<Actions> actions_;
    std::unique_ptr<SteeringActions> steering_;
    std::unique_ptr<ToolActions> tools_;
    std::unique_ptr<QPrinter> printer_;
    QMdiArea* mdiArea_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QLabel* generationPane_ = nullptr;
    QLabel* messagePane_ = nullptr;
    QLabel* pagePane_ = nullptr;
    QLabel* lockPane_ = nullptr;
    QLabel* chosenPane_ = nullptr;
    MarkCountPane* markCountPane_ = nullptr;
    QUndoGroup* undoGroup_ = nullptr;
    QPointer<CChildFrame> pointerFrame_;
    int pointerView_ = 0;
    BreedingMenu* breedingMenu_ = nullptr;
    // Where the outer frame belongs until the window manager has framed it.
    QRect outerFrame_;
    bool fittingOuterFrame_ = true;
    QList<QMenu*> noDocumentMenus_;
    QList<QMenu*> documentMenus_;
};

}  // namespace mirel
