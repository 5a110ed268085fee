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
    ShownFromList,  // a face picked in window 3's list
    Undone,
    UndoneBreeding,
    Redone,
};
inline constexpr UserAction kLastUserAction = UserAction::Redone;

// The hint after `action`, from the document's state once the action is
// done. Each is short enough for the message pane of a window 1024 pixels
// wide, in either language.
QString actionHint(UserAction action, const CMirelDoc& document);

}  // namespace mirel
