#include "app/RecentFileList.h"

#include <QFileInfo>
#include <QSettings>

namespace mirel {
namespace {

const QString kGroup = QStringLiteral("Recent File List");

QString entryKey(int k) { return QStringLiteral("File%1").arg(k + 1); }

}  // namespace

RecentFileList::RecentFileList(int capacity) : capacity_(capacity) {}

void RecentFileList::load() {
    QSettings settings;
    settings.beginGroup(kGroup);
    files_.clear();
    for (int k = 0; k < capacity_; ++k) {
        const QString path = settings.value(entryKey(k)).toString();
        if (!path.isEmpty()) files_.append(path);
    }
    settings.endGroup();
}

void RecentFileList::add(const QString& path) {
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > capacity_) files_.removeLast();
    store();
}

void RecentFileList::remove(const QString& path) {
    files_.removeAll(path);
    store();
}

void RecentFileList::store() const {
    QSettings settings;
    settings.beginGroup(kGroup);
    for (int k = 0; k < capacity_; ++k) {
        if (k < files_.size()) {
            settings.setValue(entryKey(k), files_[k]);
        } else {
            settings.remove(entryKey(k));
        }
    }
    settings.endGroup();
}

}  // namespace mirel
