#pragma once
// "Who is practising?": the first window when several pupils share the program, with one
// large picture button per pupil.

#include "ui/chrome/skinnedwindow.h"

class QEventLoop;

class PupilChooser : public SkinnedWindow
{
    Q_OBJECT
public:
    explicit PupilChooser(const QStringList &names, QWidget *parent = nullptr);
    ~PupilChooser() override;

    // Shows the window modally until a pupil is chosen; returns that pupil (1-based), or 0
    // when the window was closed without a choice.
    int exec();
    int chosen() const { return m_chosen; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    int m_chosen = 0;
    QEventLoop *m_loop = nullptr;
};
