#pragma once
// A panel that shows a skin picture stretched over its whole area, with an optional
// caption drawn at its left (the status pieces, TxtRem, fmeMark, PaperSum). Its accessible
// name is its caption.

#include <QPixmap>
#include <QString>
#include <QWidget>

class PicturePanel : public QWidget
{
    Q_OBJECT
public:
    PicturePanel(const QString &objectName, const QString &picture, QWidget *parent);

    void setCaption(const QString &caption);
    QString caption() const { return m_caption; }
    QSize pictureSize() const { return m_pixmap.size(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_pixmap;
    QString m_caption;
};
