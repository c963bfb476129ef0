#pragma once
// What the pupil should practise next in a subject, from its scores: a plain rule with no
// widgets. Score lists are indexed from 0 as in ReportFigures (entry o - 1 is ordinal o).

#include <QString>
#include <QStringList>

namespace PractiseNext {

struct Suggestion
{
    enum Kind { Nothing, FirstTake, TryAgain, Praise };
    Kind kind = Nothing;
    int topic = 0; // 1..10
    int paper = 0; // 1..5 within the topic
    int take = 0;  // 1 or 2
    QString text;  // the one line the Home panel shows
};

// In order: the first untried paper of the report's weakest topic; the first untried paper
// of the first topic that has one; when every paper has a first take, the paper with the
// lowest first score that still offers a second take (99 or less, none taken yet), the
// first of equal ones; else praise. Nothing for a subject without topics.
Suggestion suggest(int topicCount, int paperCount, const QStringList &topicNames,
                   const QStringList &fse, const QStringList &sse);

// The Home panel's topic column with the suggestion at its foot: the suggestion sits
// suggestionHeight above the column's bottom, and the topic rows close up from their usual
// pitch (never below minPitch) when that many would reach it.
struct Column
{
    int topicPitch = 0;
    int suggestionTop = 0;
};
Column column(int topicCount, int columnHeight, int topicTop, int pitch, int minPitch,
              int suggestionHeight);

} // namespace PractiseNext
