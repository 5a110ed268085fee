#include "app/CMainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "app/BreedingMenu.h"
#include "app/CChildFrame.h"
#include "app/Language.h"
#include "app/MainFrameActions.h"
#include "app/MarkCountPane.h"
#include "app/ToolbarIcons.h"

namespace mirel {
namespace {

// Pane 1's text before any document speaks, at start and after the last closes.
constexpr const char* kGenerationPaneInitial =
    QT_TRANSLATE_NOOP("mirel::CMainFrame", "表示されている顔集団が何世代目か");

// An action with its menu text, status prompt and toolbar tooltip.
QAction* makeAction(QObject* owner, const QString& text, const QString& prompt,
                    const QString& tip = QString()) {
    auto* action = new QAction(text, owner);
    action->setStatusTip(prompt);
    if (!tip.isEmpty()) action->setToolTip(tip);
    return action;
}

QIcon themeIcon(const char* name, QStyle::StandardPixmap fallback, const QStyle* style) {
    return QIcon::fromTheme(QString::fromLatin1(name), style->standardIcon(fallback));
}

}  // namespace

void CMainFrame::createActions() {
    Actions& a = *actions_;
    const QStyle* s = style();

    a.fileNew = makeAction(this, tr("新規作成(&N)"),
                           tr("新規にドキュメントを作成します"),
                           tr("新規作成"));
    a.fileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    a.fileNew->setIcon(themeIcon("document-new", QStyle::SP_FileIcon, s));
    connect(a.fileNew, &QAction::triggered, this, [this] { newDocument(); });

    a.fileOpen = makeAction(this, tr("開く...(&O)"),
                            tr("既存のドキュメントを開きます"), tr("開く"));
    a.fileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    a.fileOpen->setIcon(themeIcon("document-open", QStyle::SP_DialogOpenButton, s));
    connect(a.fileOpen, &QAction::triggered, this, &CMainFrame::fileOpen);

    a.fileClose = makeAction(this, tr("閉じる(&C)"),
                             tr("作業中のドキュメントを閉じます"));
    connect(a.fileClose, &QAction::triggered, this, &CMainFrame::fileClose);

    a.fileSave = makeAction(this, tr("上書き保存(&S)"),
                            tr("作業中のドキュメントを保存します"),
                            tr("上書き保存"));
    a.fileSave->setIcon(themeIcon("document-save", QStyle::SP_DialogSaveButton, s));
    a.fileSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(a.fileSave, &QAction::triggered, this, &CMainFrame::fileSave);

    a.fileSaveAs = makeAction(this, tr("名前を付けて保存(&A)..."),
                              tr("作業中のドキュメントを新しい名前で保存します"));
    connect(a.fileSaveAs, &QAction::triggered, this, &CMainFrame::fileSaveAs);

    a.saveDetailFace = makeAction(this, tr("ウィンドウ2に表示された顔を保存（&F）"),
                                  tr("ウィンドウ2に表示された顔をファイルに保存します"));
    connect(a.saveDetailFace, &QAction::triggered, this, &CMainFrame::saveDetailFace);

    a.fileExport = makeAction(this, tr("書き出し(&E)..."),
                              tr("ウィンドウ2に表示された顔を PNG、SVG または PDF で書き出します"));
    connect(a.fileExport, &QAction::triggered, this, &CMainFrame::fileExport);

    a.filePrint = makeAction(this, tr("印刷...(&P)"),
                             tr("作業中のウィンドウを印刷します"), tr("印刷"));
    a.filePrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    a.filePrint->setIcon(printIcon());
    connect(a.filePrint, &QAction::triggered, this, &CMainFrame::filePrint);

    a.filePrintPreview = makeAction(this, tr("印刷プレビュー(&V)"),
                                    tr("印刷イメージを表示します"));
    connect(a.filePrintPreview, &QAction::triggered, this, &CMainFrame::filePrintPreview);

    a.filePrintSetup = makeAction(this, tr("プリンタの設定(&R)..."),
                                  tr("プリンタと印刷オプションを変更します"));
    connect(a.filePrintSetup, &QAction::triggered, this, &CMainFrame::filePrintSetup);

    a.appExit = makeAction(this, tr("アプリケーションの終了(&X)"),
                           tr("アプリケーションを終了します"));
    connect(a.appExit, &QAction::triggered, this, &QWidget::close);

    a.recentPlaceholder = makeAction(this, tr("最近使ったファイル"),
                                     tr("最近使ったドキュメントを開きます"));
    a.recentPlaceholder->setEnabled(false);
    for (int k = 0; k < recentFiles_.capacity(); ++k) {
        QAction* entry = makeAction(this, QString(), tr("このドキュメントを開きます"));
        connect(entry, &QAction::triggered, this, [this, k] { openRecentFile(k); });
        a.recent.append(entry);
    }

    // Undo and redo follow the active document's history (createUndoCommands).
    a.editUndo = makeAction(this, tr("元に戻す(&U)"),
                            tr("直前の操作を元に戻します"));
    a.editUndo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Z),
                              QKeySequence(Qt::ALT | Qt::Key_Backspace)});
    a.editRedo = makeAction(this, tr("やり直し(&R)"),
                            tr("元に戻した操作をやり直します"));
    a.editRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    // The clipboard commands have no handler anywhere, so they stay disabled.
    a.editCut = makeAction(this, tr("切り取り(&T)"),
                           tr("選択範囲を切り取ってクリップボードに移動します"),
                           tr("切り取り"));
    a.editCut->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X),
                             QKeySequence(Qt::SHIFT | Qt::Key_Delete)});
    a.editCut->setIcon(cutIcon());
    a.editCopy = makeAction(this, tr("コピー(&C)"),
                            tr("選択範囲をクリップボードにコピーします"),
                            tr("コピー"));
    a.editCopy->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_C),
                              QKeySequence(Qt::CTRL | Qt::Key_Insert)});
    a.editCopy->setIcon(copyIcon());
    a.editPaste = makeAction(this, tr("貼り付け(&P)"),
                             tr("クリップボードの内容を貼り付けます"),
                             tr("貼り付け"));
    a.editPaste->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_V),
                               QKeySequence(Qt::SHIFT | Qt::Key_Insert)});
    a.editPaste->setIcon(pasteIcon());
    for (QAction* edit : {a.editCut, a.editCopy, a.editPaste}) edit->setEnabled(false);

    a.viewStatusBar = makeAction(this, tr("ステータス バー(&S)"),
                                 tr("ステータス バーの表示/非表示を切り替えます"));
    a.viewStatusBar->setCheckable(true);
    a.viewStatusBar->setChecked(true);
    connect(a.viewStatusBar, &QAction::toggled, this,
            [this](bool shown) { statusBar()->setVisible(shown); });

    a.windowNew = makeAction(this, tr("新しいウィンドウを開く(&N)"),
                             tr("作業中のドキュメントをもう一つのウィンドウに表示します"));
    connect(a.windowNew, &QAction::triggered, this, [this] { newWindow(); });
    a.windowCascade = makeAction(this, tr("重ねて表示(&C)"),
                                 tr("ウィンドウを重ねて表示します"));
    connect(a.windowCascade, &QAction::triggered, mdiArea_, &QMdiArea::cascadeSubWindows);
    a.windowTile = makeAction(this, tr("並べて表示(&T)"),
                              tr("ウィンドウを並べて表示します"));
    connect(a.windowTile, &QAction::triggered, mdiArea_, &QMdiArea::tileSubWindows);
    a.windowArrange = makeAction(this, tr("アイコンの整列(&A)"),
                                 tr("アイコンをウィンドウの下に整列します"));
    connect(a.windowArrange, &QAction::triggered, this, [this] {
        // Showing a minimised window minimised again puts its icon back in the row.
        for (QMdiSubWindow* sub : mdiArea_->subWindowList()) {
            if (sub->isMinimized()) sub->showMinimized();
        }
    });

    a.nextPane = makeAction(this, tr("次のペイン"), tr("次のペインに切り替えます"));
    a.nextPane->setShortcut(QKeySequence(Qt::Key_F6));
    connect(a.nextPane, &QAction::triggered, this, [this] {
        if (CChildFrame* frame = activeChildFrame()) frame->activateNextPane(false);
    });
    a.previousPane = makeAction(this, tr("前のペイン"),
                                tr("前のペインに切り替えます"));
    a.previousPane->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6));
    connect(a.previousPane, &QAction::triggered, this, [this] {
        if (CChildFrame* frame = activeChildFrame()) frame->activateNextPane(true);
    });

    a.appAbout = makeAction(this, tr("バージョン情報 Mirel(&A)..."),
                            tr("プログラムの情報とバージョンを表示します"),
                            tr("バージョン情報"));
    a.appAbout->setIcon(themeIcon("help-about", QStyle::SP_MessageBoxQuestion, s));
    connect(a.appAbout, &QAction::triggered, this, &CMainFrame::showAbout);

    // Each language names itself in the other's interface too, so a user
    // stuck in the wrong one still finds the way back.
    a.languageJapanese = makeAction(this, tr("日本語"), tr("表示言語を日本語にします（次回の起動から）"));
    a.languageEnglish = makeAction(this, QStringLiteral("English"),
                                   tr("表示言語を英語にします（次回の起動から）"));
    auto* languages = new QActionGroup(this);
    for (QAction* action : {a.languageJapanese, a.languageEnglish}) {
        action->setCheckable(true);
        languages->addAction(action);
    }
    (currentLanguage() == UiLanguage::English ? a.languageEnglish : a.languageJapanese)
        ->setChecked(true);
    connect(a.languageJapanese, &QAction::triggered, this,
            [this] { chooseLanguage(UiLanguage::Japanese); });
    connect(a.languageEnglish, &QAction::triggered, this,
            [this] { chooseLanguage(UiLanguage::English); });

    a.helpHowToUse = makeAction(this, tr("使い方(&U)..."),
                                tr("マウスとキーの操作、保存されるファイルを説明します"));
    connect(a.helpHowToUse, &QAction::triggered, this, &CMainFrame::showHowToUse);

    // Accelerators work whichever menu set is showing.
    addActions({a.fileNew, a.fileOpen, a.fileSave, a.filePrint, a.editUndo, a.editRedo, a.editCut,
                a.editCopy, a.editPaste, a.nextPane, a.previousPane});
}

void CMainFrame::createMenus() {
    const Actions& a = *actions_;
    // The bar shows one set at a time (showMenuSet); View and Help are in both.
    auto addRecent = [&a](QMenu* menu) {
        menu->addAction(a.recentPlaceholder);
        menu->addActions(a.recent);
    };

    QMenu* fileNoDoc = new QMenu(tr("ファイル(&F)"), this);
    fileNoDoc->addActions({a.fileNew, a.fileOpen, a.filePrintSetup});
    fileNoDoc->addSeparator();
    addRecent(fileNoDoc);
    fileNoDoc->addSeparator();
    fileNoDoc->addAction(a.appExit);

    QMenu* fileDoc = new QMenu(tr("ファイル(&F)"), this);
    fileDoc->addActions({a.fileNew, a.fileOpen, a.fileClose, a.fileSave, a.fileSaveAs,
                         a.saveDetailFace, a.fileExport});
    fileDoc->addSeparator();
    fileDoc->addActions({a.filePrint, a.filePrintPreview, a.filePrintSetup});
    fileDoc->addSeparator();
    addRecent(fileDoc);
    fileDoc->addSeparator();
    fileDoc->addAction(a.appExit);

    QMenu* edit = new QMenu(tr("編集(&E)"), this);
    edit->addActions({a.editUndo, a.editRedo});
    edit->addSeparator();
    edit->addActions({a.editCut, a.editCopy, a.editPaste});

    QMenu* view = new QMenu(tr("表示(&V)"), this);
    view->setObjectName(QStringLiteral("viewMenu"));

    QMenu* window = new QMenu(tr("ウィンドウ(&W)"), this);
    window->setObjectName(QStringLiteral("windowMenu"));
    // The open documents' windows follow the commands, the active one checked.
    connect(window, &QMenu::aboutToShow, this, [this, window] {
        const Actions& acts = *actions_;
        window->clear();
        window->addActions(
            {acts.windowNew, acts.windowCascade, acts.windowTile, acts.windowArrange});
        const QList<CChildFrame*> frames = childFrames();
        if (!frames.isEmpty()) window->addSeparator();
        for (int k = 0; k < frames.size(); ++k) {
            CChildFrame* frame = frames[k];
            QAction* entry =
                window->addAction(QStringLiteral("&%1 %2").arg(k + 1).arg(frame->windowTitle()));
            entry->setCheckable(true);
            entry->setChecked(frame == activeChildFrame());
            connect(entry, &QAction::triggered, this,
                    [this, frame] { mdiArea_->setActiveSubWindow(frame); });
        }
    });
    window->addActions({a.windowNew, a.windowCascade, a.windowTile, a.windowArrange});

    QMenu* help = new QMenu(tr("ヘルプ(&H)"), this);
    help->addAction(a.helpHowToUse);
    help->addSeparator();
    help->addAction(a.appAbout);

    noDocumentMenus_ = {fileNoDoc, view, help};
    documentMenus_ = {fileDoc, edit, view, window, help};
}

void CMainFrame::createToolBar() {
    Actions& a = *actions_;
    toolBar_ = new QToolBar(tr("標準"), this);
    toolBar_->setObjectName(QStringLiteral("standardToolBar"));
    toolBar_->setMovable(true);
    toolBar_->setFloatable(true);
    toolBar_->setAllowedAreas(Qt::AllToolBarAreas);
    toolBar_->addActions({a.fileNew, a.fileOpen, a.fileSave});
    toolBar_->addSeparator();
    toolBar_->addActions({a.editCut, a.editCopy, a.editPaste});
    toolBar_->addSeparator();
    toolBar_->addActions({a.filePrint, a.appAbout});
    addToolBar(Qt::TopToolBarArea, toolBar_);

    a.viewToolBar = toolBar_->toggleViewAction();
    a.viewToolBar->setText(tr("ツール バー(&T)"));
    a.viewToolBar->setStatusTip(tr("ツール バーの表示/非表示を切り替えます"));
    QMenu* view = findChild<QMenu*>(QStringLiteral("viewMenu"));
    view->addActions({a.viewToolBar, a.viewStatusBar});
    view->addSeparator();
    QMenu* language = view->addMenu(tr("Language / 言語"));
    language->addActions({a.languageJapanese, a.languageEnglish});
}

void CMainFrame::createStatusBar() {
    QStatusBar* bar = statusBar();
    messagePane_ = new QLabel(tr("レディ"), bar);
    messagePane_->setObjectName(QStringLiteral("messagePane"));
    bar->addWidget(messagePane_, 1);
    // The message pane takes what the other panes leave; it never pushes them
    // over one another on a narrow desktop (the tooltip holds the whole hint).
    messagePane_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // On a narrow desktop pane 1 leaves the message pane little room: the
    // whole message is there when the mouse rests on the bar.
    connect(bar, &QStatusBar::messageChanged, bar, &QWidget::setToolTip);

    generationPane_ = new QLabel(tr(kGenerationPaneInitial), bar);
    generationPane_->setObjectName(QStringLiteral("generationPane"));
    bar->addPermanentWidget(generationPane_);
    markCountPane_ = new MarkCountPane(bar);
    bar->addPermanentWidget(markCountPane_);

    // Qt has no portable query of the lock keys' state, so the indicators
    // are shown but greyed.
    for (const char* indicator : {"CAP", "NUM", "SCRL"}) {
        auto* label = new QLabel(QString::fromLatin1(indicator), bar);
        label->setEnabled(false);
        bar->addPermanentWidget(label);
    }
}

void CMainFrame::updateActions() {
    const Actions& a = *actions_;
    const bool hasDocument = !mdiArea_->subWindowList().isEmpty();
    showMenuSet(hasDocument ? documentMenus_ : noDocumentMenus_);
    if (!hasDocument) resetGenerationPane();
    const bool active = activeChildFrame() != nullptr;
    for (QAction* action : {a.fileClose, a.fileSave, a.fileSaveAs, a.saveDetailFace, a.fileExport,
                            a.filePrint, a.filePrintPreview, a.nextPane, a.previousPane,
                            a.windowNew}) {
        action->setEnabled(active);
    }
    for (QAction* action : {a.windowCascade, a.windowTile, a.windowArrange}) {
        action->setEnabled(hasDocument);
    }

    if (steering_) updateSteeringCommands();
    if (tools_) updateToolCommands();
    if (breedingMenu_ != nullptr) breedingMenu_->update();
    if (undoGroup_ != nullptr) updateUndoCommands();

    updateTitle();
    updateMarkCountPane();
}

void CMainFrame::showMenuSet(const QList<QMenu*>& menus) {
    QList<QAction*> wanted;
    for (const QMenu* menu : menus) wanted.append(menu->menuAction());
    QMenuBar* bar = menuBar();
    if (bar->actions() == wanted) return;
    // A hidden menu still holds its Alt shortcut: the other set's menus must
    // leave the bar, not just hide.
    bar->clear();
    bar->addActions(wanted);
}

void CMainFrame::resetGenerationPane() {
    generationPane_->setMinimumWidth(0);
    generationPane_->setMaximumWidth(QWIDGETSIZE_MAX);
    generationPane_->setText(tr(kGenerationPaneInitial));
}

void CMainFrame::updateRecentFileActions() {
    const Actions& a = *actions_;
    const QStringList& files = recentFiles_.files();
    a.recentPlaceholder->setVisible(files.isEmpty());
    for (int k = 0; k < a.recent.size(); ++k) {
        QAction* entry = a.recent[k];
        entry->setVisible(k < files.size());
        if (k < files.size()) {
            const QString name = QFileInfo(files[k]).fileName();
            entry->setText(QStringLiteral("&%1 %2").arg(k + 1).arg(name));
        }
    }
}

}  // namespace mirel
