#pragma once
// One take of one paper as the practice window runs it, without widgets: the paper's data,
// the pupil's answers and marks, the question on show and its page file, moving between
// questions, saving, marking and the clock. A first take works on the "first" and
// "fresults" files; a second take on "second" and "sresults", starting from the first
// take's right answers, which it keeps read-only.
//
// Question numbers are 1-based (qsCount 1..questionCount); per-blank lists are 0-based
// (entry i is blank i + 1 of the paper). Operations that write return 0 or an error number.

#include "app/paperlookup.h"
#include "results/resultsfiles.h"
#include "ui/practice/paperselection.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

class PracticeSession
{
public:
    explicit PracticeSession(const PaperSelection &selection);

    // Looks the paper up in its subject's tables and reads the stored take. Returns 0, or
    // the look-up's error when the paper cannot be opened.
    int load();
    // The same with paper data already at hand.
    int load(const PaperData &paper);

    const PaperSelection &selection() const { return m_selection; }
    const PaperData &paper() const { return m_paper; }
    bool isSecondTake() const { return m_selection.TakeNum == 2; }

    // ---- questions ----
    int questionCount() const { return m_paper.questionCount(); }
    int totalBlanks() const { return m_paper.totalBlanks; }
    int qsCount() const { return m_qsCount; }
    int blankCount(int question) const;     // blanks of question 1..questionCount
    int blankOffset(int question) const;    // index of its first blank
    int rowBlank(int row) const;            // index of the blank of row 1..20 on show
    int rowsOnShow() const { return blankCount(m_qsCount); }

    // ---- per-blank lists ----
    const QStringList &answers() const { return m_answers; }
    const QStringList &results() const { return m_results; }
    const QStringList &firstAnswers() const { return m_firstAnswers; }
    const QStringList &firstResults() const { return m_firstResults; }
    QString answerCode(int i) const { return m_paper.answerCodes.value(i); }
    QString answerKey(int i) const { return m_paper.answerKey.value(i); }
    // True for a blank the first take got right, carried into a second take read-only.
    bool isCarriedOver(int i) const;
    // The correct answer a row holds in M: the key in a first take; in a second take the
    // key of a plain blank, the first alternative of an "M" blank, and for a "G" blank the
    // alternative left for it.
    QString correctAnswer(int i) const;

    // ---- answers ----
    // Takes the texts of rows 1..rowsOnShow (as typed) into the answer list.
    void commitAnswers(const QStringList &rowTexts);
    // Writes the paper's record of the take's answers file.
    int writeAnswers() const;
    // commitAnswers, then writeAnswers (a move, Save, Mark and closing all start so).
    int commitAndWrite(const QStringList &rowTexts);
    // A move to question target: commits and writes the answers, then makes target the
    // question on show, deletes the page file shown so far and writes the new one. When the
    // answers cannot be written nothing moves and the error is returned.
    int goToQuestion(int target, const QStringList &rowTexts);

    // Question numbers with a blank that is empty once spaces are removed, ascending.
    QList<int> remainingQuestions() const;
    // Blanks whose answer is not empty text (spaces count).
    int answeredCount() const;
    // The question asked before marking: the short one unless a blank to answer is empty.
    QString markingPrompt() const;

    // ---- page file ----
    // "temppaper" + question id + ".mht" in the program folder, for question 1..count.
    QString pageFilePath(int question) const;
    QString currentPagePath() const { return m_currentPagePath; }
    int currentPageId() const { return m_currentPageId; }
    // Writes the page of the question on show; 0 when it can be shown.
    int showQuestionPage();
    // Whether the last page written can be shown (a page not written is not navigated to).
    bool pageWritten() const { return m_pageWritten; }
    // Deletes the page file on show, if it exists.
    void deleteCurrentPage();

    // ---- marking ----
    int status() const { return m_status; }  // 0 open, 1 marked
    bool isMarked() const { return m_status == 1; }
    // Marks every blank at time now and records the take (answers, marks, score, and for a
    // first take time taken, date and trend). When a write fails the take stays open and
    // unmarked and the error is returned.
    int mark(const QDateTime &now);
    QString pScoring() const { return m_pScoring; }  // percentage score text
    int scoring() const { return m_scoring; }        // raw score
    QString lTime() const { return m_lTime; }        // time taken (first take)
    QString eTime() const { return m_eTime; }        // date completed (first take)
    const Results::MarksLists &marks() const { return m_marks; }

    // ---- clock ----
    void startClock(const QDateTime &now) { m_clockStart = now; }
    QDateTime clockStart() const { return m_clockStart; }
    // hours:minutes:seconds since the clock started, without leading zeros; the hours go
    // on past 24.
    QString clockText(const QDateTime &now) const;
    // A date as the marks file stores it and the strip shows it (Results::storedDate).
    static QString shortDate(const QDate &date);

private:
    Results::File answersFile() const;
    QStringList readList(Results::File file) const;

    PaperSelection m_selection;
    PaperData m_paper;
    QStringList m_answers;
    QStringList m_results;
    QStringList m_firstAnswers;
    QStringList m_firstResults;
    Results::MarksLists m_marks;
    int m_status = 0;
    int m_qsCount = 1;
    int m_currentPageId = 0;
    QString m_currentPagePath;
    bool m_pageWritten = false;
    QString m_pScoring;
    int m_scoring = 0;
    QString m_lTime;
    QString m_eTime;
    QDateTime m_clockStart;
};
