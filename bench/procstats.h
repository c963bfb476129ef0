#pragma once
// What the kernel says about a process and its helpers: processor time, resident size and
// proportional size, read from /proc. The parsers take the files' text, so a test can feed
// them any sample.

#include <QByteArray>
#include <QList>

namespace ProcStats {

// From the text of /proc/<pid>/stat: the parent's pid and utime + stime in clock ticks.
// False when the text is not a stat line.
bool parseStat(const QByteArray &text, qint64 *parentPid, qint64 *cpuTicks);

// The number of a "Key:   123 kB" line (status, smaps_rollup); -1 when there is none.
qint64 fieldKb(const QByteArray &text, const QByteArray &key);

// pid followed by every process descended from it (the browser engine's helpers).
QList<qint64> withDescendants(qint64 pid);

// utime + stime of all of them, in seconds.
double cpuSeconds(const QList<qint64> &pids);

// VmRSS of one process, kB.
qint64 residentKb(qint64 pid);

// Pss of all of them, kB.
qint64 proportionalKb(const QList<qint64> &pids);

} // namespace ProcStats
