#pragma once
// A picture box that acts as a button: it shows a skin picture (by file name, decoded once
// by PictureCache and assigned only when it changes), may hold a caption label whose click
// counts as a click on the button, and reports presses for the window's shared press flag.
// Its accessible name is its caption, else its tooltip, else its description; assistive
// tools can press it.

#include <QPixmap>
#include <QString>
#include <QWidget>

class QLabel;

class PictureButton : public QWidget
{
    Q_OBJECT

public:
    explicit PictureButton(const QString &objectName, QWidget *parent = nullptr);

    // Shows the named skin picture; does nothing when it is already shown.
    void setPicture(const QString &fileName);
    QString picture() const { return m_picture; }
    QPixmap pixmap() const { return m_pixmap; }

    // With auto size (the default) the button takes its picture's size.
    void setAutoSize(bool on) { m_autoSize = on; }
    // Stretch the picture over the whole button.
    void setScaledContents(bool on);

    // Creates the caption label (objectName labelName) covering the button; returns it so
    // the window can place and style it.
    QLabel *addCaption(const QString &labelName, const QString &text);
    QLabel *captionLabel() const { return m_caption; }
    // Changes the caption's text when it differs.
    void setCaptionText(const QString &text);
    QString captionText() const;

    // Sets the tooltip of the button and of its caption label, when it differs.
    void setToolTips(const QString &tip);

    // Used as the accessible name when there is neither caption nor tooltip.
    void setDescription(const QString &text);

    // The button's rectangle on the screen (for the hover test).
    QRect screenRect() const;

    QSize sizeHint() const override;

public slots:
    // Acts as a click (keyboard and assistive tools).
    void click();

signals:
    void clicked();
    void pressed();   // any mouse button down on the picture or on its caption
    void released();  // that button up again, wherever the pointer is

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateAccessibleName();

    QString m_picture;
    QPixmap m_pixmap;
    QLabel *m_caption = nullptr;
    QString m_description;
    bool m_autoSize = true;
    bool m_scaled = false;
    bool m_captionPressed = false;
};
