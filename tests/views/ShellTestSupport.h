#pragma once
// A running shell for the GUI tests: the application object, a fixture
// sample bank in a fresh working folder, a main frame whose message boxes
// are recorded instead of shown, and the clock under the test's control.

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

#include "TempDir.h"
#include "document/DocumentHost.h"

class QWidget;

// Lets failures show Qt strings as text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace mirel {
class CChildFrame;
class CMainFrame;
}  // namespace mirel

namespace mirel::test {

// Whether top-level windows get borders and a title bar, as a window manager
// gives them, or none.
enum class WindowFrames { None, Bordered };

// The one QApplication of the test program (offscreen unless told otherwise);
// `frames` counts only for the first call.
void ensureApplication(WindowFrames frames = WindowFrames::None);

// Processes events until `done` holds or a second has passed; returns `done()`.
bool waitUntil(const std::function<bool()>& done);

struct ShownMessage {
    MessageKind kind;
    QString caption;
    QString text;
};

class Shell {
public:
    // Writes the bank, gives the settings store a fresh folder, shows the
    // main frame and makes it the active window;
    // `openDocument` also opens the first document, as start-up does.
    explicit Shell(bool openDocument = true);
    ~Shell();
    Shell(const Shell&) = delete;
    Shell& operator=(const Shell&) = delete;

    CMainFrame& mainFrame() { return *mainFrame_; }
    CChildFrame* firstFrame() const { return firstFrame_; }
    const TempDir& folder() const { return folder_; }
    std::vector<ShownMessage>& messages() { return messages_; }
    void setNow(std::int32_t now) { now_ = now; }

private:
    TempDir folder_;
    ScopedWorkingDir workingDir_;
    std::int32_t now_ = 1000;
    std::vector<ShownMessage> messages_;
    std::unique_ptr<CMainFrame> mainFrame_;
    CChildFrame* firstFrame_ = nullptr;
};

}  // namespace mirel::test
