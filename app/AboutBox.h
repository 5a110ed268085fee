#pragma once
// The modal About box: "バージョン情報 Mirel", the icon, name and version, authors.

#include <QDialog>

namespace mirel {

class AboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace mirel
