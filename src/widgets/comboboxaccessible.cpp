#include "widgets/comboboxaccessible.h"

#include "widgets/accessibility.h"
#include "widgets/tableaccessible.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>

namespace talvex {

namespace {

// The entry a combo box shows, as a child that takes the accessible focus.
class ComboBoxEntryAccessible : public WidgetPartAccessible<QComboBox>
{
public:
    ComboBoxEntryAccessible(QComboBox *comboBox, int index)
        : WidgetPartAccessible(comboBox)
        , m_index(index)
    {}

    bool isValid() const override { return m_owner && m_index < m_owner->count(); }
    QString text(QAccessible::Text t) const override
    {
        return isValid() && t == QAccessible::Name ? m_owner->itemText(m_index) : QString();
    }
    QRect rect() const override
    {
        if (!m_owner)
            return {};
        return QRect(m_owner->mapToGlobal(QPoint(0, 0)), m_owner->size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.selectable = true;
        state.readOnly = true;
        if (isValid() && m_owner->currentIndex() == m_index) {
            state.selected = true;
            state.focused = m_owner->hasFocus();
        }
        return state;
    }

private:
    int m_index;
};

class ComboBoxAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ComboBoxAccessible(QComboBox *comboBox)
        : QAccessibleWidget(comboBox, QAccessible::ComboBox)
    {}

    ~ComboBoxAccessible() override
    {
        for (const QAccessible::Id id : {m_entry, m_previousEntry})
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && comboBox()->accessibleName().isEmpty())
            return comboBox()->currentText();
        if (t == QAccessible::Value)
            return comboBox()->currentText();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = comboBox()->view()->isVisible();
        return state;
    }

    // The drop-down list, as in Qt's own interface, then the entry last announced.
    int childCount() const override { return entry() ? 2 : 1; }
    QAccessibleInterface *child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(comboBox()->view());
        return index == 1 ? entry() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        if (child->object() == comboBox()->view())
            return 0;
        return child == entry() ? 1 : -1;
    }
    QAccessibleInterface *focusChild() const override
    {
        return comboBox()->hasFocus() ? entry() : nullptr;
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

    // A new object for every announcement: Orca says a focus event only for an object it does
    // not have already. The one before stays valid for the bridge's "focus lost" report.
    void announceEntry()
    {
        if (m_previousEntry)
            QAccessible::deleteAccessibleInterface(m_previousEntry);
        m_previousEntry = m_entry;
        m_entry = QAccessible::registerAccessibleInterface(
            new ComboBoxEntryAccessible(comboBox(), comboBox()->currentIndex()));
        QAccessibleEvent focus(entry(), QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }

    // Read-only text: the current entry.
    void selection(int, int *start, int *end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override
    {
        return comboBox()->currentText().mid(start, end - start);
    }
    int characterCount() const override { return int(comboBox()->currentText().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *start, int *end) const override
    {
        *start = *end = offset;
        return {};
    }

private:
    QComboBox *comboBox() const { return static_cast<QComboBox *>(widget()); }
    QAccessibleInterface *entry() const
    {
        return m_entry ? QAccessible::accessibleInterface(m_entry) : nullptr;
    }

    QAccessible::Id m_entry = 0;
    QAccessible::Id m_previousEntry = 0;
};

} // namespace

void exposeComboBox(QComboBox *comboBox)
{
    exposeAs<ComboBoxAccessible>(comboBox);
    exposeItemViewParts(comboBox->view());
    QObject::connect(comboBox, &QComboBox::currentIndexChanged, comboBox, [comboBox] {
        // With the list open, Qt moves the accessible focus along the list itself.
        if (!QAccessible::isActive() || !comboBox->hasFocus() || comboBox->view()->isVisible())
            return;
        if (auto *face =
                dynamic_cast<ComboBoxAccessible *>(QAccessible::queryAccessibleInterface(comboBox)))
            face->announceEntry();
    });
}

} // namespace talvex
