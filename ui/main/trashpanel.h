#pragma once
// The Trash panel: erasing every result after a one-step confirmation in the panel.

#include <QFrame>

class PictureButton;
class QLabel;

class TrashPanel : public QFrame
{
    Q_OBJECT
public:
    enum class State { Offer, Confirm, Done };

    explicit TrashPanel(QWidget *parent = nullptr);

    void setState(State state);
    State state() const { return m_state; }
    QList<PictureButton *> buttons() const;

signals:
    // The pupil confirmed: the window erases the results and then shows Done, or Offer
    // again when they could not be erased.
    void eraseConfirmed();

private:
    PictureButton *makeButton(const QString &name, const QString &labelName,
                              const QString &caption);

    State m_state = State::Offer;
    QLabel *m_offerText = nullptr;
    QLabel *m_confirmText = nullptr;
    QLabel *m_doneText = nullptr;
    PictureButton *m_trash = nullptr;
    PictureButton *m_yes = nullptr;
    PictureButton *m_no = nullptr;
};
