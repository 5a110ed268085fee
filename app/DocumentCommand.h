#pragma once
// A step the user can take back: any change of one document, kept as the
// document's state before and after it (and the records of a generation it
// bred), so that undo and redo give back exactly those states.

#include <QString>
#include <QUndoCommand>
#include <functional>
#include <vector>

#include "document/DocumentState.h"

class QUndoStack;

namespace mirel {

class CMirelDoc;

class DocumentCommand final : public QUndoCommand {
  public:
    // `document` has already been changed from `before` to what it is now;
    // the first redo (QUndoStack::push) therefore does nothing.
    DocumentCommand(CMirelDoc& document, const QString& text, DocumentState before);

    void undo() override;
    void redo() override;
    // Whether the change bred a generation (undoing it gives its place back).
    bool bred() const { return after_.generationCount > before_.generationCount; }

  private:
    CMirelDoc& document_;
    DocumentState before_;
    DocumentState after_;
    // The generations the change bred, put back by redo: never bred anew.
    std::vector<FaceRecord> bredRecords_;
    bool done_ = true;
};

// Runs `change` on `document` and, if it changed the document's state,
// pushes it onto `stack` as one step named `text`; a change that changed
// nothing leaves the stack and the modified flag as they were. Returns
// whether there was a change.
bool recordChange(QUndoStack& stack, CMirelDoc& document, const QString& text,
                  const std::function<void()>& change);

}  // namespace mirel
