// The English interface: chosen by --lang or the settings, and with it no
// Japanese text left anywhere the user looks.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStatusBar>
#include <QToolBar>

#include "ShellTestSupport.h"
#include "app/AboutBox.h"
#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/CoreTexts.h"
#include "app/HowToUse.h"
#include "app/Language.h"
#include "document/CMirelDoc.h"
#include "output/BitmapExport.h"
#include "output/OutputMessages.h"
#include "output/PictureExport.h"

namespace mirel {
namespace {

const QRegularExpression kJapanese(
    QStringLiteral("[\\x{3000}-\\x{30ff}\\x{4e00}-\\x{9fff}\\x{ff00}-\\x{ffef}]"));

TEST(EnglishInterfaceTest, LanguageOptionIsTakenOutOfTheArguments) {
    struct Case {
        QStringList arguments;
        std::optional<UiLanguage> language;
        bool error;
        QStringList rest;
    };
    const Case cases[] = {
        {{}, std::nullopt, false, {}},
        {{"--lang", "en"}, UiLanguage::English, false, {}},
        {{"a.mirel", "--lang=ja"}, UiLanguage::Japanese, false, {"a.mirel"}},
        {{"--lang", "fr", "a"}, std::nullopt, true, {"a"}},
        {{"--lang"}, std::nullopt, true, {"--lang"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        QStringList arguments = c.arguments;
        const LanguageArgument taken = takeLanguageArgument(arguments);
        EXPECT_EQ(taken.language, c.language);
        EXPECT_EQ(!taken.error.isEmpty(), c.error);
        EXPECT_EQ(arguments, c.rest);
    }
}

// Every text of the windows, menus (those of both menu sets and the window
// list), actions, tooltips, status bar, About box and messages.
QStringList shownTexts(test::Shell& shell) {
    CMainFrame& frame = shell.mainFrame();
    QStringList texts{frame.windowTitle()};
    for (QMenu* menu : frame.findChildren<QMenu*>()) {
        emit menu->aboutToShow();
        texts << menu->title();
    }
    for (const QAction* action : frame.findChildren<QAction*>()) {
        texts << action->text() << action->toolTip() << action->statusTip() << action->iconText();
    }
    for (const QToolBar* bar : frame.findChildren<QToolBar*>()) texts << bar->windowTitle();
    for (const QLabel* label : frame.statusBar()->findChildren<QLabel*>()) texts << label->text();

    AboutBox about(&frame);
    HowToUse help(&frame);
    for (const QDialog* dialog : {static_cast<QDialog*>(&about), static_cast<QDialog*>(&help)}) {
        texts << dialog->windowTitle();
        for (const QLabel* label : dialog->findChildren<QLabel*>()) texts << label->text();
        for (const QPushButton* button : dialog->findChildren<QPushButton*>()) {
            texts << button->text();
        }
    }

    for (const char* text : coreTexts()) texts << translateCoreText(text);
    for (const test::ShownMessage& message : shell.messages())
        texts << message.caption << message.text;
    return texts;
}

TEST(EnglishInterfaceTest, EnglishLeavesNoJapaneseText) {
    test::ensureApplication();
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), UiLanguage::English));
    EXPECT_EQ(currentLanguage(), UiLanguage::English);
    {
        test::Shell shell;
        CChildFrame* frame = shell.firstFrame();
        ASSERT_NE(frame, nullptr);
        // Texts the application only shows on the way: the generation pane,
        // the save message with its folder, a failed export.
        ASSERT_TRUE(test::waitUntil([&] { return frame->document().detailSize > 0; }));
        frame->document().setOutputFolder(shell.folder().path() / "Pictures");
        frame->saveDetailFace();
        EXPECT_FALSE(shell.mainFrame().exportDetailFace(
            QString::fromStdString((shell.folder().path() / "missing/face.svg").string()), 100));
        ASSERT_TRUE(shell.mainFrame().exportDetailFace(
            QString::fromStdString((shell.folder().path() / "face.svg").string()), 100));
        const QString exported = shell.mainFrame().statusBar()->currentMessage();
        ASSERT_GE(shell.messages().size(), 2u);
        EXPECT_TRUE(shell.mainFrame().generationPane()->text().startsWith(
            QStringLiteral(" Generations so far:   0")));

        QStringList texts = shownTexts(shell);
        texts << exported;
        EXPECT_GT(texts.size(), 100);
        for (const QString& text : texts) {
            EXPECT_FALSE(text.contains(kJapanese)) << text.toStdString();
        }
    }
    // The texts the core hands over are in the catalogue the tools read.
    for (const char* text :
         {kFaceSavedText, kSavedToText, kStatusFormat, kTextFileOpenFailed, kTextFileCloseFailed,
          kMetafileSaveFailed, kBitmapNoSizeFailed, kPictureSaveFailed}) {
        EXPECT_FALSE(translateCoreText(text).contains(kJapanese)) << text;
    }

    // Back to Japanese: the source texts again.
    ASSERT_TRUE(installTranslations(*QCoreApplication::instance(), UiLanguage::Japanese));
    EXPECT_EQ(translateCoreText(kFaceSavedText), QString::fromUtf8(kFaceSavedText));
}

TEST(EnglishInterfaceTest, TheLanguageMenuKeepsTheChoiceForTheNextStart) {
    test::Shell shell;
    EXPECT_EQ(savedLanguage(), UiLanguage::Japanese);
    QAction* english = nullptr;
    for (QAction* action : shell.mainFrame().findChildren<QAction*>()) {
        if (action->text() == QLatin1String("English")) english = action;
    }
    ASSERT_NE(english, nullptr);
    EXPECT_FALSE(english->isChecked());
    english->trigger();
    EXPECT_EQ(savedLanguage(), UiLanguage::English);
    // This run stays Japanese, and says so.
    EXPECT_EQ(currentLanguage(), UiLanguage::Japanese);
    ASSERT_EQ(shell.messages().size(), 1u);
    EXPECT_EQ(shell.messages()[0].kind, MessageKind::Information);
}

}  // namespace
}  // namespace mirel
