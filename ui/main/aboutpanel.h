#pragma once
// The About panel: the edition title, version, a short legal notice and the web link.

#include <QFrame>

class QLabel;

class AboutPanel : public QFrame
{
    Q_OBJECT
public:
    explicit AboutPanel(QWidget *parent = nullptr);
    void setProgramName(const QString &title);

signals:
    void linkClicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_programName = nullptr;
    QLabel *m_link = nullptr;
};
