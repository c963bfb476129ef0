#include "ui/chrome/skinnedwindow.h"

#include "ui/chrome/picturebutton.h"
#include "ui/chrome/picturecache.h"
#include "ui/chrome/skincolours.h"

#include <QCursor>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QRegion>
#include <QTimer>
#include <QWindow>

using namespace ChromeGeometry;

namespace {

bool isTitlePiece(const QObject *o)
{
    const QString name = o->objectName();
    return name == QLatin1String("BTopLeft") || name == QLatin1String("BTopCentre")
           || name == QLatin1String("BTopRight") || name == QLatin1String("Title")
           || name == QLatin1String("lblTitle");
}

} // namespace

SkinnedWindow::SkinnedWindow(Kind kind, QWidget *parent)
    : QWidget(parent, (kind == Kind::PopUp ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint)
    , m_kind(kind)
{
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor::fromRgba(SkinColours::kWindow));
    setPalette(pal);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &SkinnedWindow::pollNow);

    buildFrame();
}

SkinnedWindow::~SkinnedWindow() = default;

QLabel *SkinnedWindow::addPiece(const QString &name, const QString &picture, bool stretch)
{
    auto *piece = new QLabel(this);
    piece->setObjectName(name);
    piece->setAccessibleName(name == QLatin1String("BTopCentre") ? QStringLiteral("Title bar")
                                                                 : QStringLiteral("Window border"));
    piece->setScaledContents(stretch);
    if (!picture.isEmpty()) {
        piece->setPixmap(PictureCache::picture(picture));
        piece->resize(piece->pixmap().size());
    }
    m_pieces.append(piece);
    return piece;
}

void SkinnedWindow::buildFrame()
{
    const bool popUp = m_kind == Kind::PopUp;
    // BTopCentre first, so the corner pieces cover its ends.
    addPiece("BTopCentre", popUp ? "border_top_center.bmp" : QString(), true);
    addPiece("BTopLeft", popUp ? "border_top_left.bmp" : QString(), false);
    addPiece("BTopRight", popUp ? "border_top_right.bmp" : QString(), false);
    addPiece("BLeft", "border_left.bmp", true);
    addPiece("BRight", "border_right.bmp", true);
    addPiece("BBotLeft", popUp ? "Border_bot_left.gif" : "border_left_corners.bmp", false);
    addPiece("BBot", "border_bot.bmp", true);
    addPiece("BBotRight", popUp ? "Border_bot_right.gif" : "border_right_corners.bmp", false);
    for (QLabel *piece : std::as_const(m_pieces)) {
        if (isTitlePiece(piece))
            piece->installEventFilter(this);
        else  // a resizable window's edge zones lie under the side and bottom pieces
            piece->setAttribute(Qt::WA_TransparentForMouseEvents);
    }

    m_title = new QLabel(this);
    m_title->setObjectName(popUp ? QStringLiteral("lblTitle") : QStringLiteral("Title"));
    QFont font(QStringLiteral("Trebuchet MS"));
    font.setPointSizeF(9.75);
    font.setBold(true);
    m_title->setFont(font);
    m_title->setAttribute(Qt::WA_TranslucentBackground);
    m_title->installEventFilter(this);
    setTitleText(popUp ? QStringLiteral("Quorvel") : QString());
    if (popUp) {
        // The pop-up's strip is always the blue one, so its title is always the active one.
        QPalette pal = m_title->palette();
        pal.setColor(QPalette::WindowText,
                     QColor::fromRgb(PictureStates::titleSkin(true, false).titleColour));
        m_title->setPalette(pal);
    }

    if (!popUp) {
        m_icon = new QLabel(this);
        m_icon->setObjectName(QStringLiteral("ImgIco"));
        m_icon->setAccessibleName(QStringLiteral("Window icon"));
        const QPixmap icon = PictureCache::picture(m_kind == Kind::Main ? "QVicon.ico"
                                                                        : "Pencil.ico");
        m_icon->setPixmap(icon);
        m_icon->resize(icon.size());
        setWindowIcon(QIcon(icon));

        m_progMin = new PictureButton(QStringLiteral("imgProgMin"), this);
        m_progMin->setToolTips(QStringLiteral("Minimize"));
        connect(m_progMin, &PictureButton::clicked, this, &SkinnedWindow::minimiseWindow);
        if (m_kind == Kind::Practice) {
            m_progMax = new PictureButton(QStringLiteral("imgProgMax"), this);
            m_progMax->setToolTips(QStringLiteral("Restore"));
            connect(m_progMax, &PictureButton::clicked, this, &SkinnedWindow::toggleMaximised);
        }
        m_progClose = new PictureButton(QStringLiteral("imgProgClose"), this);
        m_progClose->setToolTips(QStringLiteral("Close"));
        connect(m_progClose, &PictureButton::clicked, this, [this] { closeRequested(); });
        // The keyboard has its own ways to close and move on; Tab skips the title strip.
        for (PictureButton *b : {m_progMin, m_progMax, m_progClose}) {
            if (b)
                b->setFocusPolicy(Qt::NoFocus);
        }
        applyTitleSkin(true);
    }
}

QLabel *SkinnedWindow::framePiece(const QString &name) const
{
    for (QLabel *piece : m_pieces) {
        if (piece->objectName() == name)
            return piece;
    }
    return nullptr;
}

void SkinnedWindow::setTitleText(const QString &text)
{
    m_title->setText(text);
    m_title->setAccessibleName(text.isEmpty() ? QStringLiteral("Window title") : text);
    m_title->adjustSize();
    if (m_kind != Kind::PopUp || !text.isEmpty())
        setWindowTitle(text);
}

void SkinnedWindow::pRoundCorners()
{
    const QPolygon shape = m_kind == Kind::PopUp ? popupCornersPolygon(width(), height())
                                                 : roundCornersPolygon(width(), height());
    setMask(QRegion(shape, Qt::WindingFill));
}

void SkinnedWindow::MoveForm(QWidget *TheForm)
{
    QWidget *window = TheForm->window();
    if (window->windowHandle() && window->windowHandle()->startSystemMove())
        return;
    // Without a system move (some window managers, offscreen) the title strip drags the
    // window itself until the button is released.
    m_manualMove = true;
    m_moveOffset = m_pressGlobal - window->pos();
}

void SkinnedWindow::applyTitleSkin(bool active)
{
    if (m_kind == Kind::PopUp)
        return;
    const PictureStates::TitleSkin skin = PictureStates::titleSkin(active, m_progMax != nullptr);
    QPalette pal = m_title->palette();
    pal.setColor(QPalette::WindowText, QColor::fromRgb(skin.titleColour));
    m_title->setPalette(pal);
    m_focus = skin.focusFlag == QLatin1String("1");
    const auto setPiece = [this](const char *name, const QString &picture) {
        QLabel *piece = framePiece(QLatin1String(name));
        const QPixmap pixmap = PictureCache::picture(picture);
        piece->setPixmap(pixmap);
        if (piece->size().isEmpty())
            piece->resize(pixmap.size());
    };
    setPiece("BTopLeft", skin.topLeft);
    setPiece("BTopRight", skin.topRight);
    setPiece("BTopCentre", skin.topCentre);
    m_progClose->setPicture(skin.progClose);
    if (m_progMax)
        m_progMax->setPicture(skin.progMax);
    m_progMin->setPicture(skin.progMin);
}

void SkinnedWindow::minimiseWindow()
{
    showMinimized();
}

void SkinnedWindow::toggleMaximised()
{
    switch (windowShow()) {
    case PictureStates::WindowShow::Normal:
        showMaximized();
        break;
    case PictureStates::WindowShow::Maximised:
        showNormal();
        break;
    case PictureStates::WindowShow::Minimised:
        break;
    }
}

PictureStates::WindowShow SkinnedWindow::windowShow() const
{
    if (isMinimized())
        return PictureStates::WindowShow::Minimised;
    if (isMaximized())
        return PictureStates::WindowShow::Maximised;
    return PictureStates::WindowShow::Normal;
}

void SkinnedWindow::startPolling()
{
    if (!m_timer->isActive())
        m_timer->start();
}

bool SkinnedWindow::isHovered(const QWidget *w) const
{
    return PictureStates::hoverInside(QRect(w->mapToGlobal(QPoint(0, 0)), w->size()), m_cursor);
}

void SkinnedWindow::trackPress(PictureButton *button)
{
    connect(button, &PictureButton::pressed, this, [this] { m_pressTrack = true; });
    connect(button, &PictureButton::released, this, [this] { m_pressTrack = false; });
}

void SkinnedWindow::addTwoStateButton(PictureButton *button, const QString &offPicture,
                                      const QString &onPicture)
{
    m_polled.append({button, offPicture, onPicture});
    button->setPicture(offPicture);
}

void SkinnedWindow::addThreeStateButton(PictureButton *button, const QString &pictureBase)
{
    m_polled.append({button, pictureBase, QString()});
    trackPress(button);
    button->setPicture(PictureStates::threeStatePicture(false, false, pictureBase));
}

void SkinnedWindow::pollTwoState(PictureButton *button, const QString &offPicture,
                                 const QString &onPicture)
{
    button->setPicture(PictureStates::twoStatePicture(isHovered(button), offPicture, onPicture));
}

void SkinnedWindow::pollThreeState(PictureButton *button, const QString &pictureBase)
{
    button->setPicture(
        PictureStates::threeStatePicture(isHovered(button), m_pressTrack, pictureBase));
}

bool SkinnedWindow::pollToolbarIdentity(PictureButton *button, int n, int tabPos)
{
    const PictureStates::ToolbarIdentity id = PictureStates::toolbarIdentity(n, tabPos);
    button->setCaptionText(id.caption);
    button->setToolTips(id.toolTip);
    if (id.used)
        pollThreeState(button, id.pictureBase);
    return id.used;
}

void SkinnedWindow::pollPracticeButton(PictureButton *button, int n, int status, int qsCount,
                                       int questionCount)
{
    const PictureStates::PracticeButtonLook look = PictureStates::practiceToolbarLook(
        n, isHovered(button), m_pressTrack, status, qsCount, questionCount, button->isEnabled());
    button->setPicture(look.picture);
    if (look.enabledTouched && button->isEnabled() != look.enabled)
        button->setEnabled(look.enabled);
}

void SkinnedWindow::pollNow()
{
    m_cursor = QCursor::pos();
    for (const Polled &p : std::as_const(m_polled)) {
        if (p.on.isEmpty())
            pollThreeState(p.button, p.offOrBase);
        else
            pollTwoState(p.button, p.offOrBase, p.on);
    }
    pollTick();
    if (m_focus)
        pollTitleButtons();
}

void SkinnedWindow::pollTitleButtons()
{
    if (m_kind == Kind::PopUp)
        return;
    pollTwoState(m_progClose, "prog_blueoff_close.bmp", "prog_blue_close.bmp");
    if (m_progMax) {
        const QString picture = PictureStates::titleMaxPicture(windowShow(), isHovered(m_progMax));
        if (!picture.isEmpty())
            m_progMax->setPicture(picture);
    }
    pollTwoState(m_progMin, "prog_blueoff_min.bmp", "prog_blue_min.bmp");
}

void SkinnedWindow::setGeometryTwips(QWidget *widget, const QRect &twips)
{
    if (widget && !twips.isNull())
        widget->setGeometry(twipsToPixels(twips));
}

QSize SkinnedWindow::sizeTwips(const QWidget *widget)
{
    return widget ? pixelsToTwips(widget->size()) : QSize();
}

FrameSizes SkinnedWindow::frameSizes() const
{
    const auto natural = [this](const char *name) {
        return pixelsToTwips(framePiece(QLatin1String(name))->pixmap().size());
    };
    FrameSizes s;
    s.topLeft = natural("BTopLeft");
    s.topRight = natural("BTopRight");
    s.topCentreHeight = natural("BTopCentre").height();
    s.leftWidth = natural("BLeft").width();
    s.rightWidth = natural("BRight").width();
    s.botLeft = natural("BBotLeft");
    s.botRight = natural("BBotRight");
    s.botHeight = natural("BBot").height();
    s.title = sizeTwips(m_title);
    s.icon = sizeTwips(m_icon);
    s.progMin = sizeTwips(m_progMin);
    s.progMax = sizeTwips(m_progMax);
    s.progClose = sizeTwips(m_progClose);
    return s;
}

void SkinnedWindow::applyFrame(const FrameRects &r)
{
    setGeometryTwips(framePiece("BTopLeft"), r.topLeft);
    setGeometryTwips(framePiece("BTopCentre"), r.topCentre);
    setGeometryTwips(framePiece("BTopRight"), r.topRight);
    setGeometryTwips(framePiece("BLeft"), r.left);
    setGeometryTwips(framePiece("BRight"), r.right);
    setGeometryTwips(framePiece("BBotLeft"), r.botLeft);
    setGeometryTwips(framePiece("BBot"), r.bot);
    setGeometryTwips(framePiece("BBotRight"), r.botRight);
    setGeometryTwips(m_title, r.title);
    setGeometryTwips(m_icon, r.icon);
    setGeometryTwips(m_progMin, r.progMin);
    setGeometryTwips(m_progMax, r.progMax);
    setGeometryTwips(m_progClose, r.progClose);
}

void SkinnedWindow::placeMainFrame()
{
    const QSize inner = pixelsToTwips(size());
    applyFrame(mainFrame(inner.width(), inner.height(), frameSizes()));
    pRoundCorners();
}

void SkinnedWindow::layoutWindow()
{
    if (m_kind == Kind::Main)
        placeMainFrame();
}

void SkinnedWindow::closeRequested()
{
    close();
}

void SkinnedWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange)
        applyTitleSkin(isActiveWindow());
    QWidget::changeEvent(event);
}

void SkinnedWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutWindow();
}

void SkinnedWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    startPolling();
}

bool SkinnedWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (!isTitlePiece(watched))
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        m_pressGlobal = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
        MoveForm(this);  // any mouse button, as a press on a caption
        return true;
    case QEvent::MouseMove:
        if (m_manualMove) {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            window()->move(mouse->globalPosition().toPoint() - m_moveOffset);
        }
        return m_manualMove;
    case QEvent::MouseButtonRelease:
        m_manualMove = false;
        return true;
    default:
        return QWidget::eventFilter(watched, event);
    }
}
