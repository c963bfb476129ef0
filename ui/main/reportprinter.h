#pragma once
// Printing the results table on the default printer, and choosing that printer.

#include <QList>
#include <QStringList>

class QPrinter;
class QWidget;

namespace ReportPrinter {

enum Outcome { Printed, NoPrinter, NotStarted };

// Paints the lines (zone items, see PrintLines) in the printer's font, a print zone being
// 14 average character widths; starts a new page when one is full.
bool paintLines(const QList<QStringList> &lines, QPrinter *printer);

// Prints on the user's default printer. Nothing is printed when there is none.
Outcome printOnDefault(const QList<QStringList> &lines, const QString &documentName);

// Shows the printer dialog; the printer chosen becomes the user's default printer.
// Returns true when a printer was chosen.
bool chooseDefaultPrinter(QWidget *parent);

// Makes the named print queue the user's default (in the print system's own settings).
bool setDefaultPrinter(const QString &name);

} // namespace ReportPrinter
