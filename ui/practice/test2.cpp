#include "ui/practice/test2.h"

#include "results/resulttexts.h"
#include "ui/practice/answerbox.h"
#include "ui/practice/answerframe.h"

#include <QLabel>

Test2::Test2(std::unique_ptr<PracticeSession> session)
    : PracticeWindow(std::move(session), QStringLiteral("Try Again"))
{
    setObjectName(QStringLiteral("Test2"));
}

QColor Test2::answerColour()
{
    return QColor(255, 255, 255);
}

QColor Test2::carriedColour()
{
    return QColor(192, 192, 255);
}

QString Test2::statusPicture() const
{
    return QStringLiteral("bottombg1.bmp");
}

void Test2::createStatusControls(QWidget *panel)
{
    auto *label = new QLabel(QStringLiteral("Second Attempt"), panel);
    label->setObjectName(QStringLiteral("lblSecondAttempt"));
    label->setAccessibleName(label->text());
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setGeometry(10, 0, 185, 30);
}

void Test2::createRowControls(int n, RowWidgets &row)
{
    row.second = new QLabel(row.frame);
    row.second->setObjectName(QStringLiteral("SR%1").arg(n));
    row.second->setAccessibleName(QStringLiteral("Second mark ") + AnswerSheet::partLetter(n));
    row.second->hide();
}

void Test2::showLoadedStatus(const QDateTime &) {}

void Test2::tickStatus(const QDateTime &) {}

void Test2::setBoxColour(QWidget *box, const QColor &colour)
{
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, colour);
    box->setPalette(pal);
}

void Test2::fillAnswerRow(int n, int i)
{
    RowWidgets &row = m_rowWidgets[n - 1];
    const PracticeSession &s = session();
    setMarkText(row.mark, n, s.firstResults().value(i));
    setMarkText(row.second, n, s.results().value(i));
    row.model->setText(s.correctAnswer(i));
    fillAnswerBox(n, i);
    const bool carried = s.isCarriedOver(i);
    if (!s.isMarked()) {
        row.answer->setReadOnly(carried);
        setBoxColour(row.answer, carried ? carriedColour() : answerColour());
        if (carried) {
            AnswerSheet::Row &shape = m_rows[n - 1];
            shape.mark.moveLeft(AnswerSheet::carriedMarkLeft(shape.answer));
        }
        row.mark->setVisible(carried);
    } else {
        row.model->setVisible(s.results().value(i) == Results::cross());
        setBoxColour(row.answer, carried ? carriedColour() : answerColour());
    }
}

void Test2::showMarkedStatus()
{
    for (const RowWidgets &row : qAsConst(m_rowWidgets)) {
        row.second->show();
        row.mark->hide();
    }
}
