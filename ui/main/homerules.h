#pragma once
// Rules of the main window's Home panel and tab strip, free of widgets so tests call them.

#include <QRect>
#include <QString>
#include <QVector>

namespace HomeRules {

// Ordinal of topic t's first paper: 1, 6, 11, ...
int firstOrdinalOfTopic(int topic);
// Topic 1..10 whose first paper has ordinal f; 0 when f is no such ordinal.
int topicOfFirstOrdinal(int f);
// Paper key of paper offset 0..4 of the topic whose first ordinal is f.
int paperKey(int firstOrdinal, int offset);

// A second take is offered once a first take exists and scored 99 or less.
bool tryAgainOffered(const QString &firstTakeScore);

// Left edge (twips) of a score label: its right edge 20 twips left of the "%" column,
// or at the column itself when there is no score.
int scoreLabelLeft(const QString &score, int percentLeft, int labelWidth);

// The paper heading (SubH1) wraps a long topic name to at most this many lines.
constexpr int kHeadingMaxLines = 2;
// Top (pixels) of paper row 1..5 of the Home panel under a heading of headingLines lines
// of lineHeight pixels each: every line past the first moves the rows down by one.
int paperRowTop(int row, int headingLines, int lineHeight);

// Left edges of the four tabs from x = 2: an absent subject's tab goes out of sight at
// -width(Tab01) and takes no room; neighbouring tabs overlap by 4.
QVector<int> tabLefts(const bool present[3], const int widths[4]);

// Top of a tab over the strip: selected tabs stand 2 units higher than the others.
double tabTop(double stripTop, double tabHeight, bool selected);

// The main window's caption: the edition title, followed by the pupil's name once more
// than one pupil shares the program.
QString windowTitle(const QString &title, const QString &pupil, int pupilCount);

// The "Who is practising?" window (pixels): its size and one large button per pupil, one
// under another below the title strip.
struct ChooserLayout
{
    QSize window;
    QVector<QRect> buttons;
};
ChooserLayout chooserLayout(int pupils);

} // namespace HomeRules
