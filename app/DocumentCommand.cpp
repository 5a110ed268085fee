#include "app/DocumentCommand.h"

#include <QUndoStack>

#include "document/CMirelDoc.h"

namespace mirel {

DocumentCommand::DocumentCommand(CMirelDoc& document, const QString& text, DocumentState before)
    : QUndoCommand(text),
      document_(document),
      before_(std::move(before)),
      after_(document.undoState()),
      bredRecords_(document.recordsAbove(before_.generationCount)) {}

void DocumentCommand::undo() {
    document_.restoreUndoState(before_);
    done_ = false;
}

void DocumentCommand::redo() {
    if (done_) return;
    document_.restoreUndoState(after_, bredRecords_);
    done_ = true;
}

bool recordChange(QUndoStack& stack, CMirelDoc& document, const QString& text,
                  const std::function<void()>& change) {
    DocumentState before = document.undoState();
    const bool wasModified = document.isModified();
    change();
    if (document.undoState() == before) {
        document.setModified(wasModified);
        return false;
    }
    stack.push(new DocumentCommand(document, text, std::move(before)));
    return true;
}

}  // namespace mirel
