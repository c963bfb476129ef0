#include "ui/main/aboutpanel.h"

#include "ui/chrome/picturecache.h"
#include "ui/main/makerwebpage.h"
#include "ui/main/panelwidgets.h"

#include <QEvent>
#include <QLabel>

using PanelWidgets::makeWrappedText;

AboutPanel::AboutPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Body_About"));
    PanelWidgets::paintWhite(this);
    auto *logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Logo"));
    logo->setAccessibleName(QStringLiteral("Program logo"));
    logo->setPixmap(PictureCache::picture(QStringLiteral("Logo.gif")));
    logo->adjustSize();
    logo->move((400 - logo->width()) / 2, 12);
    const int top = 24 + logo->height();
    m_programName = makeWrappedText(this, QStringLiteral("ProgramName"), QString(),
                             QRect(10, top, 380, 26),
                             QStringLiteral("font-size: 14pt; font-weight: bold; color: #1d4f7c;"));
    makeWrappedText(this, QString(), QStringLiteral("Version 2.0"), QRect(10, top + 30, 380, 20));
    makeWrappedText(this, QString(), QStringLiteral("For Linux"), QRect(10, top + 50, 380, 20));
    makeWrappedText(this, QStringLiteral("lblWarning"),
             QStringLiteral("This program and its practice papers are protected by copyright. "
                            "Copying or passing on the program, its questions or its pictures, "
                            "in whole or in part, without the permission of the publisher is "
                            "not allowed."),
             QRect(20, top + 80, 360, 80), QStringLiteral("color: #555; font-size: 8pt;"));
    m_link = makeWrappedText(this, QStringLiteral("lbl_QVURL"), MakerWebPage::caption(),
                      QRect(10, top + 160, 380, 22),
                      QStringLiteral("color: #1a5fb4; text-decoration: underline;"));
    m_link->setToolTip(QStringLiteral("Go to Quorvel home page"));
    m_link->setCursor(Qt::PointingHandCursor);
    m_link->installEventFilter(this);
}

void AboutPanel::setProgramName(const QString &title)
{
    m_programName->setText(title);
    m_programName->setAccessibleName(title);
}

bool AboutPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_link && event->type() == QEvent::MouseButtonRelease) {
        emit linkClicked();
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
