#pragma once
// One document's window: an MDI child frame split into the population grid
// (window 1, left), the enlarged face (window 2, top right, square) and a
// blank pane (window 3). It owns its document and shows what it asks for.

#include <QMdiSubWindow>

#include <array>
#include <memory>

#include "document/DocumentHost.h"
#include "output/AtomicFile.h"

class QPrinter;

namespace mirel {

class CMainFrame;
class CMirelDoc;
class CViewExSplitWnd;
class MirelView;

class CChildFrame final : public QMdiSubWindow, public DocumentHost {
    Q_OBJECT
public:
    // Sized from the desktop's client area as it is now.
    CChildFrame(std::unique_ptr<CMirelDoc> document, CMainFrame& mainFrame);
    ~CChildFrame() override;

    CMirelDoc& document() const { return *document_; }
    // View n (1 to 3) in creation order.
    MirelView* view(int n) const;
    // The view commands go to: the one the frame last activated.
    MirelView* activeView() const;
    CViewExSplitWnd* outerSplitter() const { return outer_; }
    CViewExSplitWnd* innerSplitter() const { return inner_; }

    // F6 / Shift+F6: the next or previous pane gets the keys.
    void activateNextPane(bool previous);

    const QString& documentTitle() const { return title_; }
    void setDocumentTitle(const QString& title);
    // The session file the document belongs to; empty until saved or opened.
    const QString& pathName() const { return pathName_; }
    void setPathName(const QString& path);
    // Writes the document's session to `path` (a whole file or, on failure,
    // the previous one untouched); on success takes the file's name.
    FileWriteResult saveDocumentFile(const QString& path);

    void printActiveView(QPrinter& printer);
    void previewActiveView(QPrinter& printer);
    // The command that saves the face last drawn in window 2.
    void saveDetailFace();

    void activateView(int n) override;
    void invalidateView(int n) override;
    void setStatusPane(const std::string& text, int width) override;
    void showMessage(MessageKind kind, const std::string& caption,
                     const std::string& text) override;
    void showFilesNotSaved(const std::vector<std::string>& paths) override;

protected:
    // A modified document asks whether to save before its window closes.
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<CMirelDoc> document_;
    CMainFrame& mainFrame_;
    CViewExSplitWnd* outer_ = nullptr;
    CViewExSplitWnd* inner_ = nullptr;
    std::array<MirelView*, 3> views_{};
    int activeViewNumber_ = kGridView;
    QString title_;
    QString pathName_;
};

}  // namespace mirel
