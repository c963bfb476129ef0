#pragma once
// The printed results table of one subject, as lines of items placed in print zones,
// and the layout of such a line in character columns. Plain functions, no printer.
//
// Per-paper lists are QStringLists indexed from 0: entry o - 1 belongs to paper ordinal
// o (pass a 1-based Records::Fields array as fields.mid(1)).

#include <QList>
#include <QString>
#include <QStringList>

namespace PrintLines {

// Width of one print zone in character columns.
const int kZoneWidth = 14;

// The lines of the printout, top to bottom; each line is its zone items, an empty line
// has none. The title line names the edition, a block per topic lists its five papers
// with the stored first-take score, time taken, date and second-take score.
QList<QStringList> reportLines(const QString &title, int topicCount,
                               const QStringList &topicNames, const QStringList &fse,
                               const QStringList &ltm, const QStringList &cdd,
                               const QStringList &sse);

// The character column at which each item of a line starts.
QList<int> zoneStarts(const QStringList &items, int zoneWidth = kZoneWidth);

// The text of one line: the first item at column 0, every further item at the start of
// the zone after the previous item, or after the zones a longer item ran into.
QString layoutZones(const QStringList &items, int zoneWidth = kZoneWidth);

} // namespace PrintLines
