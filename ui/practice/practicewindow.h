#pragma once
// The window in which a pupil takes one paper: the question page beside an answer sheet,
// the toolbar (Save, Mark, Print, Close, Back, Next), the remaining questions, the clock
// and the score. Test1 (first take) and Test2 (second take) derive from it and override
// only the steps in which the takes differ. The take itself (files, marking, page files)
// is PracticeSession's; this class applies it to the widgets.
//
// Keys: the first answer box has the focus on every page; Tab and Shift+Tab go from box to
// box and on to the toolbar; Enter goes to the next box, from the last to the next question;
// Alt+Right and Alt+Left are Next and Back; Ctrl+S saves, Ctrl+M marks, Escape closes;
// Ctrl and +, -, 0 or the wheel size the page (100 % to 300 %, kept for every paper), and
// the answer sheet grows with it up to 200 %.
//
// Opened with open(), which refuses, with a message, a paper that cannot be looked up.
// The window deletes itself when closed and then emits closed(). Closing it by any path
// first saves the typed answers as a move would.

#include "ui/chrome/skinnedwindow.h"
#include "ui/practice/answersheet.h"
#include "ui/practice/paperselection.h"
#include "ui/practice/practicesession.h"

#include <QDateTime>
#include <QFont>
#include <QVector>

#include <memory>

class AnswerFrame;
class BrowserControl;
class PictureButton;
class ReadAloudSpeaker;
class PicturePanel;
class QComboBox;
class QLabel;
class QScrollArea;
class QTimer;
class AnswerBox;
class ZoomControl;

class PracticeWindow : public SkinnedWindow
{
    Q_OBJECT

public:
    ~PracticeWindow() override;

    // Opens the paper of the selection in a Test1 (TakeNum 1) or Test2 (TakeNum 2) window
    // and shows it. When the paper cannot be looked up, shows why in the pop-up (owned by
    // messageOwner), opens nothing and returns null.
    static PracticeWindow *open(const PaperSelection &selection,
                                QWidget *messageOwner = nullptr);
    // The same with the paper's data already looked up; refuses a paper the take cannot
    // load.
    static PracticeWindow *open(const PaperSelection &selection, const PaperData &paper,
                                QWidget *messageOwner = nullptr);

    const PracticeSession &session() const { return *m_session; }
    PracticeSession &session() { return *m_session; }
    QString QSCount() const { return QString::number(m_session->qsCount()); }
    QString Status() const { return QString::number(m_session->status()); }

    // ---- the window's operations ----
    void SavePaper();
    void MarkPaper();
    void PrintQuestion();
    void ClosePaper();  // asks "Confirm?" first
    void GoToQuestion(int target);
    void FillAnswerSheet();
    void ShowAnswerRows();
    void RebuildRemainingList();
    void ShowMarkedState();
    // Sizes the page (a step of ZoomSteps, 100 to 300) and the answer sheet with it, and
    // keeps the size for every paper.
    void setZoom(int percent);
    int zoom() const { return m_zoom; }
    // Frames control cntl on its row container (inout 0 light blue, 2 erase, else grey).
    void drawborder(QWidget *cntl, QWidget *Parent, int inout);

    // ---- the system ending the program ----
    // Writes the typed answers of a take not yet marked, as a move would; 0 or an error.
    int saveTypedAnswers();
    // Closes as every close does (answers saved, page file gone, closed()), asking nothing,
    // not even when the answers cannot be saved: there is no one left to answer.
    void closeWithoutQuestions();
    // From the pupil's "Yes" to Mark until the marking has been recorded or has failed.
    bool isMarking() const { return m_marking; }

    // ---- test seam ----
    // Length of one step of the marking animation (200 ms; 15 steps).
    static void setMarkingStepMs(int ms);

signals:
    // The window has closed and its page file is gone; the results are on disk.
    void closed();

protected:
    PracticeWindow(std::unique_ptr<PracticeSession> session, const QString &designCaption);

    // Builds the controls and runs the load steps; called by open() on the new window.
    void load();

    // ---- the steps in which the takes differ ----
    // The picture behind the status strip's first piece, Bot1.
    virtual QString statusPicture() const = 0;
    // Creates the take's controls of the status strip in panel (Bot1).
    virtual void createStatusControls(QWidget *panel) = 0;
    // Shows the stored time taken and date completed, and today's date (first take).
    virtual void showLoadedStatus(const QDateTime &now) = 0;
    // The running clock of each tick (first take).
    virtual void tickStatus(const QDateTime &now) = 0;
    // Fills row n with blank i of the paper (FillAnswerRow).
    virtual void fillAnswerRow(int n, int i) = 0;
    // The marks and clock labels of a marked take.
    virtual void showMarkedStatus() = 0;

    struct RowWidgets;
    // Creates the take's own controls of answer row n (none in a first take).
    virtual void createRowControls(int n, RowWidgets &row);

    // Shared parts of row filling: the box's length limit and text.
    void fillAnswerBox(int n, int i);
    void setMarkText(QLabel *label, int n, const QString &mark);
    void placeRow(int n);  // applies m_rows[n - 1] to the row's widgets

    struct RowWidgets
    {
        AnswerFrame *frame = nullptr;
        QLabel *part = nullptr;    // QL<n>
        AnswerBox *answer = nullptr; // FA<n>
        QLabel *mark = nullptr;    // FR<n>
        AnswerBox *model = nullptr; // M<n>
        QLabel *second = nullptr;  // SR<n>, second take only
    };
    QVector<RowWidgets> m_rowWidgets;      // rows 1..20 at 0..19
    QVector<AnswerSheet::Row> m_rows;      // their shapes, twips
    QWidget *m_statusPanel = nullptr;      // Bot1

    // SkinnedWindow
    void closeRequested() override;
    void pollTick() override;
    void layoutWindow() override;
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Edge and corner resizing by the window's own surface and the Sizer grip.
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void childEvent(QChildEvent *event) override;

private:
    void buildToolbar();
    // Practice toolbar button k (PictureStates' numbering): its picture with the caption
    // under it, its press tracked for the pressed picture.
    PictureButton *makeToolbarButton(int k, const QString &name, const QString &captionName);
    void buildReadAloud();
    // Reads the page on show aloud, or stops when it is reading.
    void ReadAloud();
    void stopReading();
    void readingUnavailable();
    void buildPage();
    void buildStatusStrip();
    void buildAnswerSheet();
    void buildMarkingPanel();
    void buildKeys();
    void orderTabChain();
    void applySheetScale();
    void sizeSheetRows();
    // Seen before its receiver: Ctrl and the wheel anywhere in the window, and the keys and
    // focus of the answer boxes; true when handled.
    bool keyOrWheel(QObject *watched, QEvent *event);
    // Enter and Page Up / Page Down in answer box n (1..20); true when handled.
    bool answerBoxKey(int n, QKeyEvent *event);
    QStringList rowTexts() const;
    void playMarkingAnimation();
    void showNotice(const QString &message);
    void showGuardMessage();
    // Prepares the pages of the questions next to the one on show (see BrowserControl).
    void prepareNeighbours();
    void placeStatusStrip();
    void saveBeforeQuit();
    ChromeGeometry::PracticeSizes practiceSizes() const;
    void applyPracticeLayout(const ChromeGeometry::PracticeRects &rects);
    // Folds the answer sheet away or shows it again, and lays the window out anew.
    void setAnswerSheetShown(bool shown);
    void beginCornerResize(const QPoint &globalPos);
    void showRefusedNote(AnswerBox *box);

    std::unique_ptr<PracticeSession> m_session;
    PictureButton *m_toolBar[6] = {};
    PictureButton *m_readAloud = nullptr;   // ButReadAloud
    std::unique_ptr<ReadAloudSpeaker> m_speaker;
    QWidget *m_toolStrip = nullptr;        // ScnTabBG
    PicturePanel *m_paperSum = nullptr;    // PaperSum
    QLabel *m_pScoring = nullptr;          // PScoring
    BrowserControl *m_browser = nullptr;   // brwWebBrowser
    bool m_movedBack = false;              // the last move went to an earlier question
    QWidget *m_qnTitleBG = nullptr;
    QLabel *m_qnTitle = nullptr;
    QWidget *m_remQnsBG = nullptr;
    PicturePanel *m_bot2 = nullptr;
    PicturePanel *m_bot3 = nullptr;
    PicturePanel *m_txtRem = nullptr;
    QComboBox *m_remQns = nullptr;
    QLabel *m_answeredQ = nullptr;         // lblAnsweredQ
    QLabel *m_totalQ = nullptr;            // lblTotalQ
    QWidget *m_ansBox = nullptr;           // AnsBox
    QScrollArea *m_sheetScroll = nullptr;  // AnsRows: scrolls the rows when they do not fit
    QWidget *m_sheetRows = nullptr;        // holds Frame1..Frame20
    ZoomControl *m_zoomControl = nullptr;  // ZoomSize
    QObject *m_eventsFirst = nullptr;      // the application's events, before their receivers
    int m_zoom = 100;
    qreal m_sheetScale = 1.0;
    QFont m_modelFont;
    QLabel *m_instruction = nullptr;       // PicInstruction
    QWidget *m_hideAns = nullptr;          // PicHideAns
    QLabel *m_handle = nullptr;            // ImgHandle
    PicturePanel *m_fmeMark = nullptr;
    QVector<QLabel *> m_bars;              // imgBar01..imgBar15
    QLabel *m_sizer = nullptr;             // Sizer
    bool m_sheetShown = true;
    ChromeGeometry::EdgeGrab m_grab;
    bool m_resizing = false;
    QLabel *m_refusedNote = nullptr;       // lblRefused
    QTimer *m_refusedNoteTimer = nullptr;
    bool m_closing = false;
    bool m_savedForQuit = false;
    bool m_noQuestions = false;
    bool m_marking = false;
};
