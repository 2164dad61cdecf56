#include "widgets/tableaccessible.h"

#include "widgets/accessibility.h"

#include <QAbstractItemView>

namespace talvex {

void exposeItemViewParts(QAbstractItemView *view)
{
    for (QWidget *part : view->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        setAccessibleRole(part, QAccessible::Pane);
        // The header views built their interface while the view was being built; it is dropped
        // and built again with the new role.
        QAccessibleInterface *built = QAccessible::queryAccessibleInterface(part);
        if (built && built->role() != QAccessible::Pane)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
    }
}

} // namespace talvex
