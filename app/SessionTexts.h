#pragma once
// The user's words for the outcome of opening or saving a session file and
// of saving a face: each names the file and the reason.

#include <QString>
#include <string>
#include <vector>

#include "document/SessionFile.h"

namespace mirel {

// "The file is not a session Mirel can open, and why"; for any failure but
// kNotASession (which opens a fresh document instead).
QString sessionFailureText(const QString& path, const SessionFailure& failure);
// The save of a session to `path` failed; `replacing` when there was a file
// by that name, which the failed save left as it was.
QString sessionSaveFailureText(const QString& path, const FileWriteResult& result, bool replacing);
// The end of a save of a face when some files were not written.
QString filesNotSavedText(const std::vector<std::string>& paths);
// A save of a face that wrote nothing: its folder cannot be made or written.
QString outputFolderUnusableText(const std::string& folder, int error);

}  // namespace mirel
