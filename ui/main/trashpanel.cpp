#include "ui/main/trashpanel.h"

#include "ui/chrome/picturebutton.h"
#include "ui/main/panelwidgets.h"

#include <QLabel>

namespace {

// The restore rows sit under the Trash button.
constexpr int kRestoreTop = 186;
constexpr int kRestorePitch = 28;

QLabel *makeText(QWidget *parent, const QString &name, const QString &text, int top)
{
    return PanelWidgets::makeWrappedText(parent, name, text, QRect(40, top, 320, 60),
                                         QStringLiteral("font-size: 11pt;"));
}

} // namespace

TrashPanel::TrashPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Body_Trash"));
    PanelWidgets::paintWhite(this);
    m_offerText = makeText(this, QStringLiteral("Trashlbl1"),
                           QStringLiteral("Click on the button below if you wish to erase all "
                                          "your past results and reset the program."),
                           60);
    m_confirmText = makeText(this, QStringLiteral("Trashlbl2"), QStringLiteral("Are you sure?"), 60);
    m_doneText = makeText(this, QStringLiteral("Trashlbl3"),
                          QStringLiteral("All your past results have been erased."), 60);
    m_trash = makeButton(QStringLiteral("ButTrash"), QStringLiteral("ButTrashlbl"),
                         QStringLiteral("Trash"));
    m_trash->move(160, 140);
    m_yes = makeButton(QStringLiteral("ButTrash_Yes"), QStringLiteral("ButTrash_Yeslbl"),
                       QStringLiteral("Yes"));
    m_yes->move(110, 140);
    m_no = makeButton(QStringLiteral("ButTrash_No"), QStringLiteral("ButTrash_Nolbl"),
                      QStringLiteral("No"));
    m_no->move(210, 140);
    connect(m_trash, &PictureButton::clicked, this, [this] {
        if (m_state == State::Offer)
            setState(State::Confirm);
    });
    connect(m_no, &PictureButton::clicked, this, [this] {
        if (m_state == State::Confirm)
            setState(State::Offer);
    });
    connect(m_yes, &PictureButton::clicked, this, [this] {
        if (m_state != State::Confirm)
            return;
        emit eraseConfirmed();
    });
    m_restoreText = PanelWidgets::makeLabel(
        this, QStringLiteral("Restorelbl"),
        QStringLiteral("To undo a reset, put back the results kept before it:"),
        QRect(40, kRestoreTop, 330, 20));
    for (int n = 1; n <= kRestoreRows; ++n) {
        const int top = kRestoreTop + 26 + (n - 1) * kRestorePitch;
        m_restoreDate[n] = PanelWidgets::makeLabel(this, QStringLiteral("Restorelbl%1").arg(n),
                                                   QString(), QRect(60, top + 3, 190, 20));
        m_restore[n] = makeButton(QStringLiteral("ButRestore%1").arg(n),
                                  QStringLiteral("ButRestore%1lbl").arg(n),
                                  QStringLiteral("Restore"));
        m_restore[n]->move(260, top);
        connect(m_restore[n], &PictureButton::clicked, this, [this, n] {
            if (m_state == State::Offer && n <= m_backups.size())
                emit restoreClicked(m_backups.at(n - 1));
        });
    }
    setState(State::Offer);
}

void TrashPanel::setBackups(const QStringList &names, const QStringList &shownAs)
{
    m_backups = names.mid(0, kRestoreRows);
    for (int n = 1; n <= kRestoreRows; ++n) {
        const QString date = shownAs.value(n - 1);
        m_restoreDate[n]->setText(date);
        m_restoreDate[n]->setAccessibleName(date);
        m_restore[n]->setToolTips(QStringLiteral("Put back the results kept on ") + date);
    }
    showRestoreRows();
}

void TrashPanel::showRestoreRows()
{
    const bool offer = m_state == State::Offer && !m_backups.isEmpty();
    m_restoreText->setVisible(offer);
    for (int n = 1; n <= kRestoreRows; ++n) {
        m_restoreDate[n]->setVisible(offer && n <= m_backups.size());
        m_restore[n]->setVisible(offer && n <= m_backups.size());
    }
}

PictureButton *TrashPanel::makeButton(const QString &name, const QString &labelName,
                                      const QString &caption)
{
    auto *button = new PictureButton(name, this);
    button->setPicture(QStringLiteral("button_off.bmp"));
    QLabel *label = button->addCaption(labelName, caption);
    label->setAlignment(Qt::AlignCenter);
    return button;
}

void TrashPanel::setState(State state)
{
    m_state = state;
    m_offerText->setVisible(state == State::Offer);
    m_trash->setVisible(state == State::Offer);
    m_confirmText->setVisible(state == State::Confirm);
    m_yes->setVisible(state == State::Confirm);
    m_no->setVisible(state == State::Confirm);
    m_doneText->setVisible(state == State::Done);
    showRestoreRows();
}

QList<PictureButton *> TrashPanel::buttons() const
{
    QList<PictureButton *> list{m_trash, m_yes, m_no};
    for (int n = 1; n <= kRestoreRows; ++n)
        list.append(m_restore[n]);
    return list;
}
