#pragma once
// The program's message pop-up: a small modal skinned window with a title, the information
// mark, a message and one or two picture buttons. Every use starts from a fresh pop-up.
// The first button answers "True", the second "False"; closing it any other way answers
// "False".

#include "ui/chrome/skinnedwindow.h"

#include <QString>

class PictureButton;
class QEventLoop;
class QLabel;

class frmPopUp : public SkinnedWindow
{
    Q_OBJECT

public:
    // The load step: pictures, border pieces, content in its design places, Timer1 running,
    // corners cut. parent only keeps the pop-up above its window.
    explicit frmPopUp(QWidget *parent = nullptr);
    ~frmPopUp() override;

    // Fills and places the pop-up (does not show it): title, message, one button "OK"
    // centred or two buttons "Yes" and "No", the message lowered for one line, centred on
    // Master (on the screen when Master is null).
    void CallPop(const QString &Title, const QString &Msg, int NumofButtons, QWidget *Master);

    // Shows the pop-up modally until it is answered or closed; returns true for "True".
    bool exec();

    // "True" or "False" once answered, empty before.
    QString response() const { return m_response; }

signals:
    void answered(const QString &response);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void answer(const QString &response);

    QLabel *m_info = nullptr;       // ImgInfo
    QLabel *m_message = nullptr;    // lblMessage
    PictureButton *m_but1 = nullptr;
    PictureButton *m_but2 = nullptr;
    QString m_response;
    QEventLoop *m_loop = nullptr;
};

// Shows a fresh pop-up modally and returns the answer: true for the first button ("OK" or
// "Yes"), false for the second or when the pop-up was closed any other way: the caller's
// PopUpResponse.
bool CallPop(const QString &title, const QString &msg, int numOfButtons, QWidget *master);
