#pragma once
// The Report panel: three collapsible sections (overall results, topical results with
// bars, the trend graph), one open at a time. The figures come from ReportFigures.

#include "ui/main/reportfigures.h"

#include <QFrame>

class PictureButton;
class QLabel;
class TrendPlotArea;

class ReportPanel : public QFrame
{
    Q_OBJECT
public:
    explicit ReportPanel(QWidget *parent = nullptr);

    // Fills every section from the figures and the trend values.
    void showReport(const ReportFigures::Figures &figures, const QList<double> &trend);
    // Arranges the sections with section open (txtReportPos) open.
    void LayoutReportSections(int open);

    // What the panel shows now, for saving it as it is.
    const ReportFigures::Figures &figures() const { return m_figures; }
    QList<double> trend() const;
    PictureButton *saveButton() const { return m_save; }

signals:
    void sectionClicked(int section); // 1..3
    void savePdfClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *makeBar(int n, const QString &caption, const QString &tip);
    void buildSummary();
    void buildTopical();
    void buildTrend();
    void FillTopicRow(int i, const ReportFigures::TopicRow &row);
    void placeTopicRows();

    int m_open = 1;
    QWidget *m_bars[4] = {};
    QWidget *m_bodies[4] = {};
    QLabel *m_values[5] = {};
    QLabel *m_topLab[11] = {};
    QLabel *m_mark[11][2] = {};
    QWidget *m_back[11][2] = {};
    QLabel *m_bar[11][2] = {};
    TrendPlotArea *m_plot = nullptr;
    PictureButton *m_save = nullptr;
    ReportFigures::Figures m_figures;
};
