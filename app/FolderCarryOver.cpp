#include "app/FolderCarryOver.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace mirel {

const QString kFormerOrganisation =
    QStringLiteral("アプリケーション ウィザードで生成されたローカル アプリケーション");

namespace {

// Removes `folder` and then its parents while they are empty, up to `top`.
void removeEmptyFolders(QString folder, const QString& top) {
    while (folder.startsWith(top) && folder.size() > top.size() && QDir(folder).isEmpty()) {
        if (!QDir().rmdir(folder)) return;
        folder = QFileInfo(folder).path();
    }
}

int carrySettings(const QString& formerFile, QSettings& settings) {
    if (!QFileInfo::exists(formerFile)) return 0;
    int copied = 0;
    {
        const QSettings former(formerFile, QSettings::IniFormat);
        for (const QString& key : former.allKeys()) {
            if (settings.contains(key)) continue;
            settings.setValue(key, former.value(key));
            ++copied;
        }
    }
    settings.sync();
    // Kept when the new settings could not be written: nothing is lost.
    if (settings.status() == QSettings::NoError) QFile::remove(formerFile);
    return copied;
}

int carryRecoveryFiles(const QString& formerFolder, const QString& folder) {
    const QDir former(formerFolder);
    if (formerFolder.isEmpty() || !former.exists()) return 0;
    QDir().mkpath(folder);
    int moved = 0;
    for (const QFileInfo& file : former.entryInfoList(QDir::Files)) {
        const QString target = QDir(folder).filePath(file.fileName());
        if (QFileInfo::exists(target)) continue;
        // A rename within one file system, else a copy and a removal.
        if (QFile::rename(file.absoluteFilePath(), target) ||
            (QFile::copy(file.absoluteFilePath(), target) &&
             QFile::remove(file.absoluteFilePath()))) {
            ++moved;
        }
    }
    return moved;
}

}  // namespace

CarriedOver carryOverFolders(const QString& formerSettings, const QString& formerRecovery,
                             QSettings& settings, const QString& recovery) {
    CarriedOver carried;
    carried.settings = carrySettings(formerSettings, settings);
    carried.recoveryFiles = carryRecoveryFiles(formerRecovery, recovery);
    return carried;
}

CarriedOver carryOverFormerFolders(const QString& recovery) {
    const QString application = QCoreApplication::applicationName();
    const QString formerSettings =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, kFormerOrganisation, application)
            .fileName();
    const QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    const QString formerRecovery =
        QStringList{dataHome, kFormerOrganisation, application, QStringLiteral("recovery")}.join(
            QLatin1Char('/'));
    QSettings settings;
    const CarriedOver carried =
        carryOverFolders(formerSettings, formerRecovery, settings, recovery);
    const QString configHome =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    removeEmptyFolders(QFileInfo(formerSettings).path(), configHome);
    removeEmptyFolders(formerRecovery, dataHome);
    return carried;
}

}  // namespace mirel
