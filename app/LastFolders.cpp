#include "app/LastFolders.h"

#include <QFileInfo>
#include <QSettings>

namespace mirel {
namespace {

QString keyOf(DialogFolder kind) {
    return kind == DialogFolder::Sessions ? QStringLiteral("Last Folders/Sessions")
                                          : QStringLiteral("Last Folders/Exports");
}

}  // namespace

QString lastFolder(DialogFolder kind, const QString& fallback) {
    const QString folder = QSettings().value(keyOf(kind)).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : fallback;
}

void rememberFolder(DialogFolder kind, const QString& chosenFile) {
    if (chosenFile.isEmpty()) return;
    QSettings().setValue(keyOf(kind), QFileInfo(chosenFile).absolutePath());
}

}  // namespace mirel
