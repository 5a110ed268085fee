// Every hint of the message pane and every refusal notice is readable whole
// in a main window 1024 and 1280 pixels wide, in Japanese and in English,
// measured with the font the pane draws with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

#include "RecordingCanvas.h"
#include "ShellTestSupport.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/Language.h"
#include "app/RefusalNotices.h"
#include "document/CMirelDoc.h"
#include "views/ActionHints.h"

namespace mirel {
namespace {

void markFirst(CMirelDoc& doc, int count) {
    test::RecordingCanvas canvas;
    for (int k = 0; k < count; ++k) {
        doc.ShowPage(k / kCellsPerPage);
        doc.ToggleMark(canvas, k % kCellsPerPage);
    }
    doc.ShowPage(0);
}

// The hints and notices of the document in the states that choose among them.
QStringList everyHint(CMirelDoc& doc) {
    QStringList texts;
    auto allActions = [&] {
        for (int a = 0; a <= static_cast<int>(kLastUserAction); ++a) {
            texts << actionHint(static_cast<UserAction>(a), doc);
        }
    };
    const QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    texts << refusalReason(doc, kGridView, QSize(1000, 800), enter)
          << refusalReason(doc, kDetailView, QSize(1000, 800), enter);
    doc.ShowPage(1);
    allActions();
    markFirst(doc, 1);
    allActions();
    markFirst(doc, kMaxMarks);  // marks 2 to 60
    doc.LayoutGrid(1000, 800);
    for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton}) {
        const QPointF cell(10, 10);
        doc.ShowPage(0);
        doc.viewedGeneration = 0;
        texts << refusalReason(
            doc, kGridView, QSize(1000, 800),
            QMouseEvent(QEvent::MouseButtonDblClick, cell, cell, button, button, Qt::NoModifier));
    }
    allActions();
    doc.AdvanceGeneration();
    allActions();
    doc.viewedGeneration = 0;
    allActions();
    texts.removeAll(QString());
    texts.removeDuplicates();
    return texts;
}

TEST(HintWidthTest, EveryHintFitsTheMessagePaneAt1024And1280) {
    test::ensureApplication();
    for (const UiLanguage language : {UiLanguage::Japanese, UiLanguage::English}) {
        ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), language));
        test::Shell shell;
        ASSERT_NE(shell.firstFrame(), nullptr);
        CMirelDoc& doc = shell.firstFrame()->document();
        const QStringList hints = everyHint(doc);
        EXPECT_GE(hints.size(), 12);
        // At 1280 the hints fit also beside the chosen face's pane.
        struct Case {
            int width;
            bool chosen;
        };
        for (const auto [width, chosen] :
             {Case{1024, false}, Case{1280, false}, Case{1280, true}}) {
            if (chosen) {
                doc.ChooseFace(0);
                ASSERT_FALSE(shell.mainFrame().chosenPane()->isHidden());
            }
            shell.mainFrame().resize(width, 700);
            shell.mainFrame().showHint(QString());
            QCoreApplication::processEvents();
            const QLabel& pane = *shell.mainFrame().messagePane();
            const int room = pane.contentsRect().width();
            for (const QString& hint : hints) {
                EXPECT_LE(pane.fontMetrics().horizontalAdvance(hint), room)
                    << width << " px" << (chosen ? ", a face chosen: " : ": ") << hint.toStdString()
                    << " (room " << room << ")";
            }
        }
    }
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), UiLanguage::Japanese));
}

}  // namespace
}  // namespace mirel
