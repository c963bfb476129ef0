#pragma once
// The main window's selection as a practice window receives it when it is opened.

#include "results/resultsfiles.h"

#include <QMetaType>
#include <QString>

struct PaperSelection
{
    int LChose = 0;      // subject number 1..3
    QString lblCOD;      // edition code
    int TopicCount = 1;  // ordinal of the topic's first paper: 1, 6, 11, ...
    int TtPapersCon = 0; // paper count of the subject
    int PaperNum = 101;  // paper key, 100 + ordinal
    int TakeNum = 1;     // 1 = first take, 2 = second take
    QString SubH1;       // topic name
    QString resultsFolder; // the pupil's results folder; empty = the program folder

    // The results files of the selected subject.
    Results::SubjectFiles subjectFiles() const
    {
        return Results::SubjectFiles(LChose, lblCOD, TtPapersCon, resultsFolder);
    }
    // Paper number within its topic, 1..5.
    int paperInTopic() const { return PaperNum - 100 - TopicCount + 1; }
    // Index of the paper in the per-paper lists of the marks file, from 0.
    int paperIndex() const { return PaperNum - 101; }
};

Q_DECLARE_METATYPE(PaperSelection)
