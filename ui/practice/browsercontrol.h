#pragma once
// The embedded browser that shows one question page: a single-file MHT document written to
// disk by the practice window. The rest of the program uses the web engine only through it.
// It shows the page file it was given and nothing else (links, other schemes and requests
// to other addresses are refused), reports key-down and mouse-down events of every page it
// shows, and prints the page on show. It can prepare the pages likely shown next, so that
// showing one of them takes no load (see webenginebrowser.h). The engine starts with the
// first control, or earlier by preloadEngine().

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>

class WebEngineBrowser;
class QPrinter;

class BrowserControl : public QWidget
{
    Q_OBJECT
public:
    explicit BrowserControl(QWidget *parent = nullptr);
    ~BrowserControl() override;

    // Sets what the engine needs of the application object; call before QApplication is
    // constructed. Does not start the engine.
    static void prepareApplication();
    // Starts the engine shortly after the call; the program calls it once its main window is
    // shown, so neither the start nor the first paper waits for it.
    static void preloadEngine();

    // Places the control in its parent (pixels).
    void Place(const QRect &rect);
    // Shows the page file at path. The file's address becomes the only one the control
    // accepts until the next call.
    void Navigate2(const QString &path);
    // Runs script on the page on show (for reading it aloud) and hands its result to done.
    void runOnPage(const QString &script, const std::function<void(const QVariant &)> &done);
    // The page file last given to Navigate2.
    QString pagePath() const { return m_pagePath; }
    // Loads these page files (at most two, the likeliest to be shown next first) out of
    // sight, so that a later Navigate2 to one of them shows it at once; pages prepared before
    // and not listed are let go. pagePrepared follows each load, after which the file is no
    // longer needed.
    void prepare(const QStringList &paths);
    // Whether the page file at path is on show or prepared.
    bool holdsPage(const QString &path) const;

    // The page's size in percent (100 its own size), for this page and every later one.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    // Scrolls the page on show by about a screenful: pages > 0 down, < 0 up.
    void scrollPage(int pages);

    // Shows the print dialog (owned by window) and prints the page on show; false when
    // the dialog was cancelled. printFinished follows a print that started.
    bool printWithDialog(QWidget *window);

    // Replaces the print dialog, e.g. so a test can print to a PDF file unattended. The
    // hook gets the printer and the owner window and returns true to print.
    using PrintDialogHook = std::function<bool(QPrinter *, QWidget *)>;
    static void setPrintDialogHook(PrintDialogHook hook);

    // The widget that takes the page's keyboard and mouse input (for tests that type or
    // click on the page).
    QWidget *inputWidget() const;

signals:
    // A key went down on the page: whether Ctrl was held and the key code (67 for C).
    void documentKeyDown(bool ctrl, int keyCode);
    // A mouse button went down on the page: 1 left, 2 right, 4 middle.
    void documentMouseDown(int button);
    // A page finished loading (ok false when it could not be shown).
    void pageLoaded(bool ok);
    // A page given to prepare() finished loading (ok false when it cannot be shown so).
    void pagePrepared(const QString &path, bool ok);
    void printFinished(bool ok);

private:
    void reportFromPage(const QString &message);

    std::unique_ptr<WebEngineBrowser> m_engine;
    QString m_pagePath;
    std::unique_ptr<QPrinter> m_printer;
    int m_zoom = 100;
};
