#include "ui/chrome/frmpopup.h"

#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"

#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTimer>

using namespace ChromeGeometry;

namespace {

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

    m_info = new QLabel(this);
    m_info->setObjectName(QStringLiteral("ImgInfo"));
    m_info->setAccessibleName(QStringLiteral("Information"));
    m_info->setPixmap(PictureCache::picture(QStringLiteral("info_mark.gif")));
    m_info->resize(m_info->pixmap().size());

    m_message = new QLabel(this);
    m_message->setObjectName(QStringLiteral("lblMessage"));
    m_message->setFont(arial());
    m_message->setWordWrap(true);
    m_message->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_message->setAttribute(Qt::WA_TranslucentBackground);
    // Keeps wrapped text off the right border when the icon pushes the label that far.
    m_message->setContentsMargins(0, 0, 6, 0);
    m_message->setText(QStringLiteral("8888888888 8888888888 8888888888 8"));

    m_but1 = makeButton(this, QStringLiteral("But1"), QStringLiteral("OK"));
    m_but2 = makeButton(this, QStringLiteral("But2"), QStringLiteral("Cancel"));
    connect(m_but1, &PictureButton::clicked, this, [this] { answer(QStringLiteral("True")); });
    connect(m_but2, &PictureButton::clicked, this, [this] { answer(QStringLiteral("False")); });

    PopupSizes sizes;
    sizes.frame = frameSizes();
    sizes.info = sizeTwips(m_info);
    sizes.message = QSize(kPopupMessageWidthTwips, kPopupMessageHeightTwips);
    sizes.button = QSize(kPopupButtonWidthTwips, kPopupButtonHeightTwips);
    const PopupRects r = popupLoadLayout(kPopupWidthTwips, kPopupHeightTwips, sizes);
    applyFrame(r.frame);
    setGeometryTwips(m_info, r.info);
    setGeometryTwips(m_message, r.message);
    setGeometryTwips(m_but1, r.but1);
    setGeometryTwips(m_but2, r.but2);

    addTwoStateButton(m_but1, QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
    addTwoStateButton(m_but2, QStringLiteral("button_off.bmp"), QStringLiteral("button_on.bmp"));
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
    setTitleText(Title);
    m_message->setText(Msg);
    m_message->setAccessibleName(Msg);

    const PopupButtonPlan plan =
        popupButtons(NumofButtons, width(), m_but1->width(), m_message->x(),
                     twipsToPixels(kPopupBut1DesignLeftTwips),
                     twipsToPixels(kPopupBut2DesignLeftTwips));
    m_but1->setVisible(plan.but1Visible);
    m_but2->setVisible(plan.but2Visible);
    m_but1->move(plan.but1Left, m_but1->y());
    m_but2->move(plan.but2Left, m_but2->y());
    m_but1->setCaptionText(plan.but1Caption);
    m_but2->setCaptionText(plan.but2Caption);

    // The label keeps its width and grows downwards to hold every line.
    const int designHeight = twipsToPixels(kPopupMessageHeightTwips);
    m_message->setGeometry(m_message->x(), popupMessageTop(Msg, m_info->y()), m_message->width(),
                         std::max(designHeight, m_message->heightForWidth(m_message->width())));

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
    QEventLoop loop;
    m_loop = &loop;
    loop.exec();
    if (!self)  // destroyed with its window while open
        return false;
    m_loop = nullptr;
    return m_response == QLatin1String("True");
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
    Timer1()->stop();
    event->accept();
    emit answered(m_response);
    if (m_loop)
        m_loop->quit();
}

bool CallPop(const QString &title, const QString &msg, int numOfButtons, QWidget *master)
{
    QPointer<frmPopUp> popup = new frmPopUp(master ? master->window() : nullptr);
    popup->CallPop(title, msg, numOfButtons, master);
    const bool yes = popup->exec();
    delete popup.data();
    return yes;
}
