// Mirel: an interactive portrait maker. Start-up creates the main frame and
// one new document (or opens the file named on the command line).

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QIcon>
#include <QMessageBox>
#include <QStringList>

#include <algorithm>
#include <cstdio>
#include <string_view>

#include "app/CMainFrame.h"
#include "app/FolderCarryOver.h"
#include "app/Language.h"
#include "app/RecoveryFiles.h"
#include "app/Translations.h"
#include "face/FatalError.h"

namespace {

constexpr int kExitUsage = 2;

constexpr const char kUsage[] =
    "usage: mirel [--lang ja|en] [FILE]\n"
    "\n"
    "Mirel shows line-drawn faces twenty at a time: double-click the ones that\n"
    "look like the person you have in mind and press Enter, and an interactive\n"
    "genetic algorithm breeds the next generation from your marks.\n"
    "\n"
    "FILE       a saved session (.mirel) to open; without it, a new document\n"
    "           (or the work a crash left, if you choose to reopen it)\n"
    "--lang L   the interface for this run: ja (Japanese) or en (English);\n"
    "           without it, the language chosen in the menu (Japanese at first)\n"
    "--help     prints this text and exits\n"
    "\n"
    "Qt's own options, such as -platform NAME, are accepted too. The sample\n"
    "faces are read from Data/ in the working directory, else from the installed\n"
    "share/mirel/Data; saved files go to Output/ in the working directory when\n"
    "it holds Data/ or Output/, else to Mirel/ in your pictures folder.\n";

// Asked for before the application object exists, so that the usage needs no
// display (help2man and a terminal without one both read it).
bool wantsUsage(int argc, char* argv[]) {
    return std::any_of(argv + 1, argv + argc, [](const char* arg) {
        const std::string_view text(arg);
        return text == "--help" || text == "-h";
    });
}

void showFatalMessage(std::string_view caption, std::string_view text) {
    // Also on stderr: started from a launcher or a script, the box may be all
    // there is, and from a terminal the text outlives it.
    std::fprintf(stderr, "%.*s: %.*s\n", static_cast<int>(caption.size()), caption.data(),
                 static_cast<int>(text.size()), text.data());
    QMessageBox::critical(nullptr,
                          QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())),
                          QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

// The command line's own bytes for `argument`: QApplication::arguments()
// decodes them lossily, which would change a name that is not valid in the
// locale's encoding into one that does not exist.
QByteArray nativeArgument(const QString& argument, int argc, char* argv[]) {
    for (int k = 1; k < argc; ++k) {
        if (QFile::decodeName(argv[k]) == argument) return QByteArray(argv[k]);
    }
    return QFile::encodeName(argument);
}

QIcon applicationIcon() {
    QIcon bundled;
    for (const char* size : {"32", "64", "256"}) {
        bundled.addFile(QStringLiteral(":/icons/mirel-%1.png").arg(QLatin1String(size)));
    }
    return QIcon::fromTheme(QStringLiteral("org.mirel.Mirel"), bundled);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (wantsUsage(argc, argv)) {
        std::fputs(kUsage, stdout);
        return 0;
    }
    QApplication app(argc, argv);
    mirel::setFatalReporter(&showFatalMessage);

    // ~/.config/Mirel and ~/.local/share/Mirel.
    QApplication::setOrganizationName(QStringLiteral("Mirel"));
    QApplication::setApplicationName(QStringLiteral("Mirel"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.mirel.Mirel"));
    QApplication::setWindowIcon(applicationIcon());

    mirel::carryOverFormerFolders(mirel::defaultRecoveryFolder());

    // --lang chooses the interface for this run; otherwise the one kept in the settings.
    QStringList arguments = QApplication::arguments().mid(1);
    const mirel::LanguageArgument language = mirel::takeLanguageArgument(arguments);
    if (!language.error.isEmpty()) {
        std::fprintf(stderr, "mirel: %s\n", qPrintable(language.error));
        return kExitUsage;
    }
    mirel::UiLanguage shown = language.language.value_or(mirel::savedLanguage());
    if (!mirel::installTranslations(app, shown)) {
        std::fprintf(stderr, "mirel: no English translation in %s; the interface stays Japanese\n",
                     qPrintable(mirel::translationsFolder()));
        shown = mirel::UiLanguage::Japanese;
    }
    // Qt's own texts (dialogs, buttons) in the same language as Mirel's.
    const mirel::Translations qtTexts(mirel::languageCode(shown));

    mirel::CMainFrame mainFrame;

    // What a crash left comes first; then, without arguments, a new document
    // unless work was reopened; with a file name, that session (any other
    // file gives a fresh document).
    const int reopened = mainFrame.offerRecovery();
    if (arguments.isEmpty()) {
        if (reopened == 0) mainFrame.newDocument(mirel::LoadFailurePolicy::EndProcess);
    } else if (mainFrame.openDocumentFile(nativeArgument(arguments.front(), argc, argv),
                                          mirel::LoadFailurePolicy::EndProcess) == nullptr &&
               reopened == 0) {
        return 1;
    }

    mainFrame.show();
    // Without a window manager nobody else gives the new window the keyboard.
    mainFrame.activateWindow();
    return QApplication::exec();
}
