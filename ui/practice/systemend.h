#pragma once
// The program ended by the system rather than by the pupil: SIGTERM (log-out, shut-down),
// SIGINT and SIGHUP, and the desktop session asking its programs to keep their work.
//
// A signal handler may do almost nothing safely, so it only writes the signal's number to
// a pipe; a notifier on the pipe's other end runs the ending in the event loop, between
// two events, so no file is ever caught half written. Ending answers an open pop-up "No",
// saves and closes every practice window as a move would save it, without a question, and
// then emits finished(), on which the program exits. A practice window that is marking is
// left to finish: its records are written whole before the program's loops unwind.
//
// One SystemEnd at a time; it puts back the handlers it replaced when it goes.

#include <QObject>

#include <csignal>

class QSocketNotifier;

class SystemEnd : public QObject
{
    Q_OBJECT

public:
    explicit SystemEnd(QObject *parent = nullptr);
    ~SystemEnd() override;

    // Whether the pipe and the handlers are in place.
    bool isInstalled() const { return m_notifier != nullptr; }

    // What the session's end asks for: the typed answers of every open take are saved and
    // nothing closes (the pupil may still cancel the log-out).
    static void saveOpenTakes();

public slots:
    // Closes the pop-ups and the practice windows as described above, then finished().
    void endNow();

signals:
    void finished();

private:
    void readPipe();

    QSocketNotifier *m_notifier = nullptr;
    struct sigaction m_previous[3] = {};
};
