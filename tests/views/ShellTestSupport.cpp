#include "ShellTestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "FixtureBank.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"

namespace mirel::test {
namespace {

constexpr int kWaitMilliseconds = 1000;

// The offscreen platform's screen is 800 x 800 unless configured; the
// shell's layout is made for desktops like 1280 x 1024.
constexpr const char* kOffscreenConfig = R"({
  "synchronousWindowSystemEvents": false,
  "windowFrameMargins": %1,
  "screens": [{"name": "test", "x": 0, "y": 0, "width": 1280, "height": 1024,
               "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]
})";

void configureOffscreenScreen(WindowFrames frames) {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && platform != "offscreen") return;
    // Test programs start side by side: write a private copy, then rename it
    // over the shared name, so no reader ever sees a half-written file.
    const auto folder = std::filesystem::temp_directory_path();
    const bool framed = frames == WindowFrames::Bordered;
    const auto config =
        folder / (framed ? "mirel-offscreen-1280x1024-framed.json" : "mirel-offscreen-1280x1024.json");
    const auto draft =
        folder / ("mirel-offscreen-" + std::to_string(QCoreApplication::applicationPid()) + ".json");
    std::ofstream(draft)
        << QString::fromLatin1(kOffscreenConfig).arg(framed ? "true" : "false").toStdString();
    std::filesystem::rename(draft, config);
    qputenv("QT_QPA_PLATFORM", QByteArray("offscreen:configfile=") + config.string().c_str());
}

}  // namespace

void ensureApplication(WindowFrames frames) {
    if (QApplication::instance() != nullptr) return;
    configureOffscreenScreen(frames);
    // Recent files and other settings go to a throw-away test location.
    QStandardPaths::setTestModeEnabled(true);
    static int argc = 1;
    static char name[] = "mirel-gui-test";
    static char* argv[] = {name, nullptr};
    // Never destroyed: a QApplication torn down among the static
    // destructors at exit outlives parts of Qt it needs.
    new QApplication(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("mirel-test"));
    QApplication::setApplicationName(QStringLiteral("Mirel"));
}

bool waitUntil(const std::function<bool()>& done) {
    QElapsedTimer timer;
    timer.start();
    while (!done() && timer.elapsed() < kWaitMilliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return done();
}

Shell::Shell(bool openDocument) : workingDir_(folder_.path()) {
    ensureApplication();
    writeFixtureBank(folder_.path());
    // Each shell keeps its recent files in its own folder, so tests running
    // side by side never see each other's.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString((folder_.path() / "settings").string()));
    mainFrame_ = std::make_unique<CMainFrame>([this] { return now_; });
    // Recovery files stay in the test's folder, never in the user's.
    mainFrame_->setRecoveryFolder(QString::fromStdString((folder_.path() / "recovery").string()));
    mainFrame_->setMessagePresenter(
        [this](MessageKind kind, const QString& caption, const QString& text) {
            messages_.push_back({kind, caption, text});
        });
    // A question nobody expected must not wait for an answer that never comes.
    mainFrame_->setQuestionPresenter([](const QString& text, QMessageBox::StandardButtons buttons) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return buttons.testFlag(QMessageBox::Discard) ? QMessageBox::Discard : QMessageBox::No;
    });
    if (openDocument) firstFrame_ = mainFrame_->newDocument();
    mainFrame_->show();
    mainFrame_->activateWindow();
    (void)QTest::qWaitForWindowActive(mainFrame_.get());
    if (firstFrame_ != nullptr) firstFrame_->activateView(kGridView);
    QCoreApplication::processEvents();
}

Shell::~Shell() {
    mainFrame_.reset();
    QCoreApplication::processEvents();
}

}  // namespace mirel::test
