#pragma once
// A label that shows a value. Its own class so that assistive technology gets the
// ValueLabelAccessible interface (Qt's own one for QLabel would otherwise answer first).

#include <QLabel>

class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    ValueLabel(const QString &objectName, const QString &description, QWidget *parent);
};
