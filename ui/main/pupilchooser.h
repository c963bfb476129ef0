#pragma once
// "Who is practising?": the first window when several pupils share the program, with one
// large picture button per pupil. The keys: the last pupil chosen has the focus when it
// opens; Tab, Shift+Tab and the arrow keys go from pupil to pupil; Enter or Space chooses;
// Escape closes it without a choice, as the window's close does.

#include "ui/chrome/skinnedwindow.h"

class FocusGroups;
class PictureButton;
class QEventLoop;

class PupilChooser : public SkinnedWindow
{
    Q_OBJECT
public:
    // last: the pupil chosen last time (1-based), who has the focus at first.
    explicit PupilChooser(const QStringList &names, int last = 1, QWidget *parent = nullptr);
    ~PupilChooser() override;

    // Shows the window modally until a pupil is chosen; returns that pupil (1-based), or 0
    // when the window was closed without a choice.
    int exec();
    int chosen() const { return m_chosen; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool focusNextPrevChild(bool next) override;

private:
    int m_chosen = 0;
    int m_last = 1;
    QEventLoop *m_loop = nullptr;
    QList<PictureButton *> m_buttons;
    FocusGroups *m_focusGroups = nullptr;
};
