#include "ui/main/pupilchooser.h"

#include "ui/chrome/chromegeometry.h"
#include "ui/chrome/focusgroups.h"
#include "ui/chrome/keyrules.h"
#include "ui/chrome/picturebutton.h"
#include "ui/main/homerules.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>

using namespace ChromeGeometry;

PupilChooser::PupilChooser(const QStringList &names, int last, QWidget *parent)
    : SkinnedWindow(Kind::PopUp, parent)
    , m_last(last)
{
    setObjectName(QStringLiteral("PupilChooser"));
    setWindowModality(Qt::ApplicationModal);
    const HomeRules::ChooserLayout layout = HomeRules::chooserLayout(names.size());
    setFixedSize(layout.window);
    PopupSizes sizes;
    sizes.frame = frameSizes();
    applyFrame(popupLoadLayout(pixelsToTwips(layout.window).width(),
                               pixelsToTwips(layout.window).height(), sizes)
                   .frame);
    setTitleText(QStringLiteral("Who is practising?"));
    setWindowTitle(QStringLiteral("Who is practising?"));
    for (int i = 0; i < names.size(); ++i) {
        auto *button = new PictureButton(QStringLiteral("Pupil%1").arg(i + 1), this);
        button->setAutoSize(false);
        button->setScaledContents(true);
        button->setPicture(QStringLiteral("button_off.bmp"));
        button->setGeometry(layout.buttons.at(i));
        QLabel *label = button->addCaption(QStringLiteral("Pupil%1lbl").arg(i + 1), names.at(i));
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("font-size: 13pt; font-weight: bold;"));
        addTwoStateButton(button, QStringLiteral("button_off.bmp"),
                          QStringLiteral("button_on.bmp"));
        connect(button, &PictureButton::clicked, this, [this, i] {
            m_chosen = i + 1;
            close();
        });
        m_buttons.append(button);
    }
    m_focusGroups = new FocusGroups(this);
    m_focusGroups->addGroup({m_buttons.cbegin(), m_buttons.cend()},
                            FocusGroups::TabStops::OnePerMember);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(centredOn(screen->availableGeometry(), size()));
    startPolling();
    pRoundCorners();
}

PupilChooser::~PupilChooser()
{
    if (m_loop)
        m_loop->quit();
}

int PupilChooser::exec()
{
    QPointer<PupilChooser> self(this);
    show();
    raise();
    activateWindow();
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    if (!self)
        return 0;
    m_loop = nullptr;
    return m_chosen;
}

void PupilChooser::showEvent(QShowEvent *event)
{
    SkinnedWindow::showEvent(event);
    QVector<bool> available;
    for (PictureButton *button : m_buttons)
        available.append(button->isEnabled());
    const int first = KeyRules::entryMember(available, m_last - 1);
    if (first >= 0)
        m_buttons.at(first)->setFocus(Qt::ActiveWindowFocusReason);
}

void PupilChooser::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        close();
        return;
    }
    SkinnedWindow::keyPressEvent(event);
}

bool PupilChooser::focusNextPrevChild(bool next)
{
    return m_focusGroups->moveFocus(next);
}

void PupilChooser::closeEvent(QCloseEvent *event)
{
    Timer1()->stop();
    event->accept();
    if (m_loop)
        m_loop->quit();
}
