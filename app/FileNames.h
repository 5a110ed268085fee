#pragma once
// File names between Qt and the standard library, in the platform's own
// file-name encoding both ways, so no name is changed on the way.

#include <QFile>
#include <QString>
#include <filesystem>

namespace mirel {

inline std::filesystem::path localPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

inline QString qtPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

}  // namespace mirel
