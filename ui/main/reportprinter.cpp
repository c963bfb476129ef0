#include "ui/main/reportprinter.h"

#include "ui/main/printlines.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <cups/cups.h>

namespace ReportPrinter {

bool paintLines(const QList<QStringList> &lines, QPrinter *printer)
{
    QPainter painter;
    if (!painter.begin(printer))
        return false;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSizeF(9);
    painter.setFont(font);
    const QFontMetricsF metrics(painter.font(), printer);
    const double column = metrics.averageCharWidth();
    const double lineHeight = metrics.lineSpacing();
    const QRectF page = printer->pageLayout().paintRectPixels(printer->resolution());
    double y = metrics.ascent();
    for (const QStringList &items : lines) {
        if (y + metrics.descent() > page.height()) {
            printer->newPage();
            y = metrics.ascent();
        }
        const QList<int> starts = PrintLines::zoneStarts(items);
        for (int i = 0; i < items.size(); ++i)
            painter.drawText(QPointF(starts.at(i) * column, y), items.at(i));
        y += lineHeight;
    }
    return painter.end();
}

Outcome printOnDefault(const QList<QStringList> &lines, const QString &documentName)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return NoPrinter;
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(documentName);
    return paintLines(lines, &printer) ? Printed : NotStarted;
}

bool setDefaultPrinter(const QString &name)
{
    cups_dest_t *dests = nullptr;
    const int count = cupsGetDests(&dests);
    bool found = false;
    const QByteArray wanted = name.toLocal8Bit();
    for (int i = 0; i < count; ++i) {
        const bool mine = wanted == dests[i].name && !dests[i].instance;
        dests[i].is_default = mine ? 1 : 0;
        found = found || mine;
    }
    const bool saved = found && cupsSetDests2(CUPS_HTTP_DEFAULT, count, dests) == 0;
    cupsFreeDests(count, dests);
    return saved;
}

bool chooseDefaultPrinter(QWidget *parent)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("Printer Setup"));
    // Choosing a printer, not printing: no page range or copies to ask for.
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    return setDefaultPrinter(printer.printerName());
}

} // namespace ReportPrinter
