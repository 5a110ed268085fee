#pragma once
// Toolbar icons for cut, copy, paste and print: Qt's style has none, and an
// icon theme is not always there, so these are drawn.

#include <QIcon>

namespace mirel {

QIcon cutIcon();
QIcon copyIcon();
QIcon pasteIcon();
QIcon printIcon();

}  // namespace mirel
