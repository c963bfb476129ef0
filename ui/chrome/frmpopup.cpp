#include "ui/chrome/frmpopup.h"

#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>

using namespace ChromeGeometry;

namespace {

QString g_popUpResponse;

QFont arial()
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    return font;
}

PictureButton *makeButton(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new PictureButton(name, parent);
    button->setPicture(QStringLiteral("button_off.bmp"));
    QLabel *label = button->addCaption(name + QStringLiteral("_lbl"), caption);
    label->setFont(arial());
    label->setGeometry(twipsToPixels(QRect(0, 60, 1215, 255)));
    return button;
}

} // namespace

frmPopUp::frmPopUp(QWidget *parent)
    : SkinnedWindow(Kind::PopUp, parent)
{
    setObjectName(QStringLiteral("frmPopUp"));
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(twipsToPixels(kPopupWidthTwips), twipsToPixels(kPopupHeightTwips));

    auto *info = new QLabel(this);
    info->setObjectName(QStringLiteral("ImgInfo"));
    info->setAccessibleName(QStringLiteral("Information"));
    info->setPixmap(PictureCache::picture(QStringLiteral("info_mark.gif")));
    info->resize(info->pixmap().size());

    auto *message = new QLabel(this);
    message->setObjectName(QStringLiteral("lblMessage"));
    message->setFont(arial());
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message->setAttribute(Qt::WA_TranslucentBackground);
    // Keeps wrapped text off the right border when the icon pushes the label that far.
    message->setContentsMargins(0, 0, 6, 0);
    message->setText(QStringLiteral("8888888888 8888888888 8888888888 8"));

    PictureButton *but1 = makeButton(this, QStringLiteral("But1"), QStringLiteral("OK"));
    PictureButton *but2 = makeButton(this, QStringLiteral("But2"), QStringLiteral("Cancel"));
    connect(but1, &PictureButton::clicked, this, [this] { answer(QStringLiteral("True")); });
    connect(but2, &PictureButton::clicked, this, [this] { answer(QStringLiteral("False")); });

    PopupSizes sizes;
    sizes.frame = frameSizes();
    sizes.info = sizeTwips(info);
    sizes.message = QSize(kPopupMessageWidthTwips, kPopupMessageHeightTwips);
    sizes.button = QSize(kPopupButtonWidthTwips, kPopupButtonHeightTwips);
    const PopupRects r = popupLoadLayout(kPopupWidthTwips, kPopupHeightTwips, sizes);
    applyFrame(r.frame);
    setGeometryTwips(info, r.info);
    setGeometryTwips(message, r.message);
    setGeometryTwips(but1, r.but1);
    setGeometryTwips(but2, r.but2);

    addTwoStateButton(but1, QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    addTwoStateButton(but2, QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    startPolling();
    pRoundCorners();
}

frmPopUp::~frmPopUp()
{
    if (m_loop)
        m_loop->quit();
}

void frmPopUp::CallPop(const QString &Title, const QString &Msg, int NumofButtons,
                       QWidget *Master)
{
    auto *message = findChild<QLabel *>(QStringLiteral("lblMessage"));
    auto *info = findChild<QLabel *>(QStringLiteral("ImgInfo"));
    auto *but1 = findChild<PictureButton *>(QStringLiteral("But1"));
    auto *but2 = findChild<PictureButton *>(QStringLiteral("But2"));

    setTitleText(Title);
    message->setText(Msg);
    message->setAccessibleName(Msg);

    const PopupButtonPlan plan =
        popupButtons(NumofButtons, width(), but1->width(), message->x(),
                     twipsToPixels(kPopupBut1DesignLeftTwips),
                     twipsToPixels(kPopupBut2DesignLeftTwips));
    but1->setVisible(plan.but1Visible);
    but2->setVisible(plan.but2Visible);
    but1->move(plan.but1Left, but1->y());
    but2->move(plan.but2Left, but2->y());
    but1->setCaptionText(plan.but1Caption);
    but2->setCaptionText(plan.but2Caption);

    // The label keeps its width and grows downwards to hold every line.
    const int designHeight = twipsToPixels(kPopupMessageHeightTwips);
    message->setGeometry(message->x(), popupMessageTop(Msg, info->y()), message->width(),
                         std::max(designHeight, message->heightForWidth(message->width())));

    QRect around;
    if (Master)
        around = Master->window()->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        around = screen->availableGeometry();
    move(centredOn(around, size()));
}

bool frmPopUp::exec()
{
    m_response.clear();
    QPointer<frmPopUp> self(this);
    show();
    raise();
    activateWindow();
    // The first button holds the focus, so its frame shows what Enter does.
    if (auto *but1 = findChild<PictureButton *>(QStringLiteral("But1")))
        but1->setFocus(Qt::ActiveWindowFocusReason);
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    if (!self) {  // destroyed with its window while open
        g_popUpResponse = QStringLiteral("False");
        return false;
    }
    m_loop = nullptr;
    return m_response == QLatin1String("True");
}

QString frmPopUp::popUpResponse()
{
    return g_popUpResponse;
}

void frmPopUp::answer(const QString &response)
{
    m_response = response;
    close();
}

void frmPopUp::closeEvent(QCloseEvent *event)
{
    // Closed by the window manager or a key rather than a button: a clear "no", never the
    // answer of an earlier pop-up.
    if (m_response.isEmpty())
        m_response = QStringLiteral("False");
    g_popUpResponse = m_response;
    Timer1()->stop();
    event->accept();
    emit answered(m_response);
    if (m_loop)
        m_loop->quit();
}

void frmPopUp::keyPressEvent(QKeyEvent *event)
{
    auto *but1 = findChild<PictureButton *>(QStringLiteral("But1"));
    auto *but2 = findChild<PictureButton *>(QStringLiteral("But2"));
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (but1->isVisible())
            but1->click();
        return;
    case Qt::Key_Escape:
        event->accept();
        if (but2->isVisible())
            but2->click();
        else
            close();
        return;
    default:
        SkinnedWindow::keyPressEvent(event);
    }
}

bool CallPop(const QString &title, const QString &msg, int numOfButtons, QWidget *master)
{
    QPointer<QWidget> owner = master ? master->window() : nullptr;
    QPointer<frmPopUp> popup = new frmPopUp(owner);
    popup->CallPop(title, msg, numOfButtons, master);
    const bool yes = popup->exec();
    delete popup.data();
    // The keys go back to the window the pupil was in.
    if (owner && owner->isVisible())
        owner->activateWindow();
    return yes;
}
