#pragma once
// The browser on Qt WebEngine: the only code of the program that uses it. It shows only the
// pages it was given (links, other schemes and requests to other addresses are refused),
// hands on the guard script's reports of key-down and mouse-down events of the page on show,
// and prints the page on show.
//
// A page can be prepared ahead of its showing: it loads in a view of its own, stacked under
// the view on show (so the engine keeps drawing it) with the guard running on it like on any
// page, and showing it is only a change of which view is on top. All pages are made in
// the program's one off-the-record profile, so the pages of all browsers share one renderer.

#include <QList>
#include <QString>
#include <QUrl>

#include <functional>

class BrowserPage;
class QPrinter;
class QStackedLayout;
class QWebEngineView;
class QWidget;

class WebEngineBrowser
{
public:
    // How the engine reports back; called on the user-interface thread.
    struct Reports
    {
        std::function<void(const QString &)> page;          // a guard report of the page on show
        std::function<void(bool)> loaded;                   // the page on show loaded (ok)
        std::function<void(const QUrl &, bool)> prepared;   // a prepared page loaded (ok)
        std::function<void(bool)> printed;                  // a print finished (ok)
    };

    // The views go into parent, which the browser fills.
    WebEngineBrowser(QWidget *parent, const Reports &reports);
    ~WebEngineBrowser();
    WebEngineBrowser(const WebEngineBrowser &) = delete;
    WebEngineBrowser &operator=(const WebEngineBrowser &) = delete;

    // Sets what the engine needs of the application object; call before QApplication exists.
    static void prepareApplication();
    // Starts the engine, and a renderer for the first browser's page, without a view.
    static void startEngine();

    // The view on show.
    QWidget *view() const;
    // The widget that takes the input of the page on show.
    QWidget *inputWidget() const;
    // Shows url: at once when it is a prepared page that loaded, else by loading it in the
    // view on show. It is the only address that view accepts until the next call.
    void navigate(const QUrl &url);
    // Prepares these pages (at most two, the likeliest first), reusing the views of pages no
    // longer wanted.
    void prepare(const QList<QUrl> &urls);
    // Whether url is on show or prepared (loaded or loading).
    bool holds(const QUrl &url) const;
    void print(QPrinter *printer);
    // Enlarges or reduces every page, shown or prepared (1.0 is a page's own size), and
    // every later one.
    void setZoomFactor(qreal factor);
    // Scrolls the page on show by about a screenful: pages > 0 down, < 0 up.
    void scrollPage(int pages);
    // Runs script on the page on show and hands its result to done.
    void runScript(const QString &script, const std::function<void(const QVariant &)> &done);

private:
    struct Slot
    {
        BrowserPage *page = nullptr;
        QWebEngineView *view = nullptr;
        QUrl url;
        bool loading = false;
        bool ready = false;
    };

    // The view on show and the pages before and after it.
    static constexpr int kMaxViews = 3;

    Slot &addSlot();
    void attachPage(Slot &slot);
    void load(Slot &slot, const QUrl &url);
    void bringOnTop(int index);
    void slotLoaded(BrowserPage *page, bool ok);

    Reports m_reports;
    QStackedLayout *m_stack = nullptr;
    QList<Slot> m_slots;
    int m_shown = 0;
    qreal m_zoom = 1.0;
};
