#include "app/RecoveryFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cerrno>
#include <csignal>

#include "document/SessionFile.h"

namespace mirel {
namespace {

// "<pid>-<serial>.mirel"
const QString kNamePattern = QStringLiteral("*-*") + QString::fromLatin1(kSessionExtension);

bool processIsRunning(qint64 pid) {
    if (pid <= 0) return false;
    // Signal 0 only asks whether the process exists; EPERM means it does.
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    // A killed process that its parent has not yet reaped still exists, as a zombie.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    const QByteArray line = stat.readAll();
    const qsizetype state = line.lastIndexOf(')') + 2;  // after "pid (name) "
    return state < 2 || state >= line.size() || line[state] != 'Z';
}

}  // namespace

QString defaultRecoveryFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/recovery");
}

QString recoveryFilePath(const QString& folder, int serial) {
    return QDir(folder).filePath(QStringLiteral("%1-%2%3")
                                     .arg(QCoreApplication::applicationPid())
                                     .arg(serial)
                                     .arg(QString::fromLatin1(kSessionExtension)));
}

QStringList orphanedRecoveryFiles(const QString& folder) {
    QStringList orphans;
    const QFileInfoList files =
        QDir(folder).entryInfoList({kNamePattern}, QDir::Files, QDir::Time | QDir::Reversed);
    for (const QFileInfo& file : files) {
        bool isNumber = false;
        const qint64 pid = file.fileName().section(QLatin1Char('-'), 0, 0).toLongLong(&isNumber);
        if (isNumber && !processIsRunning(pid)) orphans << file.absoluteFilePath();
    }
    return orphans;
}

}  // namespace mirel
