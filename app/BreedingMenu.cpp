#include "app/BreedingMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QStatusBar>

#include "app/CChildFrame.h"
#include "app/CMainFrame.h"
#include "app/DocumentFrames.h"
#include "document/CMirelDoc.h"

namespace mirel {

namespace {

QString stepName(StepSize step) {
    switch (step) {
        case StepSize::Standard: return BreedingMenu::tr("標準");
        case StepSize::Large: return BreedingMenu::tr("大");
        case StepSize::ExtraLarge: return BreedingMenu::tr("特大");
    }
    return {};
}

QString newBloodName(NewBlood level) {
    switch (level) {
        case NewBlood::None: return BreedingMenu::tr("なし");
        case NewBlood::Few: return BreedingMenu::tr("少し");
        case NewBlood::Many: return BreedingMenu::tr("多い");
    }
    return {};
}

}  // namespace

BreedingMenu::BreedingMenu(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    QMenu* view = frame.findChild<QMenu*>(QStringLiteral("viewMenu"));
    view->addSeparator();

    stepMenu_ = view->addMenu(tr("変化の大きさ(&M)"));
    stepMenu_->setObjectName(QStringLiteral("stepSizeMenu"));
    auto* steps = new QActionGroup(this);
    for (std::size_t k = 0; k < std::size(kStepSizes); ++k) {
        const StepSize step = kStepSizes[k];
        QAction* a = stepMenu_->addAction(
            tr("%1（×%2）").arg(stepName(step)).arg(static_cast<int>(step)));
        a->setCheckable(true);
        a->setActionGroup(steps);
        a->setStatusTip(tr("次の世代から、子の顔の点が一度に動く幅を変えます"));
        connect(a, &QAction::triggered, this, [this, step] {
            if (CChildFrame* f = frame_.activeChildFrame()) {
                BreedingSettings s = f->document().breedingSettings();
                s.stepSize = step;
                choose(s);
            }
        });
        stepActions_[k] = a;
    }

    newBloodMenu_ = view->addMenu(tr("新しい顔の数(&F)"));
    newBloodMenu_->setObjectName(QStringLiteral("newBloodMenu"));
    auto* levels = new QActionGroup(this);
    for (std::size_t k = 0; k < std::size(kNewBloodLevels); ++k) {
        const NewBlood level = kNewBloodLevels[k];
        QAction* a = newBloodMenu_->addAction(
            tr("%1（60個のうち%2個）").arg(newBloodName(level)).arg(static_cast<int>(level)));
        a->setCheckable(true);
        a->setActionGroup(levels);
        a->setStatusTip(tr("次の世代から、最後の顔を印を付けた顔の子ではない新しい顔にします"));
        connect(a, &QAction::triggered, this, [this, level] {
            if (CChildFrame* f = frame_.activeChildFrame()) {
                BreedingSettings s = f->document().breedingSettings();
                s.newBlood = level;
                choose(s);
            }
        });
        newBloodActions_[k] = a;
    }

    recommended_ = view->addAction(tr("おすすめ設定(&O)"));
    recommended_->setObjectName(QStringLiteral("recommendedSettings"));
    recommended_->setStatusTip(tr("変化の大きさと新しい顔の数を、似顔絵に近づきやすい設定にします"));
    connect(recommended_, &QAction::triggered, this, [this] { choose(kRecommendedSettings); });

    connect(view, &QMenu::aboutToShow, this, [this] { update(); });
    connect(frame.mdiArea(), &QMdiArea::subWindowActivated, this, [this] { update(); });

    QStatusBar* bar = frame.statusBar();
    pane_ = new QLabel(bar);
    pane_->setObjectName(QStringLiteral("breedingPane"));
    pane_->setContentsMargins(4, 0, 8, 0);
    constexpr int afterGenerationPane = 2;
    bar->insertPermanentWidget(afterGenerationPane, pane_);
    update();
}

QString BreedingMenu::summary(const BreedingSettings& settings) {
    if (settings.isDefault()) return {};
    return tr("変化：%1　新しい顔：%2")
        .arg(stepName(settings.stepSize))
        .arg(settings.newPeople());
}

void BreedingMenu::choose(const BreedingSettings& settings) {
    CChildFrame* f = frame_.activeChildFrame();
    if (f == nullptr) return;
    CMirelDoc& doc = f->document();
    f->documentFrames()->recordChange(tr("繁殖の設定"),
                                      [&doc, &settings] { doc.SetBreedingSettings(settings); });
    update();
}

void BreedingMenu::update() {
    CChildFrame* f = frame_.activeChildFrame();
    stepMenu_->setEnabled(f != nullptr);
    newBloodMenu_->setEnabled(f != nullptr);
    recommended_->setEnabled(f != nullptr);
    const BreedingSettings settings = f != nullptr ? f->document().breedingSettings()
                                                   : BreedingSettings{};
    for (std::size_t k = 0; k < stepActions_.size(); ++k) {
        stepActions_[k]->setChecked(f != nullptr && settings.stepSize == kStepSizes[k]);
    }
    for (std::size_t k = 0; k < newBloodActions_.size(); ++k) {
        newBloodActions_[k]->setChecked(f != nullptr && settings.newBlood == kNewBloodLevels[k]);
    }
    pane_->setText(summary(settings));
    pane_->setVisible(!pane_->text().isEmpty());
}

}  // namespace mirel
