#include "app/RecoveryFiles.h"

#include <unistd.h>

#include <QCoreApplication>
#include <QDateTime>
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

// Fields of /proc/<pid>/stat after the name: the state, then (at this
// index) the time the process started, in clock ticks after the boot.
constexpr int kStartTimeField = 19;
// Clocks are read in whole seconds: a process that started this much after
// the file's last write is surely another.
constexpr qint64 kClockSlackSeconds = 2;

// When the system booted (seconds since the epoch), or -1.
qint64 bootTime() {
    QFile stat(QStringLiteral("/proc/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return -1;
    for (const QByteArray& line : stat.readAll().split('\n')) {
        if (line.startsWith("btime ")) return line.mid(6).trimmed().toLongLong();
    }
    return -1;
}

// Whether the process `pid` is running and could have written a file last
// written at `written`: a process id is used again, after a reboot above
// all, and a process that started after the file's last write is not the
// one that wrote it.
bool processIsRunning(qint64 pid, const QDateTime& written) {
    if (pid <= 0) return false;
    // Signal 0 only asks whether the process exists; EPERM means it does.
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno != EPERM) return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly)) return true;
    const QByteArray line = stat.readAll();
    const qsizetype afterName = line.lastIndexOf(')') + 2;  // after "pid (name) "
    if (afterName < 2 || afterName >= line.size()) return true;
    const QList<QByteArray> fields = line.mid(afterName).split(' ');
    // A killed process that its parent has not yet reaped still exists, as a zombie.
    if (fields.front() == "Z") return false;
    const qint64 boot = bootTime();
    const long ticks = ::sysconf(_SC_CLK_TCK);
    if (fields.size() <= kStartTimeField || boot < 0 || ticks <= 0) return true;
    const qint64 started = boot + fields[kStartTimeField].toLongLong() / ticks;
    return started <= written.toSecsSinceEpoch() + kClockSlackSeconds;
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
        if (isNumber && !processIsRunning(pid, file.lastModified())) {
            orphans << file.absoluteFilePath();
        }
    }
    return orphans;
}

}  // namespace mirel
