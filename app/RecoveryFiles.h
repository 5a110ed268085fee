#pragma once
// Recovery files: while a document is open, its session after the latest
// breeding step sits in a folder of the user's, in a file named after the
// process that writes it, so that the files of a process that died can be
// told from those of one still running.

#include <QString>
#include <QStringList>

namespace mirel {

// The folder under the user's application data (QStandardPaths).
QString defaultRecoveryFolder();
// The recovery file of document `serial` of the running process.
QString recoveryFilePath(const QString& folder, int serial);
// The recovery files in `folder` whose process is no longer running, oldest
// first; a running process that started after a file's last write did not
// write it (its id was used again, after a reboot for one).
QStringList orphanedRecoveryFiles(const QString& folder);

}  // namespace mirel
