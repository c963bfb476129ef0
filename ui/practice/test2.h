#pragma once
// The second take of a paper: the blanks right in the first take are carried over,
// read-only on light blue with the first take's tick beside them; a second mark (SR<n>)
// per row; no clock; after marking, the correct answer beside every blank still wrong.

#include "ui/practice/practicewindow.h"

class Test2 : public PracticeWindow
{
    Q_OBJECT
public:
    explicit Test2(std::unique_ptr<PracticeSession> session);

    // Background of an answer box to answer again, and of one carried over.
    static QColor answerColour();
    static QColor carriedColour();

protected:
    QString statusPicture() const override;
    void createStatusControls(QWidget *panel) override;
    void createRowControls(int n, RowWidgets &row) override;
    void showLoadedStatus(const QDateTime &now) override;
    void tickStatus(const QDateTime &now) override;
    void fillAnswerRow(int n, int i) override;
    void showMarkedStatus() override;

private:
    static void setBoxColour(QWidget *box, const QColor &colour);
};
