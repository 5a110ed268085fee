// Mirel: an interactive portrait maker. Start-up creates the main frame and
// one new document (or opens the file named on the command line).

#include <QApplication>
#include <QMessageBox>
#include <QStringList>

#include <string_view>

#include "app/CMainFrame.h"
#include "app/Translations.h"
#include "face/FatalError.h"

namespace {

const QString kSettingsKey =
    QStringLiteral("アプリケーション ウィザードで生成されたローカル アプリケーション");

void showFatalMessage(std::string_view caption, std::string_view text) {
    QMessageBox::critical(nullptr,
                          QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const mirel::Translations translations;
    mirel::setFatalReporter(&showFatalMessage);

    QApplication::setOrganizationName(kSettingsKey);
    QApplication::setApplicationName(QStringLiteral("Mirel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));

    mirel::CMainFrame mainFrame;

    // Without arguments a new document; with a file name, that file (a
    // document file stores nothing, so it gives a fresh document as well).
    const QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.isEmpty()) {
        mainFrame.newDocument(mirel::LoadFailurePolicy::EndProcess);
    } else if (mainFrame.openDocument(arguments.front(), mirel::LoadFailurePolicy::EndProcess) ==
               nullptr) {
        return 1;
    }

    mainFrame.show();
    // Without a window manager nobody else gives the new window the keyboard.
    mainFrame.activateWindow();
    return QApplication::exec();
}
