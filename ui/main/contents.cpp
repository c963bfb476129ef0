#include "ui/main/contents.h"

#include "app/programfolder.h"
#include "results/resultsbackup.h"
#include "startup/startup.h"
#include "ui/chrome/chromegeometry.h"
#include "ui/chrome/focusgroups.h"
#include "ui/chrome/frmpopup.h"
#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"
#include "ui/chrome/picturestates.h"
#include "ui/main/aboutpanel.h"
#include "ui/main/homepanel.h"
#include "ui/main/homerules.h"
#include "ui/main/makerwebpage.h"
#include "ui/main/practisenext.h"
#include "ui/main/reportfigures.h"
#include "ui/main/printlines.h"
#include "ui/main/pupilspanel.h"
#include "ui/chrome/frmpopup.h"
#include "ui/main/reportpanel.h"
#include "ui/main/reportpdf.h"
#include "ui/main/reportprinter.h"
#include "ui/main/trashpanel.h"
#include "ui/practice/practicewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDir>
#include <QStandardPaths>
#include <QLabel>
#include <QMessageBox>
#include <QtMath>

namespace {

// Design sizes in pixels (15 twips to a pixel): the window is 6070 x 7380 twips.
constexpr int kStripLeft = 2;
constexpr int kStripTop = 60;
constexpr int kStripHeight = 62;

QString tabName(int n)
{
    return QStringLiteral("Tab%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace

Contents::Contents(QWidget *parent)
    : SkinnedWindow(Kind::Main, parent)
{
    setObjectName(QStringLiteral("Contents"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setStyleSheet(QStringLiteral("Contents { background: white; }"));
    buildTabStrip();
    buildToolbar();
    buildPanels();
    buildKeyboardGroups();
    setGeometry(ChromeGeometry::twipsToPixels(60), ChromeGeometry::twipsToPixels(60),
                ChromeGeometry::twipsToPixels(6070), ChromeGeometry::twipsToPixels(7380));
}

Contents::~Contents() = default;

void Contents::buildTabStrip()
{
    m_tabStrip = new QLabel(this);
    m_tabStrip->setObjectName(QStringLiteral("ScnTabBG"));
    m_tabStrip->setAutoFillBackground(true);
    QPalette p = m_tabStrip->palette();
    p.setColor(QPalette::Window, QColor(244, 245, 235));
    m_tabStrip->setPalette(p);
    for (int n = 1; n <= 4; ++n) {
        m_tabs[n] = new PictureButton(tabName(n), this);
        m_tabs[n]->setPicture(QStringLiteral("tabs_back_off.bmp"));
        QLabel *label = m_tabs[n]->addCaption(tabName(n) + QStringLiteral("lbl"), QString());
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("font-weight: bold; color: #1d4f7c;"));
        connect(m_tabs[n], &PictureButton::clicked, this, [this, n] { tabClicked(n); });
    }
}

void Contents::buildToolbar()
{
    for (int n = 1; n <= 4; ++n) {
        m_toolbar[n] = new PictureButton(QStringLiteral("ToolBar%1").arg(n, 2, 10, QLatin1Char('0')),
                                         m_tabStrip);
        m_toolbar[n]->setPicture(QStringLiteral("home_off.bmp"));
        m_toolbar[n]->move(8 + 52 * (n - 1), 8);
        QLabel *label = m_toolbar[n]->addCaption(
            QStringLiteral("lblTB%1").arg(n, 2, 10, QLatin1Char('0')), QString());
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        label->setStyleSheet(QStringLiteral("font-size: 7pt; color: #1d4f7c;"));
        trackPress(m_toolbar[n]);
        connect(m_toolbar[n], &PictureButton::clicked, this, [this, n] { toolbarClicked(n); });
    }
}

void Contents::buildPanels()
{
    m_home = new HomePanel(this);
    m_report = new ReportPanel(this);
    m_about = new AboutPanel(this);
    m_trash = new TrashPanel(this);
    m_pupilsPanel = new PupilsPanel(this);
    connect(m_pupilsPanel, &PupilsPanel::addRequested, this, &Contents::addPupil);
    connect(m_pupilsPanel, &PupilsPanel::renameRequested, this, &Contents::renamePupil);
    connect(m_pupilsPanel, &PupilsPanel::removeRequested, this, &Contents::removePupil);
    connect(m_pupilsPanel, &PupilsPanel::switchRequested, this, &Contents::switchPupil);
    connect(m_home, &HomePanel::topicClicked, this, [this](int n) {
        m_TopicCount = HomeRules::firstOrdinalOfTopic(n);
        TopicChoosing(m_TopicCount);
        Topicbuttoncolour(n);
    });
    connect(m_home, &HomePanel::paperClicked, this,
            [this](int paper, int take) { OpenPaper(paper - 1, take); });
    connect(m_report, &ReportPanel::sectionClicked, this, [this](int n) {
        m_txtReportPos = n;
        m_report->LayoutReportSections(n);
    });
    connect(m_report, &ReportPanel::savePdfClicked, this, &Contents::saveReportPdf);
    addTwoStateButton(m_report->saveButton(), QStringLiteral("button_off.bmp"),
                      QStringLiteral("button_on.bmp"));
    connect(m_about, &AboutPanel::linkClicked, this, &Contents::OpenMakerWebPage);
    connect(m_trash, &TrashPanel::eraseConfirmed, this, &Contents::eraseAllResults);
    connect(m_trash, &TrashPanel::restoreClicked, this, &Contents::restoreResults);
    for (PictureButton *button : m_home->paperButtons())
        addTwoStateButton(button, QStringLiteral("loadbutton_off.bmp"),
                          QStringLiteral("loadbutton_on.bmp"));
    addTwoStateButton(m_home->suggestionButton(), QStringLiteral("loadbutton_off.bmp"),
                      QStringLiteral("loadbutton_on.bmp"));
    connect(m_home, &HomePanel::suggestionClicked, this, &Contents::openSuggestion);
    for (PictureButton *button : m_trash->buttons() + m_pupilsPanel->buttons())
        addTwoStateButton(button, QStringLiteral("button_off.bmp"),
                          QStringLiteral("button_on.bmp"));
}

void Contents::buildKeyboardGroups()
{
    m_focusGroups = new FocusGroups(this);
    m_focusGroups->addGroup({m_tabs[1], m_tabs[2], m_tabs[3], m_tabs[4]});
    m_focusGroups->addGroup({m_toolbar[1], m_toolbar[2], m_toolbar[3], m_toolbar[4]});
    m_focusGroups->addGroup(m_home->topicLabels());
    QList<QWidget *> papers;
    for (PictureButton *button : m_home->paperButtons())
        papers.append(button);
    m_focusGroups->addGroup(papers);
    QList<QWidget *> pupilButtons;
    for (PictureButton *button : m_pupilsPanel->buttons())
        pupilButtons.append(button);
    m_focusGroups->addGroup(pupilButtons, FocusGroups::TabStops::OnePerMember);
    // Panels are stacked, not hidden: only the one in front may be reached.
    m_focusGroups->setReachable([this](const QWidget *w) {
        // The tab of a subject the edition lacks waits out of view.
        for (int n = 1; n <= 3; ++n) {
            if (w == m_tabs[n] && !m_catalogue.hasSubject(n))
                return false;
        }
        for (QWidget *panel : {static_cast<QWidget *>(m_home), static_cast<QWidget *>(m_report),
                               static_cast<QWidget *>(m_about), static_cast<QWidget *>(m_trash),
                               static_cast<QWidget *>(m_pupilsPanel)}) {
            if (panel != m_frontPanel && panel->isAncestorOf(w))
                return false;
        }
        return true;
    });
}

bool Contents::focusNextPrevChild(bool next)
{
    return m_focusGroups->moveFocus(next);
}

void Contents::load(const StartUpResult &start)
{
    if (start.catalogueError != 0) {
        QMessageBox::warning(this, QStringLiteral("Content damaged"),
                             QStringLiteral("The program's questions and topics could not be "
                                            "read: its content is damaged. Please install the "
                                            "program again."));
    } else if (start.resultsWriteFailed) {
        QMessageBox::warning(this, QStringLiteral("Results cannot be kept"),
                             QStringLiteral("The results files could not be created in %1, "
                                            "so scores will not be kept.")
                                 .arg(ProgramFolder::path()));
    }
    const QString missing = StartUp::missingFolderMessage(start);
    if (!missing.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Results missing"), missing);
    const QString damaged = StartUp::damagedResultsMessage(start);
    if (!damaged.isEmpty())
        QMessageBox::warning(this, QStringLiteral("Results damaged"), damaged);
    m_pupils = start.pupils;
    m_pupil = start.pupil;
    loadWithCatalogue(start.catalogue);
}

void Contents::loadWithCatalogue(const Catalogue &catalogue)
{
    m_catalogue = catalogue;
    if (m_pupils.count() == 0) {
        // Started without the start-up steps (tests, other editions): the pupils on disk.
        m_pupils = PupilStore(ProgramFolder::path(), StartUp::pupilFileNames(m_catalogue));
        m_pupils.open();
        m_pupil = m_pupils.list().last;
    }
    placeMainFrame();
    labelWindow();
    layOutTabStrip();
    startPolling();
    const int first = m_catalogue.firstSubject();
    m_txtToolBarPos = 1;
    m_txtReportPos = 1;
    m_TopicCount = 1;
    if (first != 0) {
        m_LChose = first;
        tabClicked(first);
    } else {
        // Nothing to practise: the Help tab's About panel is the one useful page.
        tabClicked(4);
    }
}

void Contents::labelWindow()
{
    for (int s = 1; s <= 3; ++s) {
        const QString name = m_catalogue.subjectName[s];
        m_tabs[s]->setCaptionText(name);
        m_tabs[s]->setToolTips(QStringLiteral("Load ") + name + QStringLiteral(" Module"));
    }
    m_tabs[4]->setCaptionText(QStringLiteral("Help"));
    m_tabs[4]->setToolTips(QStringLiteral("Help"));
    updateTitle();
    m_about->setProgramName(m_catalogue.title);
}

void Contents::updateTitle()
{
    setTitleText(HomeRules::windowTitle(m_catalogue.title, m_pupils.name(m_pupil),
                                        m_pupils.count()));
}

void Contents::layOutTabStrip()
{
    m_tabStrip->setGeometry(kStripLeft, kStripTop, width() - 2 * kStripLeft, kStripHeight);
    const int bottom = framePiece(QStringLiteral("BBot"))->height();
    const QRect panel(kStripLeft, kStripTop + kStripHeight, width() - 2 * kStripLeft,
                      height() - kStripTop - kStripHeight - bottom);
    for (QWidget *body : {static_cast<QWidget *>(m_home), static_cast<QWidget *>(m_report),
                          static_cast<QWidget *>(m_about), static_cast<QWidget *>(m_trash),
                          static_cast<QWidget *>(m_pupilsPanel)})
        body->setGeometry(panel);
    const bool present[3] = {m_catalogue.hasSubject(1), m_catalogue.hasSubject(2),
                             m_catalogue.hasSubject(3)};
    const int widths[4] = {m_tabs[1]->width(), m_tabs[2]->width(), m_tabs[3]->width(),
                           m_tabs[4]->width()};
    const QVector<int> lefts = HomeRules::tabLefts(present, widths);
    for (int n = 1; n <= 4; ++n)
        m_tabs[n]->move(lefts.at(n - 1), m_tabs[n]->y());
}

PaperSelection Contents::selection() const
{
    PaperSelection s;
    s.LChose = m_LChose;
    s.lblCOD = m_catalogue.code;
    s.TopicCount = m_TopicCount;
    s.TtPapersCon = m_TtPapersCon;
    s.PaperNum = m_PaperNum;
    s.TakeNum = m_TakeNum;
    s.SubH1 = m_SubH1;
    s.resultsFolder = resultsFolder();
    return s;
}

QString Contents::resultsFolder() const
{
    return m_pupils.count() > 0 ? m_pupils.folderPath(m_pupil) : QString();
}

QString Contents::resultsPath() const
{
    const QString folder = resultsFolder();
    return folder.isEmpty() ? ProgramFolder::path() : folder;
}

void Contents::tabClicked(int n)
{
    if (n < 4 && !m_catalogue.hasSubject(n))
        return;
    m_txtTabPos = n;
    m_txtToolBarPos = 1;
    m_txtReportPos = 1;
    StackTabs(n);
    if (n < 4)
        m_LChose = n;
    ShowCurrentPanel();
}

void Contents::toolbarClicked(int n)
{
    m_txtToolBarPos = n;
    ShowCurrentPanel();
}

void Contents::ShowCurrentPanel()
{
    if (m_txtTabPos >= 1 && m_txtTabPos <= 3) {
        switch (m_txtToolBarPos) {
        case 1:
            LoadSubject(m_LChose);
            showPanel(m_home);
            break;
        case 2:
            showReport();
            break;
        case 3:
            PrintReport();
            break;
        case 4:
            CloseProgram();
            break;
        default:
            break;
        }
    } else if (m_txtTabPos == 4) {
        switch (m_txtToolBarPos) {
        case 1:
            showPanel(m_about);
            break;
        case 2:
            showTrash();
            break;
        case 3:
            showPupils();
            break;
        case 4:
            PrintSetup();
            break;
        default:
            break;
        }
    }
}

void Contents::showPanel(QWidget *panel)
{
    panel->move(m_tabStrip->x(), m_tabStrip->y() + m_tabStrip->height());
    panel->raise();
    m_frontPanel = panel;
    // The focus does not stay on a control the panel now covers.
    QWidget *focus = focusWidget();
    if (focus && focus != panel && !panel->isAncestorOf(focus)) {
        for (QWidget *body : {static_cast<QWidget *>(m_home), static_cast<QWidget *>(m_report),
                              static_cast<QWidget *>(m_about), static_cast<QWidget *>(m_trash),
                              static_cast<QWidget *>(m_pupilsPanel)}) {
            if (body->isAncestorOf(focus))
                focus->clearFocus();
        }
    }
}

void Contents::StackTabs(int selected)
{
    for (int n = 4; n >= 1; --n)
        m_tabs[n]->raise();
    m_tabStrip->raise();
    m_tabs[selected]->raise();
    for (int n = 1; n <= 4; ++n) {
        const double top = HomeRules::tabTop(m_tabStrip->y(), m_tabs[n]->height(), n == selected);
        m_tabs[n]->move(m_tabs[n]->x(), qFloor(top));
    }
}

void Contents::LoadSubject(int subject)
{
    if (subject >= 1 && subject <= 3) {
        m_topicCount = m_catalogue.topicCount[subject];
        m_topicNames = m_catalogue.topicNames[subject];
        m_TtPapersCon = m_catalogue.paperCount[subject];
    }
    m_marks = Results::readMarks(Results::subjectFiles(m_catalogue, subject, resultsFolder()));
    m_home->setTopics(m_topicNames, m_topicCount);
    m_suggestion = PractiseNext::suggest(m_topicCount, m_TtPapersCon, m_topicNames,
                                         m_marks.FSE, m_marks.SSE);
    m_home->showSuggestion(m_suggestion.text, m_suggestion.take != 0);
    if (!m_RefreshLog && m_topicCount > 0) {
        m_TopicCount = 1;
        TopicChoosing(1);
        Topicbuttoncolour(1);
    }
}

void Contents::TopicChoosing(int f)
{
    QStringList first;
    QStringList second;
    for (int k = 0; k < 5; ++k) {
        first << m_marks.FSE.value(f - 1 + k);
        second << m_marks.SSE.value(f - 1 + k);
    }
    const int topic = HomeRules::topicOfFirstOrdinal(f);
    if (topic != 0)
        m_SubH1 = m_topicNames.value(topic - 1);
    m_home->showPapers(topic != 0 ? m_SubH1 : QString(), first, second);
}

void Contents::Topicbuttoncolour(int topic)
{
    m_home->highlightTopic(topic);
}

void Contents::OpenPaper(int offset, int take)
{
    m_PaperNum = HomeRules::paperKey(m_TopicCount, offset);
    m_TakeNum = take;
    if (!closePracticeWindow())
        return;
    m_practice = PracticeWindow::open(selection(), this);
    if (m_practice)
        connect(m_practice, &PracticeWindow::closed, this, &Contents::RefreshContents);
}

// Closes the open practice window without its own confirmation; the window keeps what was
// typed as it closes. False when it stayed open (its answers could not be saved and the
// pupil chose to keep it).
bool Contents::closePracticeWindow()
{
    if (!m_practice)
        return true;
    QPointer<PracticeWindow> window = m_practice;
    window->close();
    if (window && window->isVisible())
        return false;
    m_practice = nullptr;
    return true;
}

void Contents::openSuggestion()
{
    if (m_suggestion.take == 0)
        return;
    m_TopicCount = HomeRules::firstOrdinalOfTopic(m_suggestion.topic);
    TopicChoosing(m_TopicCount);
    Topicbuttoncolour(m_suggestion.topic);
    OpenPaper(m_suggestion.paper - 1, m_suggestion.take);
}

void Contents::RefreshContents()
{
    m_RefreshLog = true;
    LoadSubject(m_LChose);
    const int topic = HomeRules::topicOfFirstOrdinal(m_TopicCount);
    if (topic != 0 && topic <= m_topicCount) {
        TopicChoosing(m_TopicCount);
        Topicbuttoncolour(topic);
    }
    m_RefreshLog = false;
}

void Contents::CloseProgram()
{
    close();
}

void Contents::closeEvent(QCloseEvent *event)
{
    if (!closePracticeWindow()) {
        event->ignore();
        return;
    }
    SkinnedWindow::closeEvent(event);
}

void Contents::closeRequested()
{
    CloseProgram();
}

void Contents::OpenMakerWebPage()
{
    switch (MakerWebPage::open(MakerWebPage::desktopBrowser, MakerWebPage::startDetached)) {
    case MakerWebPage::NoBrowser:
        QMessageBox::warning(this, QStringLiteral("Browser Not Found"),
                             QStringLiteral("Could not find associated Browser"));
        break;
    case MakerWebPage::NotStarted:
        QMessageBox::warning(this, QStringLiteral("URL Failed"),
                             QStringLiteral("Web Page not Opened"));
        break;
    case MakerWebPage::Opened:
        break;
    }
}

void Contents::showReport()
{
    LoadSubject(m_LChose);
    const ReportFigures::Figures figures = ReportFigures::BuildReport(
        m_topicCount, m_TtPapersCon, m_topicNames, m_marks.FSE, m_marks.SSE);
    const QString trendLine = Records::ReadRecordLine(
        selection().subjectFiles().path(Results::Trend), QStringLiteral("TRD"));
    m_report->showReport(figures, ReportFigures::trendValues(trendLine));
    m_report->LayoutReportSections(m_txtReportPos);
    showPanel(m_report);
}

void Contents::PrintReport()
{
    const QList<QStringList> lines = PrintLines::reportLines(
        m_catalogue.title, m_topicCount, m_topicNames, m_marks.FSE, m_marks.LTM, m_marks.CDD,
        m_marks.SSE);
    switch (ReportPrinter::printOnDefault(lines, m_catalogue.title)) {
    case ReportPrinter::NoPrinter:
        QMessageBox::information(this, QStringLiteral("Print"),
                                 QStringLiteral("There is no printer to print on. Choose one "
                                                "with Help, then Setup, and print again."));
        break;
    case ReportPrinter::NotStarted:
        QMessageBox::warning(this, QStringLiteral("Print"),
                             QStringLiteral("The printer could not start printing. Nothing "
                                            "was printed."));
        break;
    case ReportPrinter::Printed:
        break;
    }
}

void Contents::saveReportPdf()
{
    ReportPdf::Content content;
    content.title = m_catalogue.title;
    content.subject = m_catalogue.subjectName[m_LChose];
    if (m_pupils.count() > 1)
        content.pupil = m_pupils.name(m_pupil);
    content.date = QDate::currentDate();
    content.figures = m_report->figures();
    content.trend = m_report->trend();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString suggested = QDir(folder.isEmpty() ? QDir::homePath() : folder)
                                  .filePath(ReportPdf::defaultFileName(content.subject,
                                                                       content.date,
                                                                       content.pupil));
    QString path = ReportPdf::askFileName(this, suggested);
    if (path.isEmpty())
        return;
    if (!path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        path += QStringLiteral(".pdf");
    if (ReportPdf::write(path, content) != ReportPdf::Ok)
        CallPop(QStringLiteral("Report not saved"),
                QStringLiteral("The report could not be saved there. Please choose another "
                               "folder."),
                1, this);
}

void Contents::PrintSetup()
{
    ReportPrinter::chooseDefaultPrinter(this);
}

void Contents::showTrash()
{
    QStringList names;
    QStringList dates;
    for (const ResultsBackup::Backup &backup : ResultsBackup::listBackups(resultsPath())) {
        names.append(backup.name);
        dates.append(ResultsBackup::displayName(backup));
    }
    m_trash->setBackups(names, dates);
    m_trash->setState(TrashPanel::State::Offer);
    showPanel(m_trash);
}

void Contents::eraseAllResults()
{
    const int error = ResultsBackup::resetWithBackup(m_catalogue, QDateTime::currentDateTime(),
                                                     resultsFolder());
    if (error == 0) {
        m_trash->setState(TrashPanel::State::Done);
        return;
    }
    if (ResultsBackup::isBackupError(error)) {
        CallPop(QStringLiteral("Results not erased"),
                QStringLiteral("Your results could not be copied to a safe place, so nothing "
                               "was erased."),
                1, this);
        m_trash->setState(TrashPanel::State::Offer);
        return;
    }
    // Every file is either erased or left whole, never half written; say so rather than
    // claim an erase that did not happen.
    QMessageBox::warning(this, QStringLiteral("Results not erased"),
                         QStringLiteral("Some of your past results could not be erased, so "
                                        "they are still kept. Please try again."));
    m_trash->setState(TrashPanel::State::Offer);
}

void Contents::pollTick()
{
    for (int n = 1; n <= 4; ++n) {
        m_tabs[n]->setPicture(PictureStates::tabPicture(n, m_txtTabPos, isHovered(m_tabs[n])));
    }
    for (int n = 1; n <= 4; ++n)
        m_toolbar[n]->setVisible(pollToolbarIdentity(m_toolbar[n], n, m_txtTabPos));
}

void Contents::restoreResults(const QString &name)
{
    const QString folder = resultsPath();
    QString shownAs = name;
    for (const ResultsBackup::Backup &backup : ResultsBackup::listBackups(folder)) {
        if (backup.name == name)
            shownAs = ResultsBackup::displayName(backup);
    }
    const int marked = ResultsBackup::markedSince(folder, name, m_catalogue).size();
    QString question = QStringLiteral("Put back the results kept on %1?").arg(shownAs);
    if (marked > 0)
        question = (marked == 1 ? QStringLiteral("1 paper was marked since then; its results "
                                                 "would be replaced. Put them back?")
                                : QStringLiteral("%1 papers were marked since then; their "
                                                 "results would be replaced. Put them back?")
                                      .arg(marked));
    if (!CallPop(QStringLiteral("Restore ") + shownAs, question, 2, this))
        return;
    if (ResultsBackup::restoreBackup(folder, name, ResultsBackup::resultFileNames(m_catalogue))
        != 0) {
        CallPop(QStringLiteral("Results not restored"),
                QStringLiteral("Your results could not be put back, so they are as they were."),
                1, this);
        return;
    }
    CallPop(QStringLiteral("Results restored"),
            QStringLiteral("Your results kept on %1 have been put back.").arg(shownAs), 1, this);
}

void Contents::showPupils(const QString &message)
{
    m_pupilsPanel->setPupils(m_pupils.list().names(), m_pupil);
    m_pupilsPanel->showMessage(message);
    showPanel(m_pupilsPanel);
}

void Contents::addPupil(const QString &name)
{
    // The first pupil's files may move: a paper of theirs must not stay open on the old ones.
    if (m_pupils.count() == 1 && !closePracticeWindow())
        return;
    const QString kept = PupilNames::tidied(name);
    switch (m_pupils.add(name)) {
    case PupilStore::Ok:
        updateTitle();
        showPupils(kept + QStringLiteral(" was added. Choose them in the list and click "
                                         "\"Switch to\" to practise as them."));
        break;
    case PupilStore::NameRefused:
        m_pupilsPanel->showMessage(PupilNames::problemText(m_pupils.nameProblem(), kept));
        break;
    case PupilStore::CopyFailed:
        showPupils(QStringLiteral("The results could not be copied into their own folder, "
                                  "so nothing was changed. Please try again."));
        break;
    default:
        showPupils(QStringLiteral("The list of pupils could not be saved, so the pupil was "
                                  "not added. Please try again."));
        break;
    }
}

void Contents::renamePupil(int pupil, const QString &name)
{
    const QString kept = PupilNames::tidied(name);
    switch (m_pupils.rename(pupil, name)) {
    case PupilStore::Ok:
        updateTitle();
        showPupils(QStringLiteral("The pupil is now called ") + kept + QLatin1Char('.'));
        break;
    case PupilStore::NameRefused:
        m_pupilsPanel->showMessage(PupilNames::problemText(m_pupils.nameProblem(), kept));
        break;
    default:
        showPupils(QStringLiteral("The list of pupils could not be saved, so the name was "
                                  "not changed."));
        break;
    }
}

void Contents::removePupil(int pupil)
{
    const QString name = m_pupils.name(pupil);
    if (m_pupils.count() == 1) {
        m_pupilsPanel->showMessage(QStringLiteral("The only pupil cannot be removed."));
        return;
    }
    if (!CallPop(QStringLiteral("Remove pupil"),
                 QStringLiteral("Remove %1? Their results will be erased; a backup copy is "
                                "kept.")
                     .arg(name),
                 2, this))
        return;
    if (pupil == m_pupil && !switchPupil(pupil == 1 ? 2 : 1))
        return;
    const int current = m_pupil;
    const QString currentName = m_pupils.name(current);
    switch (m_pupils.remove(pupil)) {
    case PupilStore::Ok:
    case PupilStore::DeleteFailed:
        m_pupil = m_pupils.list().names().indexOf(currentName) + 1;
        m_pupils.choose(m_pupil);
        updateTitle();
        showPupils(QStringLiteral("%1 was removed. A copy of their results is kept in %2.")
                       .arg(name, QDir::toNativeSeparators(m_pupils.lastBackup())));
        break;
    default:
        showPupils(QStringLiteral("%1's results could not be backed up, so %1 was not "
                                  "removed.")
                       .arg(name));
        break;
    }
}

// Closes an open paper as closing it does (its answers are saved), then reads the other
// pupil's results.
bool Contents::switchPupil(int pupil)
{
    if (pupil < 1 || pupil > m_pupils.count())
        return false;
    if (!closePracticeWindow())
        return false;
    StartUpResult ready;
    ready.catalogue = m_catalogue;
    ready.pupils = m_pupils;
    StartUp::prepareResults(&ready, pupil);
    m_pupil = pupil;
    m_pupils.choose(pupil);
    updateTitle();
    LoadSubject(m_LChose);
    QString message = QStringLiteral("%1 is practising now.").arg(m_pupils.name(pupil));
    if (ready.resultsWriteFailed)
        message = QStringLiteral("The results files could not be created, so scores will "
                                 "not be kept.");
    for (const QString &more :
         {StartUp::missingFolderMessage(ready), StartUp::damagedResultsMessage(ready)}) {
        if (!more.isEmpty())
            message += QLatin1Char(' ') + more;
    }
    showPupils(message);
    return true;
}
