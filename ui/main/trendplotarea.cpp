#include "ui/main/trendplotarea.h"

#include "ui/chrome/chromegeometry.h"
#include "ui/main/panelwidgets.h"
#include "ui/main/reportfigures.h"

#include <QPainter>

TrendPlotArea::TrendPlotArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("RC3TrendPlot"));
    setAccessibleName(QStringLiteral("Trend of recent first attempt scores"));
    PanelWidgets::paintWhite(this);
}

void TrendPlotArea::setValues(const QList<double> &values)
{
    m_values = values;
    update();
}

void TrendPlotArea::paintEvent(QPaintEvent *)
{
    const ReportFigures::TrendPlot plot =
        ReportFigures::trendPlot(m_values, width(), height());
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QColor(224, 224, 224));
    painter.drawLines(plot.grid.toVector());
    painter.setPen(Qt::black);
    painter.drawLines(plot.stems.toVector());
    painter.setPen(QPen(QColor(0, 0, 255), 1.5));
    painter.drawLines(plot.joins.toVector());
    painter.setBrush(QColor(0, 0, 255));
    // Dots of radius 30 twips.
    const double radius = ChromeGeometry::twipsToPixels(30);
    for (const QPointF &dot : plot.dots)
        painter.drawEllipse(dot, radius, radius);
}
