#pragma once
// The names of the lockable face parts as the user reads them, and the short
// summary of the locks that the status bar and window 2 show.

#include <QString>

#include "ga/PartLocks.h"

namespace mirel {

QString partName(FacePart part);
// "固定：目 口" for the locked parts; empty when nothing is locked.
QString lockSummary(const PartLocks& locks);

}  // namespace mirel
