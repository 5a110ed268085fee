#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

#include "ShellTestSupport.h"
#include "app/AboutBox.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CViewExSplitWnd.h"
#include "app/DocumentFrames.h"
#include "app/FrameLayout.h"
#include "app/MarkCountPane.h"
#include "app/Translations.h"
#include "document/CMirelDoc.h"
#include "document/SessionFile.h"
#include "views/MirelView.h"

namespace mirel {
namespace {

QStringList visibleMenuTitles(const QMainWindow& window) {
    QStringList titles;
    for (const QAction* action : window.menuBar()->actions()) {
        if (action->isVisible()) titles << action->text();
    }
    return titles;
}

QMenu* visibleMenu(const QMainWindow& window, const QString& title) {
    for (QAction* action : window.menuBar()->actions()) {
        if (action->isVisible() && action->text() == title) return action->menu();
    }
    return nullptr;
}

QStringList actionTexts(const QList<QAction*>& actions) {
    QStringList texts;
    for (const QAction* action : actions) {
        if (action->isSeparator()) {
            texts << QStringLiteral("|");
        } else if (action->isVisible()) {
            texts << action->text();
        }
    }
    return texts;
}

FrameLayout screenLayout() {
    const QSize desktop = QGuiApplication::primaryScreen()->availableGeometry().size();
    return computeFrameLayout(desktop.width(), desktop.height());
}

TEST(ShellTest, MainFrameSitsAtTheOriginSizedFromTheDesktop) {
    test::Shell shell;
    const FrameLayout layout = screenLayout();
    const QRect geometry = shell.mainFrame().geometry();
    EXPECT_EQ(geometry, QRect(0, 0, layout.mainWidth, layout.mainHeight))
        << geometry.x() << "," << geometry.y() << " " << geometry.width() << " x "
        << geometry.height() << " on a desktop of "
        << QGuiApplication::primaryScreen()->availableGeometry().width() << " x "
        << QGuiApplication::primaryScreen()->availableGeometry().height();
    EXPECT_EQ(shell.mainFrame().pos(), QPoint(0, 0)) << "the outer frame at the corner";
    EXPECT_EQ(shell.mainFrame().windowTitle(), QStringLiteral("Mirel - Mirel1[*]"));
}

TEST(ShellTest, ChildFrameAndPanesAreSizedFromTheDesktop) {
    test::Shell shell;
    CChildFrame* frame = shell.firstFrame();
    ASSERT_NE(frame, nullptr);
    const FrameLayout layout = screenLayout();
    EXPECT_EQ(frame->size(), QSize(layout.childWidth, layout.childHeight));
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Mirel1"));
    EXPECT_EQ(frame->view(1)->width(), layout.leftPaneWidth);
    // Window 2 is square: the borders and the bar take their share of the
    // right column's nominal width, and its height follows.
    EXPECT_EQ(frame->view(2)->height(), frame->view(2)->width());
    EXPECT_LE(frame->view(2)->width(), layout.rightPaneHeight);
    EXPECT_EQ(frame->outerSplitter()->orientation(), Qt::Horizontal);
    EXPECT_EQ(frame->innerSplitter()->orientation(), Qt::Vertical);
    EXPECT_EQ(frame->outerSplitter()->widget(0), frame->view(1));
    EXPECT_EQ(frame->innerSplitter()->widget(0), frame->view(2));
    EXPECT_EQ(frame->innerSplitter()->widget(1), frame->view(3));
}

TEST(ShellTest, EachChildFrameIsSizedFromTheDesktopAsItIsWhenMade) {
    test::Shell shell(false);  // the fixture bank and a private settings store
    QSize desktop(1280, 1024);
    CMainFrame mainFrame([] { return 1000; }, [&desktop] { return desktop; });
    mainFrame.setMessagePresenter([](MessageKind, const QString&, const QString&) {});
    mainFrame.show();
    CChildFrame* first = mainFrame.newDocument();
    desktop = QSize(1280, 1023);
    CChildFrame* second = mainFrame.newDocument();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_TRUE(test::waitUntil([&] { return second->view(kGridView)->width() > 0; }));

    // The main frame keeps what it read when it was made.
    EXPECT_EQ(mainFrame.desktopHeight(), 1024);
    EXPECT_EQ(mainFrame.size(), QSize(1280, 996));
    EXPECT_EQ(first->size(), QSize(1272, 904));
    EXPECT_EQ(first->view(kGridView)->width(), 1091);
    // H = 1023: (5115 - 740) / 4 - 4 = 1089, right column 1280 - 1089 - 8 = 183,
    // two pixels wider than the first frame's.
    EXPECT_EQ(second->size(), QSize(1272, 903));
    EXPECT_EQ(second->view(kGridView)->width(), 1089);
    EXPECT_EQ(second->view(kDetailView)->width(), first->view(kDetailView)->width() + 2);
    EXPECT_EQ(second->view(kDetailView)->height(), second->view(kDetailView)->width());
}

TEST(ShellTest, MenuSetsFollowWhetherADocumentIsOpen) {
    test::Shell shell;
    EXPECT_EQ(visibleMenuTitles(shell.mainFrame()),
              (QStringList{"ファイル(&F)", "編集(&E)", "表示(&V)", "部品(&P)", "ウィンドウ(&W)",
                           "ヘルプ(&H)"}));
    const QMenu* file = visibleMenu(shell.mainFrame(), QStringLiteral("ファイル(&F)"));
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(actionTexts(file->actions()),
              (QStringList{"新規作成(&N)", "開く...(&O)", "閉じる(&C)", "上書き保存(&S)",
                           "名前を付けて保存(&A)...", "ウィンドウ2に表示された顔を保存（&F）",
                           "書き出し(&E)...", "|",
                           "印刷...(&P)",
                           "印刷プレビュー(&V)", "プリンタの設定(&R)...", "|", "最近使ったファイル",
                           "|", "アプリケーションの終了(&X)"}));
    const QAction* saveFace = file->actions()[5];
    EXPECT_EQ(saveFace->statusTip(), QStringLiteral("ウィンドウ2に表示された顔をファイルに保存します"));
    EXPECT_EQ(file->actions()[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N));
    EXPECT_EQ(file->actions()[3]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(file->actions()[8]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_P));

    const QMenu* edit = visibleMenu(shell.mainFrame(), QStringLiteral("編集(&E)"));
    ASSERT_NE(edit, nullptr);
    for (const QAction* action : edit->actions()) {
        if (action->isSeparator()) continue;
        EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }

    shell.mainFrame().mdiArea()->closeAllSubWindows();
    ASSERT_TRUE(test::waitUntil([&] { return shell.mainFrame().childFrames().isEmpty(); }));
    EXPECT_EQ(visibleMenuTitles(shell.mainFrame()),
              (QStringList{"ファイル(&F)", "表示(&V)", "ヘルプ(&H)"}));
    EXPECT_EQ(shell.mainFrame().generationPane()->text(),
              QStringLiteral("表示されている顔集団が何世代目か"))
        << "pane 1 still speaks of the closed document";
    const QMenu* fileNoDoc = visibleMenu(shell.mainFrame(), QStringLiteral("ファイル(&F)"));
    ASSERT_NE(fileNoDoc, nullptr);
    EXPECT_EQ(actionTexts(fileNoDoc->actions()),
              (QStringList{"新規作成(&N)", "開く...(&O)", "プリンタの設定(&R)...", "|",
                           "最近使ったファイル", "|", "アプリケーションの終了(&X)"}));
    EXPECT_EQ(shell.mainFrame().windowTitle(), QStringLiteral("Mirel"));
}

struct AcceleratorCase {
    QKeySequence keys;
    const char* command;
};

TEST(ShellTest, EveryAcceleratorNamesItsOneCommand) {
    test::Shell shell;
    const AcceleratorCase cases[] = {
        {QKeySequence(Qt::CTRL | Qt::Key_N), "新規作成(&N)"},
        {QKeySequence(Qt::CTRL | Qt::Key_O), "開く...(&O)"},
        {QKeySequence(Qt::CTRL | Qt::Key_S), "上書き保存(&S)"},
        {QKeySequence(Qt::CTRL | Qt::Key_P), "印刷...(&P)"},
        {QKeySequence(Qt::CTRL | Qt::Key_Z), "元に戻す(&U)"},
        {QKeySequence(Qt::ALT | Qt::Key_Backspace), "元に戻す(&U)"},
        {QKeySequence(Qt::CTRL | Qt::Key_X), "切り取り(&T)"},
        {QKeySequence(Qt::SHIFT | Qt::Key_Delete), "切り取り(&T)"},
        {QKeySequence(Qt::CTRL | Qt::Key_Y), "やり直し(&R)"},
        {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), "やり直し(&R)"},
        {QKeySequence(Qt::CTRL | Qt::Key_C), "コピー(&C)"},
        {QKeySequence(Qt::CTRL | Qt::Key_Insert), "コピー(&C)"},
        {QKeySequence(Qt::CTRL | Qt::Key_V), "貼り付け(&P)"},
        {QKeySequence(Qt::SHIFT | Qt::Key_Insert), "貼り付け(&P)"},
        {QKeySequence(Qt::Key_F6), "次のペイン"},
        {QKeySequence(Qt::SHIFT | Qt::Key_F6), "前のペイン"},
        {QKeySequence(Qt::CTRL | Qt::Key_1), "目を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_2), "眉を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_3), "鼻を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_4), "口を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_5), "輪郭を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_6), "耳を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_7), "髪を固定"},
        {QKeySequence(Qt::CTRL | Qt::Key_0), "固定をすべて解除(&C)"},
    };
    // Every action of the frame, its menus and toolbar, whether or not the
    // frame itself holds it; the document window's own system menu aside.
    QList<QAction*> actions = shell.mainFrame().findChildren<QAction*>();
    const QMenu* systemMenu = shell.firstFrame()->systemMenu();
    actions.removeIf([systemMenu](const QAction* action) { return action->parent() == systemMenu; });
    for (const AcceleratorCase& c : cases) {
        QStringList bound;
        for (const QAction* action : actions) {
            if (action->shortcuts().contains(c.keys)) bound << action->text();
        }
        EXPECT_EQ(bound, QStringList{QString::fromUtf8(c.command)})
            << c.keys.toString().toStdString();
    }
    // No other key is bound: the table above is the whole list.
    qsizetype bindings = 0;
    for (const QAction* action : actions) bindings += action->shortcuts().size();
    EXPECT_EQ(bindings, static_cast<qsizetype>(std::size(cases)));
}

TEST(ShellTest, ToolbarHoldsItsButtonsInOrderWithPrompts) {
    test::Shell shell;
    const QToolBar* bar = shell.mainFrame().toolBar();
    QStringList tips;
    for (const QAction* action : bar->actions()) {
        tips << (action->isSeparator() ? QStringLiteral("|") : action->toolTip());
        if (!action->isSeparator()) {
            EXPECT_FALSE(action->statusTip().isEmpty()) << action->toolTip().toStdString();
        }
    }
    EXPECT_EQ(tips, (QStringList{"新規作成", "開く", "上書き保存", "|", "切り取り", "コピー",
                                 "貼り付け", "|", "印刷", "バージョン情報", "|", "前のページ",
                                 "次のページ"}));
    EXPECT_EQ(shell.mainFrame().toolBarArea(const_cast<QToolBar*>(bar)), Qt::TopToolBarArea);
    EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
}

TEST(ShellTest, StatusBarStartsWithThePromptTextAndGreyedLockIndicators) {
    test::Shell shell(false);
    const QLabel* pane = shell.mainFrame().generationPane();
    EXPECT_EQ(pane->text(), QStringLiteral("表示されている顔集団が何世代目か"));
    QStringList indicators;
    for (const QLabel* label : shell.mainFrame().statusBar()->findChildren<QLabel*>()) {
        if (!label->isEnabled()) indicators << label->text();
    }
    EXPECT_EQ(indicators, (QStringList{"CAP", "NUM", "SCRL"}));
}

TEST(ShellTest, ASecondNewDocumentIsIndependentOfTheFirst) {
    test::Shell shell;
    CChildFrame* second = shell.mainFrame().newDocument();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Mirel2"));
    EXPECT_EQ(shell.mainFrame().childFrames().size(), 2);
    CMirelDoc& first = shell.firstFrame()->document();
    ASSERT_NE(&first, &second->document());

    MirelView* grid = second->view(kGridView);
    ASSERT_TRUE(test::waitUntil([&] { return second->document().cellSize > 0; }));
    const int size = second->document().cellSize;
    QTest::mouseDClick(grid, Qt::LeftButton, Qt::NoModifier, QPoint(size / 2, size / 2));
    QTest::keyClick(grid, Qt::Key_Return);
    EXPECT_EQ(second->document().generationCount(), 1);
    EXPECT_EQ(first.generationCount(), 0);
    EXPECT_EQ(first.currentSelection().count, 0);

    // The status pane follows the document in front.
    const QLabel* pane = shell.mainFrame().generationPane();
    shell.mainFrame().mdiArea()->setActiveSubWindow(shell.firstFrame());
    EXPECT_EQ(pane->text().toStdString(), formatStatusText(0, 0));
    shell.mainFrame().mdiArea()->setActiveSubWindow(second);
    EXPECT_EQ(pane->text().toStdString(), formatStatusText(1, 1));
}

TEST(ShellTest, WindowMenuListsTheDocumentsAndActivatesOne) {
    test::Shell shell;
    CChildFrame* second = shell.mainFrame().newDocument();
    ASSERT_NE(second, nullptr);
    QMenu* window = visibleMenu(shell.mainFrame(), QStringLiteral("ウィンドウ(&W)"));
    ASSERT_NE(window, nullptr);
    emit window->aboutToShow();
    const QList<QAction*> entries = window->actions();
    EXPECT_EQ(actionTexts(entries),
              (QStringList{"新しいウィンドウを開く(&N)", "重ねて表示(&C)", "並べて表示(&T)",
                           "アイコンの整列(&A)", "|", "&1 Mirel1", "&2 Mirel2"}));
    ASSERT_EQ(entries.size(), 7);
    EXPECT_FALSE(entries[5]->isChecked());
    EXPECT_TRUE(entries[6]->isChecked());
    entries[5]->trigger();
    EXPECT_EQ(shell.mainFrame().activeChildFrame(), shell.firstFrame());
}

TEST(ShellTest, ANewDocumentIsRefusedWhenASampleFileBecameUnreadable) {
    test::Shell shell;
    std::filesystem::remove(shell.folder().path() / "Data/facebank3/haegiwa.txt");
    EXPECT_EQ(shell.mainFrame().newDocument(), nullptr);
    ASSERT_EQ(shell.messages().size(), 1u);
    EXPECT_EQ(shell.messages()[0].caption, QStringLiteral("error"));
    EXPECT_FALSE(shell.messages()[0].text.isEmpty());
    EXPECT_EQ(shell.mainFrame().childFrames().size(), 1);
    EXPECT_EQ(shell.mainFrame().activeChildFrame(), shell.firstFrame());
}

TEST(ShellDeathTest, AtStartUpAnUnreadableSampleEndsTheProcess) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    test::Shell shell(false);
    std::filesystem::remove(shell.folder().path() / "Data/facebank12/face.txt");
    EXPECT_EXIT(shell.mainFrame().newDocument(LoadFailurePolicy::EndProcess),
                testing::ExitedWithCode(255), "error: can't open face data file");
}

TEST(ShellTest, OpeningAFileThatIsNoSessionGivesAFreshDocumentAndSavingWritesASession) {
    test::Shell shell;
    CMirelDoc& first = shell.firstFrame()->document();
    first.ActivateView(kGridView);
    const auto saved = shell.folder().path() / "portrait.mirel";
    ASSERT_TRUE(shell.firstFrame()->saveDocumentFile(QString::fromStdString(saved.string())).written());
    EXPECT_TRUE(shell.folder().read("portrait.mirel").starts_with(kSessionMagic));
    EXPECT_EQ(shell.firstFrame()->windowTitle(), QStringLiteral("portrait.mirel"));

    for (const char* name : {"notes.txt", "old.mirel"}) {
        const auto other = shell.folder().write(name, name == std::string("old.mirel") ? "" : "not a portrait");
        CChildFrame* opened = shell.mainFrame().openDocument(QString::fromStdString(other.string()));
        ASSERT_NE(opened, nullptr) << name;
        EXPECT_EQ(opened->windowTitle(), QString::fromUtf8(name));
        EXPECT_EQ(opened->document().generationCount(), 0);
        EXPECT_EQ(opened->document().currentSelection().count, 0);
        EXPECT_TRUE(opened->pathName().isEmpty()) << "saving must not overwrite " << name;
        EXPECT_EQ(shell.mainFrame().recentFiles().files().front(),
                  QString::fromStdString(std::filesystem::absolute(other).string()));
    }

    EXPECT_EQ(shell.mainFrame().openDocument(QStringLiteral("/nonexistent/file")), nullptr);
    EXPECT_EQ(shell.messages().size(), 1u);
}

TEST(ShellTest, ADocumentNameThatIsNotUtf8OpensAndAFifoIsNeitherReadNorWritten) {
    test::Shell shell;
    const auto file = shell.folder().write("doc\xff.mrl", "");
    CChildFrame* opened =
        shell.mainFrame().openDocumentFile(QByteArray::fromStdString(file.string()));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->windowTitle(), QStringLiteral(u"doc\uFFFD.mrl"));
    // Qt cannot spell the name again: saving must ask rather than write another file.
    EXPECT_TRUE(opened->pathName().isEmpty());
    EXPECT_TRUE(shell.mainFrame().recentFiles().files().isEmpty());
    EXPECT_TRUE(shell.messages().empty());

    const auto fifo = shell.folder().path() / "pipe.mrl";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    ::alarm(20);  // turns a hang into a failure
    EXPECT_EQ(shell.mainFrame().openDocument(QString::fromStdString(fifo.string())), nullptr);
    EXPECT_FALSE(opened->saveDocumentFile(QString::fromStdString(fifo.string())).written());
    ::alarm(0);
    ASSERT_EQ(shell.messages().size(), 1u);
    EXPECT_TRUE(shell.messages()[0].text.startsWith(
        QStringLiteral("ファイル %1 を開けません。").arg(fifo.c_str())))
        << shell.messages()[0].text.toStdString();
}

TEST(ShellTest, F6MovesTheKeyboardThroughThePanes) {
    test::Shell shell;
    CChildFrame* frame = shell.firstFrame();
    ASSERT_EQ(QApplication::focusWidget(), frame->view(1));
    QTest::keyClick(&shell.mainFrame(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), frame->view(2));
    EXPECT_EQ(frame->innerSplitter()->activePane(), frame->view(2));
    QTest::keyClick(&shell.mainFrame(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), frame->view(3));
    QTest::keyClick(&shell.mainFrame(), Qt::Key_F6);
    EXPECT_EQ(QApplication::focusWidget(), frame->view(1));
    EXPECT_EQ(frame->outerSplitter()->activePane(), frame->view(1));
    EXPECT_EQ(frame->innerSplitter()->activePane(), nullptr);
    QTest::keyClick(&shell.mainFrame(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), frame->view(3));
}

TEST(ShellTest, AboutBoxShowsNameVersionAndAuthors) {
    test::ensureApplication();
    AboutBox about;
    EXPECT_EQ(about.windowTitle(), QStringLiteral("バージョン情報 Mirel"));
    const QLabel* version = about.findChild<QLabel*>(QStringLiteral("versionLine"));
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), QStringLiteral("Mirel Version 1.0"));
    const QLabel* authors = about.findChild<QLabel*>(QStringLiteral("authorsLine"));
    ASSERT_NE(authors, nullptr);
    EXPECT_FALSE(authors->text().isEmpty());
}

TEST(ShellTest, AltFOpensTheFileMenuWithAndWithoutADocument) {
    test::Shell shell;
    for (const bool withDocument : {true, false}) {
        if (!withDocument) {
            shell.mainFrame().mdiArea()->closeAllSubWindows();
            ASSERT_TRUE(test::waitUntil([&] { return shell.mainFrame().childFrames().isEmpty(); }));
        }
        QTest::keyClick(&shell.mainFrame(), Qt::Key_F, Qt::AltModifier);
        const QMenu* file = visibleMenu(shell.mainFrame(), QStringLiteral("ファイル(&F)"));
        ASSERT_NE(file, nullptr);
        EXPECT_TRUE(test::waitUntil([&] { return QApplication::activePopupWidget() == file; }))
            << (withDocument ? "with" : "without") << " a document";
        if (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    }
}

// Counts the paint events a widget receives.
class PaintWatch final : public QObject {
public:
    explicit PaintWatch(QWidget* widget) { widget->installEventFilter(this); }
    // Forgets the paints so far; true once a paint arrived after that.
    void reset() {
        QCoreApplication::processEvents();
        painted_ = false;
    }
    bool painted() const { return painted_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) painted_ = true;
        return false;
    }

private:
    bool painted_ = false;
};

TEST(ShellTest, ANewWindowShowsTheSameDocumentAndFollowsIt) {
    test::Shell shell;
    CChildFrame* first = shell.firstFrame();
    CMirelDoc& doc = first->document();
    CChildFrame* second = shell.mainFrame().newWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(&second->document(), &doc);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Mirel1:1"));
    EXPECT_EQ(second->windowTitle(), QStringLiteral("Mirel1:2"));
    MirelView* grid1 = first->view(kGridView);
    MirelView* grid2 = second->view(kGridView);
    ASSERT_TRUE(test::waitUntil([&] { return doc.cellSize > 0; }));
    auto cellCentre = [&](int cell) {
        const int size = doc.cellSize;
        return QPoint(size * (cell % 5) + size / 2, size * (cell / 5) + size / 2);
    };
    PaintWatch firstGrid(grid1);

    // A mark made in the second frame repaints the first.
    QTest::mouseMove(grid2, cellCentre(7));
    firstGrid.reset();
    QTest::mouseDClick(grid2, Qt::LeftButton, Qt::NoModifier, cellCentre(7));
    ASSERT_EQ(doc.currentSelection().count, 1);
    EXPECT_TRUE(test::waitUntil([&] { return firstGrid.painted(); })) << "after a mark";
    const int size = doc.cellSize;
    EXPECT_EQ(grid1->grab().toImage().pixelColor(size * 2 + doc.markLineWidth, size + size / 2),
              QColor(128, 0, 0));
    EXPECT_EQ(shell.mainFrame().markCountPane()->text(), QStringLiteral("選択 1／60"));

    // The keys go to the frame the mouse is in; the other frame follows.
    ASSERT_EQ(QApplication::focusWidget(), grid2);
    firstGrid.reset();
    QTest::keyClick(grid2, Qt::Key_Return);
    EXPECT_EQ(doc.generationCount(), 1);
    EXPECT_TRUE(test::waitUntil([&] { return firstGrid.painted(); })) << "after breeding";
    EXPECT_EQ(shell.mainFrame().markCountPane()->text(), QStringLiteral("選択 0／60"));
    firstGrid.reset();
    QTest::keyClick(grid2, Qt::Key_Up);
    EXPECT_EQ(doc.viewedGeneration, 0);
    EXPECT_TRUE(test::waitUntil([&] { return firstGrid.painted(); })) << "after browsing";

    // Into the first frame: its own window 1 takes the keys, though the
    // document's active view was window 1 already.
    shell.mainFrame().mdiArea()->setActiveSubWindow(first);
    QTest::mouseMove(grid1, cellCentre(2));
    EXPECT_EQ(QApplication::focusWidget(), grid1);
    QTest::keyClick(grid1, Qt::Key_Down);
    EXPECT_EQ(doc.viewedGeneration, 1);

    // Closing one frame keeps the document; the last one is told so.
    second->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(shell.mainFrame().childFrames().size(), 1);
    EXPECT_EQ(first->windowTitle(), QStringLiteral("Mirel1"));
    EXPECT_EQ(first->document().generationCount(), 1);
    EXPECT_TRUE(first->documentFrames()->isLastFrame(first));

    // File ▸ 閉じる closes the document, every frame of it, and no other.
    ASSERT_NE(shell.mainFrame().newWindow(), nullptr);
    CChildFrame* other = shell.mainFrame().newDocument();
    ASSERT_NE(other, nullptr);
    shell.mainFrame().mdiArea()->setActiveSubWindow(first);
    QMenu* file = visibleMenu(shell.mainFrame(), QStringLiteral("ファイル(&F)"));
    ASSERT_NE(file, nullptr);
    // The bred document is modified: one question for the document, not one per frame.
    int asked = 0;
    shell.mainFrame().setQuestionPresenter([&asked](const QString&, QMessageBox::StandardButtons) {
        ++asked;
        return QMessageBox::Discard;
    });
    file->actions()[2]->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(shell.mainFrame().childFrames(), QList<CChildFrame*>{other});
    EXPECT_EQ(asked, 1);
}

TEST(ShellTest, QtsOwnButtonsSpeakJapanese) {
    test::ensureApplication();
    const QString before = QDialogButtonBox(QDialogButtonBox::Cancel).buttons().front()->text();
    {
        const Translations japanese;
        ASSERT_TRUE(japanese.qtTextsTranslated());
        const QDialogButtonBox buttons(QDialogButtonBox::Cancel);
        EXPECT_EQ(buttons.buttons().front()->text(), QStringLiteral("キャンセル"));
    }
    EXPECT_EQ(QDialogButtonBox(QDialogButtonBox::Cancel).buttons().front()->text(), before);
    EXPECT_TRUE(Translations(QStringLiteral("en")).qtTextsTranslated());
}

}  // namespace
}  // namespace mirel
