#include "mainwindow/sheetaccessible.h"

#include "mainwindow/sheetview.h"
#include "model/attributes.h"
#include "model/elementmodel.h"
#include "widgets/accessibility.h"

#include <QAccessibleWidget>
#include <QWindow>

#include <map>
#include <utility>

namespace talvex {

namespace {

QRect globalRect(const QWidget *view, const QRect &local)
{
    return QRect(view->mapToGlobal(local.topLeft()), local.size());
}

// A child of the sheet that is no widget: an element or the keyboard pointer's cell.
using SheetPartAccessible = WidgetPartAccessible<SheetView>;

class SheetElementAccessible : public SheetPartAccessible
{
public:
    SheetElementAccessible(SheetView *view, int number)
        : SheetPartAccessible(view)
        , m_number(number)
    {}

    bool isValid() const override
    {
        return m_owner && m_owner->model().elements.at(m_number).number == m_number;
    }
    QString text(QAccessible::Text t) const override
    {
        if (!isValid())
            return {};
        const Element &element = m_owner->model().elements.at(m_number);
        switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(elementListEntry(element));
        case QAccessible::Description:
            return QString::fromStdString(elementPlacementText(element));
        default:
            return {};
        }
    }
    QRect rect() const override
    {
        if (!isValid())
            return {};
        const PixelRect r = m_owner->model().elements.at(m_number).pixelRect();
        return globalRect(m_owner, QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom)));
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

private:
    int m_number;
};

// The keyboard pointer's cell. Once a newer object has taken its place, it keeps the cell and
// the text it had when it was made: Orca takes two objects of the same role, name and place for
// one and would not say the newer.
class SheetPointerAccessible : public SheetPartAccessible
{
public:
    explicit SheetPointerAccessible(SheetView *view)
        : SheetPartAccessible(view)
        , m_name(view->keyboardPointerText())
        , m_rect(liveRect())
    {}

    void freeze() { m_frozen = true; }

    QString text(QAccessible::Text t) const override
    {
        if (!m_owner || t != QAccessible::Name)
            return {};
        return m_frozen ? m_name : m_owner->keyboardPointerText();
    }
    QRect rect() const override { return m_frozen ? m_rect : liveRect(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.focusable = true;
        state.focused = !m_frozen && m_owner && m_owner->hasFocus();
        state.readOnly = true;
        return state;
    }

private:
    QRect liveRect() const
    {
        if (!m_owner)
            return {};
        const SheetPointer &pointer = m_owner->keyboardPointer();
        return globalRect(m_owner, QRect(pointer.x(), pointer.y(), CellSize, CellSize));
    }

    QString m_name;
    QRect m_rect;
    bool m_frozen = false;
};

// The sheet: elements in the order of their numbers, then the keyboard pointer's cell.
class SheetAccessible : public QAccessibleWidget
{
public:
    explicit SheetAccessible(SheetView *view)
        : QAccessibleWidget(view, QAccessible::Canvas)
    {}

    ~SheetAccessible() override
    {
        for (const auto &[number, id] : m_elements)
            QAccessible::deleteAccessibleInterface(id);
        for (const QAccessible::Id id : {m_pointer, m_previousPointer})
            if (id)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        return int(placedElementNumbers(view()->model().elements).size()) + 1;
    }

    QAccessibleInterface *child(int index) const override
    {
        const std::vector<int> numbers = placedElementNumbers(view()->model().elements);
        if (index < 0 || index > int(numbers.size()))
            return nullptr;
        if (index == int(numbers.size()))
            return pointer();
        return element(numbers[std::size_t(index)]);
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        const std::vector<int> numbers = placedElementNumbers(view()->model().elements);
        if (child == pointer())
            return int(numbers.size());
        for (std::size_t i = 0; i < numbers.size(); ++i) {
            const auto known = m_elements.find(numbers[i]);
            if (known != m_elements.end() &&
                QAccessible::accessibleInterface(known->second) == child)
                return int(i);
        }
        return -1;
    }

    QAccessibleInterface *childAt(int x, int y) const override
    {
        const QPoint local = view()->mapFromGlobal(QPoint(x, y));
        const int column = local.x() / CellSize + 1;
        const int row = local.y() / CellSize + 1;
        if (local.x() < 0 || local.y() < 0 || column > MaxColumns || row > MaxRows)
            return nullptr;
        const int covering = view()->model().occupancy.at(column, row);
        return covering > 0 && covering <= LastElementNumber ? element(covering) : nullptr;
    }

    QAccessibleInterface *focusChild() const override
    {
        return view()->hasFocus() ? pointer() : nullptr;
    }

    QAccessibleInterface *pointer() const
    {
        if (!m_pointer)
            m_pointer =
                QAccessible::registerAccessibleInterface(new SheetPointerAccessible(view()));
        return QAccessible::accessibleInterface(m_pointer);
    }

    // The keyboard pointer's cell as a new object: Orca says a focus event only for an object it
    // does not have already, and not a cell's new name. The one before stays valid, as it was,
    // for the bridge's "focus lost" report.
    QAccessibleInterface *renewPointer()
    {
        if (m_previousPointer)
            QAccessible::deleteAccessibleInterface(m_previousPointer);
        if (m_pointer)
            static_cast<SheetPointerAccessible *>(QAccessible::accessibleInterface(m_pointer))
                ->freeze();
        m_previousPointer = std::exchange(m_pointer, 0);
        return pointer();
    }

    QAccessibleInterface *element(int number) const
    {
        auto known = m_elements.find(number);
        if (known == m_elements.end())
            known = m_elements
                        .emplace(number, QAccessible::registerAccessibleInterface(
                                             new SheetElementAccessible(view(), number)))
                        .first;
        return QAccessible::accessibleInterface(known->second);
    }

private:
    SheetView *view() const { return static_cast<SheetView *>(widget()); }

    mutable std::map<int, QAccessible::Id> m_elements;
    mutable QAccessible::Id m_pointer = 0;
    QAccessible::Id m_previousPointer = 0;
};

// A conductor-kind selector: a radio button of the group of three.
class SelectorAccessible : public QAccessibleWidget
{
public:
    explicit SelectorAccessible(ClickableImage *image)
        : QAccessibleWidget(image, QAccessible::RadioButton)
    {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        // Only the chosen kind is a tab stop, but the arrow keys reach every one.
        state.focusable = true;
        state.checkable = true;
        state.checked = image()->isChecked();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            image()->click();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    ClickableImage *image() const { return static_cast<ClickableImage *>(widget()); }
};

QAccessibleInterface *sheetFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("talvex::SheetView"))
        return new SheetAccessible(static_cast<SheetView *>(object));
    if (className == QLatin1String("talvex::ClickableImage"))
        return new SelectorAccessible(static_cast<ClickableImage *>(object));
    return nullptr;
}

SheetAccessible *sheetAccessible(SheetView *view)
{
    return dynamic_cast<SheetAccessible *>(QAccessible::queryAccessibleInterface(view));
}

} // namespace

void installSheetAccessibility()
{
    QAccessible::installFactory(sheetFactory);
}

void announceSheetPointer(SheetView *view)
{
    SheetAccessible *sheet = sheetAccessible(view);
    if (!sheet || !view->hasFocus())
        return;
    QAccessibleEvent focus(sheet->renewPointer(), QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void announceSheetElement(SheetView *view, int number)
{
    SheetAccessible *sheet = sheetAccessible(view);
    if (!sheet)
        return;
    QAccessibleEvent created(sheet->element(number), QAccessible::ObjectCreated);
    QAccessible::updateAccessibility(&created);
    // Placed at the keyboard pointer: its cell now names the element.
    announceSheetPointer(view);
}

} // namespace talvex
