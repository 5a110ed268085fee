#pragma once
// The main frame's commands, shared by the file that builds its menus,
// toolbar and status bar and the file that carries the commands out.

#include <QAction>
#include <QList>
#include <QString>

#include <array>

#include "app/CMainFrame.h"

namespace mirel {

inline const QString kAppName = QStringLiteral("Mirel");

struct CMainFrame::Actions {
    QAction* fileNew = nullptr;
    QAction* fileOpen = nullptr;
    QAction* fileClose = nullptr;
    QAction* fileSave = nullptr;
    QAction* fileSaveAs = nullptr;
    QAction* saveDetailFace = nullptr;
    QAction* fileExport = nullptr;
    QAction* filePrint = nullptr;
    QAction* filePrintPreview = nullptr;
    QAction* filePrintSetup = nullptr;
    QAction* appExit = nullptr;
    QAction* recentPlaceholder = nullptr;
    QList<QAction*> recent;
    QAction* editUndo = nullptr;
    QAction* editRedo = nullptr;
    QAction* editCut = nullptr;
    QAction* editCopy = nullptr;
    QAction* editPaste = nullptr;
    QAction* viewToolBar = nullptr;
    QAction* viewStatusBar = nullptr;
    QAction* languageJapanese = nullptr;
    QAction* languageEnglish = nullptr;
    QAction* windowNew = nullptr;
    QAction* windowCascade = nullptr;
    QAction* windowTile = nullptr;
    QAction* windowArrange = nullptr;
    QAction* nextPane = nullptr;
    QAction* previousPane = nullptr;
    QAction* appAbout = nullptr;
    QAction* helpHowToUse = nullptr;
};

// Pages of window 1 and the part locks.
struct CMainFrame::SteeringActions {
    QAction* nextPage = nullptr;
    QAction* previousPage = nullptr;
    std::array<QAction*, kFacePartCount> lockPart{};
    QAction* clearLocks = nullptr;
};

// The chosen face's tools and the inner-face view option.
struct CMainFrame::ToolActions {
    std::array<QAction*, kFacePartCount> gallery{};
    QAction* exaggerate = nullptr;
    QAction* clearChoice = nullptr;
    QAction* innerFaceFirst = nullptr;
};

}  // namespace mirel
