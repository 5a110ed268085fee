#include "app/DocumentFrames.h"

#include <utility>

#include "app/CChildFrame.h"
#include "app/DocumentCommand.h"
#include "app/FileNames.h"
#include "app/Language.h"
#include "document/CMirelDoc.h"

namespace mirel {

namespace {
// When window 1 is not on the screen (hidden, minimised), the recovery file
// is written this long after breeding rather than never.
constexpr int kRecoveryFallbackMs = 250;
}  // namespace

DocumentFrames::DocumentFrames(std::unique_ptr<CMirelDoc> document)
    : document_(std::move(document)) {
    document_->attachHost(this);
    recoveryTimer_.setSingleShot(true);
    QObject::connect(&recoveryTimer_, &QTimer::timeout, [this] {
        if (auto write = std::exchange(pendingRecovery_, nullptr)) write();
    });
    // Work brought back from a recovery file has no file it equals.
    if (document_->isModified()) undoStack_.resetClean();
    QObject::connect(&undoStack_, &QUndoStack::cleanChanged,
                     [this](bool clean) { document_->setModified(!clean); });
}

bool DocumentFrames::recordChange(const QString& text, const std::function<void()>& change) {
    return mirel::recordChange(undoStack_, *document_, text, change);
}

void DocumentFrames::markSaved() {
    document_->setModified(false);
    undoStack_.setClean();
}

DocumentFrames::~DocumentFrames() {
    QObject::disconnect(&undoStack_, nullptr, nullptr, nullptr);
    document_->attachHost(nullptr);
}

bool DocumentFrames::isLastFrame(const CChildFrame* frame) const {
    return frames_.size() == 1 && frames_.front() == frame;
}

void DocumentFrames::addFrame(CChildFrame* frame) {
    frames_.append(frame);
    // A new frame opens in front, under the user's eyes: it takes the keys.
    current_ = frame;
    retitleFrames();
}

void DocumentFrames::removeFrame(CChildFrame* frame) {
    frames_.removeAll(frame);
    if (frames_.isEmpty()) {
        // The document is closing: a recovery file written now would outlive it.
        recoveryTimer_.stop();
        pendingRecovery_ = nullptr;
    }
    if (current_ == frame) current_ = frames_.isEmpty() ? nullptr : frames_.back();
    retitleFrames();
}

void DocumentFrames::pointerEntered(CChildFrame* frame, int view) {
    if (frame == current_) return;
    current_ = frame;
    // The document's activeView may already be n from the other frame, so
    // the view's own check would not move the keyboard over here.
    document_->ActivateView(view);
}

void DocumentFrames::setTitle(const QString& title) {
    title_ = title;
    retitleFrames();
}

void DocumentFrames::setPathName(const QString& path) {
    pathName_ = path;
    document_->setRecoveryFile(document_->recoveryFile(), localPath(path).string());
}

void DocumentFrames::retitleFrames() {
    const bool numbered = frames_.size() > 1;
    for (qsizetype k = 0; k < frames_.size(); ++k) {
        frames_[k]->setWindowTitle(numbered ? QStringLiteral("%1:%2").arg(title_).arg(k + 1)
                                            : title_);
    }
}

void DocumentFrames::activateView(int view) {
    if (current_ != nullptr) current_->activateView(view);
}

void DocumentFrames::invalidateView(int view) {
    for (CChildFrame* frame : frames_) {
        frame->invalidateView(view);
        // Window 3 lists the marks of the generation window 1 shows.
        if (view == kGridView) frame->invalidateView(kBlankView);
    }
}

void DocumentFrames::setStatusPane(const std::string& text, int width) {
    if (current_ != nullptr) current_->setStatusPane(text, width);
}

void DocumentFrames::setPagePane(int page, int pageCount) {
    if (current_ != nullptr) current_->setPagePane(page, pageCount);
}

void DocumentFrames::setLockPane(const PartLocks& locks) {
    if (current_ != nullptr) current_->setLockPane(locks);
}

void DocumentFrames::setChosenPane(const std::optional<GeneRef>& chosen) {
    if (current_ != nullptr) current_->setChosenPane(chosen);
}

void DocumentFrames::showMessage(MessageKind kind, const std::string& caption,
                                 const std::string& text) {
    if (current_ != nullptr) current_->showMessage(kind, caption, text);
}

void DocumentFrames::showFilesNotSaved(const std::vector<std::string>& paths) {
    if (current_ != nullptr) current_->showFilesNotSaved(paths);
}

void DocumentFrames::showOutputFolderUnusable(const std::string& folder, int error) {
    if (current_ != nullptr) current_->showOutputFolderUnusable(folder, error);
}

std::string DocumentFrames::translate(const std::string& text) const {
    return translateCoreText(text.c_str()).toStdString();
}

void DocumentFrames::recoveryDue(std::function<void()> write) {
    // Breeding again before the timer ran leaves one write, of the newest state.
    pendingRecovery_ = std::move(write);
    recoveryTimer_.start(kRecoveryFallbackMs);
}

void DocumentFrames::pageShown() {
    // The new generation is on the screen once this paint returns: the
    // write comes right after it, before the next key is handled.
    if (pendingRecovery_) recoveryTimer_.start(0);
}

void DocumentFrames::marksChanged() {
    // The current frame's window 1 already drew the toggled frame itself.
    for (CChildFrame* frame : frames_) {
        if (frame != current_) frame->invalidateView(kGridView);
        frame->invalidateView(kBlankView);
    }
    if (current_ != nullptr) current_->marksChanged();
}

}  // namespace mirel
