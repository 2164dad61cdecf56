#include "inspector/valuelist.h"

#include "model/inputmask.h"
#include "widgets/comboboxaccessible.h"
#include "widgets/lineeditaccessible.h"
#include "widgets/readonlyinput.h"
#include "widgets/tableaccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QHash>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QToolButton>
#include <QToolTip>

#include <algorithm>

namespace talvex {

namespace {

constexpr int KeyColumn = 0;
constexpr int ValueColumn = 1;
constexpr int EllipsisWidth = 16;
// Set on an editor once the user has changed it; closing an untouched editor writes nothing.
constexpr char UserEdited[] = "talvexUserEdited";

QString qtMask(const QString &mask)
{
    return QString::fromStdString(toQtInputMask(mask.toStdString()));
}

// End of what the user has entered: a masked field shows blanks (Qt's blank is a space) in the
// positions not filled yet, and the cursor is not left behind them.
int enteredEnd(const QLineEdit *edit)
{
    const QString shown = edit->displayText();
    int end = int(shown.size());
    if (!edit->inputMask().isEmpty()) {
        while (end > 0 && shown.at(end - 1) == QLatin1Char(' '))
            --end;
    }
    return end;
}

// Replaces the text of an editor the user may be typing in, keeping the cursor where it was
// unless the new text ends before it.
void replaceText(QLineEdit *edit, const QString &text)
{
    if (edit->text() == text)
        return;
    const int cursor = edit->cursorPosition();
    edit->setText(text);
    edit->setCursorPosition(std::min(cursor, enteredEnd(edit)));
}

void setUpLineEdit(QLineEdit *edit, bool readOnly, const QString &mask)
{
    edit->setReadOnly(readOnly);
    edit->setAcceptDrops(!readOnly);
    edit->setInputMask(qtMask(mask));
}

bool isTab(const QKeyEvent *key)
{
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool isBacktab(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
}

// The in-place line edit; for ellipsis items it carries a "..." button at its right end.
class ValueLineEdit : public QLineEdit
{
public:
    explicit ValueLineEdit(QWidget *parent)
        : QLineEdit(parent)
    {
        exposeLineEdit(this);
        guardReadOnlyInput(this);
    }

    QToolButton *addEllipsisButton()
    {
        m_button = new QToolButton(this);
        m_button->setObjectName(QStringLiteral("EllipsisButton"));
        m_button->setText(QStringLiteral("..."));
        m_button->setFocusPolicy(Qt::NoFocus);
        m_button->setCursor(Qt::ArrowCursor);
        setTextMargins(0, 0, EllipsisWidth, 0);
        placeButton();
        return m_button;
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QLineEdit::resizeEvent(event);
        placeButton();
    }

    // A frameless editor shows neither cursor nor selection when read-only or untouched; a
    // frame in the highlight colour marks the cell that has the focus.
    void paintEvent(QPaintEvent *event) override
    {
        QLineEdit::paintEvent(event);
        if (!hasFocus())
            return;
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Highlight));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    void placeButton()
    {
        if (m_button)
            m_button->setGeometry(width() - EllipsisWidth, 0, EllipsisWidth, height());
    }

    QToolButton *m_button = nullptr;
};

QToolButton *ellipsisButtonOf(QWidget *editor)
{
    return editor ? editor->findChild<QToolButton *>(QStringLiteral("EllipsisButton"),
                                                     Qt::FindDirectChildrenOnly)
                  : nullptr;
}

} // namespace

// Creates the in-place editor that fits an item's properties and moves text between it and the
// list; it keeps track of the open editors so that program writes reach them.
class ValueListDelegate : public QStyledItemDelegate
{
public:
    explicit ValueListDelegate(ValueListEditor *list)
        : QStyledItemDelegate(list)
        , m_list(list)
    {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &,
                          const QModelIndex &index) const override
    {
        const int item = index.row();
        if (index.column() != ValueColumn || !m_list->isItem(item))
            return nullptr;
        const ValueListEditor::ItemProps &props = m_list->props(item);
        QWidget *editor = props.style == ValueListEditor::EditStyle::PickList
                              ? createComboBox(parent, props, index)
                              : createLineEdit(parent, props, index);
        // Tab reaches the values through the list, which knows which of them take input; in Qt's
        // chain the standing editors would be stops of their own.
        editor->setFocusPolicy(Qt::ClickFocus);
        m_editors.insert(item, editor);
        return editor;
    }

    void destroyEditor(QWidget *editor, const QModelIndex &index) const override
    {
        // Found by the editor, not by the index: the view also lets go of editors whose index
        // is no longer valid.
        m_editors.removeIf([editor](const auto &open) { return open.value() == editor; });
        QStyledItemDelegate::destroyEditor(editor, index);
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            if (combo->isEditable()) {
                replaceText(combo->lineEdit(), text);
                return;
            }
            // A value outside the pick list is shown as the placeholder of "no entry".
            const int entry = combo->findText(text, Qt::MatchExactly);
            combo->setPlaceholderText(entry < 0 ? text : QString());
            combo->setCurrentIndex(entry);
        } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            replaceText(edit, text);
        }
    }

    void setModelData(QWidget *editor, QAbstractItemModel *,
                      const QModelIndex &index) const override
    {
        if (!editor->property(UserEdited).toBool())
            return;
        // text(), not displayText(): a masked field then reads without the blanks Qt shows in
        // unfilled positions ("1,5", not "1  ,5 ") and the value rules see what was typed.
        if (auto *combo = qobject_cast<QComboBox *>(editor))
            m_list->setValue(index.row(), combo->currentText());
        else if (auto *edit = qobject_cast<QLineEdit *>(editor))
            m_list->setValue(index.row(), edit->text());
    }

    void updateEditorGeometry(QWidget *editor, const QStyleOptionViewItem &option,
                              const QModelIndex &) const override
    {
        editor->setGeometry(option.rect);
    }

    QWidget *openEditor(int item) const { return m_editors.value(item); }
    bool isOpen(QWidget *editor) const
    {
        return editor &&
               std::find(m_editors.cbegin(), m_editors.cend(), editor) != m_editors.cend();
    }

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        if (index.column() == KeyColumn)
            option->backgroundBrush = option->palette.brush(QPalette::Window);
    }

    bool eventFilter(QObject *object, QEvent *event) override
    {
        // Qt keeps a line edit whose mask is not filled open on Enter; the value is committed
        // at every keystroke anyway, so Enter simply ends the edit.
        auto *edit = qobject_cast<QLineEdit *>(object);
        if (event->type() == QEvent::KeyPress) {
            // Tab walks the list by its own rules instead of Qt's next cell, which would stop
            // at the last one.
            auto *keyEvent = static_cast<QKeyEvent *>(event);
            if (isTab(keyEvent)) {
                m_list->tabFrom(!isBacktab(keyEvent));
                return true;
            }
        }
        if (edit && event->type() == QEvent::KeyPress &&
            ValueListEditor::opensEllipsis(static_cast<QKeyEvent *>(event), edit->isReadOnly())) {
            // Return, F2 and (where nothing can be typed) Space press the "..." button.
            if (auto *button = ellipsisButtonOf(edit)) {
                button->click();
                return true;
            }
        }
        if (edit && event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                emit commitData(edit);
                emit closeEditor(edit, QAbstractItemDelegate::SubmitModelCache);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    QWidget *createComboBox(QWidget *parent, const ValueListEditor::ItemProps &props,
                            const QModelIndex &index) const
    {
        auto *combo = new QComboBox(parent);
        exposeComboBox(combo);
        combo->setAccessibleName(m_list->key(index.row()));
        combo->addItems(props.pickList);
        // Read-only: the user may pick but not type.
        combo->setEditable(!props.readOnly);
        if (combo->isEditable()) {
            combo->setInsertPolicy(QComboBox::NoInsert);
            setUpLineEdit(combo->lineEdit(), false, props.mask);
            QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                             [list = m_list, combo, at = QPersistentModelIndex(index)] {
                                 list->commitFromEditor(combo, at);
                             });
        }
        QObject::connect(combo, &QComboBox::activated, combo,
                         [list = m_list, combo, at = QPersistentModelIndex(index)] {
                             list->commitFromEditor(combo, at);
                         });
        return combo;
    }

    QWidget *createLineEdit(QWidget *parent, const ValueListEditor::ItemProps &props,
                            const QModelIndex &index) const
    {
        auto *edit = new ValueLineEdit(parent);
        edit->setAccessibleName(m_list->key(index.row()));
        edit->setFrame(false);
        setUpLineEdit(edit, props.readOnly, props.mask);
        QObject::connect(edit, &QLineEdit::textEdited, edit,
                         [list = m_list, edit, at = QPersistentModelIndex(index)] {
                             list->commitFromEditor(edit, at);
                         });
        if (props.style == ValueListEditor::EditStyle::Ellipsis) {
            QToolButton *button = edit->addEllipsisButton();
            button->setAccessibleName(m_list->key(index.row()) + QStringLiteral(" bearbeiten"));
            // The button takes no focus: the value says what Return, F2 and Space do there.
            edit->setAccessibleDescription(button->accessibleName());
            QObject::connect(button, &QToolButton::clicked, m_list,
                             [list = m_list, at = QPersistentModelIndex(index)] {
                                 if (at.isValid())
                                     emit list->editButtonClicked(at.row());
                             });
        }
        return edit;
    }

    ValueListEditor *m_list;
    mutable QHash<int, QPointer<QWidget>> m_editors;
};

ValueListEditor::ValueListEditor(QWidget *parent)
    : QTableWidget(0, 2, parent)
    , m_delegate(new ValueListDelegate(this))
{
    exposeItemViewParts(this);
    setItemDelegate(m_delegate);
    setHorizontalHeaderLabels({QStringLiteral("Merkmal"), QStringLiteral("Wert")});

    QHeaderView *title = horizontalHeader();
    title->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    title->setHighlightSections(false);
    title->setSectionsClickable(false);
    title->setMinimumSectionSize(0);
    title->setFixedHeight(RowHeight);

    QHeaderView *rows = verticalHeader();
    rows->hide();
    rows->setMinimumSectionSize(0);
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setDefaultSectionSize(RowHeight);

    setShowGrid(true);
    setWordWrap(false);
    setSortingEnabled(false);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Like a property grid: the value cell under the pointer or keyboard opens its editor.
    setEditTriggers(QAbstractItemView::AllEditTriggers);
}

ValueListEditor::~ValueListEditor() = default;

int ValueListEditor::appendItem(const QString &key, const QString &value)
{
    const int row = rowCount();
    m_props.emplace_back();
    insertRow(row);
    auto *keyItem = new QTableWidgetItem(key);
    keyItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    setItem(row, KeyColumn, keyItem);
    auto *valueItem = new QTableWidgetItem(value);
    valueItem->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    setItem(row, ValueColumn, valueItem);
    emit stringsChanged();
    return row;
}

int ValueListEditor::appendRow(const AttributeRow &row)
{
    const int item = appendItem(QString::fromStdString(row.key), QString::fromStdString(row.value));
    setEditStyle(item, row.editStyle);
    setReadOnly(item, row.readOnly);
    setEditMask(item, QString::fromStdString(row.mask));
    QStringList entries;
    for (const std::string &entry : row.pickList)
        entries.append(QString::fromStdString(entry));
    setPickList(item, entries);
    return item;
}

void ValueListEditor::clearItems()
{
    if (m_props.empty())
        return;
    setRowCount(0);
    m_props.clear();
    emit stringsChanged();
}

int ValueListEditor::itemCount() const
{
    return int(m_props.size());
}

QString ValueListEditor::key(int item) const
{
    return isItem(item) ? this->item(item, KeyColumn)->text() : QString();
}

QString ValueListEditor::value(int item) const
{
    return isItem(item) ? this->item(item, ValueColumn)->text() : QString();
}

void ValueListEditor::setValue(int item, const QString &text)
{
    if (!isItem(item))
        return;
    QTableWidgetItem *cell = this->item(item, ValueColumn);
    if (cell->text() == text)
        return;
    // The view hands the new text to an open editor of the cell through setEditorData.
    cell->setText(text);
    emit stringsChanged();
}

QString ValueListEditor::valueOfKey(const QString &key) const
{
    for (int i = 0; i < itemCount(); ++i) {
        if (this->key(i) == key)
            return value(i);
    }
    return QString();
}

void ValueListEditor::setEditStyle(int item, EditStyle style)
{
    if (!isItem(item) || m_props[std::size_t(item)].style == style)
        return;
    m_props[std::size_t(item)].style = style;
    refreshEditor(item);
}

ValueListEditor::EditStyle ValueListEditor::editStyle(int item) const
{
    return isItem(item) ? props(item).style : EditStyle::Plain;
}

void ValueListEditor::setReadOnly(int item, bool readOnly)
{
    if (!isItem(item) || m_props[std::size_t(item)].readOnly == readOnly)
        return;
    m_props[std::size_t(item)].readOnly = readOnly;
    refreshEditor(item);
}

bool ValueListEditor::isReadOnly(int item) const
{
    return isItem(item) && props(item).readOnly;
}

void ValueListEditor::setEditMask(int item, const QString &mask)
{
    if (!isItem(item) || m_props[std::size_t(item)].mask == mask)
        return;
    m_props[std::size_t(item)].mask = mask;
    refreshEditor(item);
}

QString ValueListEditor::editMask(int item) const
{
    return isItem(item) ? props(item).mask : QString();
}

void ValueListEditor::setPickList(int item, const QStringList &entries)
{
    if (!isItem(item) || m_props[std::size_t(item)].pickList == entries)
        return;
    m_props[std::size_t(item)].pickList = entries;
    refreshEditor(item);
}

QStringList ValueListEditor::pickList(int item) const
{
    return isItem(item) ? props(item).pickList : QStringList();
}

QString ValueListEditor::clippedKey(int item) const
{
    if (!isItem(item))
        return {};
    const QString text = key(item);
    // Item views keep the focus frame's margin and one pixel free on each side of a text.
    const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    const int room = columnWidth(KeyColumn) - 2 * margin;
    return fontMetrics().horizontalAdvance(text) > room ? text : QString();
}

bool ValueListEditor::viewportEvent(QEvent *event)
{
    if (event->type() == QEvent::ToolTip) {
        auto *help = static_cast<QHelpEvent *>(event);
        const QModelIndex index = indexAt(help->pos());
        const QString tip = index.column() == KeyColumn ? clippedKey(index.row()) : QString();
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, viewport(), visualRect(index));
        return true;
    }
    return QTableWidget::viewportEvent(event);
}

void ValueListEditor::setKeyColumnWidth(int width)
{
    setColumnWidth(KeyColumn, width);
}

void ValueListEditor::setValueColumnWidth(int width)
{
    setColumnWidth(ValueColumn, width);
}

bool ValueListEditor::isTabStop(int item) const
{
    // A read-only pick list still lets the user pick and a read-only ellipsis value still opens
    // its editor; other read-only values take nothing.
    return isItem(item) && (!props(item).readOnly || props(item).style != EditStyle::Plain);
}

bool ValueListEditor::opensEllipsis(const QKeyEvent *event, bool readOnly)
{
    if ((event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        return true;
    case Qt::Key_Space:
        return readOnly;
    default:
        return false;
    }
}

void ValueListEditor::keyPressEvent(QKeyEvent *event)
{
    // The current row's standing editor may be open without the focus (after arrow keys): its
    // button is pressed from here.
    const int item = currentRow();
    if (isItem(item) && props(item).style == EditStyle::Ellipsis &&
        opensEllipsis(event, props(item).readOnly)) {
        if (QToolButton *button = ellipsisButtonOf(m_delegate->openEditor(item))) {
            button->click();
            return;
        }
    }
    QTableWidget::keyPressEvent(event);
}

int ValueListEditor::nextTabStop(int from, bool forward) const
{
    for (int item = from + (forward ? 1 : -1); isItem(item); item += forward ? 1 : -1) {
        if (isTabStop(item))
            return item;
    }
    return -1;
}

void ValueListEditor::currentChanged(const QModelIndex &current, const QModelIndex &previous)
{
    // QTableView reports each new current cell as focused at once, though the value's editor
    // mostly takes the focus right after: the cell is reported once the list has kept it.
    QAbstractItemView::currentChanged(current, previous);
    if (QAccessible::isActive() && current.isValid())
        QMetaObject::invokeMethod(this, &ValueListEditor::announceCurrentCell,
                                  Qt::QueuedConnection);
}

void ValueListEditor::announceCurrentCell()
{
    const QModelIndex current = currentIndex();
    if (!hasFocus() || !current.isValid())
        return;
    QAccessibleInterface *table = QAccessible::queryAccessibleInterface(this);
    if (QAccessibleTableInterface *cells = table ? table->tableInterface() : nullptr) {
        if (QAccessibleInterface *cell = cells->cellAt(current.row(), current.column())) {
            QAccessibleEvent focus(cell, QAccessible::Focus);
            QAccessible::updateAccessibility(&focus);
        }
    }
}

QModelIndex ValueListEditor::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // Tab and Backtab walk the values that take input, keys cannot be edited anyway.
    if (action == MoveNext || action == MovePrevious) {
        const int item = nextTabStop(currentRow(), action == MoveNext);
        return item >= 0 ? model()->index(item, ValueColumn) : QModelIndex();
    }
    return QTableWidget::moveCursor(action, modifiers);
}

bool ValueListEditor::focusNextPrevChild(bool next)
{
    // Qt also asks here when it hides a focused editor, as rows are removed: that is no Tab.
    // Opening the next value then would edit a row that is about to go; the list keeps the
    // focus instead.
    QWidget *focused = QApplication::focusWidget();
    if (focused && focused != this && isAncestorOf(focused) && !focused->isVisible()) {
        setFocus(Qt::OtherFocusReason);
        return true;
    }
    tabFrom(next);
    return true;
}

void ValueListEditor::focusInEvent(QFocusEvent *event)
{
    QTableWidget::focusInEvent(event);
    // Tabbing into the list goes on into its first (Backtab: last) value at once.
    const bool forward = event->reason() == Qt::TabFocusReason;
    if (forward || event->reason() == Qt::BacktabFocusReason)
        enterAt(nextTabStop(forward ? -1 : itemCount(), forward), forward);
    // Back in an activated window the keys go on in the value that had them: Qt hands the focus
    // to the list when its window loses the activation.
    else if (event->reason() == Qt::ActiveWindowFocusReason && isTabStop(currentRow()))
        enterAt(currentRow(), true);
}

void ValueListEditor::tabFrom(bool forward)
{
    enterAt(nextTabStop(currentRow(), forward), forward);
}

void ValueListEditor::enterAt(int item, bool forward)
{
    if (item < 0) {
        leave(forward);
        return;
    }
    const QModelIndex index = model()->index(item, ValueColumn);
    setCurrentIndex(index);
    if (!m_delegate->openEditor(item))
        QAbstractItemView::edit(index);
    QWidget *editor = m_delegate->openEditor(item);
    if (!editor)
        return;
    editor->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    // Qt opens a value with its text selected and the caret at the end; screen readers read the
    // value from the caret's line, which is empty there. The same selection runs back from the
    // end; a read-only value, with nothing to replace, keeps none.
    if (auto *edit = qobject_cast<QLineEdit *>(editor); edit && edit->hasSelectedText()) {
        const int end = edit->selectionEnd();
        if (edit->isReadOnly())
            edit->setCursorPosition(0);
        else
            edit->setSelection(end, -(end - edit->selectionStart()));
    }
}

void ValueListEditor::leave(bool forward)
{
    // Qt's chain would visit the list's own standing editors (the ellipsis rows) first and
    // so never get out: the next widget is the first one outside the list.
    QWidget *w = this;
    do {
        w = forward ? w->nextInFocusChain() : w->previousInFocusChain();
        const bool candidate = w != this && !isAncestorOf(w) && w->window() == window() &&
                               w->isVisibleTo(window()) && w->isEnabled() &&
                               (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy();
        if (candidate) {
            w->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            return;
        }
    } while (w != this);
}

bool ValueListEditor::edit(const QModelIndex &index, EditTrigger trigger, QEvent *event)
{
    // Selecting a value opens its editor already; a program's request to edit it as well is
    // met by that editor rather than refused.
    if (trigger == AllEditTriggers && index.column() == ValueColumn &&
        m_delegate->openEditor(index.row()))
        return true;
    // Opening one value ends the edit of any other. Its text is already in the list, and an
    // editor left open because its window never heard it lost the focus would block every row.
    if (index.isValid() && trigger != NoEditTriggers) {
        for (int item = 0; item < itemCount(); ++item) {
            // Ellipsis items keep their editor open for good.
            if (item == index.row() || props(item).style == EditStyle::Ellipsis)
                continue;
            if (QWidget *editor = m_delegate->openEditor(item))
                closeEditor(editor, QAbstractItemDelegate::NoHint);
        }
        // An editing state left now belongs to no editor of a plain value: it is a standing
        // ellipsis editor's, or stale from an editor whose window lost the focus. Qt would refuse
        // every other value while it lasts.
        if (state() == EditingState && !m_delegate->openEditor(index.row()))
            setState(NoState);
    }
    return QTableWidget::edit(index, trigger, event);
}

void ValueListEditor::refreshEditor(int item)
{
    // An open editor was made for the old properties: replace it. Ellipsis items keep theirs
    // open so that the button is always there.
    QTableWidgetItem *cell = this->item(item, ValueColumn);
    if (isPersistentEditorOpen(cell))
        closePersistentEditor(cell);
    else if (QWidget *editor = m_delegate->openEditor(item))
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    if (props(item).style != EditStyle::Ellipsis)
        return;
    openPersistentEditor(cell);
    // Qt selects the text of a line edit it opens; a standing editor should look like a cell.
    if (auto *edit = qobject_cast<QLineEdit *>(m_delegate->openEditor(item)))
        edit->deselect();
}

void ValueListEditor::commitFromEditor(QWidget *editor, const QPersistentModelIndex &cell)
{
    editor->setProperty(UserEdited, true);
    if (m_delegate->isOpen(editor)) {
        commitData(editor);
        return;
    }
    // The view has let go of the editor already (a pick list reports its pick after closing):
    // the value still goes to its cell while that cell exists.
    if (cell.isValid())
        m_delegate->setModelData(editor, model(), cell);
}

} // namespace talvex
