#include "app/AppFolders.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStandardPaths>

#include "output/FaceTextExport.h"

namespace mirel {
namespace {

const QString kDataFolder = QStringLiteral("Data");
const QString kUserFolderName = QStringLiteral("Mirel");
const QString kSharedData = QStringLiteral("mirel/Data");

bool isFolder(const QString& path) {
    return !path.isEmpty() && QFileInfo(path).isDir();
}

}  // namespace

AppFolders chooseAppFolders(const QDir& workingDir, const QString& installedData,
                            const QString& userOutput) {
    const QString projectOutputFolder = QString::fromLatin1(kOutputFolder);
    const bool projectData = isFolder(workingDir.filePath(kDataFolder));
    const bool projectOutput = isFolder(workingDir.filePath(projectOutputFolder));
    AppFolders folders;
    // Relative, as before, so the project folder behaves exactly as it always did.
    folders.data = projectData || !isFolder(installedData) ? kDataFolder : installedData;
    folders.output = projectData || projectOutput ? projectOutputFolder : userOutput;
    return folders;
}

QString installedDataFolder() {
    // The install tree is relocatable: the bank is found from the executable.
    const QString besideExecutable = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                     QStringLiteral("/" MIREL_DATA_FROM_BINDIR));
    if (isFolder(besideExecutable)) return besideExecutable;
    return QStandardPaths::locate(QStandardPaths::GenericDataLocation, kSharedData,
                                  QStandardPaths::LocateDirectory);
}

QString userOutputFolder() {
    QString base = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (base.isEmpty()) base = QDir::homePath();
    return QDir(base).filePath(kUserFolderName);
}

AppFolders appFolders() {
    return chooseAppFolders(QDir::current(), installedDataFolder(), userOutputFolder());
}

}  // namespace mirel
