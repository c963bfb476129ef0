#include "ui/practice/webenginebrowser.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QOpenGLContext>
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

// The OpenGL context the engine shares with the windows that show its pages. Qt's own way
// makes it as the application object is made, which loads and starts the OpenGL driver
// (about 40 ms here, on the processor) before the main window, which does not draw with
// OpenGL. Given a context not yet made, the engine leaves it alone, and it is made before the
// engine starts.
QT_BEGIN_NAMESPACE
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext *context);
Q_GUI_EXPORT QOpenGLContext *qt_gl_global_share_context();
QT_END_NAMESPACE

namespace {

void makeSharedContext()
{
    QOpenGLContext *shared = qt_gl_global_share_context();
    if (shared && !shared->isValid()) {
        // It was made before there were screens.
        shared->setScreen(QGuiApplication::primaryScreen());
        shared->setFormat(QSurfaceFormat::defaultFormat());
        shared->create();
    }
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

// An off-the-record profile (nothing is cached or kept on disk) with the guard script under
// a token of its own, for the pages of one browser.
struct EngineProfile
{
    QWebEngineProfile *profile = nullptr;
    QString token;
    BrowserPage *firstPage = nullptr; // its renderer started, for the browser's first view
};

BrowserPage *makePage(QWebEngineProfile *profile, const QString &token)
{
    auto *page = new BrowserPage(profile, token);
    keepLight(page->settings());
    return page;
}

EngineProfile makeProfile()
{
    EngineProfile e;
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

// Starting a renderer is most of the time a practice window takes to show its first
// question. So a spare profile with its renderer running waits for the next browser.
constexpr int kSpareDelayMs = 200;

EngineProfile &spare()
{
    static EngineProfile spareProfile;
    return spareProfile;
}

void deleteSpare()
{
    EngineProfile &s = spare();
    delete s.firstPage; // the page must go before its profile
    delete s.profile;
    s = EngineProfile();
}

void prepareSpare()
{
    EngineProfile &s = spare();
    if (s.profile)
        return;
    makeSharedContext();
    setEngineFlags();
    static bool cleanupAdded = false;
    if (!cleanupAdded) {
        // Runs before the engine's own clean-up, which was added when the engine started.
        qAddPostRoutine(deleteSpare);
        cleanupAdded = true;
    }
    s = makeProfile();
    s.firstPage = makePage(s.profile, s.token);
    const QUrl blank(QStringLiteral("about:blank"));
    s.firstPage->setAllowed(blank);
    s.firstPage->load(blank);
}

} // namespace

void WebEngineBrowser::prepareApplication()
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    if (!qt_gl_global_share_context()) {
        qt_gl_set_global_share_context(new QOpenGLContext);
        qAddPostRoutine(deleteSharedContext);
    }
}

void WebEngineBrowser::startEngine()
{
    prepareSpare();
}

WebEngineBrowser::WebEngineBrowser(QWidget *parent, const Reports &reports)
    : m_reports(reports)
{
    m_stack = new QStackedLayout(parent);
    m_stack->setContentsMargins(0, 0, 0, 0);
    // Every view stays shown, the one on show on top: the engine draws only shown views.
    m_stack->setStackingMode(QStackedLayout::StackAll);

    prepareSpare();
    EngineProfile e = spare();
    spare() = EngineProfile();
    m_profile = e.profile;
    m_token = e.token;
    m_slots.reserve(3);
    Slot &first = addSlot();
    first.page = e.firstPage;
    first.page->setParent(first.view);
    first.view->setPage(first.page);
    QObject::connect(first.page, &QWebEnginePage::loadFinished, first.view,
                     [this, page = first.page](bool ok) { slotLoaded(page, ok); });
    QObject::connect(
        first.page, &QWebEnginePage::loadFinished, first.view,
        [] { QTimer::singleShot(kSpareDelayMs, prepareSpare); }, Qt::SingleShotConnection);
    // The spare page showed a blank document; what it shows from now on is this browser's.
    first.page->setReport([this, page = first.page](const QString &m) {
        if (m_slots.at(m_shown).page == page && m_reports.page)
            m_reports.page(m);
    });
    m_shown = 0;
}

WebEngineBrowser::~WebEngineBrowser()
{
    // The pages, children of the views, must go before their profile.
    for (const Slot &slot : qAsConst(m_slots))
        delete slot.view;
    delete m_profile;
}

WebEngineBrowser::Slot &WebEngineBrowser::addSlot()
{
    Slot slot;
    slot.view = new QWebEngineView;
    slot.view->setContextMenuPolicy(Qt::NoContextMenu);
    slot.view->setAcceptDrops(false);
    if (!m_slots.isEmpty()) {
        slot.page = makePage(m_profile, m_token);
        slot.page->setParent(slot.view);
        slot.view->setPage(slot.page);
        QObject::connect(slot.page, &QWebEnginePage::loadFinished, slot.view,
                         [this, page = slot.page](bool ok) { slotLoaded(page, ok); });
        slot.page->setReport([this, page = slot.page](const QString &m) {
            if (m_slots.at(m_shown).page == page && m_reports.page)
                m_reports.page(m);
        });
    }
    QObject::connect(slot.view, &QWebEngineView::printFinished, slot.view, m_reports.printed);
    m_slots.append(slot);
    // Added under the view on show.
    m_stack->addWidget(slot.view);
    return m_slots.last();
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
    QList<QUrl> missing;
    for (const QUrl &url : urls) {
        if (!holds(url))
            missing << url;
    }
    for (const QUrl &url : qAsConst(missing)) {
        int free = -1;
        for (int k = 0; k < m_slots.size() && free < 0; ++k) {
            if (k != m_shown && !urls.contains(m_slots.at(k).url))
                free = k;
        }
        if (free < 0 && m_slots.size() < 3) {
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

void WebEngineBrowser::print(QPrinter *printer)
{
    m_slots.at(m_shown).view->print(printer);
}
