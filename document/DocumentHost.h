#pragma once
// What a document asks of the windows that show it: activate or repaint one
// of its three views, put text into the status bar, show a message box. The
// frames showing the document implement it; tests use a recording fake.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ga/PartLocks.h"

namespace mirel {

enum class MessageKind { Information, Warning, Error };

// Views are numbered 1 to 3 in creation order: grid, enlarged face, blank pane.
inline constexpr int kGridView = 1;
inline constexpr int kDetailView = 2;
inline constexpr int kBlankView = 3;

class DocumentHost {
public:
    virtual ~DocumentHost() = default;

    // Makes view n the active view of the frame, so that it gets the keys.
    virtual void activateView(int view) = 0;
    // Schedules a repaint of view n; the view paints its whole client area.
    virtual void invalidateView(int view) = 0;
    // Replaces the text of status-bar pane 1 and sets that pane's width.
    virtual void setStatusPane(const std::string& text, int width) = 0;
    // The status panes beside pane 1: the page of window 1 (0-based) and the
    // part locks. Hosts without those panes ignore them.
    virtual void setPagePane(int /*page*/, int /*pageCount*/) {}
    virtual void setLockPane(const PartLocks& /*locks*/) {}
    // The status pane naming the chosen face; nothing when none is chosen.
    virtual void setChosenPane(const std::optional<GeneRef>& /*chosen*/) {}
    // A modal message box with an OK button.
    virtual void showMessage(MessageKind kind, const std::string& caption,
                             const std::string& text) = 0;
    // The warning that ends a save of a face when some of its files were not
    // written, naming them.
    virtual void showFilesNotSaved(const std::vector<std::string>& paths) = 0;
    // The warning that replaces a save of a face whose output folder cannot
    // be made or written into: the folder, and the errno that says why.
    virtual void showOutputFolderUnusable(const std::string& folder, int error) = 0;
    // A text of the document in the user's language; the Japanese source
    // text itself when there is no translation.
    virtual std::string translate(const std::string& text) const { return text; }
    // The newest generation's marks changed (a toggle or a new generation).
    virtual void marksChanged() {}
    // A new generation is worth a recovery file; `write` writes it. A host
    // may run it once the new generation is on the screen (by default at once).
    virtual void recoveryDue(std::function<void()> write) { write(); }
    // Window 1 has just painted a page of the document.
    virtual void pageShown() {}
};

}  // namespace mirel
