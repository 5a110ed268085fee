#pragma once
// One open document and the child frames that show it. It is the document's
// host: repaints go to every frame, activation and the keyboard to the frame
// the mouse was last in. The document lives as long as its last frame.

#include <QList>
#include <QString>
#include <QTimer>
#include <QUndoStack>

#include <memory>

#include "document/DocumentHost.h"

namespace mirel {

class CChildFrame;
class CMirelDoc;

class DocumentFrames final : public DocumentHost {
public:
    explicit DocumentFrames(std::unique_ptr<CMirelDoc> document);
    ~DocumentFrames() override;
    DocumentFrames(const DocumentFrames&) = delete;
    DocumentFrames& operator=(const DocumentFrames&) = delete;

    CMirelDoc& document() const { return *document_; }

    // The document's undo history (not kept in sessions). Its clean state is
    // the saved one: the document is modified whenever the stack is not clean.
    QUndoStack& undoStack() { return undoStack_; }
    // Runs `change` on the document as one step the user can take back.
    bool recordChange(const QString& text, const std::function<void()>& change);
    // The document now equals its file.
    void markSaved();

    // The frames in the order they were opened.
    const QList<CChildFrame*>& frames() const { return frames_; }
    // Whether closing `frame` closes the document.
    bool isLastFrame(const CChildFrame* frame) const;
    void addFrame(CChildFrame* frame);
    void removeFrame(CChildFrame* frame);

    // The frame the mouse was last in; a move into another frame's view `n`
    // makes that frame current and its view n the active view.
    CChildFrame* currentFrame() const { return current_; }
    void pointerEntered(CChildFrame* frame, int view);

    // The document's name ("Mirel1" or a file's name); frames add ":k" while
    // there are several.
    const QString& title() const { return title_; }
    void setTitle(const QString& title);
    const QString& pathName() const { return pathName_; }
    // Also names the file in the document's recovery file.
    void setPathName(const QString& path);

    void activateView(int view) override;
    void invalidateView(int view) override;
    void setStatusPane(const std::string& text, int width) override;
    void setPagePane(int page, int pageCount) override;
    void setLockPane(const PartLocks& locks) override;
    void setChosenPane(const std::optional<GeneRef>& chosen) override;
    void showMessage(MessageKind kind, const std::string& caption,
                     const std::string& text) override;
    void showFilesNotSaved(const std::vector<std::string>& paths) override;
    void showOutputFolderUnusable(const std::string& folder, int error) override;
    void marksChanged() override;
    void recoveryDue(std::function<void()> write) override;
    void pageShown() override;
    std::string translate(const std::string& text) const override;

private:
    void retitleFrames();

    std::unique_ptr<CMirelDoc> document_;
    QList<CChildFrame*> frames_;
    CChildFrame* current_ = nullptr;
    QString title_;
    QString pathName_;
    // The recovery file is written once the new generation is on the
    // screen, so that Enter shows it at once. Declared after the document,
    // so that it goes first.
    QTimer recoveryTimer_;
    QUndoStack undoStack_;
    std::function<void()> pendingRecovery_;
};

}  // namespace mirel
