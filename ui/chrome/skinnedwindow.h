#pragma once
// Base of the program's frameless skinned windows. It owns the frame pieces (BTopLeft,
// BTopCentre, BTopRight, BLeft, BRight, BBotLeft, BBot, BBotRight), the title text, the
// window icon and the title buttons, cuts the corners (pRoundCorners), moves the window by
// its title strip (MoveForm), switches the active and inactive title skins, and runs the
// 100 ms polling timer Timer1 that sets every polled picture button.
//
// A window subclasses it with its kind, creates its own controls, registers the buttons
// whose pictures only follow the cursor (addTwoStateButton, addThreeStateButton) and
// overrides pollTick() for the rest (tabs, toolbar identities, disabled states) using
// isHovered(), pollTwoState(), pollThreeState(), pollToolbarIdentity() and
// pollPracticeButton(). A window that lays itself out overrides layoutWindow(); what only
// the practice window does (its layout pass, edge resizing, folding the answer sheet) is
// the practice window's own.

#include "ui/chrome/chromegeometry.h"
#include "ui/chrome/picturestates.h"

#include <QList>
#include <QPoint>
#include <QString>
#include <QWidget>

class PictureButton;
class QLabel;
class QTimer;

class SkinnedWindow : public QWidget
{
    Q_OBJECT

public:
    enum class Kind {
        Main,      // Contents: minimise and close, QVicon.ico, frame placed once
        Practice,  // Test1, Test2: minimise, maximise and close, Pencil.ico
        PopUp      // frmPopUp: fixed pictures, lblTitle, rounded bottom corners
    };

    explicit SkinnedWindow(Kind kind, QWidget *parent = nullptr);
    ~SkinnedWindow() override;

    // ---- frame ----
    QLabel *framePiece(const QString &name) const;  // "BTopLeft" ... "BBotRight"
    QLabel *titleLabel() const { return m_title; }  // Title, on the pop-up lblTitle
    QLabel *iconLabel() const { return m_icon; }    // ImgIco (none on the pop-up)
    PictureButton *progMin() const { return m_progMin; }
    PictureButton *progMax() const { return m_progMax; }      // practice windows only
    PictureButton *progClose() const { return m_progClose; }

    // Title text over the strip; also the window's title for the desktop.
    void setTitleText(const QString &text);

    // Cuts the window's corners to the 12-point (pop-up: 18-point) polygon of its size.
    void pRoundCorners();

    // Starts a system move of TheForm, as a press on a caption would. Called by a mouse-down
    // with any button on the title pieces.
    virtual void MoveForm(QWidget *TheForm);

    // Active skin (focus flag "1", white title, blue strip) or inactive (grey, white strip).
    void applyTitleSkin(bool active);
    QString focusFlag() const { return m_focus ? QStringLiteral("1") : QStringLiteral("0"); }

    // Title button actions.
    void minimiseWindow();
    void toggleMaximised();  // normal -> maximised -> normal; minimised -> nothing
    PictureStates::WindowShow windowShow() const;

    // ---- polling ----
    QTimer *Timer1() const { return m_timer; }
    void startPolling();  // also started when the window is first shown
    bool isHovered(const QWidget *w) const;

    // The shared press flag txtPressTrack: "1" while a tracked button is held down.
    QString txtPressTrack() const { return m_pressTrack ? "1" : "0"; }
    // Presses and releases of this button set and clear the press flag.
    void trackPress(PictureButton *button);

    // Buttons polled every tick before pollTick(), in the order they were added.
    void addTwoStateButton(PictureButton *button, const QString &offPicture,
                           const QString &onPicture);
    void addThreeStateButton(PictureButton *button, const QString &pictureBase);

    void pollTwoState(PictureButton *button, const QString &offPicture,
                      const QString &onPicture);
    void pollThreeState(PictureButton *button, const QString &pictureBase);
    // Main toolbar button n (1-4) with its two identities: caption, tooltips (button and
    // caption label) and three-state picture for the tab. Returns false, with caption and
    // tooltips cleared and the picture left alone, where the button has no role (3 on tab 4).
    bool pollToolbarIdentity(PictureButton *button, int n, int tabPos);
    // Practice toolbar button n (1-7): three-state while available, else its disabled
    // picture and disabled; Print, Close and Read aloud keep their enabled state, and Read
    // aloud shows its disabled picture while the window has it disabled.
    void pollPracticeButton(PictureButton *button, int n, int status, int qsCount,
                            int questionCount);

    // ---- geometry helpers ----
    static void setGeometryTwips(QWidget *widget, const QRect &twips);
    static QSize sizeTwips(const QWidget *widget);
    ChromeGeometry::FrameSizes frameSizes() const;  // natural sizes of the pieces, twips
    void applyFrame(const ChromeGeometry::FrameRects &twips);
    void placeMainFrame();  // main window frame and region

public slots:
    // One polling tick: read the cursor, poll the registered buttons, pollTick(), then the
    // title buttons while the focus flag is "1".
    void pollNow();

protected:
    // What the title close button does; by default it closes the window.
    virtual void closeRequested();
    // The window's own part of each tick.
    virtual void pollTick() {}
    // Runs on every size change: the main window places its frame; the practice window
    // overrides it with its layout pass; the pop-up places itself in its load step instead.
    virtual void layoutWindow();

    void changeEvent(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Polled
    {
        PictureButton *button;
        QString offOrBase;
        QString on;  // empty for three-state buttons
    };

    void buildFrame();
    QLabel *addPiece(const QString &name, const QString &picture, bool stretch);
    void pollTitleButtons();

    Kind m_kind;
    QList<QLabel *> m_pieces;
    QLabel *m_title = nullptr;
    QLabel *m_icon = nullptr;
    PictureButton *m_progMin = nullptr;
    PictureButton *m_progMax = nullptr;
    PictureButton *m_progClose = nullptr;
    QTimer *m_timer = nullptr;
    QPoint m_cursor;
    bool m_focus = true;
    bool m_pressTrack = false;
    QList<Polled> m_polled;
    bool m_manualMove = false;
    QPoint m_moveOffset;
    QPoint m_pressGlobal;
};
