#include "app/CViewExSplitWnd.h"

#include <QApplication>

#include <utility>

namespace mirel {

CViewExSplitWnd::CViewExSplitWnd(Qt::Orientation orientation,
                                 std::function<QWidget*()> frameActiveView, QWidget* parent)
    : QSplitter(orientation, parent), frameActiveView_(std::move(frameActiveView)) {
    setChildrenCollapsible(false);
}

QWidget* CViewExSplitWnd::activePane() const {
    const QWidget* active = frameActiveView_ ? frameActiveView_() : nullptr;
    if (active == nullptr) active = QApplication::focusWidget();
    return paneContaining(active);
}

void CViewExSplitWnd::setResizeHandler(std::function<void()> handler) {
    resized_ = std::move(handler);
}

void CViewExSplitWnd::resizeEvent(QResizeEvent* event) {
    QSplitter::resizeEvent(event);
    if (resized_) resized_();
}

QWidget* CViewExSplitWnd::paneContaining(const QWidget* widget) const {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        for (int k = 0; k < count(); ++k) {
            if (this->widget(k) == widget) return this->widget(k);
        }
    }
    return nullptr;
}

}  // namespace mirel
