#include "ui/practice/practicewindow.h"

#include "results/resulttexts.h"
#include "ui/chrome/frmpopup.h"
#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"
#include "ui/chrome/picturestates.h"
#include "ui/chrome/skincolours.h"
#include "ui/chrome/valuelabel.h"
#include "ui/chrome/valuetext.h"
#include "ui/practice/answerbox.h"
#include "ui/practice/readaloudspeaker.h"
#include "ui/practice/readaloudtext.h"
#include "ui/practice/answerframe.h"
#include "ui/practice/answervalidator.h"
#include "ui/practice/browsercontrol.h"
#include "ui/practice/picturepanel.h"
#include "ui/practice/test1.h"
#include "ui/practice/test2.h"
#include "ui/practice/zoomcontrol.h"
#include "ui/practice/zoomsteps.h"

#include "results/zoomsetting.h"

#include <QApplication>
#include <QChildEvent>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>
#include <QWheelEvent>

#include <functional>

using namespace ChromeGeometry;

namespace {

constexpr int kMarkingSteps = 15;
constexpr int kQnTitleHeightTwips = 375;
// Widths of the status strip's pieces (pixels); their pictures stretch.
constexpr int kBot1Width = 165;
constexpr int kBot2Width = 150;
constexpr int kTxtRemWidth = 170;
// After a page is on show, before its neighbours are prepared: a frame and a little more.
constexpr int kPrepareDelayMs = 50;

int g_markingStepMs = 200;

QFont arial(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QLabel *makeLabel(const QString &name, const QString &text, QWidget *parent,
                  const QString &tip = QString())
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setToolTip(tip);
    label->setAccessibleName(!tip.isEmpty() ? tip : text);
    return label;
}

// Swallows the pupil's input while the marking animation plays, as the busy wait did.
class InputBlocker : public QObject
{
public:
    InputBlocker() { qApp->installEventFilter(this); }
    ~InputBlocker() override { qApp->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::Close:
            return true;
        default:
            return false;
        }
    }
};

// The keys of toolbar button k (1-6), as its tooltip names them; empty for none.
QString toolbarKeys(int k)
{
    switch (k) {
    case 1: return QStringLiteral("Ctrl+S");
    case 2: return QStringLiteral("Ctrl+M");
    case 4: return QStringLiteral("Esc");
    case 5: return QStringLiteral("Alt+Left");
    case 6: return QStringLiteral("Alt+Right");
    default: return QString();
    }
}

// Hands every event of the application to a function first: the Ctrl and wheel anywhere in
// the window (the page's own input widget included) and the keys of the answer boxes.
class EventsFirst : public QObject
{
public:
    using Handler = std::function<bool(QObject *, QEvent *)>;
    EventsFirst(QObject *owner, Handler handler) : QObject(owner), m_handler(std::move(handler))
    {
        qApp->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return m_handler(watched, event);
    }

private:
    Handler m_handler;
};

QString answersNotSaved(int error)
{
    return QStringLiteral("Your answers could not be saved (error %1).").arg(error);
}

PracticeWindow *refuse(int error, QWidget *messageOwner)
{
    CallPop(QStringLiteral("Quorvel"),
            QStringLiteral("This paper cannot be opened: its question tables could not "
                           "be read (error %1).")
                .arg(error),
            1, messageOwner);
    return nullptr;
}

} // namespace

// ---- opening ------------------------------------------------------------------------------

PracticeWindow *PracticeWindow::open(const PaperSelection &selection, QWidget *messageOwner)
{
    PaperData paper;
    const int error = PaperLookup::lookUp(selection.LChose, selection.PaperNum, &paper);
    if (error)
        return refuse(error, messageOwner);
    return open(selection, paper, messageOwner);
}

PracticeWindow *PracticeWindow::open(const PaperSelection &selection, const PaperData &paper,
                                     QWidget *messageOwner)
{
    auto session = std::make_unique<PracticeSession>(selection);
    const int error = session->load(paper);
    if (error)
        return refuse(error, messageOwner);
    PracticeWindow *window = nullptr;
    if (selection.TakeNum == 2)
        window = new Test2(std::move(session));
    else
        window = new Test1(std::move(session));
    window->load();
    window->show();
    return window;
}

void PracticeWindow::setMarkingStepMs(int ms)
{
    g_markingStepMs = ms;
}

PracticeWindow::PracticeWindow(std::unique_ptr<PracticeSession> session,
                               const QString &designCaption)
    : SkinnedWindow(Kind::Practice), m_session(std::move(session))
{
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    // The frame's pieces and title buttons came before this window could watch its children.
    for (QObject *child : children()) {
        if (child->isWidgetType())
            child->installEventFilter(this);
    }
    m_sizer = new QLabel(this);
    m_sizer->setObjectName(QStringLiteral("Sizer"));
    m_sizer->setAccessibleName(QStringLiteral("Resize grip"));
    m_sizer->setPixmap(PictureCache::picture(QStringLiteral("statusgrabber.bmp")));
    m_sizer->resize(m_sizer->pixmap().size());
    m_sizer->setCursor(Qt::SizeFDiagCursor);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        setGeometry(practiceInitialGeometry(screen->geometry()));
    setTitleText(designCaption);
    // Quitting the program without closing this window still keeps what was typed.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &PracticeWindow::saveBeforeQuit);
}

PracticeWindow::~PracticeWindow()
{
    // Nothing more may reach keyOrWheel once the members it reads are going.
    delete m_eventsFirst;
    // Deleted without being closed: save and clean up as closing would.
    if (!m_closing) {
        saveBeforeQuit();
        emit closed();
    }
}

void PracticeWindow::load()
{
    buildToolbar();
    buildReadAloud();
    buildPage();
    buildStatusStrip();
    buildAnswerSheet();
    buildMarkingPanel();
    buildKeys();
    // The pupil's size from the last paper; nonsense in the file counts as 100 %.
    m_zoom = ZoomSteps::nearestStep(
        ZoomSetting::readZoom(m_session->selection().resultsFolder));
    m_browser->setZoom(m_zoom);
    m_zoomControl->setPercent(m_zoom);
    applySheetScale();

    const PaperSelection &sel = m_session->selection();
    const QString caption = sel.SubH1 + QStringLiteral(" - Paper ")
                            + QString::number(sel.paperInTopic());
    setTitleText(caption);
    m_qnTitle->setText(QStringLiteral("Question ") + QSCount());
    m_qnTitle->setAccessibleName(m_qnTitle->text());

    if (m_session->showQuestionPage() == 0)
        m_browser->Navigate2(m_session->currentPagePath());

    const QDateTime now = QDateTime::currentDateTime();
    ValueText::set(m_pScoring, m_session->pScoring());
    showLoadedStatus(now);
    FillAnswerSheet();
    ShowAnswerRows();
    RebuildRemainingList();
    if (m_session->isMarked())
        ShowMarkedState();
    m_session->startClock(now);
    ValueText::set(m_totalQ, QString::number(m_session->totalBlanks()));
    ValueText::set(m_answeredQ, QString::number(m_session->answeredCount()));
    layoutWindow();
    m_rowWidgets[0].answer->setFocus();
}

// ---- building -----------------------------------------------------------------------------

void PracticeWindow::buildToolbar()
{
    m_toolStrip = new QWidget(this);
    m_toolStrip->setObjectName(QStringLiteral("ScnTabBG"));
    m_toolStrip->setAccessibleName(QStringLiteral("Toolbar"));
    m_toolStrip->setAutoFillBackground(true);
    QPalette pal = m_toolStrip->palette();
    pal.setColor(QPalette::Window, QColor::fromRgba(SkinColours::kToolStrip));
    m_toolStrip->setPalette(pal);

    const std::function<void()> actions[6] = {
        [this] { SavePaper(); },
        [this] { MarkPaper(); },
        [this] { PrintQuestion(); },
        [this] { ClosePaper(); },
        [this] { GoToQuestion(m_session->qsCount() - 1); },
        [this] { GoToQuestion(m_session->qsCount() + 1); }};
    for (int k = 1; k <= 6; ++k) {
        PictureButton *button = makeToolbarButton(k, QStringLiteral("ToolBar0%1").arg(k),
                                                  QStringLiteral("lblTB0%1").arg(k));
        // The caption stays the accessible name; the tooltip adds the keys.
        const QString keys = toolbarKeys(k);
        button->setToolTips(PictureStates::practiceToolTip(k)
                            + (keys.isEmpty() ? QString() : QStringLiteral(" (") + keys + ')'));
        connect(button, &PictureButton::clicked, this, actions[k - 1]);
        m_toolBar[k - 1] = button;
    }

    m_paperSum = new PicturePanel(QStringLiteral("PaperSum"), QStringLiteral("pen.bmp"),
                                  m_toolStrip);
    m_paperSum->setAccessibleName(QStringLiteral("Paper summary"));
    QLabel *scoreCaption = makeLabel(QStringLiteral("PScoringL"), QStringLiteral("Your score"),
                                     m_paperSum);
    scoreCaption->setFont(arial(8.25));
    scoreCaption->setGeometry(50, 3, m_paperSum->width() - 54, 16);
    m_pScoring = new ValueLabel(QStringLiteral("PScoring"), QStringLiteral("Score"), m_paperSum);
    ValueText::set(m_pScoring, QStringLiteral("88.8"));
    m_pScoring->setFont(arial(10, true));
    m_pScoring->setGeometry(50, 19, m_paperSum->width() - 54, 18);
}

PictureButton *PracticeWindow::makeToolbarButton(int k, const QString &name,
                                                 const QString &captionName)
{
    auto *button = new PictureButton(name, m_toolStrip);
    button->setPicture(PictureStates::practicePictureBase(k) + QStringLiteral("_off.bmp"));
    QLabel *caption = button->addCaption(captionName, PictureStates::practiceCaption(k));
    caption->setFont(arial(7.5));
    caption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    caption->setGeometry(0, 0, button->width(), button->height() - 2);
    trackPress(button);
    return button;
}

void PracticeWindow::buildPage()
{
    m_browser = new BrowserControl(this);
    m_browser->setObjectName(QStringLiteral("brwWebBrowser"));
    m_browser->setAccessibleName(QStringLiteral("Question page"));
    connect(m_browser, &BrowserControl::documentKeyDown, this, [this](bool ctrl, int code) {
        if (ctrl && (code == 88 || code == 67))
            showGuardMessage();
    });
    connect(m_browser, &BrowserControl::documentMouseDown, this, [this](int button) {
        if (button == 2)
            showGuardMessage();
    });
    // Once a page is on show, the pages of the questions before and after it are prepared,
    // a little later so the page on show is drawn first.
    connect(m_browser, &BrowserControl::pageLoaded, this, [this](bool ok) {
        stopReading(); // another page came on show
        if (ok)
            QTimer::singleShot(kPrepareDelayMs, this, &PracticeWindow::prepareNeighbours);
    });
    connect(m_browser, &BrowserControl::pagePrepared, this,
            [this](const QString &path) { m_session->removePreparedPage(path); });

    m_qnTitleBG = new QWidget(this);
    m_qnTitleBG->setObjectName(QStringLiteral("QnTitleBG"));
    m_qnTitleBG->setAccessibleName(QStringLiteral("Question title"));
    m_qnTitleBG->setAutoFillBackground(true);
    QPalette pal = m_qnTitleBG->palette();
    pal.setColor(QPalette::Window, QColor::fromRgba(SkinColours::kToolStrip));
    pal.setColor(QPalette::WindowText, QColor::fromRgba(SkinColours::kHeadingText));
    m_qnTitleBG->setPalette(pal);
    m_qnTitle = makeLabel(QStringLiteral("QnTitle"), QStringLiteral("Question"), m_qnTitleBG);
    m_qnTitle->setFont(arial(10, true));
    m_qnTitle->move(8, 0);
    m_zoomControl = new ZoomControl(m_qnTitleBG);
    connect(m_zoomControl, &ZoomControl::zoomRequested, this, &PracticeWindow::setZoom);
}

void PracticeWindow::buildStatusStrip()
{
    m_remQnsBG = new QWidget(this);
    m_remQnsBG->setObjectName(QStringLiteral("RemQnsBG"));
    m_remQnsBG->setAccessibleName(QStringLiteral("Status"));

    m_statusPanel = new PicturePanel(QStringLiteral("Bot1"), statusPicture(), m_remQnsBG);
    m_statusPanel->setAccessibleName(QStringLiteral("Clock"));
    createStatusControls(m_statusPanel);

    m_bot2 = new PicturePanel(QStringLiteral("Bot2"), QStringLiteral("bottombg3.bmp"),
                              m_remQnsBG);
    m_bot2->setCaption(QStringLiteral("Answered:"));
    m_answeredQ = new ValueLabel(QStringLiteral("lblAnsweredQ"),
                                 QStringLiteral("Number of questions answered"), m_bot2);
    m_answeredQ->setToolTip(ValueText::description(m_answeredQ));
    ValueText::set(m_answeredQ, QStringLiteral("88"));
    m_answeredQ->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_answeredQ->setGeometry(70, 0, 24, 30);
    QLabel *of = makeLabel(QStringLiteral("lblOf"), QStringLiteral("of"), m_bot2);
    of->setAlignment(Qt::AlignCenter);
    of->setGeometry(95, 0, 20, 30);
    m_totalQ = new ValueLabel(QStringLiteral("lblTotalQ"),
                              QStringLiteral("Total number of questions"), m_bot2);
    m_totalQ->setToolTip(ValueText::description(m_totalQ));
    ValueText::set(m_totalQ, QStringLiteral("88"));
    m_totalQ->setGeometry(116, 0, 30, 30);

    m_bot3 = new PicturePanel(QStringLiteral("Bot3"), QStringLiteral("bottombg3.bmp"),
                              m_remQnsBG);
    m_bot3->setAccessibleName(QStringLiteral("Status"));

    m_txtRem = new PicturePanel(QStringLiteral("TxtRem"), QStringLiteral("bottombg2.bmp"),
                                m_remQnsBG);
    m_txtRem->setCaption(QStringLiteral("Qns left:"));
    m_remQns = new QComboBox(m_txtRem);
    m_remQns->setObjectName(QStringLiteral("RemQns"));
    m_remQns->setToolTip(QStringLiteral("Select a remaining question"));
    m_remQns->setAccessibleName(m_remQns->toolTip());
    m_remQns->setGeometry(70, 4, 90, 22);
    connect(m_remQns, QOverload<int>::of(&QComboBox::activated), this, [this](int index) {
        GoToQuestion(m_remQns->itemText(index).toInt());
    });
}

void PracticeWindow::buildAnswerSheet()
{
    m_ansBox = new QWidget(this);
    m_ansBox->setObjectName(QStringLiteral("AnsBox"));
    m_ansBox->setAccessibleName(QStringLiteral("Answer sheet"));
    m_ansBox->setAutoFillBackground(true);
    QPalette pal = m_ansBox->palette();
    pal.setColor(QPalette::Window, QColor::fromRgba(SkinColours::kWindow));
    m_ansBox->setPalette(pal);
    // At large sizes the rows need more room than the sheet has: they scroll.
    m_sheetScroll = new QScrollArea(m_ansBox);
    m_sheetScroll->setObjectName(QStringLiteral("AnsRows"));
    m_sheetScroll->setAccessibleName(QStringLiteral("Answer rows"));
    m_sheetScroll->setFrameShape(QFrame::NoFrame);
    m_sheetScroll->setFocusPolicy(Qt::NoFocus);
    m_sheetScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_sheetScroll->setPalette(pal);
    m_sheetRows = new QWidget;
    m_sheetRows->setObjectName(QStringLiteral("AnsRowsArea"));
    m_sheetRows->setAccessibleName(QStringLiteral("Answer rows"));
    m_sheetRows->setAutoFillBackground(true);
    m_sheetRows->setPalette(pal);
    m_sheetScroll->setWidget(m_sheetRows);

    QFont markFont(QStringLiteral("DejaVu Sans"));
    markFont.setPointSizeF(14.25);
    markFont.setBold(true);
    m_rowWidgets.resize(AnswerSheet::kRows);
    m_rows.fill(AnswerSheet::designRow(), AnswerSheet::kRows);
    for (int n = 1; n <= AnswerSheet::kRows; ++n) {
        RowWidgets &row = m_rowWidgets[n - 1];
        const QString letter = AnswerSheet::partLetter(n);
        row.frame = new AnswerFrame(QStringLiteral("Frame%1").arg(n), m_sheetRows);
        row.frame->setAccessibleName(QStringLiteral("Row ") + letter);
        row.part = makeLabel(QStringLiteral("QL%1").arg(n), letter, row.frame);
        row.part->setFont(arial(8.25));
        row.part->setAlignment(Qt::AlignCenter);
        row.answer = new AnswerBox(row.frame);
        row.answer->setObjectName(QStringLiteral("FA%1").arg(n));
        row.answer->setToolTip(QStringLiteral("Enter your answer (Enter: next box)"));
        row.answer->setAccessibleName(AnswerSheet::answerName(n));
        row.answer->setFont(arial(9, true));
        row.answer->setValidator(new AnswerValidator(row.answer));
        connect(row.answer, &AnswerBox::refusedCharacter, this,
                [this, box = row.answer] { showRefusedNote(box); });
        row.mark = makeLabel(QStringLiteral("FR%1").arg(n), QString(), row.frame);
        row.mark->setAccessibleName(QStringLiteral("Mark ") + letter);
        row.mark->setFont(markFont);
        row.mark->hide();
        row.model = new AnswerBox(row.frame);
        row.model->setObjectName(QStringLiteral("M%1").arg(n));
        row.model->setAccessibleName(QStringLiteral("Correct answer ") + letter);
        row.model->setReadOnly(true);
        row.model->setFocusPolicy(Qt::NoFocus); // shown to read, never to type in
        row.model->hide();
        m_modelFont = row.model->font();
        createRowControls(n, row);
        if (row.second)
            row.second->setFont(markFont);
        placeRow(n);
        drawborder(row.answer, row.frame, 0);
    }

    // Says why a character did not appear, beside the box, without taking the focus.
    m_refusedNote = makeLabel(QStringLiteral("lblRefused"), AnswerSheet::refusedNoteText(),
                              m_ansBox);
    m_refusedNote->setFont(arial(8.25));
    m_refusedNote->setWordWrap(true);
    m_refusedNote->setMargin(3);
    m_refusedNote->setStyleSheet(QStringLiteral(
        "QLabel { background: #fff8d0; color: black; border: 1px solid #b8a040; }"));
    m_refusedNote->setFocusPolicy(Qt::NoFocus);
    m_refusedNote->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_refusedNote->hide();
    m_refusedNoteTimer = new QTimer(this);
    m_refusedNoteTimer->setSingleShot(true);
    m_refusedNoteTimer->setInterval(AnswerSheet::kRefusedNoteMs);
    connect(m_refusedNoteTimer, &QTimer::timeout, m_refusedNote, &QWidget::hide);

    m_instruction = new QLabel(m_ansBox);
    m_instruction->setObjectName(QStringLiteral("PicInstruction"));
    m_instruction->setAccessibleName(QStringLiteral("How to type fractions and mixed numbers"));
    m_instruction->setPixmap(PictureCache::picture(QStringLiteral("instruction.gif")));
    m_instruction->resize(m_instruction->pixmap().size());
    m_instruction->hide();

    m_hideAns = new QWidget(this);
    m_hideAns->setObjectName(QStringLiteral("PicHideAns"));
    m_hideAns->setAutoFillBackground(true);
    QPalette handlePal = m_hideAns->palette();
    handlePal.setColor(QPalette::Window, QColor::fromRgba(SkinColours::kFrameLight));
    m_hideAns->setPalette(handlePal);
    m_handle = new QLabel(m_hideAns);
    m_handle->setObjectName(QStringLiteral("ImgHandle"));
    m_handle->setPixmap(PictureCache::picture(QStringLiteral("Handle.bmp")));
    m_handle->resize(m_handle->pixmap().size());
    m_handle->setCursor(Qt::PointingHandCursor);
    m_handle->installEventFilter(this);
    const QString tip = answerSheetHandleTip(true);
    m_handle->setToolTip(tip);
    m_handle->setAccessibleName(tip);
    m_hideAns->setAccessibleName(tip);
    m_hideAns->resize(m_handle->width(), m_hideAns->height());
}

void PracticeWindow::buildMarkingPanel()
{
    m_fmeMark = new PicturePanel(QStringLiteral("fmeMark"), QStringLiteral("bottombg4.bmp"),
                                 this);
    m_fmeMark->setAccessibleName(QStringLiteral("Marking"));
    for (int k = 1; k <= kMarkingSteps; ++k) {
        QLabel *bar = makeLabel(QStringLiteral("imgBar%1").arg(k, 2, 10, QLatin1Char('0')),
                                QString(), m_fmeMark);
        bar->setAccessibleName(QStringLiteral("Marking progress"));
        bar->setPixmap(PictureCache::picture(QStringLiteral("progressbar.bmp")));
        bar->resize(bar->pixmap().size());
        bar->move(12 + (k - 1) * 13, (m_fmeMark->height() - bar->height()) / 2);
        bar->hide();
        m_bars.append(bar);
    }
    m_fmeMark->hide();
}

void PracticeWindow::createRowControls(int, RowWidgets &) {}

void PracticeWindow::buildKeys()
{
    const auto key = [this](const QKeySequence &sequence, const std::function<void()> &act) {
        auto *shortcut = new QShortcut(sequence, this);
        connect(shortcut, &QShortcut::activated, this, act);
    };
    key(QKeySequence(Qt::ALT | Qt::Key_Right),
        [this] { GoToQuestion(m_session->qsCount() + 1); });
    key(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { GoToQuestion(m_session->qsCount() - 1); });
    // Save and Mark only while their buttons would take a click.
    key(QKeySequence(Qt::CTRL | Qt::Key_S), [this] {
        if (m_session->status() == 0)
            SavePaper();
    });
    key(QKeySequence(Qt::CTRL | Qt::Key_M), [this] {
        if (m_session->status() == 0)
            MarkPaper();
    });
    key(QKeySequence(Qt::Key_Escape), [this] { ClosePaper(); });
    for (int k : {int(Qt::Key_Plus), int(Qt::Key_Equal)})
        key(QKeySequence(Qt::CTRL | k), [this] { setZoom(ZoomSteps::larger(m_zoom)); });
    key(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { setZoom(ZoomSteps::smaller(m_zoom)); });
    key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { setZoom(ZoomSteps::kNormal); });

    orderTabChain();
    // The engine makes the page's input widget with the page: put it in its place.
    connect(m_browser, &BrowserControl::pageLoaded, this, &PracticeWindow::orderTabChain);
    m_eventsFirst = new EventsFirst(this, [this](QObject *watched, QEvent *event) {
        return keyOrWheel(watched, event);
    });
}

void PracticeWindow::orderTabChain()
{
    // Down the answer boxes, along the toolbar, to the remaining list, into the page.
    QWidget *previous = nullptr;
    for (const RowWidgets &row : qAsConst(m_rowWidgets)) {
        if (previous)
            setTabOrder(previous, row.answer);
        previous = row.answer;
    }
    for (PictureButton *button : m_toolBar) {
        setTabOrder(previous, button);
        previous = button;
        if (button == m_toolBar[3]) {  // Read aloud stands after Close
            setTabOrder(previous, m_readAloud);
            previous = m_readAloud;
        }
    }
    setTabOrder(previous, m_remQns);
    if (m_browser->inputWidget() != m_browser)
        setTabOrder(m_remQns, m_browser->inputWidget());
}

void PracticeWindow::setZoom(int percent)
{
    percent = ZoomSteps::nearestStep(percent);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    m_browser->setZoom(percent);
    m_zoomControl->setPercent(percent);
    applySheetScale();
    layoutWindow();
    if (QWidget *focus = focusWidget())
        m_sheetScroll->ensureWidgetVisible(focus);
    const int error =
        ZoomSetting::writeZoom(percent, m_session->selection().resultsFolder);
    if (error) {
        showNotice(QStringLiteral("The text size could not be kept for the next paper "
                                  "(error %1).")
                       .arg(error));
    }
}

void PracticeWindow::applySheetScale()
{
    const qreal s = ZoomSteps::sheetScale(m_zoom);
    m_sheetScale = s;
    QFont markFont(QStringLiteral("DejaVu Sans"));
    markFont.setPointSizeF(14.25 * s);
    markFont.setBold(true);
    QFont model = m_modelFont;
    if (model.pointSizeF() > 0)
        model.setPointSizeF(m_modelFont.pointSizeF() * s);
    for (int n = 1; n <= m_rowWidgets.size(); ++n) {
        RowWidgets &row = m_rowWidgets[n - 1];
        row.part->setFont(arial(8.25 * s));
        row.answer->setFont(arial(9 * s, true));
        row.mark->setFont(markFont);
        row.model->setFont(model);
        if (row.second)
            row.second->setFont(markFont);
        row.frame->setScale(s);
        placeRow(n);
    }
    ShowAnswerRows();
}

void PracticeWindow::sizeSheetRows()
{
    if (!m_sheetScroll)
        return;
    m_sheetScroll->setGeometry(m_ansBox->rect());
    int bottom = 0;
    for (const RowWidgets &row : qAsConst(m_rowWidgets)) {
        if (row.frame->isVisibleTo(m_sheetRows))
            bottom = qMax(bottom, row.frame->geometry().bottom() + 1);
    }
    const QSize room = m_sheetScroll->maximumViewportSize();
    const bool scrolls = bottom + twipsToPixels(AnswerSheet::kFirstRowTop) > room.height();
    const int width = room.width()
                      - (scrolls ? m_sheetScroll->verticalScrollBar()->sizeHint().width() : 0);
    m_sheetRows->resize(width, qMax(room.height(),
                                    bottom + twipsToPixels(AnswerSheet::kFirstRowTop)));
}

bool PracticeWindow::answerBoxKey(int n, QKeyEvent *event)
{
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (n < m_session->rowsOnShow()) {
            m_rowWidgets[n].answer->setFocus(Qt::TabFocusReason);
        } else if (m_session->qsCount() < m_session->questionCount()) {
            GoToQuestion(m_session->qsCount() + 1);
        } else if (m_toolBar[1]->isEnabled()) {
            // The last box of the paper: Enter again asks to mark.
            m_toolBar[1]->setFocus(Qt::TabFocusReason);
        }
        return true;
    }
    case Qt::Key_PageUp:
        m_browser->scrollPage(-1);
        return true;
    case Qt::Key_PageDown:
        m_browser->scrollPage(1);
        return true;
    default:
        return false;
    }
}

// ---- layout -------------------------------------------------------------------------------

void PracticeWindow::layoutWindow()
{
    // A minimised window may report no size; the formulas would go negative.
    if (isMinimized() || width() <= 0 || height() <= 0)
        return;
    const QSize inner = pixelsToTwips(size());
    const PracticeRects rects = practiceLayout(inner.width(), inner.height(), inner.width(),
                                               practiceSizes(), m_sheetShown);
    applyFrame(rects.frame);
    setGeometryTwips(m_sizer, rects.sizer);
    applyPracticeLayout(rects);
    pRoundCorners();
}

void PracticeWindow::setAnswerSheetShown(bool shown)
{
    m_sheetShown = shown;
    layoutWindow();
}

PracticeSizes PracticeWindow::practiceSizes() const
{
    PracticeSizes s;
    s.frame = frameSizes();
    s.sizer = sizeTwips(m_sizer);
    // A larger sheet takes its room from the page, with space for its scroll bar.
    if (m_sheetScale > 1.0)
        s.ansBoxWidth = qRound(s.ansBoxWidth * m_sheetScale) + pixelsToTwips(16);
    for (int k = 0; k < 6; ++k) {
        if (m_toolBar[k])
            s.toolButtonWidth[k] = sizeTwips(m_toolBar[k]).width();
    }
    if (m_readAloud)
        s.readAloudWidth = sizeTwips(m_readAloud).width();
    if (m_paperSum)
        s.paperSumWidth = sizeTwips(m_paperSum).width();
    if (m_hideAns)
        s.hideAnsWidth = pixelsToTwips(m_hideAns->width());
    if (m_instruction)
        s.instructionHeight = sizeTwips(m_instruction).height();
    s.remQnsHeight = pixelsToTwips(30);
    return s;
}

void PracticeWindow::applyPracticeLayout(const PracticeRects &r)
{
    if (!m_toolStrip)
        return; // not loaded yet
    setGeometryTwips(m_toolStrip, r.toolStrip);
    for (int k = 0; k < 6; ++k) {
        m_toolBar[k]->move(twipsToPixels(r.toolButtonLeft[k]),
                           (m_toolStrip->height() - m_toolBar[k]->height()) / 2);
    }
    m_readAloud->move(twipsToPixels(r.readAloudLeft),
                      (m_toolStrip->height() - m_readAloud->height()) / 2);
    m_paperSum->move(twipsToPixels(r.paperSumLeft),
                     (m_toolStrip->height() - m_paperSum->height()) / 2);
    // On the narrowest windows it covers the paper summary's pencil.
    m_readAloud->raise();
    setGeometryTwips(m_ansBox, r.ansBox);
    sizeSheetRows();
    setGeometryTwips(m_hideAns, r.hideAns);
    m_handle->move((m_hideAns->width() - m_handle->width()) / 2,
                   (m_hideAns->height() - m_handle->height()) / 2);
    m_browser->Place(twipsToPixels(r.browser));
    // Centred over the page: the title strip is 640 HIMETRIC narrower than the page.
    setGeometryTwips(m_qnTitleBG, QRect(r.browser.x() + himetricToTwips(320), r.qnTitleTop,
                                        r.qnTitleWidth, kQnTitleHeightTwips));
    m_zoomControl->move(m_qnTitleBG->width() - m_zoomControl->width() - 4,
                        (m_qnTitleBG->height() - m_zoomControl->height()) / 2);
    m_qnTitle->resize(qMax(0, m_zoomControl->x() - 12), m_qnTitleBG->height());
    setGeometryTwips(m_remQnsBG, r.remQns);
    placeStatusStrip();
    m_instruction->move((m_ansBox->width() - m_instruction->width()) / 2,
                        twipsToPixels(r.instructionTop));
    const QRect page = m_browser->geometry();
    m_fmeMark->move(page.x() + (page.width() - m_fmeMark->width()) / 2,
                    page.y() + (page.height() - m_fmeMark->height()) / 2);
    m_qnTitleBG->raise();
    m_fmeMark->raise();
    // The grip sits in the corner of the answer sheet; keep it on top.
    m_sizer->raise();
}

void PracticeWindow::placeStatusStrip()
{
    // The remaining questions keep the right end, nearest the answer sheet; on a narrow
    // page they cover the counters rather than leave the strip.
    const int h = m_remQnsBG->height();
    const int w = m_remQnsBG->width();
    m_statusPanel->setGeometry(0, 0, kBot1Width, h);
    m_bot2->setGeometry(kBot1Width, 0, kBot2Width, h);
    const int rest = kBot1Width + kBot2Width;
    const int remWidth = m_txtRem->isVisibleTo(m_remQnsBG) ? kTxtRemWidth : 0;
    m_txtRem->setGeometry(qMax(0, w - kTxtRemWidth), 0, kTxtRemWidth, h);
    m_bot3->setGeometry(rest, 0, qMax(0, w - remWidth - rest), h);
    m_txtRem->raise();
}

bool PracticeWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_handle && event->type() == QEvent::MouseButtonRelease) {
        const bool shown = !m_sheetShown;
        const QString tip = answerSheetHandleTip(shown);
        m_handle->setToolTip(tip);
        m_handle->setAccessibleName(tip);
        m_hideAns->setAccessibleName(tip);
        setAnswerSheetShown(shown);
        return true;
    }
    // The edge cursor is set on the window, and its children would inherit it.
    if (event->type() == QEvent::Enter && !m_resizing && watched->parent() == this)
        unsetCursor();
    return SkinnedWindow::eventFilter(watched, event);
}

bool PracticeWindow::keyOrWheel(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Wheel) {
        auto *wheel = static_cast<QWheelEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        if ((wheel->modifiers() & Qt::ControlModifier) && widget && widget->window() == this) {
            setZoom(ZoomSteps::afterWheel(m_zoom, wheel->angleDelta().y()));
            return true;
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::FocusIn)
        return false;
    for (int n = 1; n <= m_rowWidgets.size(); ++n) {
        if (watched != m_rowWidgets.at(n - 1).answer)
            continue;
        if (event->type() == QEvent::FocusIn) {
            m_sheetScroll->ensureWidgetVisible(m_rowWidgets.at(n - 1).answer, 0, 8);
            return false;
        }
        return answerBoxKey(n, static_cast<QKeyEvent *>(event));
    }
    return false;
}

void PracticeWindow::beginCornerResize(const QPoint &globalPos)
{
    const QSize grip(kGripPixels * kTwipsPerPixel, kGripPixels * kTwipsPerPixel);
    const QPoint windowTwips = pixelsToTwips(pos());
    const QPoint rel = pixelsToTwips(globalPos) - windowTwips;
    const QSize sizeT = pixelsToTwips(size());
    m_grab = classifyGrab(rel, sizeT, grip);
    if (!m_grab.any())
        return;
    QCursor::setPos(twipsToPixels(snapCursor(m_grab, QRect(windowTwips, sizeT), rel)));
    m_resizing = true;
}

void PracticeWindow::mousePressEvent(QMouseEvent *event)
{
    // Presses on the window's own surface, and on the Sizer, which passes them on.
    if (event->buttons() & Qt::LeftButton)
        beginCornerResize(event->globalPosition().toPoint());
    SkinnedWindow::mousePressEvent(event);
}

void PracticeWindow::mouseMoveEvent(QMouseEvent *event)
{
    const QSize grip(kGripPixels * kTwipsPerPixel, kGripPixels * kTwipsPerPixel);
    const QPoint rel = pixelsToTwips(event->globalPosition().toPoint()) - pixelsToTwips(pos());
    const QSize sizeT = pixelsToTwips(size());
    if (m_resizing) {
        const QSize wanted = cornerResize(m_grab, rel, sizeT, grip);
        if (wanted != sizeT)
            resize(twipsToPixels(wanted.width()), twipsToPixels(wanted.height()));
        return;
    }
    switch (edgeCursor(rel, sizeT, grip, event->buttons() & Qt::LeftButton)) {
    case EdgeCursor::Unchanged: break;
    case EdgeCursor::Arrow: unsetCursor(); break;
    case EdgeCursor::SizeHor: setCursor(Qt::SizeHorCursor); break;
    case EdgeCursor::SizeVer: setCursor(Qt::SizeVerCursor); break;
    case EdgeCursor::SizeFDiag: setCursor(Qt::SizeFDiagCursor); break;
    case EdgeCursor::SizeBDiag: setCursor(Qt::SizeBDiagCursor); break;
    }
}

void PracticeWindow::mouseReleaseEvent(QMouseEvent *event)
{
    m_resizing = false;
    m_grab = EdgeGrab();
    SkinnedWindow::mouseReleaseEvent(event);
}

void PracticeWindow::childEvent(QChildEvent *event)
{
    // Children tell the window when the pointer has left the edge zone for them.
    if (event->added() && event->child()->isWidgetType())
        event->child()->installEventFilter(this);
    SkinnedWindow::childEvent(event);
}

// ---- answer sheet -------------------------------------------------------------------------

QStringList PracticeWindow::rowTexts() const
{
    QStringList texts;
    const int rows = qMin(m_session->rowsOnShow(), int(AnswerSheet::kRows));
    for (int n = 1; n <= rows; ++n)
        texts.append(m_rowWidgets.at(n - 1).answer->text());
    return texts;
}

void PracticeWindow::placeRow(int n)
{
    const RowWidgets &w = m_rowWidgets.at(n - 1);
    const AnswerSheet::Row &row = m_rows.at(n - 1);
    const qreal s = m_sheetScale;
    setGeometryTwips(w.frame, ZoomSteps::scaled(row.frame, s));
    setGeometryTwips(w.part, ZoomSteps::scaled(row.part, s));
    setGeometryTwips(w.answer, ZoomSteps::scaled(row.answer, s));
    setGeometryTwips(w.mark, ZoomSteps::scaled(row.mark, s));
    setGeometryTwips(w.model, ZoomSteps::scaled(row.model, s));
    if (w.second)
        setGeometryTwips(w.second, ZoomSteps::scaled(row.mark, s));
}

void PracticeWindow::fillAnswerBox(int n, int i)
{
    AnswerBox *box = m_rowWidgets.at(n - 1).answer;
    box->setMaxLength(m_session->answerCode(i) == QLatin1String("Q") ? 1 : 32767);
    box->setText(m_session->answers().value(i));
}

void PracticeWindow::setMarkText(QLabel *label, int n, const QString &mark)
{
    label->setText(AnswerSheet::markGlyph(mark));
    label->setStyleSheet(mark == Results::tick()    ? QStringLiteral("color: #1a7f2e")
                         : mark == Results::cross() ? QStringLiteral("color: #c0262d")
                                                    : QString());
    const QString base = label->objectName().startsWith(QLatin1Char('S'))
                             ? QStringLiteral("Second mark ")
                             : QStringLiteral("Mark ");
    const QString state = mark == Results::tick()    ? QStringLiteral(": right")
                          : mark == Results::cross() ? QStringLiteral(": wrong")
                                                     : QString();
    label->setAccessibleName(base + AnswerSheet::partLetter(n) + state);
}

void PracticeWindow::FillAnswerSheet()
{
    const int q = m_session->qsCount();
    const int count = qMin(m_session->blankCount(q), int(AnswerSheet::kRows));
    const int d = m_session->blankOffset(q);
    QStringList codes;
    for (int k = 0; k < count; ++k)
        codes.append(m_session->answerCode(d + k));
    switch (AnswerSheet::instructionFor(codes)) {
    case AnswerSheet::Instruction::Show: m_instruction->show(); break;
    case AnswerSheet::Instruction::Hide: m_instruction->hide(); break;
    case AnswerSheet::Instruction::Keep: break;
    }
    for (int n = 1; n <= count; ++n) {
        fillAnswerRow(n, d + n - 1);
        placeRow(n);
    }
    if (count < 1)
        return;
    RowWidgets &first = m_rowWidgets[0];
    drawborder(first.answer, first.frame, 2);
    m_rows[0] = AnswerSheet::firstRowShape(m_rows[0], codes.first(), m_session->answerKey(d));
    placeRow(1);
    drawborder(first.answer, first.frame, 0);
}

void PracticeWindow::ShowAnswerRows()
{
    const int count = m_session->rowsOnShow();
    QList<int> heights;
    for (const AnswerSheet::Row &row : qAsConst(m_rows))
        heights.append(row.frame.height());
    const QList<int> tops = AnswerSheet::stackRows(heights, count);
    for (int n = 1; n <= AnswerSheet::kRows; ++n) {
        m_rows[n - 1].frame.moveTop(tops.at(n - 1));
        setGeometryTwips(m_rowWidgets[n - 1].frame,
                         ZoomSteps::scaled(m_rows[n - 1].frame, m_sheetScale));
        m_rowWidgets[n - 1].frame->setVisible(n <= count);
    }
    m_rowWidgets[0].part->setVisible(AnswerSheet::showsPartLetter(1, count));
    sizeSheetRows();
}

void PracticeWindow::RebuildRemainingList()
{
    m_remQns->clear();
    for (int q : m_session->remainingQuestions())
        m_remQns->addItem(QString::number(q));
    // Nothing is picked until the pupil picks.
    m_remQns->setCurrentIndex(-1);
}

void PracticeWindow::drawborder(QWidget *cntl, QWidget *Parent, int inout)
{
    auto *frame = qobject_cast<AnswerFrame *>(Parent);
    if (!frame)
        return;
    QRect twips = pixelsToTwips(cntl->geometry());
    for (int n = 0; n < m_rowWidgets.size(); ++n) {
        if (m_rowWidgets.at(n).answer == cntl)
            twips = m_rows.at(n).answer;  // the exact design numbers, not rounded pixels
    }
    frame->drawBorder(AnswerSheet::border(twips, inout, frame->background()));
}

void PracticeWindow::showRefusedNote(AnswerBox *box)
{
    // One line where the sheet is wide enough; a wrapped label would guess a narrower one.
    const int oneLine = m_refusedNote->fontMetrics().horizontalAdvance(m_refusedNote->text())
                        + 2 * m_refusedNote->margin() + 4;
    const int width = qMin(oneLine, m_ansBox->width());
    const QSize size(width, m_refusedNote->heightForWidth(width));
    const QRect boxRect(box->mapTo(m_ansBox, QPoint(0, 0)), box->size());
    m_refusedNote->setGeometry(AnswerSheet::refusedNotePlace(boxRect, size, m_ansBox->size()));
    m_refusedNote->show();
    m_refusedNote->raise();
    m_refusedNoteTimer->start();
}

// ---- reading aloud -----------------------------------------------------------------------

void PracticeWindow::buildReadAloud()
{
    m_readAloud = makeToolbarButton(7, QStringLiteral("ButReadAloud"),
                                    QStringLiteral("ButReadAloudlbl"));
    m_readAloud->setToolTips(PictureStates::practiceToolTip(7));
    connect(m_readAloud, &PictureButton::clicked, this, &PracticeWindow::ReadAloud);
    m_speaker = ReadAloudSpeaker::factory()(this);
    m_speaker->onFailure = [this] { readingUnavailable(); };
    if (!m_speaker->ready())
        readingUnavailable();
}

void PracticeWindow::readingUnavailable()
{
    m_readAloud->setEnabled(false);
    m_readAloud->setToolTips(QStringLiteral("Reading aloud is not available on this computer."));
}

void PracticeWindow::stopReading()
{
    if (m_speaker && m_speaker->speaking())
        m_speaker->stop();
}

void PracticeWindow::ReadAloud()
{
    if (!m_speaker->ready())
        return readingUnavailable();
    if (m_speaker->speaking())
        return m_speaker->stop();
    QPointer<PracticeWindow> self(this);
    m_browser->runOnPage(ReadAloudText::walkScript(), [self](const QVariant &result) {
        if (!self || self->m_closing || !self->m_speaker->ready())
            return;
        const QJsonArray walk = QJsonDocument::fromJson(result.toString().toUtf8()).array();
        const QString text = ReadAloudText::spokenText(walk);
        if (!text.isEmpty())
            self->m_speaker->say(text);
    });
}

// ---- moves, save, mark, print, close ------------------------------------------------------

void PracticeWindow::GoToQuestion(int target)
{
    if (target < 1 || target > m_session->questionCount())
        return;
    const bool back = target < m_session->qsCount();
    const int error = m_session->goToQuestion(target, rowTexts());
    if (error) {
        showNotice(answersNotSaved(error));
        return;
    }
    m_movedBack = back;
    stopReading();
    m_qnTitle->setText(QStringLiteral("Question ") + QSCount());
    m_qnTitle->setAccessibleName(m_qnTitle->text());
    FillAnswerSheet();
    ShowAnswerRows();
    if (m_session->pageWritten())
        m_browser->Navigate2(m_session->currentPagePath());
    RebuildRemainingList();
    m_rowWidgets[0].answer->setFocus();
}

void PracticeWindow::SavePaper()
{
    const int error = m_session->commitAndWrite(rowTexts());
    showNotice(error ? answersNotSaved(error) : QStringLiteral("Paper saved"));
}

void PracticeWindow::MarkPaper()
{
    if (m_session->isMarked()) {
        ShowMarkedState();
        return;
    }
    int error = m_session->commitAndWrite(rowTexts());
    if (error) {
        showNotice(answersNotSaved(error));
        return;
    }
    QPointer<PracticeWindow> self(this);
    const bool yes = CallPop(QStringLiteral("Marking"), m_session->markingPrompt(), 2, this);
    if (!self || !yes)
        return;
    m_marking = true;
    repaint();
    playMarkingAnimation();
    if (!self)
        return;
    error = m_session->mark(QDateTime::currentDateTime());
    m_marking = false;
    if (error) {
        showNotice(QStringLiteral("Your paper could not be marked: the results could not be "
                                  "saved (error %1).")
                       .arg(error));
        return;
    }
    ValueText::set(m_pScoring, m_session->pScoring());
    ValueText::set(m_answeredQ, QString::number(m_session->answeredCount()));
    ShowMarkedState();
}

void PracticeWindow::playMarkingAnimation()
{
    InputBlocker blocker;
    for (QLabel *bar : qAsConst(m_bars))
        bar->hide();
    m_fmeMark->show();
    m_fmeMark->raise();
    m_fmeMark->repaint();
    QEventLoop loop;
    QTimer step;
    int shown = 0;
    connect(&step, &QTimer::timeout, &loop, [&] {
        m_bars.at(shown++)->show();
        m_fmeMark->repaint();
        if (shown == m_bars.size())
            loop.quit();
    });
    // Deleted meanwhile (the program closing): stop waiting.
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    step.start(g_markingStepMs);
    loop.exec();
    step.stop();
    m_fmeMark->hide();
}

void PracticeWindow::ShowMarkedState()
{
    for (const RowWidgets &row : qAsConst(m_rowWidgets))
        row.answer->setReadOnly(true);
    showMarkedStatus();
    m_txtRem->hide();
    placeStatusStrip();
    FillAnswerSheet();
    ShowAnswerRows();
}

void PracticeWindow::PrintQuestion()
{
    m_browser->printWithDialog(this);
}

void PracticeWindow::ClosePaper()
{
    QPointer<PracticeWindow> self(this);
    const bool yes = CallPop(QStringLiteral("Close Practice"), QStringLiteral("Confirm?"), 2,
                             this);
    if (self && yes)
        close();
}

void PracticeWindow::closeRequested()
{
    ClosePaper();
}

void PracticeWindow::closeEvent(QCloseEvent *event)
{
    if (m_closing)
        return event->accept();
    if (!m_session->isMarked()) {
        const int error = m_session->commitAndWrite(rowTexts());
        if (error && !m_noQuestions) {
            QPointer<PracticeWindow> self(this);
            const bool anyway = CallPop(QStringLiteral("Close Practice"),
                                        answersNotSaved(error)
                                            + QStringLiteral(" Close anyway?"),
                                        2, this);
            if (!self)
                return;
            if (!anyway) {
                event->ignore();
                return;
            }
        }
    }
    m_closing = true;
    stopReading();
    Timer1()->stop();
    m_session->deleteCurrentPage();
    event->accept();
    emit closed();
}

int PracticeWindow::saveTypedAnswers()
{
    return m_session->isMarked() ? 0 : m_session->commitAndWrite(rowTexts());
}

void PracticeWindow::closeWithoutQuestions()
{
    m_noQuestions = true;
    close();
}

void PracticeWindow::saveBeforeQuit()
{
    if (m_closing || m_savedForQuit)
        return;
    m_savedForQuit = true;
    if (!m_session->isMarked())
        m_session->commitAndWrite(rowTexts());
    m_session->deleteCurrentPage();
}

void PracticeWindow::showNotice(const QString &message)
{
    CallPop(QStringLiteral("Quorvel"), message, 1, this);
}

void PracticeWindow::prepareNeighbours()
{
    // Once the window is closing or its pages were cleaned up for the quit, none is written.
    if (m_closing || m_savedForQuit)
        return;
    // The likeliest first: a pupil mostly goes on in the direction of the last move.
    const int step = m_movedBack ? -1 : 1;
    QStringList paths;
    for (const int question : {m_session->qsCount() + step, m_session->qsCount() - step}) {
        if (question < 1 || question > m_session->questionCount())
            continue;
        const QString path = m_session->pageFilePath(question);
        if (m_browser->holdsPage(path) || m_session->writePreparedPage(question) == 0)
            paths << path;
    }
    m_browser->prepare(paths);
}

void PracticeWindow::showGuardMessage()
{
    // Shown once the page's event has been handed on, never from inside the engine's call.
    QTimer::singleShot(0, this, [this] {
        QMessageBox::warning(this, QStringLiteral("Error"), QStringLiteral("Invalid operation"));
    });
}

// ---- the tick -----------------------------------------------------------------------------

void PracticeWindow::pollTick()
{
    for (int k = 1; k <= 6; ++k) {
        PictureButton *button = m_toolBar[k - 1];
        if (!button)
            return;
        pollPracticeButton(button, k, m_session->status(), m_session->qsCount(),
                           m_session->questionCount());
    }
    pollPracticeButton(m_readAloud, 7, m_session->status(), m_session->qsCount(),
                       m_session->questionCount());
    tickStatus(QDateTime::currentDateTime());
    ValueText::set(m_answeredQ, QString::number(m_session->answeredCount()));
}
