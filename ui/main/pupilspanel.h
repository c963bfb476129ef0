#pragma once
// The Pupils panel (Help tab, third toolbar position): the pupils of this computer, with
// adding, renaming, removing and switching. The main window does the work and tells the
// panel what to show. Escape backs out of a step under way: the pupil chosen in the list,
// the name typed and the message are cleared.

#include <QFrame>

class PictureButton;
class QLabel;
class QLineEdit;
class QListWidget;

class PupilsPanel : public QFrame
{
    Q_OBJECT
public:
    explicit PupilsPanel(QWidget *parent = nullptr);

    // The list shows names; current is the pupil practising now (1-based).
    void setPupils(const QStringList &names, int current);
    // A result or a refusal, in words; empty hides it.
    void showMessage(const QString &text);
    QList<PictureButton *> buttons() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;

signals:
    void addRequested(const QString &name);
    void renameRequested(int pupil, const QString &name);
    void removeRequested(int pupil);
    void switchRequested(int pupil);

private:
    PictureButton *makeButton(const QString &name, const QString &caption, int top);
    int selectedPupil() const;
    void clearChoice();
    // Clears the choice, the name and the message; false when there was nothing to clear.
    bool backOut();

    QListWidget *m_list = nullptr;
    QLineEdit *m_name = nullptr;
    QLabel *m_current = nullptr;
    QLabel *m_message = nullptr;
    QList<PictureButton *> m_buttons;
};
