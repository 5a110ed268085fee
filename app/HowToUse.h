#pragma once
// Help ▸ 使い方: the gestures, pages, window 3, part locks, undo, sessions,
// the language and the files a save writes, in paragraphs of their own.

#include <QDialog>

namespace mirel {

class HowToUse final : public QDialog {
    Q_OBJECT
public:
    explicit HowToUse(QWidget* parent = nullptr);
};

}  // namespace mirel
