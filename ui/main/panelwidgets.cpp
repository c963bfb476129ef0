#include "ui/main/panelwidgets.h"

#include <QLabel>

namespace PanelWidgets {

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    if (!name.isEmpty())
        label->setObjectName(name);
    label->setAccessibleName(text);
    if (geometry.isValid())
        label->setGeometry(geometry);
    return label;
}

QLabel *makeWrappedText(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry, const QString &style)
{
    QLabel *label = makeLabel(parent, name, text, geometry);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setStyleSheet(style);
    return label;
}

void paintWhite(QWidget *widget)
{
    widget->setAutoFillBackground(true);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, Qt::white);
    widget->setPalette(palette);
}

} // namespace PanelWidgets
