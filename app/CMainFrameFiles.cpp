// The main frame's file commands: open, save, save as, the question before a
// document closes, quitting, and the offer to reopen what a crash left.
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMdiArea>
#include <QPushButton>
#include <cerrno>
#include <cstring>
#include <new>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/DocumentFrames.h"
#include "app/FileNames.h"
#include "app/LastFolders.h"
#include "app/MainFrameActions.h"
#include "app/RecoveryFiles.h"
#include "app/SessionTexts.h"
#include "document/CMirelDoc.h"

namespace mirel {
namespace {

QString sessionFilter() {
    return CMainFrame::tr("Mirel セッション (*%1)").arg(QString::fromLatin1(kSessionExtension)) +
           QStringLiteral(";;") + CMainFrame::tr("すべてのファイル (*)");
}

}  // namespace

CChildFrame* CMainFrame::openDocument(const QString& path, LoadFailurePolicy policy) {
    return openDocumentFile(QFile::encodeName(path), policy);
}

CChildFrame* CMainFrame::openDocumentFile(const QByteArray& nativePath, LoadFailurePolicy policy) {
    const QString path = QFile::decodeName(nativePath);
    // A name Qt cannot spell again is kept neither in the recent-file list nor
    // as the document's path, so that saving asks for a name.
    const bool spellable = QFile::encodeName(path) == nativePath;
    auto read = readSessionFile(std::filesystem::path(nativePath.toStdString()));
    std::unique_ptr<CMirelDoc> document;
    bool isSession = false;
    if (auto* session = std::get_if<Session>(&read)) {
        try {
            document = std::make_unique<CMirelDoc>(std::move(*session), clock_);
        } catch (const std::bad_alloc&) {
            // The open documents stay; only this one is not opened.
            showMessage(
                MessageKind::Error, kAppName,
                sessionFailureText(path, {SessionError::kUnreadable, std::strerror(ENOMEM)}));
            return nullptr;
        }
        isSession = true;
    } else if (const auto& failure = std::get<SessionFailure>(read);
               failure.error != SessionError::kNotASession) {
        if (failure.error == SessionError::kUnreadable) {
            recentFiles_.remove(path);
            updateRecentFileActions();
        }
        showMessage(MessageKind::Error, kAppName, sessionFailureText(path, failure));
        return nullptr;
    } else {
        // Any other file gives a fresh document, which is not tied to that
        // file: saving it asks for a name rather than overwrite the file.
        document = createDocument(policy);
        if (!document) return nullptr;
    }
    if (spellable) {
        recentFiles_.add(path);
        updateRecentFileActions();
    }
    CChildFrame* frame = addChildFrame(std::move(document), QFileInfo(path).fileName());
    if (isSession && spellable) frame->setPathName(QFileInfo(path).absoluteFilePath());
    return frame;
}

void CMainFrame::fileOpen() {
    const QString path = QFileDialog::getOpenFileName(
        this, tr("開く"), lastFolder(DialogFolder::Sessions, QString()), sessionFilter());
    if (path.isEmpty()) return;
    rememberFolder(DialogFolder::Sessions, path);
    openDocument(path);
}

void CMainFrame::fileClose() {
    CChildFrame* active = activeChildFrame();
    if (active == nullptr) return;
    // Asked before any of the document's frames closes, so that Cancel keeps them all.
    if (!maySaveBeforeClosing(*active)) return;
    active->document().setModified(false);  // saved, or the changes given up
    const QList<CChildFrame*> frames = active->documentFrames()->frames();
    for (CChildFrame* frame : frames) {
        if (frame != active) frame->close();
    }
    active->close();
}

void CMainFrame::fileSave() {
    if (CChildFrame* frame = activeChildFrame()) saveFrame(*frame, false);
}

void CMainFrame::fileSaveAs() {
    if (CChildFrame* frame = activeChildFrame()) saveFrame(*frame, true);
}

QString CMainFrame::askSavePath(const CChildFrame& frame) {
    const QString extension = QString::fromLatin1(kSessionExtension);
    // A document saved before suggests its own file; a new one, the last folder used.
    const QString newName = frame.documentTitle() + extension;
    const QString folder = lastFolder(DialogFolder::Sessions, QString());
    const QString suggested = !frame.pathName().isEmpty() ? frame.pathName()
                              : folder.isEmpty()          ? newName
                                                          : QDir(folder).filePath(newName);
    QString path =
        QFileDialog::getSaveFileName(this, tr("名前を付けて保存"), suggested, sessionFilter());
    if (path.isEmpty()) return path;
    if (QFileInfo(path).suffix().isEmpty()) path += extension;
    rememberFolder(DialogFolder::Sessions, path);
    return path;
}

bool CMainFrame::saveFrame(CChildFrame& frame, bool askName) {
    QString path = frame.pathName();
    if (askName || path.isEmpty()) path = askSavePath(frame);
    if (path.isEmpty()) return false;
    const bool replacing = QFileInfo::exists(path);
    const FileWriteResult result = frame.saveDocumentFile(path);
    if (!result.written()) {
        showMessage(MessageKind::Error, kAppName, sessionSaveFailureText(path, result, replacing));
        return false;
    }
    recentFiles_.add(frame.pathName());
    updateRecentFileActions();
    updateActions();
    return true;
}

bool CMainFrame::maySaveBeforeClosing(CChildFrame& frame) {
    if (!frame.document().isModified()) return true;
    const QMessageBox::StandardButton answer =
        ask(tr("%1 への変更を保存しますか？").arg(frame.documentTitle()),
            QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    if (answer == QMessageBox::Save) return saveFrame(frame, false);
    return answer == QMessageBox::Discard;
}

QMessageBox::StandardButton CMainFrame::ask(const QString& text,
                                            QMessageBox::StandardButtons buttons) {
    if (questioner_) return questioner_(text, buttons);
    QMessageBox box(QMessageBox::Question, kAppName, text, buttons, this);
    const std::pair<QMessageBox::StandardButton, QString> names[] = {
        {QMessageBox::Save, tr("保存する")},     {QMessageBox::Discard, tr("保存しない")},
        {QMessageBox::Cancel, tr("キャンセル")}, {QMessageBox::Yes, tr("はい")},
        {QMessageBox::No, tr("いいえ")},
    };
    for (const auto& [button, name] : names) {
        if (QAbstractButton* shown = box.button(button)) shown->setText(name);
    }
    box.setDefaultButton(buttons.testFlag(QMessageBox::Save) ? QMessageBox::Save
                                                             : QMessageBox::Yes);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Every modified document is asked about before any window closes, so
    // that Cancel, whenever it comes, keeps them all open.
    QList<CMirelDoc*> answered;
    for (CChildFrame* frame : childFrames()) {
        CMirelDoc* document = &frame->document();
        if (!document->isModified() || answered.contains(document)) continue;
        if (!maySaveBeforeClosing(*frame)) {
            event->ignore();
            return;
        }
        answered << document;
    }
    for (CMirelDoc* document : answered) document->setModified(false);  // saved or given up
    mdiArea_->closeAllSubWindows();
    event->accept();
}

int CMainFrame::offerRecovery() {
    const QStringList files = orphanedRecoveryFiles(recoveryFolder_);
    if (files.isEmpty()) return 0;
    const QMessageBox::StandardButton answer =
        ask(tr("前回 Mirel が正常に終了しなかったため、保存されていない作業が %n 件残っています。\n"
               "開きますか？（開かない場合、残っていた作業は削除されます）",
               nullptr, static_cast<int>(files.size())),
            QMessageBox::Yes | QMessageBox::No);
    int reopened = 0;
    for (const QString& file : files) {
        if (answer != QMessageBox::Yes) {
            QFile::remove(file);
            continue;
        }
        auto read = readSessionFile(localPath(file));
        if (const auto* failure = std::get_if<SessionFailure>(&read)) {
            showMessage(MessageKind::Error, kAppName, sessionFailureText(file, *failure));
            QFile::remove(file);
            continue;
        }
        Session& session = std::get<Session>(read);
        const QString documentPath = qtPath(session.documentPath);
        std::unique_ptr<CMirelDoc> document;
        try {
            document = std::make_unique<CMirelDoc>(std::move(session), clock_);
        } catch (const std::bad_alloc&) {
            // Kept for the next start, when there may be memory for it.
            showMessage(
                MessageKind::Error, kAppName,
                sessionFailureText(file, {SessionError::kUnreadable, std::strerror(ENOMEM)}));
            continue;
        }
        document->setModified(true);
        const QString title = documentPath.isEmpty() ? kAppName + QString::number(++untitledCount_)
                                                     : QFileInfo(documentPath).fileName();
        CChildFrame* frame = addChildFrame(std::move(document), title);
        if (!documentPath.isEmpty()) frame->setPathName(documentPath);
        // The reopened work stays recoverable until it is saved or closed.
        const QString adopted = qtPath(frame->document().recoveryFile());
        if (adopted.isEmpty() || !QFile::rename(file, adopted)) QFile::remove(file);
        ++reopened;
    }
    return reopened;
}

}  // namespace mirel
