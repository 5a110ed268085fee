#include "app/SessionTexts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace mirel {
namespace {

QString reasonOf(const SessionFailure& failure) {
    const QString detail = QString::fromStdString(failure.detail);
    switch (failure.error) {
        case SessionError::kNotASession:
            return QCoreApplication::translate("SessionTexts",
                                               "Mirel のセッションファイルではありません");
        case SessionError::kUnreadable:
            return QCoreApplication::translate("SessionTexts", "読み込めません（%1）").arg(detail);
        case SessionError::kTruncated:
            return QCoreApplication::translate("SessionTexts", "ファイルが途中で切れています");
        case SessionError::kChecksum:
            return QCoreApplication::translate(
                "SessionTexts", "ファイルが壊れています（チェックサムが一致しません）");
        case SessionError::kNewerVersion:
            return QCoreApplication::translate(
                       "SessionTexts", "新しい版の Mirel で保存されたファイルです（形式 %1）")
                .arg(detail);
        case SessionError::kUnknownSection:
            return QCoreApplication::translate("SessionTexts",
                                               "この版の Mirel が知らない部分（%1）を含んでいます")
                .arg(detail);
        case SessionError::kTooLarge:
            return QCoreApplication::translate(
                       "SessionTexts", "セッションファイルとしては大きすぎます（%1 バイト）")
                .arg(detail);
        case SessionError::kDamaged:
            break;
    }
    return QCoreApplication::translate("SessionTexts", "ファイルの内容が壊れています（%1）")
        .arg(detail);
}

}  // namespace

QString sessionFailureText(const QString& path, const SessionFailure& failure) {
    return QCoreApplication::translate("SessionTexts", "ファイル %1 を開けません。\n%2。")
        .arg(path, reasonOf(failure));
}

QString sessionSaveFailureText(const QString& path, const FileWriteResult& result, bool replacing) {
    const QString reason = QString::fromLocal8Bit(std::strerror(result.error));
    if (!replacing) {
        return QCoreApplication::translate("SessionTexts",
                                           "ファイル %1 に保存できませんでした（%2）。")
            .arg(path, reason);
    }
    return QCoreApplication::translate(
               "SessionTexts",
               "ファイル %1 "
               "に保存できませんでした（%2）。\n前に保存したファイルはそのまま残っています。")
        .arg(path, reason);
}

QString filesNotSavedText(const std::vector<std::string>& paths) {
    QString list;
    for (const std::string& path : paths)
        list += QStringLiteral("\n") + QString::fromStdString(path);
    return QCoreApplication::translate(
               "SessionTexts",
               "顔情報の一部を出力できませんでした。次のファイルは保存されていません：%1")
        .arg(list);
}

QString outputFolderUnusableText(const std::string& folder, int error) {
    // Absolute, so that the user can find the folder a relative name means.
    const QString shown =
        QDir::toNativeSeparators(QFileInfo(QString::fromStdString(folder)).absoluteFilePath());
    const QString reason = QString::fromLocal8Bit(std::strerror(error));
    return QCoreApplication::translate(
               "SessionTexts",
               "出力フォルダー %1 に書き込めません（%2）。\n顔情報は保存されていません。")
        .arg(shown, reason);
}

}  // namespace mirel
