#pragma once
// What the three panes share: the document they show (not owned), one
// drawing used for the screen, printing and print preview, and the command
// that saves the face last drawn in window 2.

#include <QWidget>

#include "views/ActionHints.h"

class QPainter;

namespace mirel {

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

signals:
    // A one-line hint for the status bar after a gesture.
    void hint(const QString& text);

protected:
    void emitHint(UserAction action) { emit hint(actionHint(action, document_)); }

    void paintEvent(QPaintEvent* event) override;

private:
    CMirelDoc& document_;
};

}  // namespace mirel
