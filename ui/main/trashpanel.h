#pragma once
// The Trash panel: erasing every result after a one-step confirmation in the panel, and
// putting back the results kept before an earlier reset.

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

    // The kept backups, newest first: folder names and the dates shown for them. The first
    // kRestoreRows are offered in the Offer state.
    void setBackups(const QStringList &names, const QStringList &shownAs);
    static const int kRestoreRows = 5;

signals:
    // The pupil confirmed: the window erases the results and then shows Done, or Offer
    // again when they could not be erased.
    void eraseConfirmed();
    // The pupil chose to put back the backup of that name; the window asks to confirm.
    void restoreClicked(const QString &name);

private:
    void showRestoreRows();
    PictureButton *makeButton(const QString &name, const QString &labelName,
                              const QString &caption);

    State m_state = State::Offer;
    QLabel *m_offerText = nullptr;
    QLabel *m_confirmText = nullptr;
    QLabel *m_doneText = nullptr;
    PictureButton *m_trash = nullptr;
    PictureButton *m_yes = nullptr;
    PictureButton *m_no = nullptr;
    QLabel *m_restoreText = nullptr;
    QLabel *m_restoreDate[kRestoreRows + 1] = {};
    PictureButton *m_restore[kRestoreRows + 1] = {};
    QStringList m_backups;
};
