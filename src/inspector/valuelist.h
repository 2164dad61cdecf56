#pragma once

#include "model/attributes.h"

#include <QStringList>
#include <QTableWidget>

#include <vector>

class QKeyEvent;
class QLineEdit;

namespace talvex {

class ValueListDelegate;

// A two-column key/value list with per-item edit style, read-only flag, input mask and pick
// list. Keys are fixed for the user; values are edited in place and every content change is
// reported at once through stringsChanged(), each keystroke included.
class ValueListEditor : public QTableWidget
{
    Q_OBJECT

public:
    // Plain: a line edit; PickList: a combo box offering the item's pick list; Ellipsis: a line
    // edit with a "..." button that reports editButtonClicked().
    using EditStyle = talvex::EditStyle;

    static constexpr int RowHeight = 19;

    explicit ValueListEditor(QWidget *parent = nullptr);
    ~ValueListEditor() override;

    // A new item is plain, not read-only, without mask and with an empty pick list. Returns its
    // index.
    int appendItem(const QString &key, const QString &value);
    // Appends a row with all its properties. Returns its index.
    int appendRow(const AttributeRow &row);
    void clearItems();
    int itemCount() const;

    // Out-of-range indexes read as empty or default and are ignored by the setters.
    QString key(int item) const;
    QString value(int item) const;
    void setValue(int item, const QString &text);
    // The value of the first item with this key; empty when no item has it.
    QString valueOfKey(const QString &key) const;

    void setEditStyle(int item, EditStyle style);
    EditStyle editStyle(int item) const;
    void setReadOnly(int item, bool readOnly);
    bool isReadOnly(int item) const;
    // The mask in the system's notation ("90;0", "990,99;1;0"); empty for none.
    void setEditMask(int item, const QString &mask);
    QString editMask(int item) const;
    void setPickList(int item, const QStringList &entries);
    QStringList pickList(int item) const;

    // The full key where its column cuts it off, shown as the key's tooltip; empty where the key
    // fits.
    QString clippedKey(int item) const;

    // Whether the key opens an ellipsis item's editor as its "..." button does: Return, F2, and
    // Space where the value cannot be typed into.
    static bool opensEllipsis(const QKeyEvent *event, bool readOnly);

    void setKeyColumnWidth(int width);
    void setValueColumnWidth(int width);

signals:
    // Emitted synchronously while the content changes: items appended or cleared, a value
    // written by the program, each keystroke in an open editor, each pick from a pick list.
    void stringsChanged();
    void editButtonClicked(int item);

protected:
    void currentChanged(const QModelIndex &current, const QModelIndex &previous) override;
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    bool focusNextPrevChild(bool next) override;
    void focusInEvent(QFocusEvent *event) override;
    bool edit(const QModelIndex &index, EditTrigger trigger, QEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    friend class ValueListDelegate;

    struct ItemProps
    {
        EditStyle style = EditStyle::Plain;
        bool readOnly = false;
        QString mask;
        QStringList pickList;
    };

    bool isItem(int item) const { return item >= 0 && item < itemCount(); }
    const ItemProps &props(int item) const { return m_props[static_cast<std::size_t>(item)]; }
    // Replaces an open editor of the item by one made for its current properties.
    void refreshEditor(int item);
    void commitFromEditor(QWidget *editor, const QPersistentModelIndex &cell);
    // Tab stops are the values that take input; past the last one the focus leaves the list.
    bool isTabStop(int item) const;
    int nextTabStop(int from, bool forward) const;
    void tabFrom(bool forward);
    // Opens the item's editor with the focus; for no item (-1) the focus leaves the list.
    void enterAt(int item, bool forward);
    void leave(bool forward);
    // Reports the current cell as focused while the list itself has the focus.
    void announceCurrentCell();

    std::vector<ItemProps> m_props;
    ValueListDelegate *m_delegate = nullptr;
};

} // namespace talvex
