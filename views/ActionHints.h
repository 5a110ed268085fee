#pragma once
// The one-line hint the status bar's message pane shows after a gesture:
// what the gesture did and what the user can do next.

#include <QString>

namespace mirel {

class CMirelDoc;

enum class UserAction {
    Marked,
    Bred,
    Browsed,
    Paged,
    Saved,
    Locked,
    Chosen,
    Unchosen,
    Gallery,
    Exaggerated,
};

// The hint after `action`, from the document's state once the action is done.
QString actionHint(UserAction action, const CMirelDoc& document);

}  // namespace mirel
