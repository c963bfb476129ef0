#include "ui/practice/practicesession.h"

#include "app/programfolder.h"
#include "app/resourcestore.h"
#include "results/resulttexts.h"
#include "ui/practice/marking.h"

#include <QFile>

PracticeSession::PracticeSession(const PaperSelection &selection) : m_selection(selection) {}

int PracticeSession::load()
{
    PaperData paper;
    const int error = PaperLookup::lookUp(m_selection.LChose, m_selection.PaperNum, &paper);
    if (error)
        return error;
    return load(paper);
}

int PracticeSession::load(const PaperData &paper)
{
    m_paper = paper;
    m_qsCount = 1;
    const int p = m_selection.paperIndex();
    m_marks = Results::readMarks(m_selection.subjectFiles());
    if (isSecondTake()) {
        m_firstResults = readList(Results::FResults);
        m_answers = readList(Results::Second);
        m_results = readList(Results::SResults);
        m_firstAnswers = readList(Results::First);
        // The blanks right in the first take are carried over on every opening, so they
        // always equal the first take's answers.
        for (int i = 0; i < m_paper.totalBlanks; ++i) {
            if (isCarriedOver(i)) {
                m_answers[i] = m_firstAnswers.at(i);
                m_results[i] = Results::tick();
            }
        }
        m_status = m_marks.SST.value(p) == QLatin1String("1") ? 1 : 0;
        m_pScoring = m_marks.SSE.value(p);
    } else {
        m_answers = readList(Results::First);
        m_results = readList(Results::FResults);
        m_status = m_marks.FST.value(p) == QLatin1String("1") ? 1 : 0;
        m_pScoring = m_marks.FSE.value(p);
        m_lTime = m_marks.LTM.value(p);
        m_eTime = m_marks.CDD.value(p);
    }
    return 0;
}

QStringList PracticeSession::readList(Results::File file) const
{
    return Results::readPaperValues(file, m_selection.subjectFiles(), m_selection.PaperNum,
                                    m_paper.totalBlanks);
}

int PracticeSession::blankCount(int question) const
{
    return m_paper.blankCounts.value(question - 1);
}

int PracticeSession::blankOffset(int question) const
{
    return m_paper.blankOffset(question - 1);
}

int PracticeSession::rowBlank(int row) const
{
    return blankOffset(m_qsCount) + row - 1;
}

bool PracticeSession::isCarriedOver(int i) const
{
    return isSecondTake() && m_firstResults.value(i) == Results::tick();
}

QString PracticeSession::correctAnswer(int i) const
{
    if (!isSecondTake())
        return m_paper.answerKey.value(i);
    return Marking::modelAnswer(i, m_answers, m_paper.answerKey, m_paper.answerCodes);
}

void PracticeSession::commitAnswers(const QStringList &rowTexts)
{
    const int rows = qMin(rowsOnShow(), int(PaperLookup::kMaxBlanksPerQuestion));
    for (int n = 1; n <= rows && n <= rowTexts.size(); ++n) {
        const int i = rowBlank(n);
        if (i >= 0 && i < m_answers.size())
            m_answers[i] = rowTexts.at(n - 1);
    }
}

Results::File PracticeSession::answersFile() const
{
    return isSecondTake() ? Results::Second : Results::First;
}

int PracticeSession::writeAnswers() const
{
    return Results::writePaperValues(answersFile(), m_selection.subjectFiles(),
                                     m_selection.PaperNum, m_answers, m_paper.totalBlanks);
}

int PracticeSession::commitAndWrite(const QStringList &rowTexts)
{
    commitAnswers(rowTexts);
    return writeAnswers();
}

int PracticeSession::goToQuestion(int target, const QStringList &rowTexts)
{
    if (target < 1 || target > questionCount())
        return 0;
    const int error = commitAndWrite(rowTexts);
    if (error)
        return error;
    m_qsCount = target;
    // The page shown so far goes before the next is written: one page file at a time.
    deleteCurrentPage();
    showQuestionPage();
    return 0;
}

QList<int> PracticeSession::remainingQuestions() const
{
    return Marking::remainingQuestions(m_answers, QList<int>(m_paper.blankCounts.cbegin(),
                                                             m_paper.blankCounts.cend()));
}

int PracticeSession::answeredCount() const
{
    int count = 0;
    for (const QString &answer : m_answers) {
        if (!answer.isEmpty())
            ++count;
    }
    return count;
}

QString PracticeSession::markingPrompt() const
{
    QList<bool> considered;
    if (isSecondTake())
        considered = Marking::blanksToAnswerAgain(m_firstResults);
    else
        considered = QList<bool>(m_answers.size(), true);
    return Marking::markingPrompt(Marking::hasUnansweredBlank(m_answers, considered));
}

QString PracticeSession::pageFilePath(int question) const
{
    return ProgramFolder::filePath(QStringLiteral("temppaper")
                                   + m_paper.questionIds.value(question - 1)
                                   + QStringLiteral(".mht"));
}

int PracticeSession::showQuestionPage()
{
    m_currentPageId = m_paper.questionIds.value(m_qsCount - 1).toInt();
    m_currentPagePath = pageFilePath(m_qsCount);
    const int error =
        ExtractResource(m_currentPageId, QStringLiteral("Custom"), m_currentPagePath);
    m_pageWritten = error == 0;
    return error;
}

void PracticeSession::deleteCurrentPage()
{
    if (!m_currentPagePath.isEmpty() && QFile::exists(m_currentPagePath))
        QFile::remove(m_currentPagePath);
}

int PracticeSession::mark(const QDateTime &now)
{
    if (isMarked())
        return 0;
    const Marking::PaperMarking marked = Marking::markPaper(
        m_answers, m_paper.answerKey, m_paper.answerCodes, m_paper.blankMarks);
    Results::MarkedTake take;
    take.files = m_selection.subjectFiles();
    take.paperKey = m_selection.PaperNum;
    take.blanks = m_paper.totalBlanks;
    take.answers = m_answers;
    take.results = marked.results;
    take.score = Results::percentScore(marked.rawScore, m_paper.totalMarks);
    if (!isSecondTake()) {
        take.timeTaken = clockText(now);
        take.dateDone = shortDate(now.date());
    }
    const int error = isSecondTake() ? Results::recordSecondTake(take)
                                     : Results::recordFirstTake(take);
    if (error)
        return error;

    m_results = marked.results;
    m_scoring = marked.rawScore;
    m_pScoring = take.score;
    m_status = 1;
    const int p = m_selection.paperIndex();
    if (isSecondTake()) {
        m_marks.SSE[p] = m_pScoring;
        m_marks.SST[p] = QStringLiteral("1");
    } else {
        m_lTime = take.timeTaken;
        m_eTime = take.dateDone;
        m_marks.FSE[p] = m_pScoring;
        m_marks.LTM[p] = m_lTime;
        m_marks.CDD[p] = m_eTime;
        m_marks.FST[p] = QStringLiteral("1");
    }
    return 0;
}

QString PracticeSession::clockText(const QDateTime &now) const
{
    return Results::elapsedText(m_clockStart.secsTo(now));
}

QString PracticeSession::shortDate(const QDate &date)
{
    return Results::storedDate(date);
}
