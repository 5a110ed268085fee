#include "app/MarkCountPane.h"

#include "ga/Selection.h"

namespace mirel {

MarkCountPane::MarkCountPane(QWidget* parent) : QLabel(parent) {
    setObjectName(QStringLiteral("markCountPane"));
    setToolTip(tr("この世代で印を付けた顔の数"));
    // As wide as its widest text, so the panes beside it never shift.
    const QString widest = tr("選択 %1／%2").arg(kMaxMarks).arg(kMaxMarks);
    setMinimumWidth(fontMetrics().horizontalAdvance(widest));
    showCount(std::nullopt);
}

void MarkCountPane::showCount(std::optional<int> count) {
    setText(count ? tr("選択 %1／%2").arg(*count).arg(kMaxMarks) : QString());
}

}  // namespace mirel
