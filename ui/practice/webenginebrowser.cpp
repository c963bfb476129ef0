#include "ui/practice/webenginebrowser.h"

#include <QCoreApplication>
#include <QTimer>
#include <QUrl>
#include <QUuid>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestInterceptor>
#include <QWebEngineView>

// Lets through only the page file itself; the page's pictures travel inside it.
class BrowserPageFilter : public QWebEngineUrlRequestInterceptor
{
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;

    void setAllowed(const QUrl &url) { m_allowed = url; }

    void interceptRequest(QWebEngineUrlRequestInfo &info) override
    {
        if (info.requestUrl().adjusted(QUrl::RemoveFragment) != m_allowed)
            info.block(true);
    }

private:
    QUrl m_allowed;
};

// Shows only the page the view was sent to, opens no windows and hands on the guard's
// console reports.
class BrowserPage : public QWebEnginePage
{
public:
    BrowserPage(QWebEngineProfile *profile, QString token)
        : QWebEnginePage(profile), m_token(std::move(token))
    {
    }

    void setAllowed(const QUrl &url) { m_allowed = url; }
    void setReport(std::function<void(const QString &)> report) { m_report = std::move(report); }

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        Q_UNUSED(type);
        return isMainFrame && url.adjusted(QUrl::RemoveFragment) == m_allowed;
    }

    QWebEnginePage *createWindow(WebWindowType) override { return nullptr; }

    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString &message, int,
                                  const QString &) override
    {
        if (m_report && message.startsWith(m_token))
            m_report(message.mid(m_token.size()));
    }

private:
    QUrl m_allowed;
    QString m_token;
    std::function<void(const QString &)> m_report;
};

namespace {

// Reports every key-down and mouse-down of the document. It runs in a world of its own,
// so the page cannot see the token or remove the listeners, and it neither cancels nor
// stops the events.
QString guardScript(const QString &token)
{
    return QStringLiteral(
               "(function () {"
               "  var tag = '%1';"
               "  document.addEventListener('keydown', function (e) {"
               "    console.log(tag + 'key:' + (e.ctrlKey ? 1 : 0) + ':' + e.keyCode);"
               "  }, true);"
               "  document.addEventListener('mousedown', function (e) {"
               "    var b = e.button === 0 ? 1 : e.button === 1 ? 4 : e.button === 2 ? 2 : 0;"
               "    console.log(tag + 'mouse:' + b);"
               "  }, true);"
               "})();")
        .arg(token);
}

void keepLight(QWebEngineSettings *s)
{
    using S = QWebEngineSettings;
    // The question pages need no script, storage or plugin; the guard runs in its own world.
    const S::WebAttribute off[] = {
        S::JavascriptEnabled, S::JavascriptCanOpenWindows, S::JavascriptCanAccessClipboard,
        S::JavascriptCanPaste, S::LocalStorageEnabled, S::LocalContentCanAccessRemoteUrls,
        S::SpatialNavigationEnabled, S::HyperlinkAuditingEnabled, S::ScrollAnimatorEnabled,
        S::ErrorPageEnabled, S::PluginsEnabled, S::FullScreenSupportEnabled,
        S::ScreenCaptureEnabled, S::WebGLEnabled, S::Accelerated2dCanvasEnabled,
        S::AutoLoadIconsForPage, S::TouchIconsEnabled, S::FocusOnNavigationEnabled,
        S::AllowRunningInsecureContent, S::AllowGeolocationOnInsecureOrigins,
        S::DnsPrefetchEnabled, S::PdfViewerEnabled, S::NavigateOnDropEnabled,
        S::AllowWindowActivationFromJavaScript};
    for (S::WebAttribute a : off)
        s->setAttribute(a, false);
    s->setAttribute(S::PlaybackRequiresUserGesture, true);
}

// A page with an off-the-record profile of its own (nothing is cached or kept on disk) that
// holds the request filter and the guard script with the page's token.
struct EnginePage
{
    QWebEngineProfile *profile = nullptr;
    BrowserPage *page = nullptr;
    BrowserPageFilter *filter = nullptr;
    QString token;
};

EnginePage makeEnginePage()
{
    EnginePage e;
    e.token = QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char(':');
    e.profile = new QWebEngineProfile;
    e.profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    e.profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    e.profile->setSpellCheckEnabled(false);
    e.filter = new BrowserPageFilter(e.profile);
    e.profile->setUrlRequestInterceptor(e.filter);

    QWebEngineScript guard;
    guard.setName(QStringLiteral("guard"));
    guard.setSourceCode(guardScript(e.token));
    guard.setInjectionPoint(QWebEngineScript::DocumentCreation);
    guard.setWorldId(QWebEngineScript::ApplicationWorld);
    guard.setRunsOnSubFrames(true);
    e.profile->scripts()->insert(guard);

    e.page = new BrowserPage(e.profile, e.token);
    keepLight(e.page->settings());
    return e;
}

// Starting a page's renderer is most of the time a practice window takes to show its first
// question. So once a control has shown its first page, a spare page with its renderer
// running waits for the next control.
constexpr int kSpareDelayMs = 200;

EnginePage &sparePage()
{
    static EnginePage spare;
    return spare;
}

void deleteSparePage()
{
    EnginePage &spare = sparePage();
    delete spare.page; // the page must go before its profile
    delete spare.profile;
    spare = EnginePage();
}

void prepareSparePage()
{
    EnginePage &spare = sparePage();
    if (spare.page)
        return;
    static bool cleanupAdded = false;
    if (!cleanupAdded) {
        // Runs before the engine's own clean-up, which was added when the engine started.
        qAddPostRoutine(deleteSparePage);
        cleanupAdded = true;
    }
    spare = makeEnginePage();
    const QUrl blank(QStringLiteral("about:blank"));
    spare.filter->setAllowed(blank);
    spare.page->setAllowed(blank);
    spare.page->load(blank);
}

} // namespace

// Qt WebEngine's set-up of the OpenGL context it shares. Linked to a program, the engine
// runs it as the application starts; loaded later, it must be run before the first page
// (it does nothing when the application made the context, see prepareApplication()).
namespace QtWebEngineCore {
Q_DECL_IMPORT void initialize();
}

// Before the engine starts, two switches of its own:
// - Besides the helper that starts the page renderers, the engine starts a second helper
//   for services outside its sandbox at once, which the question pages never use; starting
//   it took about 100 ms of the first page on two cores. Told not to, the engine would
//   start such a service directly if one were ever needed.
// - The engine draws a new page on its own 60 Hz clock, which held each question a frame
//   longer than its load needed (Next took 31 ms instead of 27). Unlimited, it still draws
//   only when something changed, and the question pages are still pictures and text.
void prepareEngine()
{
    QtWebEngineCore::initialize();
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char *own : {"--no-unsandboxed-zygote", "--disable-frame-rate-limit"}) {
        if (!flags.contains(own))
            flags += QByteArray(" ") + own;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

WebEngineBrowser::WebEngineBrowser(QWidget *parent, const Reports &reports)
{
    static const bool initialized = [] {
        prepareEngine();
        return true;
    }();
    Q_UNUSED(initialized);
    EnginePage engine = sparePage();
    sparePage() = EnginePage();
    if (!engine.page)
        engine = makeEnginePage();
    m_profile = engine.profile;
    m_filter = engine.filter;
    m_page = engine.page;
    m_page->setReport(reports.page);

    m_view = new QWebEngineView(parent);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setAcceptDrops(false);
    m_page->setParent(m_view);
    m_view->setPage(m_page);
    // The engine may take a new page back to its own size; every page keeps the pupil's.
    QObject::connect(m_view, &QWebEngineView::loadFinished, m_view,
                     [this] { m_view->setZoomFactor(m_zoom); });
    QObject::connect(m_view, &QWebEngineView::loadFinished, m_view, reports.loaded);
    QObject::connect(
        m_view, &QWebEngineView::loadFinished, m_view,
        [] { QTimer::singleShot(kSpareDelayMs, prepareSparePage); }, Qt::SingleShotConnection);
    QObject::connect(m_view, &QWebEngineView::printFinished, m_view, reports.printed);
}

WebEngineBrowser::~WebEngineBrowser()
{
    // The page, the view's child, must go before its profile.
    delete m_view;
    delete m_profile;
}

QWidget *WebEngineBrowser::view() const
{
    return m_view;
}

QWidget *WebEngineBrowser::inputWidget() const
{
    return m_view->focusProxy() ? m_view->focusProxy() : m_view;
}

void WebEngineBrowser::navigate(const QUrl &url)
{
    m_page->setAllowed(url);
    m_filter->setAllowed(url);
    m_view->load(url);
}

void WebEngineBrowser::print(QPrinter *printer)
{
    m_view->print(printer);
}

void WebEngineBrowser::setZoomFactor(qreal factor)
{
    m_zoom = factor;
    m_view->setZoomFactor(factor);
}

void WebEngineBrowser::scrollPage(int pages)
{
    // The pages run no script of their own; this runs in the program's world, as the guard.
    m_page->runJavaScript(
        QStringLiteral("window.scrollBy(0, %1 * Math.max(40, window.innerHeight - 40));")
            .arg(pages),
        QWebEngineScript::ApplicationWorld);
}

extern "C" Q_DECL_EXPORT BrowserEngine *quorvelCreateBrowserEngine(
    QWidget *parent, const BrowserEngine::Reports &reports)
{
    return new WebEngineBrowser(parent, reports);
}
