#pragma once
// Drives practice windows in tests: answers the program's pop-up and the system message
// box as they appear (recording what they said), finds controls by name, and clicks them
// as a pupil would.

#include "practicefixture.h"

#include "app/resourcestore.h"
#include "records/recordfile.h"
#include "ui/chrome/frmpopup.h"
#include "ui/chrome/picturebutton.h"
#include "ui/practice/answerbox.h"
#include "ui/practice/practicewindow.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

// What a pop-up said and how it was answered.
struct PopUpSeen
{
    QString title;
    QString message;
};

class DialogAnswerer : public QObject
{
public:
    // How to answer the next pop-ups: true clicks But1, false But2; an empty queue clicks
    // But1. closeInstead closes the pop-up without a button.
    QList<bool> answers;
    bool closeInstead = false;
    QList<PopUpSeen> popUps;
    QList<PopUpSeen> messageBoxes;
    // Runs while a pop-up is open, before it is answered.
    std::function<void()> whileOpen;

    DialogAnswerer()
    {
        m_timer.setInterval(20);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { poll(); });
        m_timer.start();
    }

    QStringList messages() const
    {
        QStringList list;
        for (const PopUpSeen &p : popUps)
            list.append(p.message);
        return list;
    }

private:
    void poll()
    {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (!w->isVisible())
                continue;
            if (auto *pop = qobject_cast<frmPopUp *>(w)) {
                if (!pop->response().isEmpty())
                    continue;
                popUps.append({pop->titleLabel()->text(),
                               pop->findChild<QLabel *>(QStringLiteral("lblMessage"))->text()});
                if (whileOpen)
                    whileOpen();
                if (closeInstead) {
                    pop->close();
                    continue;
                }
                const bool yes = answers.isEmpty() ? true : answers.takeFirst();
                pop->findChild<PictureButton *>(yes ? QStringLiteral("But1")
                                                    : QStringLiteral("But2"))
                    ->click();
            } else if (auto *box = qobject_cast<QMessageBox *>(w)) {
                messageBoxes.append({box->windowTitle(), box->text()});
                box->button(QMessageBox::Ok)->click();
            }
        }
    }

    QTimer m_timer;
};

template<typename T>
T *child(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qWarning("no control %s", qPrintable(name));
    return found;
}

// A click in the middle of the control, through the window system as a pupil's would be.
inline void clickOn(QWidget *window, const QString &name)
{
    QWidget *w = child<QWidget>(window, name);
    QVERIFY(w);
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

// Lets a window just opened show and its first tick pass.
inline PracticeWindow *shown(PracticeWindow *w)
{
    if (!w || !QTest::qWaitForWindowExposed(w))
        return nullptr;
    QTest::qWait(150);
    return w;
}

// Opens a paper and lets its first tick pass.
inline PracticeWindow *openPaper(const PaperSelection &sel)
{
    return shown(PracticeWindow::open(sel));
}

// Opens the selection on a paper of the test's own.
inline PracticeWindow *openPaper(const PaperSelection &sel, const PaperData &paper)
{
    return shown(PracticeWindow::open(sel, paper));
}

inline AnswerBox *box(QWidget *w, int n)
{
    return child<AnswerBox>(w, QStringLiteral("FA%1").arg(n));
}

inline QString text(QWidget *w, const QString &name)
{
    return child<QLabel>(w, name)->text();
}

// The paper's line in one of its subject's results files.
inline QString recordLine(Results::File file, const PaperSelection &sel)
{
    return Records::ReadPaperLines(sel.subjectFiles().path(file), sel.TtPapersCon)
        .value(sel.paperIndex() + 1);
}

// Long enough for the 100 ms tick to have run.
inline void waitForTick()
{
    QTest::qWait(250);
}

// Fills the rows on show from the whole-paper list and moves on with Next, to the end.
inline void typeWholePaper(PracticeWindow *w, const QStringList &answers)
{
    const PracticeSession &s = w->session();
    for (int q = s.qsCount(); q <= s.questionCount(); ++q) {
        for (int n = 1; n <= s.blankCount(q); ++n)
            box(w, n)->setText(answers.at(s.blankOffset(q) + n - 1));
        if (q < s.questionCount()) {
            waitForTick();
            clickOn(w, QStringLiteral("ToolBar06"));
        }
    }
}

// Replaces a results file by a folder of the same name, so writing it fails.
inline bool blockFile(Results::File file, const PaperSelection &sel)
{
    const QString path = sel.subjectFiles().path(file);
    return QFile::remove(path) && QDir().mkpath(path);
}

// Closes the window with its Close button, answering "Yes".
inline void closeWithYes(PracticeWindow *w, DialogAnswerer &answerer)
{
    QPointer<PracticeWindow> window(w);
    answerer.answers = {true};
    clickOn(w, QStringLiteral("ToolBar04"));
    QTRY_VERIFY(!window);
}

// Types text key by key into w, characters outside ASCII included.
inline void typeText(QWidget *w, const QString &text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A fresh program folder with its skin pictures, for a window test; the paper source back
// to the real tables.
inline bool startWindowTest(PracticeFixture::PaperFolder *folder)
{
    if (!folder->prepareFolder())
        return false;
    ExtractSkinFiles();
    return true;
}

// Deletes every practice window a test left open.
inline void deletePracticeWindows()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (qobject_cast<PracticeWindow *>(w))
            delete w;
    }
}
