// File ▸ 書き出し: the face of window 2 as a PNG, SVG or PDF picture of a
// size the user picks, beside the fixed files of the save command.
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QStatusBar>

#include "app/AppFolders.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/Language.h"
#include "app/LastFolders.h"
#include "app/MainFrameActions.h"
#include "document/CMirelDoc.h"
#include "output/PictureExport.h"

namespace mirel {
namespace {

constexpr int kSmallestAskedSize = 16;
constexpr int kSizeStep = 100;
constexpr int kStatusMessageMs = 5000;

struct FilterFormat {
    const char* suffix;
    PictureFormat format;
};
constexpr FilterFormat kFilterFormats[] = {
    {"png", PictureFormat::Png},
    {"svg", PictureFormat::Svg},
    {"pdf", PictureFormat::Pdf},
};

}  // namespace

bool CMainFrame::exportDetailFace(const QString& path, int size) {
    CChildFrame* frame = activeChildFrame();
    if (frame == nullptr) return false;
    const auto format = pictureFormatOf(path.toStdString());
    const auto failure =
        format ? ExportPicture(frame->document().theFace(), size, *format, path.toStdString())
               : std::optional<std::string>(kPictureSaveFailed);
    if (failure) {
        showMessage(MessageKind::Error, kAppName,
                    translateCoreText(failure->c_str()) + QLatin1Char('\n') + path);
        return false;
    }
    statusBar()->showMessage(tr("%1 に書き出しました").arg(QDir::toNativeSeparators(path)),
                             kStatusMessageMs);
    return true;
}

void CMainFrame::fileExport() {
    if (activeChildFrame() == nullptr) return;
    bool accepted = false;
    const int size = QInputDialog::getInt(this, tr("書き出し"), tr("画像の大きさ（ピクセル）:"),
                                          kDefaultPictureSize, kSmallestAskedSize, kMaxPictureSize,
                                          kSizeStep, &accepted);
    if (!accepted) return;

    const QStringList filters = {tr("PNG 画像 (*.png)"), tr("SVG 画像 (*.svg)"),
                                 tr("PDF 文書 (*.pdf)")};
    const QString folder = appFolders().output;
    const QString start =
        lastFolder(DialogFolder::Exports, QFileInfo(folder).isDir() ? folder : QDir::homePath());
    QString chosenFilter = filters.front();
    QString path = QFileDialog::getSaveFileName(this, tr("書き出し"),
                                                QDir(start).filePath(QStringLiteral("mirel.png")),
                                                filters.join(QStringLiteral(";;")), &chosenFilter);
    if (path.isEmpty()) return;
    rememberFolder(DialogFolder::Exports, path);
    // A name typed without a known extension gets the chosen filter's.
    if (!pictureFormatOf(path.toStdString())) {
        const qsizetype chosen = filters.indexOf(chosenFilter);
        const FilterFormat& format = kFilterFormats[chosen < 0 ? 0 : chosen];
        path += QLatin1Char('.') + QLatin1String(format.suffix);
    }
    exportDetailFace(path, size);
}

}  // namespace mirel
