#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QVariant>
#include <QWidget>

namespace talvex {

namespace {

constexpr char RoleProperty[] = "talvexAccessibleRole";

QAccessibleInterface *roleFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    const QVariant role = widget->property(RoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    QAccessible::installFactory(roleFactory);
    widget->setProperty(RoleProperty, int(role));
}

} // namespace talvex
