#pragma once
// Drives practice windows in tests: answers the program's pop-up and the system message
// box as they appear (recording what they said), finds controls by name, and clicks them
// as a pupil would.

#include "ui/chrome/frmpopup.h"
#include "ui/chrome/picturebutton.h"

#include <QApplication>
#include <QLabel>
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
