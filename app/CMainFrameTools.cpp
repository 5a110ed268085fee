// The main frame's commands around the chosen face: the part gallery and the
// exaggeration range it makes a generation with, clearing the choice, the
// status pane naming it, and the view option that pales the hair and outline.

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/DocumentFrames.h"
#include "app/MainFrameActions.h"
#include "document/CMirelDoc.h"
#include "views/ActionHints.h"
#include "views/PartNames.h"

namespace mirel {

void CMainFrame::createToolCommands() {
    tools_ = std::make_unique<ToolActions>();
    ToolActions& a = *tools_;

    QMenu* parts = findChild<QMenu*>(QStringLiteral("partsMenu"));
    parts->addSeparator();
    QMenu* gallery = parts->addMenu(tr("この部品を選び直す(&G)"));
    gallery->setObjectName(QStringLiteral("galleryMenu"));
    for (int part = 0; part < kFacePartCount; ++part) {
        const FacePart which = static_cast<FacePart>(part);
        QAction* action = gallery->addAction(partName(which));
        action->setStatusTip(
            tr("選んだ顔のこの部品だけを取り替えた60の顔で、新しい世代を作ります"));
        connect(action, &QAction::triggered, this,
                [this, which] { makeToolGeneration(ToolKind::PartGallery, which); });
        a.gallery[static_cast<std::size_t>(part)] = action;
    }
    a.exaggerate = parts->addAction(tr("誇張(&X)"));
    a.exaggerate->setObjectName(QStringLiteral("exaggerateAction"));
    a.exaggerate->setStatusTip(
        tr("選んだ顔を平均の顔から遠ざけたり近づけたりした60の顔で、新しい世代を作ります"));
    connect(a.exaggerate, &QAction::triggered, this,
            [this] { makeToolGeneration(ToolKind::Exaggeration); });
    a.clearChoice = parts->addAction(tr("顔の選択を解除(&D)") + QStringLiteral("\tEsc"));
    a.clearChoice->setStatusTip(tr("選んだ顔をなくし、ウィンドウ2をマウスの下の顔に戻します"));
    connect(a.clearChoice, &QAction::triggered, this, [this] {
        if (CChildFrame* frame = activeChildFrame()) frame->document().ClearChosenFace();
    });

    QMenu* view = findChild<QMenu*>(QStringLiteral("viewMenu"));
    view->addSeparator();
    a.innerFaceFirst = view->addAction(tr("髪と輪郭を薄く表示(&I)"));
    a.innerFaceFirst->setObjectName(QStringLiteral("innerFaceFirstAction"));
    a.innerFaceFirst->setCheckable(true);
    a.innerFaceFirst->setStatusTip(tr(
        "ウィンドウ1と2で髪と輪郭を薄い灰色で描き、目・眉・鼻・口だけで見比べられるようにします"));
    connect(a.innerFaceFirst, &QAction::triggered, this, [this](bool on) {
        if (CChildFrame* frame = activeChildFrame()) {
            CMirelDoc& doc = frame->document();
            frame->documentFrames()->recordChange(tr("髪と輪郭を薄く表示"),
                                                  [&doc, on] { doc.SetInnerFaceFirst(on); });
        }
    });

    chosenPane_ = new QLabel(statusBar());
    chosenPane_->setObjectName(QStringLiteral("chosenPane"));
    // After the page and lock panes, before the key indicators.
    constexpr int afterLockPane = 4;  // message, pane 1, page, lock
    statusBar()->insertPermanentWidget(afterLockPane, chosenPane_);
}

void CMainFrame::updateToolCommands() {
    const ToolActions& a = *tools_;
    const CChildFrame* frame = activeChildFrame();
    const bool chosen = frame != nullptr && frame->document().chosenFace().has_value();
    // Without a chosen face the tools stay enabled: using one says what to do first.
    for (QAction* action : a.gallery) action->setEnabled(frame != nullptr);
    a.exaggerate->setEnabled(frame != nullptr);
    a.clearChoice->setEnabled(chosen);
    a.innerFaceFirst->setEnabled(frame != nullptr);
    a.innerFaceFirst->setChecked(frame != nullptr && frame->document().innerFaceFirst());
    const std::optional<GeneRef> face =
        frame != nullptr ? frame->document().chosenFace() : std::nullopt;
    chosenPane_->setText(face ? tr("選んだ顔 %1・%2").arg(face->generation).arg(face->index)
                              : QString());
    // Hidden while empty, so the hints keep the room.
    chosenPane_->setVisible(face.has_value());
}

void CMainFrame::setChosenPane(const std::optional<GeneRef>& /*chosen*/) {
    updateToolCommands();
    // Choosing is kept in the session, so it counts as a change.
    updateTitle();
}

void CMainFrame::makeToolGeneration(ToolKind kind, FacePart part) {
    CChildFrame* frame = activeChildFrame();
    if (frame == nullptr) return;
    CMirelDoc& document = frame->document();
    std::optional<ToolRefusal> refusal;
    frame->documentFrames()->recordChange(
        kind == ToolKind::PartGallery ? tr("部品ギャラリー") : tr("誇張"),
        [&] { refusal = document.MakeToolGeneration(kind, part); });
    if (!refusal) {
        showHint(actionHint(
            kind == ToolKind::PartGallery ? UserAction::Gallery : UserAction::Exaggerated,
            document));
        updateMarkCountPane();
        return;
    }
    switch (*refusal) {
        case ToolRefusal::NoChosenFace:
            showRefusal(
                tr("顔が選ばれていません。ウィンドウ1で顔をクリックして選んでから使ってください"));
            break;
        case ToolRefusal::GenerationLimit:
            showRefusal(tr("世代が上限の50世代に達したので、新しい世代は作れません"));
            break;
        case ToolRefusal::NothingToVary:
            showRefusal(kind == ToolKind::PartGallery
                            ? tr("この部品には選び直せる違いがありません")
                            : tr("選んだ顔は平均の顔と同じなので、誇張できません"));
            break;
    }
}

}  // namespace mirel
