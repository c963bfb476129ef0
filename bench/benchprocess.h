#pragma once
// One child run of the bench: the bench program started again with "--child MODE FOLDER
// REPEATS" in a fresh temporary program folder, with what the browser engine needs to run
// here as root without a display or GPU. Its stdout lines "name value" are the figures;
// its stderr goes to a file, shown when the run fails.

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class BenchProcess
{
public:
    BenchProcess(const QString &mode, int repeats);
    ~BenchProcess();

    // Starts the child; startedAtNs() is stamped just before.
    bool start();
    qint64 startedAtNs() const { return m_startedAt; }
    qint64 pid() const { return m_process.processId(); }

    // Waits for the next line; false at the end of the output or after timeoutMs.
    bool readFigure(QByteArray *name, double *value, int timeoutMs);
    // Reads lines until one named name; false when it did not come.
    bool expect(const QByteArray &name, double *value, int timeoutMs);

    // Tells an idling child to close its windows and waits for it to end; true when it
    // ended (or had ended) normally with exit code 0.
    bool finish(int timeoutMs);

    // What went wrong, with the end of the child's stderr.
    QString failure(const QString &what) const;

private:
    QString m_mode;
    int m_repeats;
    QTemporaryDir m_folder;
    QTemporaryDir m_logs;
    QProcess m_process;
    qint64 m_startedAt = 0;
};
