#include "ui/main/contents.h"

#include "app/startup/startup.h"

#include <QLabel>
#include <QMessageBox>

Contents::Contents(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Contents"));
    for (int n = 1; n <= 4; ++n) {
        const QString name = QStringLiteral("Tab%1").arg(n, 2, 10, QLatin1Char('0'));
        m_tabs[n] = new QLabel(this);
        m_tabs[n]->setObjectName(name);
        m_tabs[n]->setFrameShape(QFrame::Box);
        m_tabs[n]->resize(100, 24);
        m_tabLabels[n] = new QLabel(m_tabs[n]);
        m_tabLabels[n]->setObjectName(name + QStringLiteral("lbl"));
        m_tabLabels[n]->setAlignment(Qt::AlignCenter);
        m_tabLabels[n]->resize(100, 24);
    }
    resize(6070 / 15, 7380 / 15);
}

void Contents::load()
{
    const StartUpResult start = StartUp::prepareContent();
    m_catalogue = start.catalogue;
    if (start.catalogueError != 0) {
        QMessageBox::warning(this, QStringLiteral("Content damaged"),
                             QStringLiteral("The program's content could not be read. "
                                            "Please reinstall the program."));
    } else if (start.resultsWriteFailed) {
        QMessageBox::warning(this, QStringLiteral("Results not saved"),
                             QStringLiteral("The results files could not be created in %1. "
                                            "Your scores will not be kept.")
                                 .arg(QStringLiteral("the program folder")));
    }
    labelTabs();
    layOutTabs();
    m_lChose = m_catalogue.firstSubject();
}

void Contents::labelTabs()
{
    for (int s = 1; s <= 3; ++s) {
        const QString name = m_catalogue.subjectName[s];
        const QString tip = QStringLiteral("Load ") + name + QStringLiteral(" Module");
        m_tabLabels[s]->setText(name);
        m_tabs[s]->setToolTip(tip);
        m_tabLabels[s]->setToolTip(tip);
    }
    m_tabLabels[4]->setText(QStringLiteral("Help"));
    m_tabs[4]->setToolTip(QStringLiteral("Help"));
    m_tabLabels[4]->setToolTip(QStringLiteral("Help"));
    setWindowTitle(m_catalogue.title);
}

void Contents::layOutTabs()
{
    int x = 2;
    for (int s = 1; s <= 3; ++s) {
        if (m_catalogue.hasSubject(s)) {
            m_tabs[s]->move(x, 60);
            x += m_tabs[s]->width() - 4;
        } else {
            m_tabs[s]->move(-m_tabs[1]->width(), 60);
        }
    }
    m_tabs[4]->move(x, 60);
}
