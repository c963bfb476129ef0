#pragma once
// What the browser control asks of the web engine. The engine (Qt WebEngine) lives in a
// module of its own, quorvel-browser.so beside the program file, that the program loads
// when it first needs it: linked into the program, its libraries alone would take about
// 50 ms of every start. Plain virtual functions and callbacks, so nothing of the program
// has to be visible to the module.

#include <QString>

#include <functional>

class QPrinter;
class QUrl;
class QWidget;

class BrowserEngine
{
public:
    // How the engine reports back; called on the user-interface thread.
    struct Reports
    {
        std::function<void(const QString &)> page; // a report of the page's guard script
        std::function<void(bool)> loaded;          // a page finished loading (ok)
        std::function<void(bool)> printed;         // a print finished (ok)
    };

    virtual ~BrowserEngine() = default;

    // The view, a child of the widget the engine was made for.
    virtual QWidget *view() const = 0;
    // The widget that takes the page's keyboard and mouse input.
    virtual QWidget *inputWidget() const = 0;
    // Shows url; it is the only address accepted until the next call.
    virtual void navigate(const QUrl &url) = 0;
    virtual void print(QPrinter *printer) = 0;
    // Enlarges or reduces the page (1.0 is its own size); kept for every later page.
    virtual void setZoomFactor(qreal factor) = 0;
    // Scrolls the page by about a screenful: pages > 0 down, < 0 up.
    virtual void scrollPage(int pages) = 0;
};

// The module's one entry point, looked up by this name.
using CreateBrowserEngine = BrowserEngine *(*)(QWidget *parent,
                                               const BrowserEngine::Reports &reports);
inline constexpr char kCreateBrowserEngine[] = "quorvelCreateBrowserEngine";
