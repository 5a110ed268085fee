// Sessions in the running shell: the question before closing and quitting, a
// saved session reopened with the same pixels, a failed save, the recovery offer.
#include <gtest/gtest.h>

#include <QLabel>
#include <QMdiArea>
#include <QTest>
#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "ShellTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "document/CMirelDoc.h"
#include "views/MirelView.h"

namespace mirel {
namespace {

namespace fs = std::filesystem;

QString qt(const fs::path& path) {
    return QString::fromStdString(path.string());
}

// Records each question and gives `answer`.
struct Answers {
    explicit Answers(test::Shell& shell, QMessageBox::StandardButton answer) {
        shell.mainFrame().setQuestionPresenter(
            [this, answer](const QString& text, QMessageBox::StandardButtons) {
                asked << text;
                return answer;
            });
    }
    QStringList asked;
};

bool frameOpen(const CChildFrame* frame, test::Shell& shell) {
    return shell.mainFrame().childFrames().contains(const_cast<CChildFrame*>(frame)) &&
           frame->isVisible();
}

TEST(SessionShellTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
    const struct {
        const char* what;
        bool modified;
        QMessageBox::StandardButton answer;
        bool asked, closed, saved;
    } cases[] = {
        {"unmodified", false, QMessageBox::Cancel, false, true, false},
        {"cancel", true, QMessageBox::Cancel, true, false, false},
        {"discard", true, QMessageBox::Discard, true, true, false},
        {"save", true, QMessageBox::Save, true, true, true},
    };
    for (const auto& c : cases) {
        test::Shell shell;
        Answers answers(shell, c.answer);
        CChildFrame* frame = shell.firstFrame();
        const fs::path file = shell.folder().path() / "kept.mirel";
        frame->setPathName(qt(file));
        frame->document().setModified(c.modified);
        shell.mainFrame().mdiArea()->closeActiveSubWindow();
        QCoreApplication::processEvents();
        EXPECT_EQ(answers.asked.size(), c.asked ? 1 : 0) << c.what;
        if (c.asked) {
            EXPECT_TRUE(answers.asked[0].contains(QStringLiteral("Mirel1"))) << c.what;
        }
        EXPECT_EQ(!frameOpen(frame, shell), c.closed) << c.what;
        EXPECT_EQ(fs::exists(file), c.saved) << c.what;
    }
}

TEST(SessionShellTest, QuittingAsksForEachModifiedDocumentAndCancelKeepsMirelRunning) {
    test::Shell shell;
    CChildFrame* second = shell.mainFrame().newDocument();
    CChildFrame* third = shell.mainFrame().newDocument();
    ASSERT_NE(third, nullptr);
    second->document().setModified(true);
    third->document().setModified(true);
    {
        Answers answers(shell, QMessageBox::Cancel);
        EXPECT_FALSE(shell.mainFrame().close());
        EXPECT_EQ(answers.asked.size(), 1) << "the first Cancel ends the quitting";
        for (const CChildFrame* frame : {shell.firstFrame(), second, third}) {
            EXPECT_TRUE(frameOpen(frame, shell));
        }
        EXPECT_TRUE(shell.mainFrame().isVisible());
    }
    Answers answers(shell, QMessageBox::Discard);
    EXPECT_TRUE(shell.mainFrame().close());
    EXPECT_EQ(answers.asked.size(), 2) << "each modified document once";
    EXPECT_TRUE(shell.mainFrame().childFrames().isEmpty() ||
                !shell.mainFrame().childFrames().front()->isVisible());
}

class SessionRoundTrip : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(shell_.firstFrame(), nullptr);
        ASSERT_TRUE(test::waitUntil([this] { return doc().cellSize > 0; }));
    }
    CMirelDoc& doc() { return shell_.mainFrame().activeChildFrame()->document(); }
    MirelView* view(int n) { return shell_.mainFrame().activeChildFrame()->view(n); }
    QPoint cellCentre(int cell) {
        const int size = doc().cellSize;
        return {size * (cell % 5) + size / 2, size * (cell / 5) + size / 2};
    }
    void press(Qt::Key key) { QTest::keyClick(view(kGridView), key); }

    test::Shell shell_;
};

TEST_F(SessionRoundTrip, ASavedSessionReopensWithTheSamePixelsStatusAndGenerations) {
    for (int g = 0; g < 3; ++g) {
        QTest::mouseDClick(view(kGridView), Qt::LeftButton, Qt::NoModifier, cellCentre(g + 4));
        press(Qt::Key_Return);
    }
    QTest::mouseDClick(view(kGridView), Qt::LeftButton, Qt::NoModifier, cellCentre(7));
    press(Qt::Key_Up);
    QTest::mouseMove(view(kGridView), cellCentre(12));
    ASSERT_TRUE(test::waitUntil([this] { return doc().marks().hoverIndex == 12; }));
    // On the way to the menu window 2 shows the chosen face again, as it
    // does once the session is reopened.
    doc().SetPointerOverGrid(false);
    QCoreApplication::processEvents();
    const auto picture = [this](int n) { return view(n)->grab().toImage(); };
    const QImage before[] = {picture(1), picture(2), picture(3)};
    const QString status = shell_.mainFrame().generationPane()->text();

    const fs::path file = shell_.folder().path() / "portrait.mirel";
    ASSERT_TRUE(shell_.firstFrame()->saveDocumentFile(qt(file)).written());
    shell_.mainFrame().mdiArea()->closeActiveSubWindow();
    ASSERT_TRUE(test::waitUntil([this] { return shell_.mainFrame().childFrames().isEmpty(); }));

    CChildFrame* opened = shell_.mainFrame().openDocument(qt(file));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral("portrait.mirel"));
    ASSERT_TRUE(test::waitUntil([this] { return doc().cellSize > 0; }));
    QCoreApplication::processEvents();
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(picture(n), before[n - 1]) << "window " << n;
    EXPECT_EQ(shell_.mainFrame().generationPane()->text(), status);
    EXPECT_EQ(doc().generationCount(), 3);
    press(Qt::Key_Down);
    EXPECT_EQ(doc().viewedGeneration, 3);
    press(Qt::Key_Up);
    press(Qt::Key_Up);
    EXPECT_EQ(doc().viewedGeneration, 1);

    // The command-line tool draws the page as window 1 does.
    const fs::path tool = shell_.folder().path() / "tool.png";
    const std::string command = std::string("'") + MIREL_RENDER_TOOL + "' grid '" + tool.string() +
                                "' --session '" + file.string() + "' --generation 1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const QImage drawn(qt(tool));
    const int cell = doc().cellSize;
    ASSERT_EQ(drawn.size(), QSize(5 * cell, 4 * cell));
    EXPECT_EQ(drawn.convertToFormat(QImage::Format_RGB32),
              picture(1).copy(0, 0, 5 * cell, 4 * cell).convertToFormat(QImage::Format_RGB32));
}

TEST_F(SessionRoundTrip, AFailedSaveNamesTheFileAndKeepsTheDocumentModified) {
    QTest::mouseDClick(view(kGridView), Qt::LeftButton, Qt::NoModifier, cellCentre(1));
    CChildFrame& frame = *shell_.firstFrame();
    const fs::path file = shell_.folder().path() / "missing folder" / "p.mirel";
    frame.setPathName(qt(file));
    EXPECT_FALSE(shell_.mainFrame().saveFrame(frame, false));
    ASSERT_EQ(shell_.messages().size(), 1u);
    EXPECT_EQ(shell_.messages()[0].kind, MessageKind::Error);
    EXPECT_TRUE(shell_.messages()[0].text.contains(qt(file)));
    EXPECT_FALSE(shell_.messages()[0].text.contains(QStringLiteral("そのまま")))
        << "no file was there to be left as it was";
    EXPECT_TRUE(doc().isModified());
    EXPECT_EQ(frame.windowTitle(), QStringLiteral("Mirel1"));
}

TEST_F(SessionRoundTrip, WorkLeftByAProcessThatDiedIsOfferedAndReopened) {
    QTest::mouseDClick(view(kGridView), Qt::LeftButton, Qt::NoModifier, cellCentre(1));
    press(Qt::Key_Return);
    const fs::path folder = shell_.folder().path() / "recovery";
    const fs::path own = fs::path(doc().recoveryFile());
    // Written once the new generation is on the screen, right after the paint.
    view(kGridView)->repaint();
    QCoreApplication::processEvents();
    ASSERT_TRUE(fs::exists(own));
    EXPECT_EQ(fs::status(own).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    // What a killed Mirel leaves: a file named after a process that is gone.
    const fs::path orphan = folder / "999999999-1.mirel";
    fs::copy_file(own, orphan);
    // One named after a running process that started after it was written
    // (its id used again, as after a reboot), and one this process wrote.
    const auto pid = QCoreApplication::applicationPid();
    const fs::path reused = folder / (std::to_string(pid) + "-77.mirel");
    fs::copy_file(own, reused);
    fs::last_write_time(reused, fs::file_time_type::clock::now() - std::chrono::hours(48));
    const fs::path running = folder / (std::to_string(pid) + "-78.mirel");
    fs::copy_file(own, running);

    Answers answers(shell_, QMessageBox::Yes);
    EXPECT_EQ(shell_.mainFrame().offerRecovery(), 2)
        << "the running process's own files are not offered";
    EXPECT_EQ(answers.asked.size(), 1);
    EXPECT_TRUE(fs::exists(running));
    fs::remove(running);
    ASSERT_EQ(shell_.mainFrame().childFrames().size(), 3);
    CMirelDoc& recovered = shell_.mainFrame().childFrames()[1]->document();
    EXPECT_EQ(recovered.generationCount(), 1);
    EXPECT_TRUE(recovered.isModified());
    EXPECT_FALSE(fs::exists(orphan));
    EXPECT_TRUE(fs::exists(recovered.recoveryFile())) << "still recoverable until saved or closed";

    fs::copy_file(own, orphan);
    Answers refused(shell_, QMessageBox::No);
    EXPECT_EQ(shell_.mainFrame().offerRecovery(), 0);
    EXPECT_FALSE(fs::exists(orphan));

    // A clean close leaves nothing behind.
    for (CChildFrame* frame : shell_.mainFrame().childFrames()) {
        frame->document().setModified(false);
    }
    shell_.mainFrame().mdiArea()->closeAllSubWindows();
    ASSERT_TRUE(test::waitUntil([this] { return shell_.mainFrame().childFrames().isEmpty(); }));
    EXPECT_TRUE(fs::is_empty(folder));
}

}  // namespace
}  // namespace mirel
