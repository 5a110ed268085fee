#pragma once
// The breeding settings in the view menu (step size, new faces, the
// recommended profile) and the status pane that names them while they
// differ from the standard breeding.

#include <QObject>
#include <array>

#include "ga/BreedingSettings.h"

class QAction;
class QLabel;
class QMenu;

namespace mirel {

class CMainFrame;

class BreedingMenu final : public QObject {
    Q_OBJECT
  public:
    // Adds the commands to the frame's view menu and the pane to its status bar.
    explicit BreedingMenu(CMainFrame& frame);

    // Checks the choices and fills the pane from the document in front.
    void update();
    QLabel* pane() const { return pane_; }
    // The pane's text for `settings`; empty for the default settings.
    static QString summary(const BreedingSettings& settings);

  private:
    // A submenu of `parent` with a checkable choice per value; each sets `field`.
    template <typename Value, std::size_t N, typename Label>
    QMenu* addChoices(QMenu* parent, const QString& title, const QString& name,
                      const Value (&values)[N], Value BreedingSettings::*field, Label label,
                      const QString& tip, std::array<QAction*, N>& actions);
    void choose(const BreedingSettings& settings);

    CMainFrame& frame_;
    QMenu* stepMenu_ = nullptr;
    QMenu* newBloodMenu_ = nullptr;
    QAction* recommended_ = nullptr;
    std::array<QAction*, std::size(kStepSizes)> stepActions_{};
    std::array<QAction*, std::size(kNewBloodLevels)> newBloodActions_{};
    QLabel* pane_ = nullptr;
};

}  // namespace mirel
