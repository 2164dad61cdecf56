#include "widgets/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QVariant>

namespace talvex {

namespace {

constexpr char RoleProperty[] = "talvexAccessibleRole";
constexpr char NamedComboProperty[] = "talvexNamedComboBox";

class NamedComboBoxAccessible : public QAccessibleWidget
{
public:
    explicit NamedComboBoxAccessible(QComboBox *comboBox)
        : QAccessibleWidget(comboBox, QAccessible::ComboBox)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return comboBox()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The drop-down list is the one child, as in Qt's own combo box interface.
    int childCount() const override { return 1; }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 ? QAccessible::queryAccessibleInterface(comboBox()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && child->object() == comboBox()->view() ? 0 : -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = comboBox()->view()->isVisible();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(showMenuAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == showMenuAction() || action == pressAction())
            comboBox()->showPopup();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }
};

QAccessibleInterface *roleFactory(const QString &, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(object);
    if (widget->property(NamedComboProperty).toBool())
        if (auto *comboBox = qobject_cast<QComboBox *>(widget))
            return new NamedComboBoxAccessible(comboBox);
    const QVariant role = widget->property(RoleProperty);
    if (role.isValid())
        return new QAccessibleWidget(widget, static_cast<QAccessible::Role>(role.toInt()));
    return nullptr;
}

void installRoleFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(roleFactory);
        return true;
    }();
    (void)installed;
}

} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installRoleFactory();
    widget->setProperty(RoleProperty, int(role));
}

void exposeNamedComboBox(QComboBox *comboBox)
{
    installRoleFactory();
    comboBox->setProperty(NamedComboProperty, true);
}

} // namespace talvex
