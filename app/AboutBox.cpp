#include "app/AboutBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>

namespace mirel {
namespace {

constexpr int kIconSide = 32;

}  // namespace

AboutBox::AboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("バージョン情報 Mirel"));
    setModal(true);

    auto* icon = new QLabel(this);
    const QIcon appIcon = QApplication::windowIcon().isNull()
                              ? style()->standardIcon(QStyle::SP_DesktopIcon)
                              : QApplication::windowIcon();
    icon->setPixmap(appIcon.pixmap(kIconSide, kIconSide));

    auto* version = new QLabel(QStringLiteral("Mirel Version 1.0"), this);
    version->setObjectName(QStringLiteral("versionLine"));
    auto* authors = new QLabel(tr("作者：Mirel 開発チーム"), this);
    authors->setObjectName(QStringLiteral("authorsLine"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(version, 0, 1);
    layout->addWidget(authors, 1, 1);
    layout->addWidget(buttons, 0, 2, 2, 1, Qt::AlignTop);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

}  // namespace mirel
