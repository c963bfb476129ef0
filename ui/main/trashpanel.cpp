#include "ui/main/trashpanel.h"

#include "ui/chrome/picturebutton.h"
#include "ui/main/panelwidgets.h"

#include <QLabel>

namespace {

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
    setState(State::Offer);
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
}

QList<PictureButton *> TrashPanel::buttons() const
{
    return {m_trash, m_yes, m_no};
}
