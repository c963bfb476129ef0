#pragma once
// The practice window's size control ("Text size"): a small skinned box showing the page's
// size ("150 %") between a smaller "A" that reduces it and a larger "A" that enlarges it.
// A click on the middle, or a click on the size, puts it back to 100 %; the wheel over the
// box steps it too. It only asks for a size; the window applies it.

#include <QWidget>

class ZoomControl : public QWidget
{
    Q_OBJECT
public:
    explicit ZoomControl(QWidget *parent = nullptr);

    void setPercent(int percent);
    int percent() const { return m_percent; }

    QSize sizeHint() const override;

signals:
    void zoomRequested(int percent);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    int m_percent = 100;
};
