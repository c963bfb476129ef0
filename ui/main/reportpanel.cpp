#include "ui/main/reportpanel.h"

#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"
#include "ui/chrome/valuelabel.h"
#include "ui/chrome/valuetext.h"
#include "ui/main/panelwidgets.h"
#include "ui/main/reportlayout.h"
#include "ui/main/trendplotarea.h"

#include <QEvent>
#include <QLabel>
#include <QKeyEvent>

using PanelWidgets::makeLabel;

namespace {

constexpr int kBarHeight = 24;
// The topical results' columns: the topic's name, then each take's bar and average.
constexpr int kNameWidth = 178;
constexpr int kBarWidth = 58;
constexpr int kTakeLeft[2] = {186, 292};

QWidget *makeBody(QWidget *parent, const QString &name)
{
    auto *body = new QWidget(parent);
    body->setObjectName(name);
    PanelWidgets::paintWhite(body);
    return body;
}

} // namespace

ReportPanel::ReportPanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Body_Report"));
    setAutoFillBackground(true);
    buildSummary();
    buildTopical();
    buildTrend();
    makeBar(1, QStringLiteral("Overall Results"), QStringLiteral("Click to show overall results"));
    makeBar(2, QStringLiteral("Topical Results"), QStringLiteral("Click to show topical results"));
    makeBar(3, QStringLiteral("Trend Analysis"), QStringLiteral("Click to show past trends"));
}

QWidget *ReportPanel::makeBar(int n, const QString &caption, const QString &tip)
{
    auto *bar = new QLabel(this);
    bar->setObjectName(QStringLiteral("RCBar%1").arg(n));
    bar->setPixmap(PictureCache::picture(QStringLiteral("bar.bmp")));
    bar->setScaledContents(true);
    bar->setToolTip(tip);
    bar->setCursor(Qt::PointingHandCursor);
    bar->setFocusPolicy(Qt::TabFocus);
    bar->setStyleSheet(QStringLiteral("QLabel:focus { border: 2px solid #2f6fae; }"));
    bar->installEventFilter(this);
    QLabel *label = makeLabel(bar, QStringLiteral("lblRCBar%1").arg(n), caption,
                              QRect(10, 0, 300, kBarHeight));
    label->setToolTip(tip);
    label->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d4f7c;"));
    label->installEventFilter(this);
    m_bars[n] = bar;
    return bar;
}

void ReportPanel::buildSummary()
{
    m_bodies[1] = makeBody(this, QStringLiteral("RC1Summary"));
    const QString captions[5] = {
        QStringLiteral("First Attempt Average Score:"), QStringLiteral("Second Attempt Average Score:"),
        QStringLiteral("Number of Papers Completed:"), QStringLiteral("Weakest Topic:"),
        QStringLiteral("Strongest Topic:")};
    const QString names[5] = {QStringLiteral("OScore1"), QStringLiteral("OScore2"),
                              QStringLiteral("PCNum"), QStringLiteral("WT"), QStringLiteral("ST")};
    for (int i = 0; i < 5; ++i) {
        const int top = 20 + 40 * i;
        makeLabel(m_bodies[1], QString(), captions[i], QRect(16, top, 190, 36))
            ->setWordWrap(true);
        m_values[i] = new ValueLabel(names[i], captions[i].chopped(1), m_bodies[1]);
        m_values[i]->setGeometry(210, top, 180, 36);
        m_values[i]->setWordWrap(true);
        m_values[i]->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d4f7c;"));
    }
    m_save = new PictureButton(QStringLiteral("ButSavePdf"), m_bodies[1]);
    m_save->setPicture(QStringLiteral("button_off.bmp"));
    m_save->setScaledContents(true);
    m_save->setGeometry(210, 226, 110, 25);
    m_save->addCaption(QStringLiteral("ButSavePdflbl"), QStringLiteral("Save as PDF"))
        ->setAlignment(Qt::AlignCenter);
    connect(m_save, &PictureButton::clicked, this, &ReportPanel::savePdfClicked);
}

void ReportPanel::buildTopical()
{
    m_bodies[2] = makeBody(this, QStringLiteral("RC2Topical"));
    for (const auto &[text, left] :
         {std::pair<QString, int>(QStringLiteral("First Attempt results"), kTakeLeft[0]),
          std::pair<QString, int>(QStringLiteral("Second Attempt Score"), kTakeLeft[1])}) {
        QLabel *heading = makeLabel(m_bodies[2], QString(), text, QRect(left, 2, 104, 30));
        heading->setWordWrap(true);
        heading->setStyleSheet(QStringLiteral("font-size: 8pt; font-weight: bold;"));
    }
    for (int i = 1; i <= ReportFigures::kTopicRows; ++i) {
        // A name to read, wrapped onto a second line when it is long; placed by
        // placeTopicRows().
        m_topLab[i] = makeLabel(m_bodies[2], QStringLiteral("TopLab%1").arg(i), QString());
        m_topLab[i]->setWordWrap(true);
        m_topLab[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        for (int take = 0; take < 2; ++take) {
            const QString side = take == 0 ? QStringLiteral("A") : QStringLiteral("B");
            m_back[i][take] = new QWidget(m_bodies[2]);
            m_back[i][take]->setObjectName(QStringLiteral("TBack%1%2").arg(i).arg(side));
            m_back[i][take]->resize(kBarWidth, 14);
            m_back[i][take]->setStyleSheet(QStringLiteral("background: #e8eef5;"));
            m_bar[i][take] = makeLabel(m_back[i][take], QStringLiteral("TBar%1%2").arg(i).arg(side),
                                       QString(), QRect(0, 0, 0, 14));
            m_bar[i][take]->setStyleSheet(take == 0 ? QStringLiteral("background: #3d85c6;")
                                                    : QStringLiteral("background: #e69138;"));
            m_mark[i][take] = new ValueLabel(QStringLiteral("TMark%1%2").arg(i).arg(side),
                                             QString(), m_bodies[2]);
        }
    }
    placeTopicRows();
}

void ReportPanel::placeTopicRows()
{
    int shown = 0;
    for (const ReportFigures::TopicRow &row : qAsConst(m_figures.rows))
        shown += row.visible ? 1 : 0;
    // Every section's body has the same height, whichever is open.
    const int h = kBarHeight;
    const int body = ReportLayout::LayoutReportSections(2, height(), h, h, h).bodyHeight;
    const ReportLayout::TopicRows rows = ReportLayout::topicRows(body, qMax(1, shown));
    for (int i = 1; i <= ReportFigures::kTopicRows; ++i) {
        const int top = rows.top + (i - 1) * rows.pitch;
        m_topLab[i]->setGeometry(4, top, kNameWidth, rows.height);
        for (int take = 0; take < 2; ++take) {
            const int left = kTakeLeft[take];
            m_back[i][take]->move(left, top + (rows.height - 14) / 2);
            m_mark[i][take]->setGeometry(left + kBarWidth + 2, top + (rows.height - 20) / 2, 42,
                                         20);
        }
    }
}

void ReportPanel::buildTrend()
{
    m_bodies[3] = makeBody(this, QStringLiteral("RC3Trend"));
    // The axis legend: one label per grid step, placed beside its line by the layout.
    for (int g = 0; g <= 100; g += 10) {
        QLabel *mark = makeLabel(m_bodies[3], QStringLiteral("lblTrendAxis%1").arg(g),
                                 QString::number(g) + QStringLiteral("%"), QRect(2, 0, 40, 12));
        mark->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        mark->setStyleSheet(QStringLiteral("font-size: 7pt;"));
    }
    m_plot = new TrendPlotArea(m_bodies[3]);
    makeLabel(m_bodies[3], QStringLiteral("lblTrendCaption"), QStringLiteral("Recent Papers Attempted"),
              QRect(0, 0, 10, 18))
        ->setAlignment(Qt::AlignCenter);
}

void ReportPanel::showReport(const ReportFigures::Figures &figures, const QList<double> &trend)
{
    m_figures = figures;
    const QString values[5] = {figures.oScore1, figures.oScore2, figures.pcNum, figures.wt,
                               figures.st};
    for (int i = 0; i < 5; ++i) {
        ValueText::set(m_values[i], values[i]);
    }
    for (int i = 1; i <= ReportFigures::kTopicRows; ++i)
        FillTopicRow(i, figures.rows.value(i - 1));
    placeTopicRows();
    m_plot->setValues(trend);
}

QList<double> ReportPanel::trend() const
{
    return m_plot->values();
}

void ReportPanel::FillTopicRow(int i, const ReportFigures::TopicRow &row)
{
    m_topLab[i]->setText(row.name);
    m_topLab[i]->setVisible(row.visible);
    const QString marks[2] = {row.markA, row.markB};
    const double fractions[2] = {row.barA, row.barB};
    for (int take = 0; take < 2; ++take) {
        const QString attempt = take == 0 ? QStringLiteral(", first attempt")
                                          : QStringLiteral(", second attempt");
        ValueText::describe(m_mark[i][take], row.name + attempt);
        ValueText::set(m_mark[i][take], marks[take]);
        m_mark[i][take]->setVisible(row.visible);
        m_back[i][take]->setVisible(row.visible);
        const int inner = m_back[1][take]->width();
        m_bar[i][take]->resize(qRound(inner * fractions[take]), m_bar[i][take]->height());
    }
}

void ReportPanel::LayoutReportSections(int open)
{
    m_open = open;
    placeTopicRows();
    const int h = kBarHeight;
    const ReportLayout::Sections s = ReportLayout::LayoutReportSections(open, height(), h, h, h);
    for (int n = 1; n <= 3; ++n)
        m_bars[n]->setGeometry(0, s.barTop[n], width(), h);
    const int body = open == 1 || open == 2 ? open : 3;
    m_bodies[body]->setGeometry(0, s.bodyTop, width(), qMax(0, s.bodyHeight));
    if (body == 3) {
        const int plotHeight = qMax(0, s.bodyHeight - 34);
        m_plot->setGeometry(46, 8, width() - 58, plotHeight);
        for (int g = 0; g <= 100; g += 10) {
            auto *mark = m_bodies[3]->findChild<QLabel *>(QStringLiteral("lblTrendAxis%1").arg(g));
            mark->move(2, 8 + (100 - g) * plotHeight / 100 - mark->height() / 2);
        }
        auto *caption = m_bodies[3]->findChild<QLabel *>(QStringLiteral("lblTrendCaption"));
        caption->setGeometry(46, 12 + plotHeight, width() - 58, 18);
    }
    m_bodies[body]->raise();
    for (int n = 1; n <= 3; ++n)
        m_bars[n]->raise();
}

void ReportPanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    LayoutReportSections(m_open);
}

bool ReportPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        for (int n = 1; n <= 3; ++n) {
            if (watched == m_bars[n]
                && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
                emit sectionClicked(n);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int n = 1; n <= 3; ++n) {
            if (watched == m_bars[n] || watched->parent() == m_bars[n]) {
                emit sectionClicked(n);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
