#pragma once
// The Home panel: the chosen subject's topic list and the five paper rows of a topic.

#include <QFrame>
#include <QStringList>

class PictureButton;
class QLabel;

class HomePanel : public QFrame
{
    Q_OBJECT
public:
    explicit HomePanel(QWidget *parent = nullptr);

    // Shows topics 1..count (names from index 0) with their bullets; the others are hidden.
    void setTopics(const QStringList &names, int count);
    // Highlights one topic label (1..10) the way Topicbuttoncolour does.
    void highlightTopic(int topic);
    // Sets SubH1 and the score captions of the five rows, then arranges the rows.
    void showPapers(const QString &heading, const QStringList &firstScores,
                    const QStringList &secondScores);

    // The picture buttons the window's tick polls.
    QList<PictureButton *> paperButtons() const;

signals:
    void topicClicked(int topic);          // 1..10
    void paperClicked(int paper, int take); // paper 1..5, take 1 or 2

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildTopicColumn();
    void buildPaperColumn();
    void UpdatePaperRows();
    // Wraps SubH1 to at most two lines and moves the paper rows below it.
    void placeHeading();

    // A control of a paper row and its distance below the row's top.
    struct RowPart
    {
        QWidget *widget;
        int offset;
    };

    QLabel *m_topics[11] = {};
    QLabel *m_bullets[11] = {};
    QLabel *m_subH1 = nullptr;
    QLabel *m_msa[6] = {};
    QLabel *m_msb[6] = {};
    QLabel *m_percent[11] = {};
    PictureButton *m_load[6] = {};
    PictureButton *m_again[6] = {};
    QList<RowPart> m_rowParts[6];
};
