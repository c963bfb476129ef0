#pragma once
// The main window: subject tabs, a toolbar whose buttons change with the tab, and the Home,
// Report, About and Trash panels. It keeps the selection the practice windows open with.

#include "app/catalogue.h"
#include "pupils/pupilstore.h"
#include "startup/startup.h"
#include "results/resultsfiles.h"
#include "ui/chrome/skinnedwindow.h"
#include "ui/main/practisenext.h"
#include "ui/practice/practicewindow.h"

#include <QPointer>

class AboutPanel;
class FocusGroups;

class HomePanel;
class PupilsPanel;
class PictureButton;
class QLabel;
class ReportPanel;
class TrashPanel;

class Contents : public SkinnedWindow
{
    Q_OBJECT
public:
    explicit Contents(QWidget *parent = nullptr);
    ~Contents() override;

    // The start of the program, once StartUp::prepareContent() has written the skin
    // pictures (so they exist before any window loads them) and read the catalogue:
    // tabs, toolbar, first subject. Tells the pupil when the content or the results
    // files could not be prepared.
    void load(const StartUpResult &start);
    // The same with a catalogue already read (tests and other editions).
    void loadWithCatalogue(const Catalogue &catalogue);

    // The selection a practice window opens with (LChose, lblCOD, TopicCount, ...).
    PaperSelection selection() const;
    // The tab and the report section on show.
    int txtTabPos() const { return m_txtTabPos; }
    int txtReportPos() const { return m_txtReportPos; }
    const Catalogue &catalogue() const { return m_catalogue; }

    // The pupil practising now (1-based) and the pupils of this computer.
    int pupil() const { return m_pupil; }
    const PupilStore &pupils() const { return m_pupils; }
    // Where the pupil's results files are; empty for the program folder.
    QString resultsFolder() const;
    // The current pupil's results folder as a path (the program folder for a single pupil).
    QString resultsPath() const;

    // The practice window now open (Test1 or Test2), if any.
    PracticeWindow *practiceWindow() const { return m_practice; }

public slots:
    void RefreshContents();
    void TopicChoosing(int firstOrdinal);
    void Topicbuttoncolour(int topic);
    void PrintSetup();

protected:
    void closeRequested() override;
    void closeEvent(QCloseEvent *event) override;
    void pollTick() override;
    bool focusNextPrevChild(bool next) override;

private:
    void buildTabStrip();
    void buildToolbar();
    void buildPanels();
    void buildKeyboardGroups();
    void labelWindow();
    void layOutTabStrip();

    void tabClicked(int n);
    void toolbarClicked(int n);
    void ShowCurrentPanel();
    void showPanel(QWidget *panel);
    void StackTabs(int selected);
    void LoadSubject(int subject);
    void OpenPaper(int offset, int take);
    void openSuggestion();
    void CloseProgram();
    bool closePracticeWindow();
    void OpenMakerWebPage();
    void showReport();
    void PrintReport();
    void saveReportPdf();
    void showTrash();
    void eraseAllResults();
    void restoreResults(const QString &name);
    void updateTitle();
    void showPupils(const QString &message = QString());
    void addPupil(const QString &name);
    void renamePupil(int pupil, const QString &name);
    void removePupil(int pupil);
    bool switchPupil(int pupil);

    Catalogue m_catalogue;
    int m_LChose = 0;
    int m_TopicCount = 1;
    int m_TtPapersCon = 0;
    int m_PaperNum = 0;
    int m_TakeNum = 1;
    QString m_SubH1;
    int m_txtTabPos = 1;
    int m_txtToolBarPos = 0;
    int m_txtReportPos = 1;
    bool m_RefreshLog = false;

    // Current subject, filled by LoadSubject.
    int m_topicCount = 0;
    QStringList m_topicNames;
    Results::MarksLists m_marks;
    PractiseNext::Suggestion m_suggestion;

    QLabel *m_tabStrip = nullptr;
    PictureButton *m_tabs[5] = {};
    PictureButton *m_toolbar[5] = {};
    HomePanel *m_home = nullptr;
    ReportPanel *m_report = nullptr;
    AboutPanel *m_about = nullptr;
    TrashPanel *m_trash = nullptr;
    QWidget *m_frontPanel = nullptr;
    FocusGroups *m_focusGroups = nullptr;
    PupilsPanel *m_pupilsPanel = nullptr;
    PupilStore m_pupils;
    int m_pupil = 1;
    QPointer<PracticeWindow> m_practice;
};
