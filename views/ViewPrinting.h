#pragma once
// Printing and print preview of a view: each page is the view's own drawing,
// laid out from the window's size; and the printer set-up dialog.

class QPrinter;
class QWidget;

namespace mirel {

class MirelView;

// The print dialog, then one page of the view.
void printView(MirelView& view, QPrinter& printer, QWidget* parent);
// The preview window showing the page the view would print.
void previewView(MirelView& view, QPrinter& printer, QWidget* parent);
// One page of the view on `printer`, no dialog, scaled to fit the page;
// false when the printer cannot be painted on.
bool renderViewPage(MirelView& view, QPrinter& printer);
// The dialog choosing the printer's page and paper.
void setUpPrinter(QPrinter& printer, QWidget* parent);

}  // namespace mirel
