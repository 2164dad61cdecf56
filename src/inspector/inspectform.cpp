#include "inspector/inspectform.h"

#include "inspector/accessibility.h"
#include "inspector/comboboxaccessible.h"

#include "inspector/currentdata.h"
#include "inspector/dataform.h"
#include "inspector/framefollower.h"
#include "inspector/inspectorhost.h"
#include "inspector/linesform.h"
#include "inspector/valuelist.h"
#include "model/elementmodel.h"
#include "model/geometry.h"
#include "model/placing.h"
#include "model/values.h"

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

const QString IntegerMask = QStringLiteral("90;0");
const QString DecimalMask = QStringLiteral("990,99;1;0");
const QString TextLinesKey = QStringLiteral("Textzeilen");
const QString TextLinesMarker = QStringLiteral("(Zeilen)");
const QString HistoryKey = QStringLiteral("Daten der Vorgeschichte");
const QString HistoryMarker = QStringLiteral("(Tabelle)");

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

TInspectForm::TInspectForm(InspectorHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
    , m_host(host)
{
    setAccessibleRole(this, QAccessible::Window);
    setObjectName(QStringLiteral("InspectForm"));
    setWindowTitle(QStringLiteral("Merkmal-Einstellung"));
    setFont(QFont(font().family(), 8));
    resize(DesignClientWidth, DesignOuterHeight);
    move(195, 446);

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
    connect(ComboBox, &QComboBox::activated, this, &TInspectForm::ComboBoxChange);
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
    connect(CellTabBar, &QTabBar::currentChanged, this, &TInspectForm::CellTabControlChange);
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
                [this, list] { ElementValueListStringsChange(list); });
    }
    connect(CommonValueList, &ValueListEditor::editButtonClicked, this,
            &TInspectForm::CommonValueListEditButtonClick);

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

    applyOuterRule();
    if (!m_frameRule)
        m_frameRule = new FrameFollower(this, [this](const FrameExtents &) { applyOuterRule(); });

    Normalizing = false;
    LoadingElement = false;
    ElementShownValues.clear();
    CommonShownValues.clear();

    ComboBox->clear();
    ComboBox->addItem(FormatElementNumber(0).c_str() + QStringLiteral(" Zeichenfläche"));
    ComboBox->setCurrentIndex(0);
    ShowElement(0);
}

void TInspectForm::applyOuterRule()
{
    // The outer frame fills the room left of the main window: from the screen's left edge to the
    // host's outer left, with the design outer height.
    const ClientSize client = inspectorClientSize(m_host.hostLeft(), DesignClientWidth,
                                                  DesignOuterHeight, FrameFollower::frameOf(this));
    move(0, y());
    resize(client.width, client.height);
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
        FormMouseMove();
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

int TInspectForm::AddElementRow(const QString &key, const QString &value)
{
    const int row = ElementValueList->appendItem(key, value);
    ElementShownValues.append(value);
    return row;
}

int TInspectForm::AddCommonRow(const QString &key, const QString &value)
{
    const int row = CommonValueList->appendItem(key, value);
    CommonShownValues.append(value);
    return row;
}

void TInspectForm::ShowElement(int number)
{
    Normalizing = false;
    {
        // However the display ends, an error included, the flag is cleared again.
        const QScopedValueRollback loading(LoadingElement, true);
        const Element record = elementModel().elements.at(number);
        const Category &head = record.head;

        if (number > 0)
            m_host.markElement(record.pixelRect());
        else
            m_host.RefreshSheet();

        ElementValueList->clearItems();
        ElementShownValues.clear();
        const int corner = AddElementRow(QStringLiteral("linke obere Ecke (X,Y)"),
                                         QStringLiteral("%1,%2").arg(head.x).arg(head.y));
        ElementValueList->setReadOnly(corner, true);

        // The shape overrides the recorded orientation.
        QString orientation;
        if (head.orientation == Horizontal)
            orientation = QStringLiteral("waagerecht");
        else if (head.orientation == Vertical)
            orientation = QStringLiteral("senkrecht");
        if (head.height < head.width)
            orientation = QStringLiteral("waagerecht");
        else if (head.width < head.height)
            orientation = QStringLiteral("senkrecht");
        const int turn = AddElementRow(QStringLiteral("Orientierung"), orientation);
        ElementValueList->setReadOnly(turn, true);
        if (head.orientation != NoOrientation) {
            QStringList choices{QStringLiteral("waagerecht")};
            if (head.orientable)
                choices.append(QStringLiteral("senkrecht"));
            ElementValueList->setEditStyle(turn, ValueListEditor::EditStyle::PickList);
            ElementValueList->setPickList(turn, choices);
        }

        const int across =
            AddElementRow(QStringLiteral("Zellenzahl waagerecht"), QString::number(head.width));
        ElementValueList->setEditMask(across, IntegerMask);
        const int down =
            AddElementRow(QStringLiteral("Zellenzahl senkrecht"), QString::number(head.height));
        ElementValueList->setEditMask(down, IntegerMask);

        m_shownElement = number;
        {
            const QSignalBlocker quiet(CellTabBar);
            while (CellTabBar->count() > 0)
                CellTabBar->removeTab(0);
            if (record.number != 0) {
                CellValueList->show();
                const int cells = head.width * head.height;
                if (cells == 1) {
                    CellTabBar->addTab(QStringLiteral("Zelle"));
                } else {
                    for (int k = 1; k <= cells; ++k)
                        CellTabBar->addTab(QStringLiteral("%1.Zelle").arg(k));
                }
                CellTabBar->setCurrentIndex(0);
            } else {
                CellValueList->hide();
            }
        }
        showCellProperties(0);
    }

    CommonLabel->setEnabled(false);
    CommonValueList->setEnabled(false);
    CommonValueList->clearItems();
}

int TInspectForm::cellKind(int cell) const
{
    const Element &record = elementModel().elements.at(m_shownElement);
    if (record.number == 0 || record.head.firstKind == 0)
        return 0;
    const Category &head = record.head;
    const std::vector<TilePlacement> tiles =
        tileLayout(head.firstKind, head.width, head.height, GridCell{});
    if (cell < 0 || cell >= static_cast<int>(tiles.size()))
        return 0;
    return tiles[static_cast<std::size_t>(cell)].kind;
}

void TInspectForm::showCellProperties(int cell)
{
    CellValueList->clearItems();
    const int kindNumber = cellKind(cell);
    if (kindNumber == 0)
        return;
    const Default &kind = elementModel().kinds.kind(kindNumber);
    for (const CellPropType &property : kind.props) {
        const int row = CellValueList->appendItem(QString::fromStdString(property.name),
                                                  QString::fromStdString(property.value));
        CellValueList->setReadOnly(row, true);
    }
}

void TInspectForm::CellTabControlChange(int tab)
{
    showCellProperties(tab);
    if (const int kind = cellKind(tab))
        setCellImage(m_host.kindTile(kind));
}

void TInspectForm::ShowElementWithCommon(int number, const std::function<void()> &addRows)
{
    ShowElement(number);
    CommonLabel->setEnabled(true);
    CommonValueList->setEnabled(true);
    const QScopedValueRollback loading(LoadingCommon, true);
    CommonShownValues.clear();
    addRows();
}

void TInspectForm::ShowDynamicInput(int number, double maximum, double start)
{
    ShowElementWithCommon(number, [&] {
        const int startRow =
            AddCommonRow(QStringLiteral("Startwert"), QString::fromStdString(FormatDecimal(start)));
        CommonValueList->setEditMask(startRow, DecimalMask);
        const int maximumRow = AddCommonRow(QStringLiteral("Maximalwert"),
                                            QString::fromStdString(FormatDecimal(maximum)));
        CommonValueList->setEditMask(maximumRow, DecimalMask);
    });
}

void TInspectForm::ShowTextElement(int number, const QStringList &lines)
{
    ShowElementWithCommon(number, [&] {
        const int row = AddCommonRow(TextLinesKey, TextLinesMarker);
        CommonValueList->setEditStyle(row, ValueListEditor::EditStyle::Ellipsis);
        CommonValueList->setReadOnly(row, true);
        CurrentTextLines = lines;
    });
}

void TInspectForm::ShowHistoryElement(int number, const QList<QStringList> &table)
{
    ShowElementWithCommon(number, [&] {
        const int row = AddCommonRow(HistoryKey, HistoryMarker);
        CommonValueList->setEditStyle(row, ValueListEditor::EditStyle::Ellipsis);
        CommonValueList->setReadOnly(row, true);
        CurrentHistoryTable = table;
    });
}

void TInspectForm::appendElementEntry(int number, const QString &name)
{
    ComboBox->addItem(QString::fromStdString(FormatElementNumber(number)) + QStringLiteral("  ") +
                      name);
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
    if (CommonValueList->itemCount() != 1)
        return;
    if (CommonValueList->valueOfKey(TextLinesKey) == TextLinesMarker)
        openEditor(m_linesForm);
    else if (CommonValueList->valueOfKey(HistoryKey) == HistoryMarker)
        openEditor(m_dataForm);
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
