#pragma once
// One window on a document: an MDI child frame split into the population
// grid (window 1, left), the enlarged face (window 2, top right, square) and
// a blank pane (window 3). A document may have several; they share it
// through its DocumentFrames, and the last one to close takes it along.

#include <QMdiSubWindow>
#include <QSize>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "document/DocumentHost.h"
#include "output/AtomicFile.h"

class QPrinter;

namespace mirel {

class CMainFrame;
class CMirelDoc;
class CViewExSplitWnd;
class DocumentFrames;
class MirelView;

class CChildFrame final : public QMdiSubWindow {
    Q_OBJECT
public:
    // A further frame on the document of `frames`, sized from the desktop's
    // client area as it is now.
    CChildFrame(std::shared_ptr<DocumentFrames> frames, CMainFrame& mainFrame);
    ~CChildFrame() override;

    CMirelDoc& document() const;
    const std::shared_ptr<DocumentFrames>& documentFrames() const { return frames_; }
    // View n (1 to 3) in creation order.
    MirelView* view(int n) const;
    // The view commands go to: the one the frame last activated.
    MirelView* activeView() const;
    CViewExSplitWnd* outerSplitter() const { return outer_; }
    CViewExSplitWnd* innerSplitter() const { return inner_; }

    // F6 / Shift+F6: the next or previous pane gets the keys.
    void activateNextPane(bool previous);

    // The document's name; the frame's own title adds ":k" when it has several.
    const QString& documentTitle() const;
    void setDocumentTitle(const QString& title);
    // The session file the document belongs to; empty until saved or opened.
    const QString& pathName() const;
    void setPathName(const QString& path);
    // Writes the document's session to `path` (a whole file or, on failure,
    // the previous one untouched); on success takes the file's name.
    FileWriteResult saveDocumentFile(const QString& path);

    void printActiveView(QPrinter& printer);
    void previewActiveView(QPrinter& printer);
    // The command that saves the face last drawn in window 2.
    void saveDetailFace();

    // What the document asks of this frame through its DocumentFrames.
    void activateView(int n);
    void invalidateView(int n);
    void setStatusPane(const std::string& text, int width);
    void setPagePane(int page, int pageCount);
    void setLockPane(const PartLocks& locks);
    void setChosenPane(const std::optional<GeneRef>& chosen);
    void showMessage(MessageKind kind, const std::string& caption, const std::string& text);
    void showFilesNotSaved(const std::vector<std::string>& paths);
    void showOutputFolderUnusable(const std::string& folder, int error);
    void marksChanged();

    // The size the frame was made with: Window ▸ cascade gives it back.
    QSize sizeHint() const override { return madeSize_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the document's last frame closes the document: when it is
    // modified, that asks whether to save first.
    void closeEvent(QCloseEvent* event) override;

private:
    int viewNumber(const QObject* object) const;
    // Window 1 keeps its share of the width, window 2 stays square.
    void fitOuterPanes();
    void fitInnerPanes();

    std::shared_ptr<DocumentFrames> frames_;
    CMainFrame& mainFrame_;
    CViewExSplitWnd* outer_ = nullptr;
    CViewExSplitWnd* inner_ = nullptr;
    std::array<MirelView*, 3> views_{};
    int activeViewNumber_ = kGridView;
    // Window 1's width when the frame first lays out; afterwards its share
    // of the row, kept through resizes and changed by dragging the bar.
    int initialLeftWidth_ = 0;
    QSize madeSize_;
    std::optional<double> leftShare_;
};

}  // namespace mirel
