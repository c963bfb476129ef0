#include "bench/procstats.h"

#include <QDir>
#include <QFile>
#include <QHash>

#include <unistd.h>

namespace ProcStats {

namespace {

QByteArray readProc(qint64 pid, const char *name)
{
    QFile file(QStringLiteral("/proc/%1/%2").arg(pid).arg(QLatin1String(name)));
    // /proc files report no size: read until the end.
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

bool parseStat(const QByteArray &text, qint64 *parentPid, qint64 *cpuTicks)
{
    // The command name in parentheses may hold spaces and parentheses: fields start after
    // the last ')'. Then: state ppid ... utime (12th) stime (13th).
    const int close = text.lastIndexOf(')');
    if (close < 0)
        return false;
    const QList<QByteArray> fields = text.mid(close + 1).simplified().split(' ');
    if (fields.size() < 13)
        return false;
    bool okParent = false;
    bool okUser = false;
    bool okSystem = false;
    const qint64 parent = fields.at(1).toLongLong(&okParent);
    const qint64 user = fields.at(11).toLongLong(&okUser);
    const qint64 system = fields.at(12).toLongLong(&okSystem);
    if (!okParent || !okUser || !okSystem)
        return false;
    *parentPid = parent;
    *cpuTicks = user + system;
    return true;
}

qint64 fieldKb(const QByteArray &text, const QByteArray &key)
{
    for (const QByteArray &line : text.split('\n')) {
        if (!line.startsWith(key + ':'))
            continue;
        const QList<QByteArray> parts = line.mid(key.size() + 1).simplified().split(' ');
        bool ok = false;
        const qint64 value = parts.value(0).toLongLong(&ok);
        return ok ? value : -1;
    }
    return -1;
}

QList<qint64> withDescendants(qint64 pid)
{
    QHash<qint64, QList<qint64>> children;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool isPid = false;
        const qint64 p = entry.toLongLong(&isPid);
        qint64 parent = 0;
        qint64 ticks = 0;
        if (isPid && parseStat(readProc(p, "stat"), &parent, &ticks))
            children[parent].append(p);
    }
    QList<qint64> all{pid};
    for (int k = 0; k < all.size(); ++k)
        all += children.value(all.at(k));
    return all;
}

double cpuSeconds(const QList<qint64> &pids)
{
    qint64 total = 0;
    for (qint64 pid : pids) {
        qint64 parent = 0;
        qint64 ticks = 0;
        if (parseStat(readProc(pid, "stat"), &parent, &ticks))
            total += ticks;
    }
    return double(total) / double(sysconf(_SC_CLK_TCK));
}

qint64 residentKb(qint64 pid)
{
    return fieldKb(readProc(pid, "status"), "VmRSS");
}

qint64 proportionalKb(const QList<qint64> &pids)
{
    qint64 total = 0;
    for (qint64 pid : pids)
        total += qMax<qint64>(0, fieldKb(readProc(pid, "smaps_rollup"), "Pss"));
    return total;
}

} // namespace ProcStats
