#include "bench/benchprocess.h"

#include "bench/benchclock.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcessEnvironment>

BenchProcess::BenchProcess(const QString &mode, int repeats) : m_mode(mode), m_repeats(repeats)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // The engine refuses to run as root inside its sandbox, and there is no GPU here.
    env.insert(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX"), QStringLiteral("1"));
    env.insert(QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS"), QStringLiteral("--disable-gpu"));
    m_process.setProcessEnvironment(env);
    m_process.setProgram(QCoreApplication::applicationFilePath());
    m_process.setArguments({QStringLiteral("--child"), m_mode, m_folder.path(),
                            QString::number(m_repeats)});
    m_process.setStandardErrorFile(m_logs.filePath(QStringLiteral("stderr.txt")));
}

BenchProcess::~BenchProcess()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool BenchProcess::start()
{
    m_startedAt = BenchClock::nowNs();
    m_process.start();
    return m_process.waitForStarted(10000);
}

bool BenchProcess::readFigure(QByteArray *name, double *value, int timeoutMs)
{
    const qint64 deadline = BenchClock::nowNs() + qint64(timeoutMs) * 1000000;
    while (!m_process.canReadLine()) {
        const qint64 left = (deadline - BenchClock::nowNs()) / 1000000;
        if (left <= 0 || !m_process.waitForReadyRead(int(left)))
            return false;
    }
    const QList<QByteArray> parts = m_process.readLine().trimmed().split(' ');
    bool ok = false;
    *name = parts.value(0);
    *value = parts.value(1).toDouble(&ok);
    return ok;
}

bool BenchProcess::expect(const QByteArray &name, double *value, int timeoutMs)
{
    QByteArray got;
    while (readFigure(&got, value, timeoutMs)) {
        if (got == name)
            return true;
    }
    return false;
}

bool BenchProcess::finish(int timeoutMs)
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.write("quit\n");
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(timeoutMs))
            return false;
    }
    return m_process.exitStatus() == QProcess::NormalExit && m_process.exitCode() == 0;
}

QString BenchProcess::failure(const QString &what) const
{
    QFile log(m_logs.filePath(QStringLiteral("stderr.txt")));
    const QByteArray text = log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    return QStringLiteral("%1 (child %2, exit code %3)\n%4")
        .arg(what, m_mode)
        .arg(m_process.exitCode())
        .arg(QString::fromLocal8Bit(text.right(2000)));
}
