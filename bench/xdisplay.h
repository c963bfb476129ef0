#pragma once
// The bench's hold on the X display the program runs on, to measure it from outside as a
// pupil sees it: top-level windows as they are mapped and drawn (the Damage extension),
// clicks as a pupil makes them (the XTest extension), and a window's pixels.

#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

struct _XDisplay;
struct _XImage;

class XDisplay
{
public:
    using WindowId = unsigned long;

    // One drawing of a window, and when the bench learned of it (steady clock, ns).
    struct Frame
    {
        qint64 atNs = 0;
        QImage image;
    };

    XDisplay() = default;
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    // Connects to $DISPLAY; false with the reason when an extension is missing.
    bool open(QString *error);
    QSize screenSize() const;

    // Top-level windows created from now on count as new for waitForNewWindow().
    void markWindows();
    // Waits for a window created since markWindows() to be mapped, at least minWidth wide,
    // and drawn; its id, with the time of that first drawing. 0 after timeoutMs.
    WindowId waitForNewWindow(int minWidth, int timeoutMs, qint64 *drawnAtNs);
    // Position and size in screen pixels; empty when the window is gone.
    QRect geometry(WindowId window);

    // Presses and releases the left button at (x, y) in screen pixels; the time just before
    // the press reaches the server.
    qint64 click(const QPoint &at);
    void movePointer(const QPoint &at);
    // Puts the window under the others (as a window manager does when another is clicked).
    void lower(WindowId window);
    // Asks the window to close, as a window manager's close button does.
    void askToClose(WindowId window);

    // The pixels of area (window coordinates) as they are now.
    QImage grab(WindowId window, const QRect &area);
    // Grabs area at every drawing of the window until it has been quiet for quietMs or
    // maxMs have passed; the last entry is a grab taken at the end.
    QList<Frame> watch(WindowId window, const QRect &area, int quietMs, int maxMs);
    // Handles what the server sent for waitMs (windows appearing and going).
    void pump(int waitMs);

private:
    struct Window
    {
        unsigned long damage = 0;
        bool mapped = false;
        bool isNew = false;
        qint64 drawnAtNs = 0; // first drawing after mapping
        qint64 lastDrawnAtNs = 0;
    };

    // Handles one event or waits up to waitMs for one; false when none came.
    bool handleEvent(int waitMs);

    struct SharedImage;
    _XImage *sharedImage(const QSize &size);
    void releaseShared();

    _XDisplay *m_display = nullptr;
    bool m_hasShm = false;
    SharedImage *m_shared = nullptr;
    int m_damageEvent = 0;
    QHash<WindowId, Window> m_windows;
};
