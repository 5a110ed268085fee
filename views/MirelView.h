#pragma once
// What the three panes share: the document they show (not owned), one
// drawing used for the screen, printing and print preview, and the command
// that saves the face last drawn in window 2.

#include <QColor>
#include <QWidget>

#include <functional>

#include "views/ActionHints.h"

class QPainter;

namespace mirel {

// The chosen face's frame and name, apart from the marks' dark red.
inline constexpr QColor kChosenColour{0, 90, 220};

class CMirelDoc;

class MirelView : public QWidget {
    Q_OBJECT
public:
    MirelView(CMirelDoc& document, QWidget* parent);

    CMirelDoc& document() const { return document_; }

    // Draws the view as on screen, laid out from `clientSize` (the window's,
    // also when the painter is a printer's).
    virtual void drawView(QPainter& painter, QSize clientSize) = 0;

    void saveDetailFace();

    // Runs a change of the document as one step the user can take back,
    // named `text`; returns whether the document changed.
    using ChangeRecorder =
        std::function<bool(const QString& text, const std::function<void()>& change)>;
    // Without a recorder (a view on its own) changes just run.
    void setChangeRecorder(ChangeRecorder recorder) { recorder_ = std::move(recorder); }
    bool recordChange(const QString& text, const std::function<void()>& change);

signals:
    // A one-line hint for the status bar after a gesture.
    void hint(const QString& text);

protected:
    void emitHint(UserAction action) { emit hint(actionHint(action, document_)); }

    void paintEvent(QPaintEvent* event) override;

private:
    CMirelDoc& document_;
    ChangeRecorder recorder_;
};

}  // namespace mirel
