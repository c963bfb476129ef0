#include "bench/xdisplay.h"

#include "bench/benchclock.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xdamage.h>

#include <poll.h>
#include <sys/ipc.h>
#include <sys/shm.h>

// A grab through shared memory takes about a millisecond for a practice window, against
// several through the socket, so a drawing during a grab is seen almost as soon as made.
struct XDisplay::SharedImage
{
    XShmSegmentInfo info{};
    XImage *image = nullptr;
};

XDisplay::~XDisplay()
{
    releaseShared();
    if (m_display)
        XCloseDisplay(m_display);
}

void XDisplay::releaseShared()
{
    if (!m_shared)
        return;
    XShmDetach(m_display, &m_shared->info);
    XDestroyImage(m_shared->image);
    shmdt(m_shared->info.shmaddr);
    delete m_shared;
    m_shared = nullptr;
}

XImage *XDisplay::sharedImage(const QSize &size)
{
    if (!m_hasShm)
        return nullptr;
    if (m_shared && m_shared->image->width == size.width()
        && m_shared->image->height == size.height())
        return m_shared->image;
    releaseShared();
    const int screen = DefaultScreen(m_display);
    auto *shared = new SharedImage;
    shared->image = XShmCreateImage(m_display, DefaultVisual(m_display, screen),
                                    unsigned(DefaultDepth(m_display, screen)), ZPixmap,
                                    nullptr, &shared->info, unsigned(size.width()),
                                    unsigned(size.height()));
    if (!shared->image) {
        delete shared;
        return nullptr;
    }
    shared->info.shmid = shmget(IPC_PRIVATE, size_t(shared->image->bytes_per_line)
                                                 * size_t(shared->image->height),
                                IPC_CREAT | 0600);
    shared->info.shmaddr = shared->image->data =
        static_cast<char *>(shmat(shared->info.shmid, nullptr, 0));
    shared->info.readOnly = False;
    XShmAttach(m_display, &shared->info);
    XSync(m_display, False);
    shmctl(shared->info.shmid, IPC_RMID, nullptr); // goes once both sides let go
    m_shared = shared;
    return shared->image;
}

bool XDisplay::open(QString *error)
{
    // A window that goes while the bench looks at it is no reason to stop.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    m_display = XOpenDisplay(nullptr);
    if (!m_display) {
        *error = QStringLiteral("cannot open the X display (run under xvfb-run)");
        return false;
    }
    int damageError = 0;
    int major = 0, minor = 0, opcode = 0, xtestEvent = 0, xtestError = 0;
    if (!XDamageQueryExtension(m_display, &m_damageEvent, &damageError)) {
        *error = QStringLiteral("the X server has no Damage extension");
        return false;
    }
    if (!XQueryExtension(m_display, "XTEST", &opcode, &xtestEvent, &xtestError)
        || !XTestQueryExtension(m_display, &xtestEvent, &xtestError, &major, &minor)) {
        *error = QStringLiteral("the X server has no XTEST extension");
        return false;
    }
    m_hasShm = XShmQueryExtension(m_display);
    XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
    XSync(m_display, False);
    return true;
}

QSize XDisplay::screenSize() const
{
    const int screen = DefaultScreen(m_display);
    return QSize(DisplayWidth(m_display, screen), DisplayHeight(m_display, screen));
}

void XDisplay::markWindows()
{
    pump(0);
    for (Window &w : m_windows)
        w.isNew = false;
}

bool XDisplay::handleEvent(int waitMs)
{
    if (!XPending(m_display)) {
        pollfd fd{ConnectionNumber(m_display), POLLIN, 0};
        if (waitMs <= 0 || poll(&fd, 1, waitMs) <= 0 || !XPending(m_display))
            return false;
    }
    XEvent event;
    XNextEvent(m_display, &event);
    const qint64 now = BenchClock::nowNs();
    if (event.type == CreateNotify) {
        Window &w = m_windows[event.xcreatewindow.window];
        w = Window();
        w.isNew = true;
        w.damage = XDamageCreate(m_display, event.xcreatewindow.window,
                                 XDamageReportNonEmpty);
    } else if (event.type == MapNotify) {
        auto it = m_windows.find(event.xmap.window);
        if (it != m_windows.end())
            it->mapped = true;
    } else if (event.type == UnmapNotify) {
        auto it = m_windows.find(event.xunmap.window);
        if (it != m_windows.end())
            it->mapped = false;
    } else if (event.type == DestroyNotify) {
        m_windows.remove(event.xdestroywindow.window);
    } else if (event.type == m_damageEvent + XDamageNotify) {
        const auto *damage = reinterpret_cast<const XDamageNotifyEvent *>(&event);
        XDamageSubtract(m_display, damage->damage, None, None);
        auto it = m_windows.find(damage->drawable);
        if (it != m_windows.end() && it->mapped) {
            if (!it->drawnAtNs)
                it->drawnAtNs = now;
            it->lastDrawnAtNs = now;
        }
    }
    return true;
}

void XDisplay::pump(int waitMs)
{
    const qint64 end = BenchClock::nowNs() + qint64(waitMs) * 1000000;
    while (true) {
        const int left = int((end - BenchClock::nowNs()) / 1000000);
        if (!handleEvent(qMax(0, left)) && left <= 0)
            return;
    }
}

XDisplay::WindowId XDisplay::waitForNewWindow(int minWidth, int timeoutMs, qint64 *drawnAtNs)
{
    const qint64 end = BenchClock::nowNs() + qint64(timeoutMs) * 1000000;
    while (BenchClock::nowNs() < end) {
        for (auto it = m_windows.cbegin(); it != m_windows.cend(); ++it) {
            if (it->isNew && it->mapped && it->drawnAtNs
                && geometry(it.key()).width() >= minWidth) {
                *drawnAtNs = it->drawnAtNs;
                return it.key();
            }
        }
        handleEvent(int(qMax<qint64>(1, (end - BenchClock::nowNs()) / 1000000)));
    }
    return 0;
}

QRect XDisplay::geometry(WindowId window)
{
    XWindowAttributes a;
    if (!m_windows.contains(window) || !XGetWindowAttributes(m_display, window, &a))
        return QRect();
    return QRect(a.x, a.y, a.width, a.height);
}

void XDisplay::movePointer(const QPoint &at)
{
    XTestFakeMotionEvent(m_display, -1, at.x(), at.y(), CurrentTime);
    XSync(m_display, False);
}

qint64 XDisplay::click(const QPoint &at)
{
    movePointer(at);
    pump(30); // the program sees the pointer arrive, as it would before a pupil's click
    const qint64 at0 = BenchClock::nowNs();
    XTestFakeButtonEvent(m_display, 1, True, CurrentTime);
    XTestFakeButtonEvent(m_display, 1, False, CurrentTime);
    XFlush(m_display);
    return at0;
}

void XDisplay::lower(WindowId window)
{
    XLowerWindow(m_display, window);
    XSync(m_display, False);
}

void XDisplay::askToClose(WindowId window)
{
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(m_display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(m_display, window, False, NoEventMask, &event);
    XSync(m_display, False);
}

QImage XDisplay::grab(WindowId window, const QRect &area)
{
    if (XImage *shared = sharedImage(area.size())) {
        if (XShmGetImage(m_display, window, shared, area.x(), area.y(), AllPlanes)
            && shared->bits_per_pixel == 32) {
            return QImage(reinterpret_cast<const uchar *>(shared->data), shared->width,
                          shared->height, shared->bytes_per_line, QImage::Format_RGB32)
                .copy();
        }
    }
    XImage *x = XGetImage(m_display, window, area.x(), area.y(), unsigned(area.width()),
                          unsigned(area.height()), AllPlanes, ZPixmap);
    if (!x)
        return QImage();
    QImage image;
    if (x->bits_per_pixel == 32) {
        image = QImage(reinterpret_cast<const uchar *>(x->data), x->width, x->height,
                       x->bytes_per_line, QImage::Format_RGB32)
                    .copy();
    }
    XDestroyImage(x);
    return image;
}

QList<XDisplay::Frame> XDisplay::watch(WindowId window, const QRect &area, int quietMs,
                                       int maxMs)
{
    QList<Frame> frames;
    const qint64 start = BenchClock::nowNs();
    const qint64 end = start + qint64(maxMs) * 1000000;
    qint64 lastSeen = m_windows.value(window).lastDrawnAtNs;
    qint64 quietSince = start;
    while (m_windows.contains(window)) {
        const qint64 now = BenchClock::nowNs();
        if (now >= end || now - quietSince >= qint64(quietMs) * 1000000)
            break;
        handleEvent(1);
        // Everything already queued is handled before a grab, so the grab is the newest.
        while (XPending(m_display))
            handleEvent(0);
        const qint64 drawn = m_windows.value(window).lastDrawnAtNs;
        if (drawn != lastSeen) {
            // Stamped with the newest drawing: what the grab shows was on screen by then.
            lastSeen = drawn;
            quietSince = drawn;
            frames.append({drawn, grab(window, area)});
        }
    }
    frames.append({BenchClock::nowNs(), grab(window, area)});
    return frames;
}
