#pragma once
// The most recently opened or saved document files, newest first, kept in the
// settings store under the application's organisation key.

#include <QString>
#include <QStringList>

namespace mirel {

class RecentFileList {
public:
    explicit RecentFileList(int capacity);

    // Reads the list from the settings store.
    void load();
    // Moves `path` to the front, drops the oldest beyond capacity, and stores the list.
    void add(const QString& path);
    void remove(const QString& path);

    const QStringList& files() const { return files_; }
    int capacity() const { return capacity_; }

private:
    void store() const;

    int capacity_;
    QStringList files_;
};

}  // namespace mirel
