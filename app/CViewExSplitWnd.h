#pragma once
// A static splitter whose active pane is the view its frame records as
// active, or else the pane holding the keyboard focus, so that a splitter
// nested in another still names the right pane.

#include <QSplitter>

#include <functional>

namespace mirel {

class CViewExSplitWnd final : public QSplitter {
    Q_OBJECT
public:
    // frameActiveView returns the frame's active view, or nullptr when it has none.
    CViewExSplitWnd(Qt::Orientation orientation, std::function<QWidget*()> frameActiveView,
                    QWidget* parent = nullptr);

    // The pane of this splitter that is active, or nullptr when none of its
    // panes (nor a widget inside one) is.
    QWidget* activePane() const;

    // Called after each resize, once the splitter has shared out its new room.
    void setResizeHandler(std::function<void()> handler);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* paneContaining(const QWidget* widget) const;

    std::function<QWidget*()> frameActiveView_;
    std::function<void()> resized_;
};

}  // namespace mirel
