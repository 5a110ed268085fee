#pragma once
// Why a gesture does nothing: the answer the status bar's message pane gives
// when a double-click, Enter or an arrow key is refused, so that the user is
// not left guessing.

#include <QString>

class QEvent;
class QSize;

namespace mirel {

class CMirelDoc;

// The reason `event` on view `view` (1 to 3) of `document`, whose client area
// is `viewSize`, is refused; empty when the gesture does something (or is
// not one the views answer).
QString refusalReason(const CMirelDoc& document, int view, QSize viewSize, const QEvent& event);

}  // namespace mirel
