#include "ui/practice/browsercontrol.h"

#include "ui/practice/browserengine.h"

#include "app/programfolder.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLibrary>
#include <QPrintDialog>
#include <QPrinter>
#include <QSaveFile>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace {

// Long enough for the main window to be painted first, short next to a pupil's first click.
constexpr int kPreloadDelayMs = 100;

BrowserControl::PrintDialogHook &printDialogHook()
{
    static BrowserControl::PrintDialogHook hook;
    return hook;
}

// Writes the module the program file carries to the program folder, unless the same bytes
// are there already. Replaced atomically, so a module another process has loaded stays
// intact. Returns the path, or an empty text when the program carries none (tests).
QString writeEmbeddedModule()
{
    QFile embedded(QStringLiteral(":/module/quorvel-browser.so"));
    if (!embedded.open(QIODevice::ReadOnly))
        return QString();
    const QByteArray bytes = embedded.readAll();
    const QString path = ProgramFolder::filePath(QStringLiteral("quorvel-browser.so"));
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return path;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QString();
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ExeOwner);
    return path;
}

// The module the program file carries, else the one this build made (tests and the
// benchmark run from their own folders). Loaded once and kept.
CreateBrowserEngine engineFactory()
{
    static const CreateBrowserEngine create = [] {
        const QString paths[] = {writeEmbeddedModule(),
                                 QStringLiteral(QUORVEL_BROWSER_MODULE)};
        for (const QString &path : paths) {
            if (path.isEmpty() || !QFileInfo::exists(path))
                continue;
            QLibrary module(path);
            module.setLoadHints(QLibrary::PreventUnloadHint);
            if (auto found = reinterpret_cast<CreateBrowserEngine>(
                    module.resolve(kCreateBrowserEngine)))
                return found;
            qWarning("quorvel: %s", qPrintable(module.errorString()));
        }
        return CreateBrowserEngine(nullptr);
    }();
    return create;
}

} // namespace

BrowserControl::BrowserControl(QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    BrowserEngine::Reports reports;
    reports.page = [this](const QString &m) { reportFromPage(m); };
    reports.loaded = [this](bool ok) { emit pageLoaded(ok); };
    reports.printed = [this](bool ok) {
        m_printer.reset();
        emit printFinished(ok);
    };
    if (const CreateBrowserEngine create = engineFactory()) {
        m_engine.reset(create(this, reports));
        layout->addWidget(m_engine->view());
    } else {
        auto *missing = new QLabel(QStringLiteral("The question page cannot be shown: the "
                                                  "program's browser module is missing."),
                                   this);
        missing->setWordWrap(true);
        missing->setAlignment(Qt::AlignCenter);
        layout->addWidget(missing);
    }
}

BrowserControl::~BrowserControl() = default;

void BrowserControl::prepareApplication()
{
    // Set before the application exists, as the engine needs it when it is loaded later.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

void BrowserControl::preloadEngine()
{
    QTimer::singleShot(kPreloadDelayMs, [] { engineFactory(); });
}

void BrowserControl::Place(const QRect &rect)
{
    setGeometry(rect);
}

void BrowserControl::Navigate2(const QString &path)
{
    m_pagePath = path;
    if (m_engine)
        m_engine->navigate(QUrl::fromLocalFile(path));
    else
        QTimer::singleShot(0, this, [this] { emit pageLoaded(false); });
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
    if (m_printer || !m_engine)
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
    return m_engine ? m_engine->inputWidget() : const_cast<BrowserControl *>(this);
}

void BrowserControl::reportFromPage(const QString &message)
{
    const QStringList parts = message.split(QLatin1Char(':'));
    if (parts.size() == 3 && parts.at(0) == QLatin1String("key"))
        emit documentKeyDown(parts.at(1) == QLatin1String("1"), parts.at(2).toInt());
    else if (parts.size() == 2 && parts.at(0) == QLatin1String("mouse"))
        emit documentMouseDown(parts.at(1).toInt());
}
