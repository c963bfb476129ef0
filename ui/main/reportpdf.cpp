#include "ui/main/reportpdf.h"

#include <QFileDialog>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace ReportPdf {

namespace {

// The panel's colours, so the paper looks like the screen.
const QColor kHeading(0x1d, 0x4f, 0x7c);
const QColor kBarBack(0xe8, 0xee, 0xf5);
const QColor kBarFirst(0x3d, 0x85, 0xc6);
const QColor kBarSecond(0xe6, 0x91, 0x38);
const QColor kGrid(224, 224, 224);
const QColor kTrend(0, 0, 255);

SaveDialogHook &saveDialogHook()
{
    static SaveDialogHook hook;
    return hook;
}

// Draws in millimetres from the page's top-left corner, inside the margins.
class Page
{
public:
    Page(QPainter *painter, double dotsPerMm)
        : m_painter(painter), m_scale(dotsPerMm)
    {
    }

    double mm(double v) const { return v * m_scale; }
    QRectF rect(double x, double y, double w, double h) const
    {
        return QRectF(mm(x), mm(y), mm(w), mm(h));
    }

    void text(double x, double y, double w, double h, const QString &s, double points,
              bool bold = false, int flags = Qt::AlignLeft | Qt::AlignVCenter,
              const QColor &colour = Qt::black)
    {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPointSizeF(points);
        font.setBold(bold);
        m_painter->setFont(font);
        m_painter->setPen(colour);
        m_painter->drawText(rect(x, y, w, h), flags, s);
    }

    void box(double x, double y, double w, double h, const QColor &colour)
    {
        m_painter->fillRect(rect(x, y, w, h), colour);
    }

    QPainter *painter() const { return m_painter; }

private:
    QPainter *m_painter;
    double m_scale;
};

// A section heading on a light band, as the panel's section bars look.
double heading(Page &page, double y, const QString &caption)
{
    page.box(0, y, 180, 8, kBarBack);
    page.text(3, y, 170, 8, caption, 12, true, Qt::AlignLeft | Qt::AlignVCenter, kHeading);
    return y + 11;
}

double overall(Page &page, double y, const ReportFigures::Figures &f)
{
    y = heading(page, y, QStringLiteral("Overall Results"));
    const QString captions[5] = {QStringLiteral("First Attempt Average Score:"),
                                 QStringLiteral("Second Attempt Average Score:"),
                                 QStringLiteral("Number of Papers Completed:"),
                                 QStringLiteral("Weakest Topic:"),
                                 QStringLiteral("Strongest Topic:")};
    const QString values[5] = {f.oScore1, f.oScore2, f.pcNum, f.wt.trimmed(), f.st.trimmed()};
    for (int i = 0; i < 5; ++i) {
        page.text(4, y, 70, 7, captions[i], 10);
        page.text(78, y, 100, 7, values[i], 10, true, Qt::AlignLeft | Qt::AlignVCenter, kHeading);
        y += 7;
    }
    return y + 4;
}

double topical(Page &page, double y, const ReportFigures::Figures &f)
{
    y = heading(page, y, QStringLiteral("Topical Results"));
    const double left[2] = {62, 122};
    const double barWidth = 40;
    page.text(left[0], y, 58, 6, QStringLiteral("First Attempt results"), 9, true);
    page.text(left[1], y, 58, 6, QStringLiteral("Second Attempt Score"), 9, true);
    y += 7;
    for (const ReportFigures::TopicRow &row : f.rows) {
        if (!row.visible)
            continue;
        page.text(4, y, 56, 6, row.name, 10);
        const double fractions[2] = {row.barA, row.barB};
        const QString marks[2] = {row.markA, row.markB};
        const QColor colours[2] = {kBarFirst, kBarSecond};
        for (int take = 0; take < 2; ++take) {
            page.box(left[take], y + 1, barWidth, 4, kBarBack);
            page.box(left[take], y + 1, barWidth * qBound(0.0, fractions[take], 1.0), 4,
                     colours[take]);
            page.text(left[take] + barWidth + 2, y, 16, 6, marks[take], 10);
        }
        y += 7;
    }
    return y + 4;
}

void trendGraph(Page &page, double y, const QList<double> &values)
{
    y = heading(page, y, QStringLiteral("Trend Analysis"));
    const double left = 16;
    const double width = 160;
    const double height = 70;
    for (int g = 0; g <= 100; g += 10)
        page.text(0, y + (100 - g) * height / 100 - 2, 14, 4,
                  QString::number(g) + QLatin1Char('%'), 7, false,
                  Qt::AlignRight | Qt::AlignVCenter);
    const ReportFigures::TrendPlot plot =
        ReportFigures::trendPlot(values, page.mm(width), page.mm(height));
    QPainter *p = page.painter();
    p->save();
    p->translate(page.mm(left), page.mm(y));
    p->setPen(QPen(kGrid, page.mm(0.2)));
    p->drawLines(plot.grid.toVector());
    p->setPen(QPen(Qt::gray, page.mm(0.2)));
    p->setBrush(Qt::NoBrush);
    p->drawRect(QRectF(0, 0, page.mm(width), page.mm(height)));
    p->setPen(QPen(Qt::black, page.mm(0.2)));
    p->drawLines(plot.stems.toVector());
    p->setPen(QPen(kTrend, page.mm(0.4)));
    p->drawLines(plot.joins.toVector());
    p->setBrush(kTrend);
    for (const QPointF &dot : plot.dots)
        p->drawEllipse(dot, page.mm(0.9), page.mm(0.9));
    p->restore();
    page.text(left, y + height + 1, width, 6, QStringLiteral("Recent Papers Attempted"), 9,
              false, Qt::AlignCenter);
}

} // namespace

QString defaultFileName(const QString &subject, const QDate &date, const QString &pupil)
{
    QString name = QStringLiteral("Report %1 %2.pdf")
                       .arg(subject, date.toString(QStringLiteral("yyyy-MM-dd")));
    if (!pupil.isEmpty())
        name.prepend(pupil + QLatin1Char(' '));
    for (QChar &c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':')
            || c.category() == QChar::Other_Control)
            c = QLatin1Char('-');
    }
    return name;
}

int write(const QString &path, const Content &content)
{
    QPdfWriter writer(path);
    writer.setTitle(defaultFileName(content.subject, content.date, content.pupil).chopped(4));
    writer.setCreator(content.title);
    writer.setResolution(300);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer))
        return NotWritten;
    painter.setRenderHint(QPainter::Antialiasing);
    Page page(&painter, writer.resolution() / 25.4);
    page.text(0, 0, 180, 6, content.title, 10, false, Qt::AlignLeft | Qt::AlignVCenter,
              kHeading);
    page.text(0, 6, 180, 10, QStringLiteral("Results Report: ") + content.subject, 16, true);
    QString line = QStringLiteral("Date: ") + QLocale().toString(content.date, QLocale::LongFormat);
    if (!content.pupil.isEmpty())
        line = QStringLiteral("Pupil: ") + content.pupil + QStringLiteral("    ") + line;
    page.text(0, 16, 180, 7, line, 10);
    double y = overall(page, 27, content.figures);
    y = topical(page, y, content.figures);
    trendGraph(page, y, content.trend);
    return painter.end() ? Ok : NotWritten;
}

void setSaveDialogHook(SaveDialogHook hook)
{
    saveDialogHook() = std::move(hook);
}

QString askFileName(QWidget *parent, const QString &suggestedPath)
{
    if (saveDialogHook())
        return saveDialogHook()(parent, suggestedPath);
    return QFileDialog::getSaveFileName(parent, QStringLiteral("Save the report as PDF"),
                                        suggestedPath, QStringLiteral("PDF files (*.pdf)"));
}

} // namespace ReportPdf
