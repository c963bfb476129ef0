#pragma once
// Watches a practice window's browser control for the page it is loading and notes when
// that page has been painted: the load has finished and the control has drawn a frame that
// shows a page and differs from what it showed before (the engine may first draw a blank
// frame, or the previous page). A frame drawn before the load finished counts from then.

#include <QImage>
#include <QObject>
#include <QPointer>

class BrowserControl;
class QWidget;

class PageWatch : public QObject
{
    Q_OBJECT
public:
    // Starts watching; before is what the control showed when the operation began (null
    // for a new control).
    PageWatch(BrowserControl *browser, const QImage &before);

    // Runs the event loop until the page is painted; false after timeoutMs.
    bool wait(int timeoutMs);
    // When it was painted (steady clock, ns).
    qint64 paintedAtNs() const { return m_paintedAt; }
    // When the engine reported the load finished (steady clock, ns; 0 before).
    qint64 loadedAtNs() const { return m_loadedAt; }

    // What the control shows now.
    static QImage snapshot(BrowserControl *browser);
    // Whether the control now shows a page, other than what it showed before.
    bool showsNewPage() const;

signals:
    void painted();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void watchSurface();
    void check(qint64 paintedAt);

    QPointer<BrowserControl> m_browser;
    QPointer<QWidget> m_surface;
    QImage m_before;
    bool m_paintedBeforeLoad = false;
    qint64 m_loadedAt = 0;
    qint64 m_paintedAt = 0;
};
