#pragma once
// The results report saved as a PDF file on A4: the date, the overall results, the topical
// results with their bars and the trend graph, drawn from the figures the Report panel
// shows (ReportFigures), never computed again here.

#include "ui/main/reportfigures.h"

#include <QDate>
#include <QString>

#include <functional>

class QWidget;

namespace ReportPdf {

enum Error { Ok = 0, NotWritten = 150 };

struct Content
{
    QString title;   // the edition title
    QString subject; // the subject's name
    QString pupil;   // the pupil's name where there are several pupils, else empty
    QDate date;
    ReportFigures::Figures figures;
    QList<double> trend; // the trend values, oldest first
};

// "Report English 2026-12-08.pdf", or "Anna Report English 2026-12-08.pdf" with a pupil's
// name; characters a file name cannot hold become "-".
QString defaultFileName(const QString &subject, const QDate &date,
                        const QString &pupil = QString());

// Writes the report to path as a one-page A4 PDF. Returns Ok or NotWritten.
int write(const QString &path, const Content &content);

// Asks where to save, suggesting suggestedPath; an empty answer means the pupil cancelled.
// Tests put a hook in place of the dialog (an empty hook brings the dialog back).
using SaveDialogHook = std::function<QString(QWidget *parent, const QString &suggestedPath)>;
void setSaveDialogHook(SaveDialogHook hook);
QString askFileName(QWidget *parent, const QString &suggestedPath);

} // namespace ReportPdf
