#pragma once
// Answers the browser control's print dialog, while it lives, by printing to a PDF file, and
// notes the window that owned the dialog. Set back however the test ends.

#include "ui/practice/browsercontrol.h"

#include <QPrinter>
#include <QString>

class PdfPrintHook
{
public:
    explicit PdfPrintHook(const QString &pdf)
    {
        BrowserControl::setPrintDialogHook([this, pdf](QPrinter *printer, QWidget *window) {
            owner = window;
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(pdf);
            return true;
        });
    }
    ~PdfPrintHook() { BrowserControl::setPrintDialogHook({}); }
    PdfPrintHook(const PdfPrintHook &) = delete;
    PdfPrintHook &operator=(const PdfPrintHook &) = delete;

    QWidget *owner = nullptr;
};
