#include "bench/pagewatch.h"

#include "bench/benchclock.h"
#include "ui/practice/browsercontrol.h"

#include <QEvent>
#include <QEventLoop>
#include <QTimer>

namespace {

bool showsSomething(const QImage &image)
{
    if (image.isNull())
        return false;
    const QRgb first = image.pixel(0, 0);
    for (int y = 0; y < image.height(); y += 2) {
        const QRgb *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (line[x] != first)
                return true;
        }
    }
    return false;
}

bool g_snapshotting = false;

} // namespace

PageWatch::PageWatch(BrowserControl *browser, const QImage &before)
    : m_browser(browser), m_before(before)
{
    watchSurface();
    connect(browser, &BrowserControl::pageLoaded, this, [this](bool) {
        m_loadedAt = BenchClock::nowNs();
        // A new control's drawing widget exists once the engine has shown a document.
        watchSurface();
        // The engine may have drawn the page before it reported the load finished; then the
        // page counts as painted when the load finished.
        if (m_paintedBeforeLoad)
            QTimer::singleShot(0, this, [this] { check(m_loadedAt); });
    });
}

void PageWatch::watchSurface()
{
    QWidget *surface = m_browser->inputWidget();
    if (surface == m_surface)
        return;
    m_surface = surface;
    m_surface->installEventFilter(this);
}

QImage PageWatch::snapshot(BrowserControl *browser)
{
    QWidget *surface = browser->inputWidget();
    if (!surface || surface->size().isEmpty())
        return QImage();
    QImage image(surface->size(), QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    g_snapshotting = true;
    surface->render(&image);
    g_snapshotting = false;
    return image;
}

bool PageWatch::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_surface && event->type() == QEvent::Paint && !m_paintedAt
        && !g_snapshotting) {
        if (!m_loadedAt) {
            m_paintedBeforeLoad = true;
        } else {
            const qint64 at = BenchClock::nowNs();
            // Looked at once the paint is done, outside the engine's drawing.
            QTimer::singleShot(0, this, [this, at] { check(at); });
        }
    }
    return QObject::eventFilter(watched, event);
}

void PageWatch::check(qint64 paintedAt)
{
    if (m_paintedAt || !m_browser)
        return;
    if (showsNewPage()) {
        m_paintedAt = paintedAt;
        emit painted();
    }
}

bool PageWatch::showsNewPage() const
{
    const QImage now = m_browser ? snapshot(m_browser) : QImage();
    return showsSomething(now) && now != m_before;
}

bool PageWatch::wait(int timeoutMs)
{
    if (m_paintedAt)
        return true;
    QEventLoop loop;
    QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
    connect(this, &PageWatch::painted, &loop, &QEventLoop::quit);
    loop.exec();
    return m_paintedAt != 0;
}
