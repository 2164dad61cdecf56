#include "widgets/announcement.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QVariant>

namespace talvex {

namespace {

constexpr char NotificationProperty[] = "talvexNotification";

class NotificationAccessible : public QAccessibleWidget
{
public:
    explicit NotificationAccessible(QLabel *label)
        : QAccessibleWidget(label, QAccessible::Notification)
    {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        if (t == QAccessible::Name && label->accessibleName().isEmpty())
            return label->text();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *notificationFactory(const QString &, QObject *object)
{
    if (!object || !object->property(NotificationProperty).toBool())
        return nullptr;
    if (auto *label = qobject_cast<QLabel *>(object))
        return new NotificationAccessible(label);
    return nullptr;
}

} // namespace

void exposeAsNotification(QLabel *label)
{
    static const bool installed = [] {
        QAccessible::installFactory(notificationFactory);
        return true;
    }();
    (void)installed;
    label->setProperty(NotificationProperty, true);
}

void announce(QLabel *label)
{
    if (!QAccessible::isActive() || !label->isVisible())
        return;
    // QLabel::setText has reported the new name already.
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

} // namespace talvex
