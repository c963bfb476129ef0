#include "ui/main/homepanel.h"

#include "ui/chrome/chromegeometry.h"
#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"
#include "ui/chrome/valuelabel.h"
#include "ui/chrome/valuetext.h"
#include "ui/main/homerules.h"
#include "ui/main/panelwidgets.h"
#include "ui/main/practisenext.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>

using PanelWidgets::makeLabel;

namespace {

constexpr int kColumnTop = 6;
constexpr int kTopicTop = 36;
constexpr int kTopicPitch = 32;
constexpr int kTopicMinPitch = 20;
constexpr int kNextHeight = 92; // head, two lines of text and the button, with a margin
constexpr int kPaperLeft = 206;
constexpr int kHeadingTop = 32;
constexpr int kHeadingWidth = 190;
constexpr int kHeadingHeight = 24; // one line
constexpr int kPercentLeft = 316;
constexpr int kButtonLeft = 334;

QLabel *makeColumnHead(QWidget *parent, const QString &name, const QString &picture,
                       const QString &text, int left, int top = kColumnTop)
{
    QLabel *head = makeLabel(parent, name, QString());
    head->setPixmap(PictureCache::picture(picture));
    head->setGeometry(left, top, 190, 24);
    head->setScaledContents(true);
    QLabel *caption = makeLabel(head, QString(), text);
    caption->setGeometry(10, 0, 180, 24);
    caption->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d4f7c;"));
    return head;
}

} // namespace

HomePanel::HomePanel(QWidget *parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("Body_Home"));
    PanelWidgets::paintWhite(this);
    buildTopicColumn();
    buildPaperColumn();
    buildSuggestion();
}

void HomePanel::buildSuggestion()
{
    m_nextHead = makeColumnHead(this, QStringLiteral("ColHead3"),
                                QStringLiteral("columnhead1.bmp"),
                                QStringLiteral("Practise Next"), 6, 0);
    m_nextText = makeLabel(this, QStringLiteral("NextPaperlbl"), QString());
    m_nextText->setWordWrap(true);
    m_nextText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_next = new PictureButton(QStringLiteral("NextPaper"), this);
    m_next->setPicture(QStringLiteral("loadbutton_off.bmp"));
    m_next->setToolTips(QStringLiteral("Open the paper to practise next"));
    connect(m_next, &PictureButton::clicked, this, &HomePanel::suggestionClicked);
    showSuggestion(QString(), false);
}

void HomePanel::showSuggestion(const QString &text, bool openable)
{
    m_nextText->setText(text);
    m_nextText->setAccessibleName(text);
    m_nextHead->setVisible(!text.isEmpty());
    m_nextText->setVisible(!text.isEmpty());
    m_next->setVisible(!text.isEmpty() && openable);
}

void HomePanel::placeTopicColumn()
{
    const PractiseNext::Column column = PractiseNext::column(
        m_topicCount, height(), kTopicTop, kTopicPitch, kTopicMinPitch, kNextHeight);
    const int rowHeight = qMin(30, column.topicPitch);
    for (int n = 1; n <= 10; ++n) {
        const int top = kTopicTop + (n - 1) * column.topicPitch;
        m_topics[n]->setGeometry(26, top, 170, rowHeight);
        m_bullets[n]->move(10, top + (rowHeight - 12) / 2);
    }
    const int top = column.suggestionTop;
    m_nextHead->move(6, top);
    m_nextText->setGeometry(10, top + 28, 186, 36);
    m_next->move(196 - m_next->width(), top + 66);
}

void HomePanel::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    placeTopicColumn();
}

void HomePanel::buildTopicColumn()
{
    makeColumnHead(this, QStringLiteral("ColHead1"), QStringLiteral("columnhead1.bmp"),
                   QStringLiteral("Select a Topic"), 6);
    for (int n = 1; n <= 10; ++n) {
        const int top = kTopicTop + (n - 1) * kTopicPitch;
        m_bullets[n] = makeLabel(this, QStringLiteral("Bullet%1").arg(n), QString());
        m_bullets[n]->setPixmap(PictureCache::picture(QStringLiteral("bullet.bmp")));
        m_bullets[n]->setGeometry(10, top + 9, 12, 12);
        m_topics[n] = makeLabel(this, QStringLiteral("Topic%1").arg(n), QString());
        m_topics[n]->setGeometry(26, top, 170, 30);
        m_topics[n]->setWordWrap(true);
        m_topics[n]->setToolTip(QStringLiteral("Click to select topic"));
        m_topics[n]->setCursor(Qt::PointingHandCursor);
        // Room at the sides for the highlight; none above and below, where a two-line name
        // needs the whole row.
        m_topics[n]->setContentsMargins(2, 0, 2, 0);
        m_topics[n]->installEventFilter(this);
    }
}

void HomePanel::buildPaperColumn()
{
    makeColumnHead(this, QStringLiteral("ColHead2"), QStringLiteral("columnhead2.bmp"),
                   QStringLiteral("Select a Paper"), 204);
    m_subH1 = new ValueLabel(QStringLiteral("SubH1"), QStringLiteral("Topic"), this);
    ValueText::set(m_subH1, QStringLiteral("Select a Paper"));
    m_subH1->setGeometry(kPaperLeft, kHeadingTop, kHeadingWidth, kHeadingHeight);
    m_subH1->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d4f7c;"));
    m_subH1->setWordWrap(true);
    m_subH1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int k = 1; k <= 5; ++k) {
        QList<RowPart> &parts = m_rowParts[k];
        QLabel *paper = makeLabel(this, QStringLiteral("LblP%1").arg(k),
                                  QStringLiteral("Paper %1").arg(k));
        paper->setGeometry(kPaperLeft, 0, 100, 18);
        paper->setStyleSheet(QStringLiteral("font-weight: bold;"));
        parts.append({paper, 0});
        QLabel *first = makeLabel(this, QString(), QStringLiteral("1st Attempt:"));
        first->setGeometry(kPaperLeft, 0, 80, 18);
        parts.append({first, 18});
        QLabel *second = makeLabel(this, QString(), QStringLiteral("2nd Attempt:"));
        second->setGeometry(kPaperLeft, 0, 80, 18);
        parts.append({second, 36});
        m_msa[k] = new ValueLabel(QStringLiteral("MSA%1").arg(k),
                                 QStringLiteral("First attempt score, paper %1").arg(k), this);
        m_msa[k]->move(kPercentLeft, 0);
        parts.append({m_msa[k], 18});
        m_msb[k] = new ValueLabel(QStringLiteral("MSB%1").arg(k),
                                 QStringLiteral("Second attempt score, paper %1").arg(k), this);
        m_msb[k]->move(kPercentLeft, 0);
        parts.append({m_msb[k], 36});
        for (int line = 0; line < 2; ++line) {
            const int n = 2 * (k - 1) + line + 1;
            // The first "%" label names the column the score labels are placed against.
            const QString name = n == 1 ? QStringLiteral("Percent1a") : QString();
            m_percent[n] = makeLabel(this, name, QStringLiteral("%"));
            m_percent[n]->setGeometry(kPercentLeft, 0, 12, 18);
            parts.append({m_percent[n], 18 * (line + 1)});
        }
        m_load[k] = new PictureButton(QStringLiteral("P%1a").arg(k), this);
        m_load[k]->setPicture(QStringLiteral("loadbutton_off.bmp"));
        m_load[k]->setToolTips(QStringLiteral("Load paper %1").arg(k));
        m_load[k]->move(kButtonLeft, 0);
        parts.append({m_load[k], 2});
        m_again[k] = new PictureButton(QStringLiteral("P%1b").arg(k), this);
        m_again[k]->setPicture(QStringLiteral("loadbutton_off.bmp"));
        m_again[k]->setToolTips(QStringLiteral("Try paper %1 again").arg(k));
        m_again[k]->move(kButtonLeft, 0);
        m_again[k]->hide();
        parts.append({m_again[k], 30});
        connect(m_load[k], &PictureButton::clicked, this, [this, k] { emit paperClicked(k, 1); });
        connect(m_again[k], &PictureButton::clicked, this, [this, k] { emit paperClicked(k, 2); });
    }
    placeHeading();
}

void HomePanel::placeHeading()
{
    m_subH1->ensurePolished();
    const int lineHeight = m_subH1->fontMetrics().lineSpacing();
    const int maxHeight = HomeRules::kHeadingMaxLines * lineHeight;
    // A name longer than two lines loses its end rather than run into the rows.
    const QString full = m_subH1->text();
    QString shown = full;
    while (shown.size() > 1 && m_subH1->heightForWidth(kHeadingWidth) > maxHeight) {
        shown = full.left(shown.size() - 2).trimmed() + QChar(0x2026);
        m_subH1->setText(shown);
    }
    const int needed = m_subH1->heightForWidth(kHeadingWidth);
    const int lines = qMax(1, (needed + lineHeight / 2) / lineHeight);
    m_subH1->resize(kHeadingWidth, kHeadingHeight + (lines - 1) * lineHeight);
    for (int k = 1; k <= 5; ++k) {
        const int top = HomeRules::paperRowTop(k, lines, lineHeight);
        for (const RowPart &part : qAsConst(m_rowParts[k]))
            part.widget->move(part.widget->x(), top + part.offset);
    }
}

QList<QWidget *> HomePanel::topicLabels() const
{
    QList<QWidget *> labels;
    for (int n = 1; n <= 10; ++n)
        labels << m_topics[n];
    return labels;
}

QList<PictureButton *> HomePanel::paperButtons() const
{
    QList<PictureButton *> buttons;
    for (int k = 1; k <= 5; ++k)
        buttons << m_load[k] << m_again[k];
    return buttons;
}

void HomePanel::setTopics(const QStringList &names, int count)
{
    for (int n = 1; n <= 10; ++n) {
        const QString name = names.value(n - 1);
        m_topics[n]->setText(name);
        m_topics[n]->setAccessibleName(name);
        m_topics[n]->setVisible(n <= count);
        m_bullets[n]->setVisible(n <= count);
    }
    m_topicCount = count;
    placeTopicColumn();
}

void HomePanel::highlightTopic(int topic)
{
    // The keyboard's focus frame in the skin's dark frame colour.
    const QString focus = QStringLiteral(" QLabel:focus { border: 2px solid #2f6fae; }");
    const QString normal = QStringLiteral("QLabel { background: palette(highlighted-text); "
                                          "color: black; }")
                           + focus;
    const QString chosen = QStringLiteral("QLabel { background: rgb(128,128,128); "
                                          "color: palette(highlighted-text); }")
                           + focus;
    for (int n = 1; n <= 10; ++n)
        m_topics[n]->setStyleSheet(n == topic ? chosen : normal);
}

void HomePanel::showPapers(const QString &heading, const QStringList &firstScores,
                           const QStringList &secondScores)
{
    if (!heading.isNull()) {
        ValueText::set(m_subH1, heading);
        placeHeading();
    }
    for (int k = 1; k <= 5; ++k) {
        ValueText::set(m_msa[k], firstScores.value(k - 1));
        ValueText::set(m_msb[k], secondScores.value(k - 1));
    }
    UpdatePaperRows();
}

void HomePanel::UpdatePaperRows()
{
    using ChromeGeometry::pixelsToTwips;
    using ChromeGeometry::twipsToPixels;
    const int percentLeft = pixelsToTwips(m_percent[1]->x());
    auto place = [&](QLabel *label) {
        label->adjustSize();
        const int left = HomeRules::scoreLabelLeft(label->text(), percentLeft,
                                                   pixelsToTwips(label->width()));
        label->move(twipsToPixels(left), label->y());
    };
    for (int k = 1; k <= 5; ++k) {
        m_again[k]->setVisible(HomeRules::tryAgainOffered(m_msa[k]->text()));
        place(m_msa[k]);
    }
    for (int k = 1; k <= 5; ++k)
        place(m_msb[k]);
}

bool HomePanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter
                               || key == Qt::Key_Space;
        for (int n = 1; n <= 10 && activates; ++n) {
            if (watched == m_topics[n]) {
                emit topicClicked(n);
                return true;
            }
        }
    }
    if (event->type() == QEvent::MouseButtonRelease) {
        for (int n = 1; n <= 10; ++n) {
            if (watched == m_topics[n]
                && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
                emit topicClicked(n);
                return true;
            }
        }
    }
    return QFrame::eventFilter(watched, event);
}
