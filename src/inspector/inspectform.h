#pragma once

#include "model/attributes.h"

#include <QStringList>
#include <QWidget>

#include <vector>

class QComboBox;
class QLabel;
class QTabBar;

namespace talvex {

class FrameFollower;
struct FrameExtents;
class InspectorHost;
class ElementModel;
class TDataForm;
class TLinesForm;
class TValueEditorForm;
class ValueListEditor;

// The inspector: the element list, the element's own attributes, the cell-spanning attributes
// of dynamic inputs, text and history elements, and one tab per cell with that cell's
// properties. It reads element records and never writes them; edited values are normalised in
// the lists and stored nowhere.
class TInspectForm : public QWidget
{
    Q_OBJECT

public:
    static constexpr int DesignClientWidth = 141;
    static constexpr int DesignOuterHeight = 447;
    static constexpr int DesignOuterTop = 446;

    TInspectForm(InspectorHost &host, const ElementModel &model, QWidget *parent = nullptr);
    ~TInspectForm() override;

    // The editors opened by the ellipsis buttons; created after the inspector.
    void setEditors(TLinesForm *linesForm, TDataForm *dataForm);

    void ShowElement(int number);
    void ShowDynamicInput(int number, double maximum, double start);
    void ShowTextElement(int number, const QStringList &lines);
    void ShowHistoryElement(int number, const QList<QStringList> &table);

    // Appends the element list entry of a new element and selects it, without ComboBoxChange.
    void appendElementEntry(int number);
    bool hasSelectedEntry() const;
    // Draws a 24 x 24 tile into CellImg.
    void setCellImage(const QImage &tile);
    const QImage &cellImage() const { return m_cellImage; }

    // Handlers.
    void FormResize();
    void ComboBoxChange(int index);
    void ElementValueListStringsChange(ValueListEditor *sender);
    void CommonValueListEditButtonClick();
    void FormMouseMove();
    void CellTabControlChange(int tab);

    QWidget *ComponTopPanel = nullptr;
    QComboBox *ComboBox = nullptr;
    QLabel *ComponLabel = nullptr;
    ValueListEditor *ElementValueList = nullptr;
    QWidget *CellPanel = nullptr;
    QLabel *CommonLabel = nullptr;
    ValueListEditor *CommonValueList = nullptr;
    QWidget *CellTabControl = nullptr;
    QTabBar *CellTabBar = nullptr;
    QWidget *CellTopPanel = nullptr;
    QLabel *CellImg = nullptr;
    ValueListEditor *CellValueList = nullptr;

    // The values each list was loaded with; edits are normalised against them.
    const QStringList &elementShownValues() const { return ElementShownValues; }
    const QStringList &commonShownValues() const { return CommonShownValues; }
    // Raised while the lists are filled and while the change handler rewrites a value; a change
    // reported meanwhile is left as it is (LoadingCommon: in the cell-spanning list only).
    bool isNormalizing() const { return Normalizing; }
    bool isLoadingElement() const { return LoadingElement; }
    bool isLoadingCommon() const { return LoadingCommon; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void FormCreate();
    // Outer top-left (0, design top), outer width up to the host's outer left, the design outer
    // height; in the frame the window manager draws.
    void applyOuterRule(const FrameExtents &frame);
    // ShowElement(number), then the cell-spanning rows, appended while LoadingCommon is set.
    void ShowElementWithCommon(int number, const std::vector<AttributeRow> &rows);
    // Append a row and its shown value.
    void AddElementRow(const AttributeRow &row);
    void AddCommonRow(const AttributeRow &row);
    // Kind that draws cell 0, 1, ... of the shown element; 0 for the sheet or no such cell.
    int cellKind(int cell) const;
    void showCellProperties(int cell);
    void openEditor(TValueEditorForm *editor);
    void attachFormMouseMove(QWidget *widget);

    InspectorHost &m_host;
    const ElementModel &m_model;
    FrameFollower *m_frameRule = nullptr;
    TLinesForm *m_linesForm = nullptr;
    TDataForm *m_dataForm = nullptr;
    // The kinds that draw the shown element's cells, in the order of the tabs.
    std::vector<std::uint16_t> m_shownCells;
    // The cell-spanning rows shown; an ellipsis button opens the editor its row names.
    std::vector<AttributeRow> m_commonRows;

    bool Normalizing = false;
    bool LoadingElement = false;
    QStringList ElementShownValues;
    bool LoadingCommon = false;
    QStringList CommonShownValues;
    QImage m_cellImage;
};

} // namespace talvex
