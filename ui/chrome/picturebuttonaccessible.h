#pragma once
// Accessibility of a PictureButton: a push button whose name is the caption, tooltip or
// description, with a press action that clicks it.

#include <QAccessibleWidget>

class PictureButton;

class PictureButtonAccessible : public QAccessibleWidget
{
public:
    explicit PictureButtonAccessible(PictureButton *button);

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

    // Installs the factory that gives every PictureButton this interface (once).
    static void install();
};
