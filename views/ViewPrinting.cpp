#include "views/ViewPrinting.h"

#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

#include <algorithm>

#include "views/MirelView.h"

namespace mirel {

bool renderViewPage(MirelView& view, QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    // The drawing is laid out in the window's pixels; the page shows it whole.
    const QSize client = view.size();
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    if (!client.isEmpty() && !page.isEmpty()) {
        const double scale = std::min(static_cast<double>(page.width()) / client.width(),
                                      static_cast<double>(page.height()) / client.height());
        painter.scale(scale, scale);
    }
    view.drawView(painter, client);
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
