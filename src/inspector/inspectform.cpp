#include "inspector/inspectform.h"

#include "inspector/currentdata.h"
#include "inspector/dataform.h"
#include "inspector/inspectorhost.h"
#include "inspector/linesform.h"
#include "inspector/valuelist.h"
#include "model/elementmodel.h"
#include "model/geometry.h"
#include "model/values.h"
#include "widgets/accessibility.h"
#include "widgets/comboboxaccessible.h"
#include "widgets/framefollower.h"
#include "widgets/handlerguard.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QTabBar>
#include <QVBoxLayout>

namespace talvex {

namespace {

QWidget *panel(const char *name, int height)
{
    auto *widget = new QWidget;
    widget->setObjectName(QString::fromUtf8(name));
    widget->setFixedHeight(height);
    return widget;
}

ValueListEditor *valueList(const char *name, const QString &heading)
{
    auto *list = new ValueListEditor;
    list->setObjectName(QString::fromUtf8(name));
    list->setAccessibleName(heading);
    return list;
}

} // namespace

TInspectForm::TInspectForm(InspectorHost &host, const ElementModel &model, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_host(host)
    , m_model(model)
{
    setAccessibleRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("InspectForm"));
    setWindowTitle(QStringLiteral("Merkmal-Einstellung"));
    resize(DesignClientWidth, DesignOuterHeight);
    move(195, DesignOuterTop);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ComponTopPanel = panel("ComponTopPanel", 38);
    ComponLabel = new QLabel(QStringLiteral("aktuelles Element:"), ComponTopPanel);
    ComponLabel->setObjectName(QStringLiteral("ComponLabel"));
    ComponLabel->move(0, 2);
    ComboBox = new QComboBox(ComponTopPanel);
    ComboBox->setObjectName(QStringLiteral("ComboBox"));
    // Named by its entry, as Qt names a combo box; the label is read as labelled-by.
    exposeComboBox(ComboBox);
    ComponLabel->setBuddy(ComboBox);
    ComboBox->setEditable(false);
    ComboBox->setStyle(m_host.compactStyle());
    ComboBox->setMaxVisibleItems(10);
    ComboBox->setGeometry(0, 15, 133, 21);
    connect(ComboBox, &QComboBox::activated, this,
            guardedSlot<int>(this, [this](int index) { ComboBoxChange(index); }));
    column->addWidget(ComponTopPanel);

    ElementValueList = valueList("ElementValueList", QStringLiteral("Merkmale des Elements"));
    ElementValueList->setFixedHeight(105);
    ElementValueList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    ElementValueList->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    column->addWidget(ElementValueList);

    CellPanel = panel("CellPanel", 17);
    CommonLabel = new QLabel(QStringLiteral(" Zell-übergreifende Merkmale:"), CellPanel);
    CommonLabel->setObjectName(QStringLiteral("CommonLabel"));
    CommonLabel->move(0, 2);
    column->addWidget(CellPanel);

    CommonValueList = valueList("CommonValueList", QStringLiteral("Zell-übergreifende Merkmale"));
    CommonValueList->setFixedHeight(64);
    CommonValueList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    column->addWidget(CommonValueList);

    CellTabControl = new QWidget;
    CellTabControl->setObjectName(QStringLiteral("CellTabControl"));
    auto *cells = new QVBoxLayout(CellTabControl);
    cells->setContentsMargins(0, 0, 0, 0);
    cells->setSpacing(0);
    CellTabBar = new QTabBar;
    CellTabBar->setObjectName(QStringLiteral("CellTabBar"));
    CellTabBar->setAccessibleName(QStringLiteral("Zellen"));
    CellTabBar->setExpanding(false);
    CellTabBar->setDrawBase(true);
    CellTabBar->setUsesScrollButtons(true);
    CellTabBar->setStyle(m_host.compactStyle());
    connect(CellTabBar, &QTabBar::currentChanged, this,
            guardedSlot<int>(this, [this](int tab) { CellTabControlChange(tab); }));
    cells->addWidget(CellTabBar);
    CellTopPanel = panel("CellTopPanel", 24);
    CellImg = new QLabel(CellTopPanel);
    CellImg->setObjectName(QStringLiteral("CellImg"));
    CellImg->setAccessibleName(QStringLiteral("Bild der Zelle"));
    CellImg->setFixedSize(24, 24);
    m_cellImage = QImage(24, 24, QImage::Format_RGB32);
    m_cellImage.fill(palette().color(QPalette::Window));
    CellImg->setPixmap(QPixmap::fromImage(m_cellImage));
    cells->addWidget(CellTopPanel);
    CellValueList = valueList("CellValueList", QStringLiteral("Merkmale der Zelle"));
    cells->addWidget(CellValueList, 1);
    column->addWidget(CellTabControl, 1);

    for (ValueListEditor *list : {ElementValueList, CommonValueList}) {
        connect(list, &ValueListEditor::stringsChanged, this,
                guardedSlot(this, [this, list] { ElementValueListStringsChange(list); }));
    }
    connect(CommonValueList, &ValueListEditor::editButtonClicked, this,
            guardedSlot(this, [this] { CommonValueListEditButtonClick(); }));

    attachFormMouseMove(this);
    attachFormMouseMove(ComponTopPanel);
    attachFormMouseMove(ComponLabel);
    for (ValueListEditor *list : {ElementValueList, CommonValueList, CellValueList}) {
        attachFormMouseMove(list);
        attachFormMouseMove(list->viewport());
    }
    // The other controls keep the pointer's moves to themselves.
    for (QWidget *quiet : {static_cast<QWidget *>(ComboBox), CellPanel, CellTabControl})
        quiet->setAttribute(Qt::WA_NoMousePropagation);

    FormCreate();
}

TInspectForm::~TInspectForm() = default;

void TInspectForm::setEditors(TLinesForm *linesForm, TDataForm *dataForm)
{
    m_linesForm = linesForm;
    m_dataForm = dataForm;
}

void TInspectForm::FormCreate()
{
    {
        const QSignalBlocker quiet(CellTabBar);
        while (CellTabBar->count() > 0)
            CellTabBar->removeTab(0);
    }

    applyOuterRule(FrameFollower::frameOf(this));
    if (!m_frameRule) {
        m_frameRule = new FrameFollower(
            this, InspectorTitleBar, [this](const FrameExtents &frame) { applyOuterRule(frame); });
    }

    Normalizing = false;
    LoadingElement = false;
    ElementShownValues.clear();
    CommonShownValues.clear();

    ComboBox->clear();
    ComboBox->addItem(QString::fromStdString(elementListEntry(m_model.elements.at(0))));
    ComboBox->setCurrentIndex(0);
    ShowElement(0);
}

void TInspectForm::applyOuterRule(const FrameExtents &frame)
{
    // The outer frame fills the room left of the main window: from the screen's left edge to the
    // host's outer left, with the design outer height, at the design top.
    const ClientSize client =
        inspectorClientSize(m_host.hostLeft(), DesignClientWidth, DesignOuterHeight, frame);
    resize(client.width, client.height);
    FrameFollower::moveOuter(this, QPoint(0, DesignOuterTop), frame);
    FormResize();
}

void TInspectForm::attachFormMouseMove(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool TInspectForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove)
        guarded(this, [this] { FormMouseMove(); });
    return QWidget::eventFilter(watched, event);
}

void TInspectForm::FormMouseMove()
{
    m_host.TopPanelMouseMove();
}

void TInspectForm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormResize();
}

void TInspectForm::FormResize()
{
    // The layout gives the panels their width only when it runs; the panel spans the client.
    // A list's width is taken inside its frame, so its two columns fill it without scrolling.
    const int panelWidth = width();
    const int listFrame = 2 * ElementValueList->frameWidth();
    const InspectorLayout layout =
        inspectorLayout(FrameFollower::outerGeometry(this).width(), panelWidth,
                        panelWidth - listFrame, panelWidth - listFrame);
    ComboBox->resize(layout.comboBoxWidth, ComboBox->height());
    ElementValueList->setKeyColumnWidth(layout.elementKeyWidth);
    ElementValueList->setValueColumnWidth(layout.elementValueWidth);
    CommonValueList->setKeyColumnWidth(layout.commonKeyWidth);
    CommonValueList->setValueColumnWidth(layout.commonValueWidth);
    CellImg->move(layout.cellImgLeft, 0);
    CellValueList->setKeyColumnWidth(layout.cellKeyWidth);
    CellValueList->setValueColumnWidth(layout.cellValueWidth);
}

void TInspectForm::AddElementRow(const AttributeRow &row)
{
    ElementValueList->appendRow(row);
    ElementShownValues.append(QString::fromStdString(row.value));
}

void TInspectForm::AddCommonRow(const AttributeRow &row)
{
    CommonValueList->appendRow(row);
    CommonShownValues.append(QString::fromStdString(row.value));
    m_commonRows.push_back(row);
}

void TInspectForm::ShowElement(int number)
{
    Normalizing = false;
    {
        // However the display ends, an error included, the flag is cleared again.
        const QScopedValueRollback loading(LoadingElement, true);
        const Element record = m_model.elements.at(number);

        if (number > 0)
            m_host.markElement(record.pixelRect());
        else
            m_host.RefreshSheet();

        ElementValueList->clearItems();
        ElementShownValues.clear();
        for (const AttributeRow &row : elementRows(record.head))
            AddElementRow(row);

        m_shownCells = cellKinds(record);
        {
            const QSignalBlocker quiet(CellTabBar);
            while (CellTabBar->count() > 0)
                CellTabBar->removeTab(0);
            const std::vector<std::string> tabs = cellTabNames(record);
            for (const std::string &tab : tabs)
                CellTabBar->addTab(QString::fromStdString(tab));
            CellValueList->setVisible(!tabs.empty());
            if (!tabs.empty())
                CellTabBar->setCurrentIndex(0);
        }
        showCellProperties(0);
    }

    CommonLabel->setEnabled(false);
    CommonValueList->setEnabled(false);
    CommonValueList->clearItems();
    m_commonRows.clear();
}

int TInspectForm::cellKind(int cell) const
{
    return cell >= 0 && cell < static_cast<int>(m_shownCells.size())
               ? m_shownCells[static_cast<std::size_t>(cell)]
               : 0;
}

void TInspectForm::showCellProperties(int cell)
{
    CellValueList->clearItems();
    if (const int kind = cellKind(cell)) {
        for (const AttributeRow &row : cellRows(m_model.kinds.kind(kind)))
            CellValueList->appendRow(row);
    }
}

void TInspectForm::CellTabControlChange(int tab)
{
    showCellProperties(tab);
    if (const int kind = cellKind(tab))
        setCellImage(m_host.kindTile(kind));
}

void TInspectForm::ShowElementWithCommon(int number, const std::vector<AttributeRow> &rows)
{
    ShowElement(number);
    CommonLabel->setEnabled(true);
    CommonValueList->setEnabled(true);
    const QScopedValueRollback loading(LoadingCommon, true);
    CommonShownValues.clear();
    for (const AttributeRow &row : rows)
        AddCommonRow(row);
}

void TInspectForm::ShowDynamicInput(int number, double maximum, double start)
{
    ShowElementWithCommon(number, dynamicInputRows(maximum, start));
}

void TInspectForm::ShowTextElement(int number, const QStringList &lines)
{
    ShowElementWithCommon(number, textElementRows());
    CurrentTextLines = lines;
}

void TInspectForm::ShowHistoryElement(int number, const QList<QStringList> &table)
{
    ShowElementWithCommon(number, historyRows());
    CurrentHistoryTable = table;
}

void TInspectForm::appendElementEntry(int number)
{
    ComboBox->addItem(QString::fromStdString(elementListEntry(m_model.elements.at(number))));
    ComboBox->setCurrentIndex(ComboBox->count() - 1);
}

bool TInspectForm::hasSelectedEntry() const
{
    return ComboBox->currentIndex() >= 0;
}

void TInspectForm::setCellImage(const QImage &tile)
{
    QPainter painter(&m_cellImage);
    painter.drawImage(QPoint(0, 0), tile);
    painter.end();
    CellImg->setPixmap(QPixmap::fromImage(m_cellImage));
}

void TInspectForm::ComboBoxChange(int index)
{
    const std::optional<int> number = readElementNumber(ComboBox->itemText(index).toStdString());
    if (number)
        ShowElement(*number);
}

void TInspectForm::ElementValueListStringsChange(ValueListEditor *sender)
{
    if (LoadingElement || Normalizing || (sender == CommonValueList && LoadingCommon))
        return;
    const QStringList &shown = sender == CommonValueList ? CommonShownValues : ElementShownValues;
    for (int i = 0; i < sender->itemCount() && i < shown.size(); ++i) {
        if (sender->isReadOnly(i) || sender->editStyle(i) != ValueListEditor::EditStyle::Plain)
            continue;
        const QString value = sender->value(i);
        const std::optional<std::string> normalized = normalizedValue(
            value.toStdString(), shown[i].toStdString(), sender->editMask(i).toStdString());
        if (!normalized)
            continue;
        const QString rewritten = QString::fromStdString(*normalized);
        if (rewritten == value)
            continue;
        const QScopedValueRollback normalizing(Normalizing, true);
        sender->setValue(i, rewritten);
    }
}

void TInspectForm::CommonValueListEditButtonClick()
{
    // The rows the list was filled with name the editor; the list itself must hold just one.
    if (CommonValueList->itemCount() != 1)
        return;
    switch (ellipsisEditor(m_commonRows)) {
    case ValueEditor::Lines:
        openEditor(m_linesForm);
        break;
    case ValueEditor::DataTable:
        openEditor(m_dataForm);
        break;
    case ValueEditor::None:
        break;
    }
}

void TInspectForm::openEditor(TValueEditorForm *editor)
{
    if (!editor)
        return;
    // The editor places itself again once its own frame is known.
    editor->setPlacement([this](int editorOuterHeight) {
        const QRect inspector = FrameFollower::outerGeometry(this);
        const EditorPosition position =
            editorPosition(inspector.left(), inspector.top(), inspector.width(),
                           CellPanel->mapTo(this, QPoint(0, 0)).y(), editorOuterHeight);
        return QPoint(position.left, position.top);
    });
    editor->place();
    editor->exec();
    // Keys go on where they came from; without a window manager nobody else activates it.
    if (isVisible())
        activateWindow();
}

} // namespace talvex
