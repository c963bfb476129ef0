#pragma once
// Small builders the main window's panels share: named labels with accessible names, and
// white panel backgrounds.

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace PanelWidgets {

// A label named name (when not empty) with text as its caption and accessible name, placed
// at geometry when that is valid.
QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text,
                  const QRect &geometry = QRect());

// A centred, word-wrapped text with an optional style sheet.
QLabel *makeWrappedText(QWidget *parent, const QString &name, const QString &text,
                        const QRect &geometry, const QString &style = QString());

// Gives the widget a plain white background.
void paintWhite(QWidget *widget);

} // namespace PanelWidgets
