#pragma once
// Where Mirel reads its sample bank and writes its files. Started in its
// project folder it keeps to the working directory's Data/ and Output/; an
// installed copy started from anywhere else reads the installed bank and
// saves into a folder of the user's pictures.

#include <QDir>
#include <QString>

namespace mirel {

struct AppFolders {
    QString data;
    QString output;
};

// Data/ of `workingDir` when it exists, else `installedData` when that
// exists, else Data/ (so that a missing bank gives the reader's usual
// failure). Output/ of `workingDir` when it or Data/ exists there, else
// `userOutput`.
AppFolders chooseAppFolders(const QDir& workingDir, const QString& installedData,
                            const QString& userOutput);

// The installed sample bank: share/mirel/Data of the prefix this executable
// runs from, or the first mirel/Data of the system's data folders.
QString installedDataFolder();
// Mirel in the user's pictures folder (or home folder when there is none).
QString userOutputFolder();

// chooseAppFolders for this process.
AppFolders appFolders();

}  // namespace mirel
