#include "views/ViewPrinting.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include "views/MirelView.h"

namespace mirel {

bool renderViewPage(MirelView& view, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    view.drawView(painter, view.size());
    return painter.end();
}

void printView(MirelView& view, QPrinter& printer, QWidget* parent) {
    QPrintDialog dialog(&printer, parent);
    if (dialog.exec() == QDialog::Accepted) renderViewPage(view, printer);
}

void previewView(MirelView& view, QPrinter& printer, QWidget* parent) {
    QPrintPreviewDialog preview(&printer, parent);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &view,
                     [&view](QPrinter* target) { renderViewPage(view, *target); });
    preview.exec();
}

void setUpPrinter(QPrinter& printer, QWidget* parent) {
    QPageSetupDialog dialog(&printer, parent);
    dialog.exec();
}

}  // namespace mirel
