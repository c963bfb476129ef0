#pragma once
// The main window: subject tabs, toolbar and panels.

#include "app/catalogue.h"

#include <QWidget>

class QLabel;

class Contents : public QWidget
{
    Q_OBJECT
public:
    explicit Contents(QWidget *parent = nullptr);

    // Runs the start-up steps: content on disk, catalogue, results files, tab labels.
    void load();

    const Catalogue &catalogue() const { return m_catalogue; }
    int LChose() const { return m_lChose; }

private:
    void labelTabs();
    void layOutTabs();

    Catalogue m_catalogue;
    int m_lChose = 0;
    QLabel *m_tabs[5] = {};
    QLabel *m_tabLabels[5] = {};
};
