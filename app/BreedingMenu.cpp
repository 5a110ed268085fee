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
        case StepSize::Standard:
            return BreedingMenu::tr("標準");
        case StepSize::Large:
            return BreedingMenu::tr("大");
        case StepSize::ExtraLarge:
            return BreedingMenu::tr("特大");
    }
    return {};
}

QString newBloodName(NewBlood level) {
    switch (level) {
        case NewBlood::None:
            return BreedingMenu::tr("なし");
        case NewBlood::Few:
            return BreedingMenu::tr("少し");
        case NewBlood::Many:
            return BreedingMenu::tr("多い");
    }
    return {};
}

}  // namespace

template <typename Value, std::size_t N, typename Label>
QMenu* BreedingMenu::addChoices(QMenu* parent, const QString& title, const QString& name,
                                const Value (&values)[N], Value BreedingSettings::*field,
                                Label label, const QString& tip, std::array<QAction*, N>& actions) {
    QMenu* menu = parent->addMenu(title);
    menu->setObjectName(name);
    auto* group = new QActionGroup(this);
    for (std::size_t k = 0; k < N; ++k) {
        const Value value = values[k];
        QAction* a = menu->addAction(label(value));
        a->setCheckable(true);
        a->setActionGroup(group);
        a->setStatusTip(tip);
        // Only this setting changes; the other stays as it is in force.
        connect(a, &QAction::triggered, this, [this, field, value] {
            if (CChildFrame* f = frame_.activeChildFrame()) {
                BreedingSettings s = f->document().breedingSettings();
                s.*field = value;
                choose(s);
            }
        });
        actions[k] = a;
    }
    return menu;
}

BreedingMenu::BreedingMenu(CMainFrame& frame) : QObject(&frame), frame_(frame) {
    QMenu* view = frame.findChild<QMenu*>(QStringLiteral("viewMenu"));
    view->addSeparator();

    stepMenu_ = addChoices(
        view, tr("変化の大きさ(&M)"), QStringLiteral("stepSizeMenu"), kStepSizes,
        &BreedingSettings::stepSize,
        [](StepSize step) {
            return tr("%1（×%2）").arg(stepName(step)).arg(static_cast<int>(step));
        },
        tr("次の世代から、子の顔の点が一度に動く幅を変えます"), stepActions_);
    newBloodMenu_ = addChoices(
        view, tr("新しい顔の数(&F)"), QStringLiteral("newBloodMenu"), kNewBloodLevels,
        &BreedingSettings::newBlood,
        [](NewBlood level) {
            return tr("%1（60個のうち%2個）").arg(newBloodName(level)).arg(static_cast<int>(level));
        },
        tr("次の世代から、最後の顔を印を付けた顔の子ではない新しい顔にします"), newBloodActions_);

    recommended_ = view->addAction(tr("おすすめ設定(&O)"));
    recommended_->setObjectName(QStringLiteral("recommendedSettings"));
    recommended_->setStatusTip(
        tr("変化の大きさと新しい顔の数を、似顔絵に近づきやすい設定にします"));
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
    return tr("変化：%1　新しい顔：%2").arg(stepName(settings.stepSize)).arg(settings.newPeople());
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
    const BreedingSettings settings =
        f != nullptr ? f->document().breedingSettings() : BreedingSettings{};
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
