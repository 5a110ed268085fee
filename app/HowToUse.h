#pragma once
// Help ▸ 使い方: a short page of the mouse and key gestures, the save
// command and the six files it writes.

#include <QDialog>

namespace mirel {

class HowToUse final : public QDialog {
    Q_OBJECT
public:
    explicit HowToUse(QWidget* parent = nullptr);
};

}  // namespace mirel
