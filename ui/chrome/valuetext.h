#pragma once
// Labels that show a value: a screen reader hears the description and the value together
// ("Score: 87.5"), so the text and the accessible name are always set as one.

#include <QString>

class QLabel;

class ValueText
{
public:
    // Fixes what the label's value is called; without it the tooltip or the accessible name
    // the label had before its first value stands.
    static void describe(QLabel *label, const QString &description);
    // Shows the value and names the label after its description and value.
    static void set(QLabel *label, const QString &value);
    // The accessible name for a description and a value: "Score: 87.5", or the description
    // alone while there is no value.
    static QString name(const QString &description, const QString &value);
    static QString description(const QLabel *label);
};
