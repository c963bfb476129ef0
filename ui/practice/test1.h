#pragma once
// The first take of a paper: a running clock and today's date in the status strip, which
// give way to the time taken and the date completed once the paper is marked.

#include "ui/practice/practicewindow.h"

class Test1 : public PracticeWindow
{
    Q_OBJECT
public:
    explicit Test1(std::unique_ptr<PracticeSession> session);

protected:
    QString statusPicture() const override;
    void createStatusControls(QWidget *panel) override;
    void showLoadedStatus(const QDateTime &now) override;
    void tickStatus(const QDateTime &now) override;
    void fillAnswerRow(int n, int i) override;
    void showMarkedStatus() override;

private:
    QLabel *m_clock = nullptr; // lblClock
    QLabel *m_date = nullptr;  // lblDate
    QLabel *m_lTime = nullptr; // LTime
    QLabel *m_eTime = nullptr; // ETime
};
