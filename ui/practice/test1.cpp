#include "ui/practice/test1.h"

#include "ui/chrome/valuelabel.h"
#include "ui/chrome/valuetext.h"
#include "ui/practice/answerbox.h"

#include <QLabel>

namespace {

QLabel *statusLabel(const QString &name, const QString &text, const QString &tip,
                    const QRect &geometry, QWidget *panel)
{
    auto *label = new ValueLabel(name, tip, panel);
    label->setToolTip(tip);
    ValueText::set(label, text);
    label->setGeometry(geometry);
    return label;
}

} // namespace

Test1::Test1(std::unique_ptr<PracticeSession> session)
    : PracticeWindow(std::move(session), QStringLiteral("Practice"))
{
    setObjectName(QStringLiteral("Test1"));
}

QString Test1::statusPicture() const
{
    return QStringLiteral("bottombg3.bmp");
}

void Test1::createStatusControls(QWidget *panel)
{
    const QRect left(8, 0, 62, 30);
    const QRect right(72, 0, 90, 30);
    m_clock = statusLabel(QStringLiteral("lblClock"), QStringLiteral("00:00:00"),
                          QStringLiteral("Clock"), left, panel);
    m_date = statusLabel(QStringLiteral("lblDate"), QStringLiteral("30/12/2005"),
                         QStringLiteral("Date"), right, panel);
    m_lTime = statusLabel(QStringLiteral("LTime"), QStringLiteral("00:00:00"),
                          QStringLiteral("Time taken"), left, panel);
    m_eTime = statusLabel(QStringLiteral("ETime"), QStringLiteral("30/12/2005"),
                          QStringLiteral("Date completed"), right, panel);
    m_lTime->hide();
    m_eTime->hide();
}

void Test1::showLoadedStatus(const QDateTime &now)
{
    ValueText::set(m_lTime, session().lTime());
    ValueText::set(m_eTime, session().eTime());
    ValueText::set(m_date, PracticeSession::shortDate(now.date()));
}

void Test1::tickStatus(const QDateTime &now)
{
    // Kept running after marking, hidden, as the take's clock always was.
    ValueText::set(m_clock, session().clockText(now));
}

void Test1::fillAnswerRow(int n, int i)
{
    RowWidgets &row = m_rowWidgets[n - 1];
    row.model->setText(session().correctAnswer(i));
    setMarkText(row.mark, n, session().results().value(i));
    fillAnswerBox(n, i);
}

void Test1::showMarkedStatus()
{
    for (const RowWidgets &row : qAsConst(m_rowWidgets))
        row.mark->show();
    ValueText::set(m_lTime, session().lTime());
    ValueText::set(m_eTime, session().eTime());
    m_clock->hide();
    m_lTime->show();
    m_date->hide();
    m_eTime->show();
}
