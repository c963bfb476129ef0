#include "ui/practice/webenginebrowser.h"

#include <QCoreApplication>
#include <QOpenGLContext>
#include <QQuickWindow>
#include <QStackedLayout>
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

// Shows only the page it was sent to, opens no windows and hands on the guard's console
// reports.
class BrowserPage : public QWebEnginePage
{
public:
    BrowserPage(QWebEngineProfile *profile, QString token)
        : QWebEnginePage(profile), m_filter(new BrowserPageFilter(this)), m_token(std::move(token))
    {
        setUrlRequestInterceptor(m_filter);
    }

    void setAllowed(const QUrl &url)
    {
        m_allowed = url;
        m_filter->setAllowed(url);
    }
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
    BrowserPageFilter *m_filter;
    QUrl m_allowed;
    QString m_token;
    std::function<void(const QString &)> m_report;
};

// Qt WebEngine makes an OpenGL context to share with the windows as the application object
// is made, unless there is one, which loads and starts the OpenGL driver (about 40 ms of the
// start on the processor). The program draws nothing with OpenGL (see prepareApplication()),
// so it sets a context that is never made.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

// Asked whether OpenGL may be used from several threads (the engine asks as it starts),
// the X11 platform makes a throw-away OpenGL context, which loads the OpenGL driver: Mesa's
// software one held 50 MB of the program's memory, though nothing here is drawn with
// OpenGL. Without its OpenGL part the platform answers at once. The platform reads the
// setting when first asked; it is taken back then, so programs started from this one (a web
// browser showing the maker's page) do not inherit it. A setting of the user's own stands.
constexpr char kPlatformOpenGl[] = "QT_XCB_GL_INTEGRATION";
bool platformOpenGlSetHere = false;

void leaveOutPlatformOpenGl()
{
    if (qEnvironmentVariableIsSet(kPlatformOpenGl))
        return;
    qputenv(kPlatformOpenGl, "none");
    platformOpenGlSetHere = true;
}

void settlePlatformOpenGl()
{
    QOpenGLContext::supportsThreadedOpenGL();
    if (platformOpenGlSetHere)
        qunsetenv(kPlatformOpenGl);
    platformOpenGlSetHere = false;
}

void deleteSharedContext()
{
    QOpenGLContext *shared = qt_gl_global_share_context();
    qt_gl_set_global_share_context(nullptr);
    delete shared;
}

} // namespace

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

// The one off-the-record profile of the program's pages (nothing is cached or kept on disk),
// with the guard script under a token of its own. All pages share it, so that the pages of
// one site share one renderer.
struct Engine
{
    QWebEngineProfile *profile = nullptr;
    QString token;
    BrowserPage *warmPage = nullptr; // its renderer started, for the first browser's view
    bool warmPageReady = false;      // its blank document loaded
};

BrowserPage *makePage(QWebEngineProfile *profile, const QString &token)
{
    auto *page = new BrowserPage(profile, token);
    keepLight(page->settings());
    return page;
}

Engine &engine()
{
    static Engine e;
    return e;
}

// Before the engine starts, switches of its own:
// - Besides the helper that starts the page renderers, the engine starts a second helper
//   for services outside its sandbox at once, which the question pages never use; starting
//   it took about 100 ms of the first page on two cores. Told not to, the engine would
//   start such a service directly if one were ever needed.
// - The engine draws a new page on its own 60 Hz clock, which held each question a frame
//   longer than its load needed. Unlimited, it still draws only when something changed, and
//   the question pages are still pictures and text.
// - Pages of one site share a renderer, so a browser's prepared pages cost no process.
void setEngineFlags()
{
    static bool set = false;
    if (set)
        return;
    set = true;
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    for (const char *own :
         {"--no-unsandboxed-zygote", "--disable-frame-rate-limit", "--process-per-site"}) {
        if (!flags.contains(own))
            flags += QByteArray(" ") + own;
    }
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
}

void deleteEngine()
{
    Engine &e = engine();
    delete e.warmPage; // a page must go before its profile
    delete e.profile;
    e = Engine();
}

// Starting the engine and a page's renderer is most of the time the first practice window
// takes to show its first question; done once the main window is up, neither waits for it.
void startEngineOnce()
{
    Engine &e = engine();
    if (e.profile)
        return;
    settlePlatformOpenGl();
    setEngineFlags();
    // Runs before the engine's own clean-up, which is added when the engine starts.
    qAddPostRoutine(deleteEngine);
    e.token = QUuid::createUuid().toString(QUuid::Id128) + QLatin1Char(':');
    e.profile = new QWebEngineProfile;
    e.profile->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
    e.profile->setPersistentCookiesPolicy(QWebEngineProfile::NoPersistentCookies);
    e.profile->setSpellCheckEnabled(false);

    QWebEngineScript guard;
    guard.setName(QStringLiteral("guard"));
    guard.setSourceCode(guardScript(e.token));
    guard.setInjectionPoint(QWebEngineScript::DocumentCreation);
    guard.setWorldId(QWebEngineScript::ApplicationWorld);
    guard.setRunsOnSubFrames(true);
    e.profile->scripts()->insert(guard);

    e.warmPage = makePage(e.profile, e.token);
    const QUrl blank(QStringLiteral("about:blank"));
    e.warmPage->setAllowed(blank);
    QObject::connect(e.warmPage, &QWebEnginePage::loadFinished, e.warmPage,
                     [] { engine().warmPageReady = true; });
    e.warmPage->load(blank);
}

} // namespace

void WebEngineBrowser::prepareApplication()
{
    // The question pages are text and pictures. Qt Quick draws the engine's frames on the
    // processor like the rest of the windows, so no window is put together with OpenGL:
    // where that is done on the processor too (no graphics driver), it took 1.5 % of a core
    // for the clock's tick and 35 MB more memory.
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    leaveOutPlatformOpenGl();
    if (!qt_gl_global_share_context()) {
        qt_gl_set_global_share_context(new QOpenGLContext);
        qAddPostRoutine(deleteSharedContext);
    }
}

void WebEngineBrowser::startEngine()
{
    startEngineOnce();
}

WebEngineBrowser::WebEngineBrowser(QWidget *parent, const Reports &reports)
    : m_reports(reports)
{
    m_stack = new QStackedLayout(parent);
    m_stack->setContentsMargins(0, 0, 0, 0);
    // Every view stays shown, the one on show on top: the engine draws only shown views.
    m_stack->setStackingMode(QStackedLayout::StackAll);

    startEngineOnce();
    m_slots.reserve(kMaxViews);
    Slot &first = addSlot();
    Engine &e = engine();
    // Taken once its blank document is in, so that load's report is not taken for a page's.
    if (e.warmPage && e.warmPageReady) {
        first.page = e.warmPage;
        e.warmPage = nullptr;
        QObject::disconnect(first.page, &QWebEnginePage::loadFinished, first.page, nullptr);
    } else {
        first.page = makePage(e.profile, e.token);
    }
    attachPage(first);
    m_shown = 0;
}

WebEngineBrowser::~WebEngineBrowser()
{
    // The pages are the views' children.
    for (const Slot &slot : qAsConst(m_slots))
        delete slot.view;
}

WebEngineBrowser::Slot &WebEngineBrowser::addSlot()
{
    Slot slot;
    slot.view = new QWebEngineView;
    slot.view->setContextMenuPolicy(Qt::NoContextMenu);
    slot.view->setAcceptDrops(false);
    if (!m_slots.isEmpty()) {
        slot.page = makePage(engine().profile, engine().token);
        attachPage(slot);
    }
    QObject::connect(slot.view, &QWebEngineView::printFinished, slot.view, m_reports.printed);
    m_slots.append(slot);
    // Added under the view on show.
    m_stack->addWidget(slot.view);
    return m_slots.last();
}

void WebEngineBrowser::attachPage(Slot &slot)
{
    BrowserPage *page = slot.page;
    page->setParent(slot.view);
    slot.view->setPage(page);
    page->setZoomFactor(m_zoom);
    QObject::connect(page, &QWebEnginePage::loadFinished, slot.view,
                     [this, page](bool ok) { slotLoaded(page, ok); });
    page->setReport([this, page](const QString &m) {
        if (m_slots.at(m_shown).page == page && m_reports.page)
            m_reports.page(m);
    });
}

void WebEngineBrowser::load(Slot &slot, const QUrl &url)
{
    slot.url = url;
    slot.loading = true;
    slot.ready = false;
    slot.page->setAllowed(url);
    slot.page->load(url);
}

void WebEngineBrowser::slotLoaded(BrowserPage *page, bool ok)
{
    for (int k = 0; k < m_slots.size(); ++k) {
        Slot &slot = m_slots[k];
        if (slot.page != page || !slot.loading)
            continue;
        slot.loading = false;
        slot.ready = ok;
        // The engine may take a new page back to its own size; every page keeps the pupil's.
        page->setZoomFactor(m_zoom);
        if (k == m_shown) {
            if (m_reports.loaded)
                m_reports.loaded(ok);
        } else if (m_reports.prepared) {
            m_reports.prepared(slot.url, ok);
        }
        return;
    }
}

QWidget *WebEngineBrowser::view() const
{
    return m_slots.at(m_shown).view;
}

QWidget *WebEngineBrowser::inputWidget() const
{
    QWidget *shown = view();
    return shown->focusProxy() ? shown->focusProxy() : shown;
}

void WebEngineBrowser::bringOnTop(int index)
{
    QWidget *before = view();
    const bool hadFocus = before->hasFocus() || inputWidget()->hasFocus();
    m_shown = index;
    m_stack->setCurrentIndex(index);
    if (hadFocus)
        inputWidget()->setFocus();
}

void WebEngineBrowser::navigate(const QUrl &url)
{
    for (int k = 0; k < m_slots.size(); ++k) {
        const Slot &slot = m_slots.at(k);
        if (k != m_shown && slot.ready && slot.url == url) {
            bringOnTop(k);
            // Reported as a load is, once the caller has returned.
            QTimer::singleShot(0, view(), [this, k] {
                if (m_shown == k && m_reports.loaded)
                    m_reports.loaded(true);
            });
            return;
        }
    }
    load(m_slots[m_shown], url);
}

void WebEngineBrowser::prepare(const QList<QUrl> &urls)
{
    // As many as there are views besides the one on show, the first first.
    const QList<QUrl> wanted = urls.mid(0, kMaxViews - 1);
    for (const QUrl &url : wanted) {
        if (holds(url))
            continue;
        int free = -1;
        for (int k = 0; k < m_slots.size() && free < 0; ++k) {
            if (k != m_shown && !wanted.contains(m_slots.at(k).url))
                free = k;
        }
        if (free < 0 && m_slots.size() < kMaxViews) {
            addSlot();
            free = m_slots.size() - 1;
        }
        if (free < 0)
            return;
        load(m_slots[free], url);
    }
}

bool WebEngineBrowser::holds(const QUrl &url) const
{
    for (const Slot &slot : m_slots) {
        if (slot.url == url && (slot.loading || slot.ready))
            return true;
    }
    return false;
}

void WebEngineBrowser::runScript(const QString &script,
                                 const std::function<void(const QVariant &)> &done)
{
    if (m_slots.isEmpty())
        return done(QVariant());
    // The page's own scripts are off; the walk runs in the application world, as the guard.
    m_slots[m_shown].page->runJavaScript(script, QWebEngineScript::ApplicationWorld, done);
}

void WebEngineBrowser::print(QPrinter *printer)
{
    m_slots.at(m_shown).view->print(printer);
}

void WebEngineBrowser::setZoomFactor(qreal factor)
{
    m_zoom = factor;
    for (const Slot &slot : qAsConst(m_slots)) {
        if (slot.page)
            slot.page->setZoomFactor(factor);
    }
}

void WebEngineBrowser::scrollPage(int pages)
{
    // The pages run no script of their own; this runs in the program's world, as the guard.
    m_slots.at(m_shown).page->runJavaScript(
        QStringLiteral("window.scrollBy(0, %1 * Math.max(40, window.innerHeight - 40));")
            .arg(pages),
        QWebEngineScript::ApplicationWorld);
}
