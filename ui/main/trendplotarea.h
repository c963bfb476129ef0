#pragma once
// The trend graph's plot area: draws the grid, stems, dots and joining lines.

#include <QList>
#include <QWidget>

class TrendPlotArea : public QWidget
{
    Q_OBJECT
public:
    explicit TrendPlotArea(QWidget *parent = nullptr);
    void setValues(const QList<double> &values);
    QList<double> values() const { return m_values; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<double> m_values;
};
