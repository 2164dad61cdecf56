#include "widgets/announcement.h"

#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

namespace talvex {

namespace {

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

} // namespace

void exposeAsNotification(QLabel *label)
{
    exposeAs<NotificationAccessible>(label);
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
