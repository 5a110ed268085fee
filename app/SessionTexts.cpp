#include "app/SessionTexts.h"

#include <QCoreApplication>
#include <cstring>

namespace mirel {
namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("SessionTexts", text);
}

QString reasonOf(const SessionFailure& failure) {
    const QString detail = QString::fromStdString(failure.detail);
    switch (failure.error) {
        case SessionError::kNotASession:
            return tr("Mirel のセッションファイルではありません");
        case SessionError::kUnreadable:
            return tr("読み込めません（%1）").arg(detail);
        case SessionError::kTruncated:
            return tr("ファイルが途中で切れています");
        case SessionError::kChecksum:
            return tr("ファイルが壊れています（チェックサムが一致しません）");
        case SessionError::kNewerVersion:
            return tr("新しい版の Mirel で保存されたファイルです（形式 %1）").arg(detail);
        case SessionError::kUnknownSection:
            return tr("この版の Mirel が知らない部分（%1）を含んでいます").arg(detail);
        case SessionError::kDamaged:
            break;
    }
    return tr("ファイルの内容が壊れています（%1）").arg(detail);
}

}  // namespace

QString sessionFailureText(const QString& path, const SessionFailure& failure) {
    return tr("ファイル %1 を開けません。\n%2。").arg(path, reasonOf(failure));
}

QString sessionSaveFailureText(const QString& path, const FileWriteResult& result) {
    const QString reason = QString::fromLocal8Bit(std::strerror(result.error));
    return tr("ファイル %1 "
              "に保存できませんでした（%2）。\n前に保存したファイルはそのまま残っています。")
        .arg(path, reason);
}

QString filesNotSavedText(const std::vector<std::string>& paths) {
    QString list;
    for (const std::string& path : paths)
        list += QStringLiteral("\n") + QString::fromStdString(path);
    return tr("顔情報の一部を出力できませんでした。次のファイルは保存されていません：%1").arg(list);
}

}  // namespace mirel
