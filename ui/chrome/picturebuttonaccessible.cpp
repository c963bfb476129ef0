#include "ui/chrome/picturebuttonaccessible.h"

#include "ui/chrome/picturebutton.h"

namespace {

QAccessibleInterface *factory(const QString &className, QObject *object)
{
    if (className == QLatin1String("PictureButton") && object && object->isWidgetType())
        return new PictureButtonAccessible(static_cast<PictureButton *>(object));
    return nullptr;
}

} // namespace

PictureButtonAccessible::PictureButtonAccessible(PictureButton *button)
    : QAccessibleWidget(button, QAccessible::Button)
{
}

QString PictureButtonAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Name)
        return widget()->accessibleName();
    return QAccessibleWidget::text(t);
}

QStringList PictureButtonAccessible::actionNames() const
{
    if (!widget()->isEnabled())
        return {};
    return QStringList{pressAction()};
}

void PictureButtonAccessible::doAction(const QString &actionName)
{
    if (actionName == pressAction() && widget()->isEnabled())
        static_cast<PictureButton *>(widget())->click();
}

void PictureButtonAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}
