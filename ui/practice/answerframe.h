#pragma once
// An answer row's container (Frame<n>): a plain white surface that keeps the frames drawn
// around its fields, as a persistent drawing surface would. Lines are given in twips.

#include "ui/practice/answersheet.h"

#include <QList>
#include <QWidget>

class AnswerFrame : public QWidget
{
    Q_OBJECT
public:
    AnswerFrame(const QString &objectName, QWidget *parent);

    // Draws the border's lines over what is there; a border in the background colour
    // takes an earlier one of the same lines away.
    void drawBorder(const AnswerSheet::Border &border);
    QColor background() const;
    // The sheet's scale (1.0 at the design size): the lines grow with the fields.
    void setScale(qreal scale);
    // The borders on the surface now, oldest first.
    const QList<AnswerSheet::Border> &borders() const { return m_borders; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<AnswerSheet::Border> m_borders;
    qreal m_scale = 1.0;
};
