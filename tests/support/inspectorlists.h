#pragma once

// What the user reads in the inspector's lists, as texts to compare, and the in-place editors
// that open in them.

#include "inspector/inspectform.h"
#include "inspector/valuelist.h"
#include "model/attributes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStringList>
#include <QTabBar>
#include <QTest>

#include <ostream>
#include <vector>

namespace talvex::test {

// The texts count things show, text(i) for each.
template<typename Text>
QStringList texts(int count, Text text)
{
    QStringList all;
    for (int i = 0; i < count; ++i)
        all << text(i);
    return all;
}

// Each item's value, or each item as "key=value".
inline QStringList values(const ValueListEditor *list)
{
    return texts(list->itemCount(), [list](int i) { return list->value(i); });
}

inline QStringList rows(const ValueListEditor *list)
{
    return texts(list->itemCount(),
                 [list](int i) { return list->key(i) + QLatin1Char('=') + list->value(i); });
}

// Each item as the model's row it renders; a list keeps no editor, so none is named.
inline std::vector<AttributeRow> shownRows(const ValueListEditor *list)
{
    std::vector<AttributeRow> shown;
    for (int i = 0; i < list->itemCount(); ++i) {
        std::vector<std::string> pick;
        for (const QString &entry : list->pickList(i))
            pick.push_back(entry.toStdString());
        shown.push_back({list->key(i).toStdString(), list->value(i).toStdString(),
                         list->editStyle(i), list->isReadOnly(i), list->editMask(i).toStdString(),
                         pick});
    }
    return shown;
}

// The cell tabs and the entries of the element list.
inline QStringList tabs(const TInspectForm &inspector)
{
    return texts(inspector.CellTabBar->count(),
                 [&inspector](int i) { return inspector.CellTabBar->tabText(i); });
}

inline QStringList entries(const TInspectForm &inspector)
{
    return texts(inspector.ComboBox->count(),
                 [&inspector](int i) { return inspector.ComboBox->itemText(i); });
}

// The visible in-place editor standing in an item's value cell, or nullptr.
inline QWidget *editorOf(const ValueListEditor *list, int item)
{
    const QRect cell = list->visualRect(list->model()->index(item, 1));
    for (QWidget *child : list->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->geometry() == cell)
            return child;
    }
    return nullptr;
}

// Clicks an item's value cell as the user does and returns the editor that opens there.
template<typename Widget = QLineEdit>
Widget *clickValue(ValueListEditor *list, int item)
{
    const QRect cell = list->visualRect(list->model()->index(item, 1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
    return qobject_cast<Widget *>(editorOf(list, item));
}

} // namespace talvex::test

namespace talvex {

inline void PrintTo(const AttributeRow &row, std::ostream *out)
{
    *out << row.key << '=' << row.value << " style " << int(row.editStyle)
         << (row.readOnly ? " read-only" : "") << " mask '" << row.mask << "' picks "
         << row.pickList.size();
}

} // namespace talvex
