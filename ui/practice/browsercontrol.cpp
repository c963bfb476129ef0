#include "ui/practice/browsercontrol.h"

#include "ui/practice/webenginebrowser.h"

#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QUrl>

namespace {

// Long enough for the main window to be painted first, short next to a pupil's first click.
constexpr int kPreloadDelayMs = 100;

BrowserControl::PrintDialogHook &printDialogHook()
{
    static BrowserControl::PrintDialogHook hook;
    return hook;
}

} // namespace

BrowserControl::BrowserControl(QWidget *parent) : QWidget(parent)
{
    WebEngineBrowser::Reports reports;
    reports.page = [this](const QString &m) { reportFromPage(m); };
    reports.loaded = [this](bool ok) { emit pageLoaded(ok); };
    reports.prepared = [this](const QUrl &url, bool ok) {
        emit pagePrepared(url.toLocalFile(), ok);
    };
    reports.printed = [this](bool ok) {
        m_printer.reset();
        emit printFinished(ok);
    };
    m_engine = std::make_unique<WebEngineBrowser>(this, reports);
}

BrowserControl::~BrowserControl() = default;

void BrowserControl::prepareApplication()
{
    WebEngineBrowser::prepareApplication();
}

void BrowserControl::preloadEngine()
{
    QTimer::singleShot(kPreloadDelayMs, [] { WebEngineBrowser::startEngine(); });
}

void BrowserControl::Place(const QRect &rect)
{
    setGeometry(rect);
}

void BrowserControl::runOnPage(const QString &script,
                               const std::function<void(const QVariant &)> &done)
{
    m_engine->runScript(script, done);
}

void BrowserControl::Navigate2(const QString &path)
{
    m_pagePath = path;
    m_engine->navigate(QUrl::fromLocalFile(path));
}

void BrowserControl::prepare(const QStringList &paths)
{
    QList<QUrl> urls;
    for (const QString &path : paths)
        urls << QUrl::fromLocalFile(path);
    m_engine->prepare(urls);
}

bool BrowserControl::holdsPage(const QString &path) const
{
    return m_engine->holds(QUrl::fromLocalFile(path));
}

void BrowserControl::setZoom(int percent)
{
    m_zoom = percent;
    if (m_engine)
        m_engine->setZoomFactor(percent / 100.0);
}

void BrowserControl::scrollPage(int pages)
{
    if (m_engine)
        m_engine->scrollPage(pages);
}

bool BrowserControl::printWithDialog(QWidget *window)
{
    if (m_printer)
        return false; // one print at a time; the engine is still busy with the last
    m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    bool accepted;
    if (printDialogHook()) {
        accepted = printDialogHook()(m_printer.get(), window);
    } else {
        QPrintDialog dialog(m_printer.get(), window);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) {
        m_printer.reset();
        return false;
    }
    m_engine->print(m_printer.get());
    return true;
}

void BrowserControl::setPrintDialogHook(PrintDialogHook hook)
{
    printDialogHook() = std::move(hook);
}

QWidget *BrowserControl::inputWidget() const
{
    return m_engine->inputWidget();
}

void BrowserControl::reportFromPage(const QString &message)
{
    const QStringList parts = message.split(QLatin1Char(':'));
    if (parts.size() == 3 && parts.at(0) == QLatin1String("key"))
        emit documentKeyDown(parts.at(1) == QLatin1String("1"), parts.at(2).toInt());
    else if (parts.size() == 2 && parts.at(0) == QLatin1String("mouse"))
        emit documentMouseDown(parts.at(1).toInt());
}
