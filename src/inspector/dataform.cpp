#include "inspector/dataform.h"

#include "widgets/framefollower.h"
#include "widgets/lineeditaccessible.h"
#include "widgets/tableaccessible.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>

#include <functional>

namespace talvex {

namespace {

constexpr int PanelHeight = 21;
constexpr int ColumnWidth = 128;
constexpr int RowHeight = 19;

// Writes the in-place editor's text into its cell at every keystroke, so the grid holds what
// the user sees whenever it is read, even with the editor still open. Tab, Backtab and Escape
// in the editor go to the dialog: Qt's item views would walk the cells with them and swallow
// Escape, so the focus could never leave the grid.
class CellDelegate : public QStyledItemDelegate
{
public:
    CellDelegate(QObject *parent, std::function<void(const QKeyEvent &)> dialogKey)
        : QStyledItemDelegate(parent)
        , m_dialogKey(std::move(dialogKey))
    {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override
    {
        QWidget *editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
            // Qt declares createEditor const but commitData is a signal of the delegate.
            auto *self = const_cast<CellDelegate *>(this);
            connect(edit, &QLineEdit::textEdited, self,
                    [self, edit] { emit self->commitData(edit); });
        }
        return editor;
    }

    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        // The committed keystroke comes back here; leave the editor and its cursor alone.
        auto *edit = qobject_cast<QLineEdit *>(editor);
        if (edit && edit->text() == index.data(Qt::EditRole).toString())
            return;
        QStyledItemDelegate::setEditorData(editor, index);
    }

protected:
    bool eventFilter(QObject *object, QEvent *event) override
    {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<const QKeyEvent *>(event);
            const bool plain = !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
            if (plain && (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
                          key->key() == Qt::Key_Escape)) {
                m_dialogKey(*key);
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    std::function<void(const QKeyEvent &)> m_dialogKey;
};

QLineEdit *makeField(const QString &text, const QString &tip, QWidget *parent)
{
    auto *field = new QLineEdit(parent);
    exposeLineEdit(field);
    field->setText(text);
    field->setToolTip(tip);
    field->setAccessibleName(tip);
    return field;
}

} // namespace

TDataForm::TDataForm(QWidget *parent)
    : TValueEditorForm(PanelHeight, parent)
    , NamePanel(ButtonPanel)
    , StringGrid(new QTableWidget(Periods, 2, this))
    , fromLabel(new QLabel(QStringLiteral("von"), NamePanel))
    , toLabel(new QLabel(QStringLiteral("bis"), NamePanel))
    , fromEdit(makeField(QStringLiteral("1"), QStringLiteral("Startzeit"), NamePanel))
    , Edit1(makeField(QStringLiteral("10"), QStringLiteral("Endzeit"), NamePanel))
{
    setObjectName(QStringLiteral("DataForm"));
    setWindowTitle(QStringLiteral("Daten-Bearbeitung"));
    move(186, 576);
    setFixedSize(ClientWidth, ClientHeight);

    NamePanel->setObjectName(QStringLiteral("NamePanel"));
    NamePanel->setAutoFillBackground(true);
    QPalette shadow = NamePanel->palette();
    shadow.setColor(QPalette::Window, shadow.color(QPalette::Dark));
    NamePanel->setPalette(shadow);

    OKButton->setGeometry(163, 3, 20, 17);
    CancelButton->setGeometry(200, 3, 59, 17);
    fromLabel->setObjectName(QStringLiteral("fromLabel"));
    fromLabel->move(0, 3);
    fromLabel->adjustSize();
    toLabel->setObjectName(QStringLiteral("toLabel"));
    toLabel->move(69, 3);
    toLabel->adjustSize();
    fromEdit->setObjectName(QStringLiteral("fromEdit"));
    fromEdit->setGeometry(20, 0, 47, 21);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(84, 0, 47, 21);

    // Row 0 of the grid, the fixed title row, is the horizontal header; rows 1 to 10 are the
    // table's rows 0 to 9.
    exposeItemViewParts(StringGrid);
    StringGrid->setObjectName(QStringLiteral("StringGrid"));
    StringGrid->setAccessibleName(QStringLiteral("Daten der Vorgeschichte"));
    StringGrid->setItemDelegate(new CellDelegate(StringGrid, [this](const QKeyEvent &key) {
        // Escape cancels; the cells keep what was typed, as on every cancel.
        if (key.key() == Qt::Key_Escape)
            CancelButtonClick();
        else if (key.key() == Qt::Key_Backtab || (key.modifiers() & Qt::ShiftModifier))
            Edit1->setFocus(Qt::BacktabFocusReason);
        else
            OKButton->setFocus(Qt::TabFocusReason);
    }));
    StringGrid->setHorizontalHeaderLabels({QString(), QString()});
    StringGrid->verticalHeader()->hide();
    for (QHeaderView *header : {StringGrid->horizontalHeader(), StringGrid->verticalHeader()}) {
        header->setMinimumSectionSize(0);
        header->setSectionResizeMode(QHeaderView::Fixed);
        header->setHighlightSections(false);
        header->setSectionsClickable(false);
    }
    StringGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid->horizontalHeader()->setDefaultSectionSize(ColumnWidth);
    StringGrid->horizontalHeader()->setFixedHeight(RowHeight);
    StringGrid->verticalHeader()->setDefaultSectionSize(RowHeight);
    for (int row = 0; row < Periods; ++row) {
        for (int column = 0; column < 2; ++column)
            StringGrid->setItem(row, column, new QTableWidgetItem);
    }
    StringGrid->setShowGrid(true);
    StringGrid->setWordWrap(false);
    StringGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid->setEditTriggers(QAbstractItemView::AllEditTriggers);
    StringGrid->setTabKeyNavigation(false);
    StringGrid->installEventFilter(this);

    setTabOrder(OKButton, CancelButton);
    setTabOrder(CancelButton, fromEdit);
    setTabOrder(fromEdit, Edit1);
    setTabOrder(Edit1, StringGrid);
    setBody(StringGrid);
}

void TDataForm::FormResize()
{
    placeButtons(FrameFollower::outerGeometry(this).width() - CancelButton->width() - 6);

    StringGrid->horizontalHeaderItem(0)->setText(QStringLiteral("Zeitraum"));
    StringGrid->horizontalHeaderItem(1)->setText(QStringLiteral("Zahlenwerte"));
    for (int period = 1; period <= Periods; ++period)
        StringGrid->item(period - 1, 0)->setText(QString::number(period));
}

void TDataForm::takeOver()
{
    CurrentHistoryTable = table();
}

QString TDataForm::cell(int column, int row) const
{
    if (column < 0 || column >= StringGrid->columnCount() || row < 0 || row > Periods)
        return QString();
    const QTableWidgetItem *item =
        row == 0 ? StringGrid->horizontalHeaderItem(column) : StringGrid->item(row - 1, column);
    return item ? item->text() : QString();
}

StringTable TDataForm::table() const
{
    StringTable rows;
    for (int row = 0; row <= Periods; ++row)
        rows.append({cell(0, row), cell(1, row)});
    return rows;
}

void TDataForm::showEvent(QShowEvent *event)
{
    TValueEditorForm::showEvent(event);
    StringGrid->setCurrentCell(m_currentRow, m_currentColumn);
}

void TDataForm::hideEvent(QHideEvent *event)
{
    // A hidden grid keeps no current cell: assistive technology takes a table's current cell for
    // the focused one, in a window nobody sees. The cell is the current one again at the next
    // opening.
    if (const QModelIndex current = StringGrid->currentIndex(); current.isValid()) {
        m_currentRow = current.row();
        m_currentColumn = current.column();
    }
    StringGrid->setCurrentIndex(QModelIndex());
    TValueEditorForm::hideEvent(event);
}

bool TDataForm::eventFilter(QObject *watched, QEvent *event)
{
    // The grid's in-place editor is always shown: whenever the grid itself gets the focus, the
    // current cell opens its editor, once the focus change is complete.
    if (watched == StringGrid && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, StringGrid, [grid = StringGrid] {
            if (grid->hasFocus() && grid->currentItem())
                grid->editItem(grid->currentItem());
        });
    }
    return TValueEditorForm::eventFilter(watched, event);
}

} // namespace talvex
