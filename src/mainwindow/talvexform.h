#pragma once

#include "inspector/inspectorhost.h"
#include "mainwindow/sheet.h"
#include "model/focusorder.h"
#include "model/geometry.h"
#include "model/palette.h"
#include "pictures/pictures.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace talvex {

class ClickableImage;
class ElementModel;
class FrameFollower;
struct FrameExtents;
class RovingFocus;
class SheetView;
class TAboutTalvexForm;
class TInspectForm;

// The main window: menu, tool bars, component palette with the conductor-kind selectors, the
// drawing sheet and the status bar. It owns the pictures and the two sheet layers, wires the
// widgets to the palette state and the placing logic, and is the inspector's host.
class TTalvexForm : public QMainWindow, public InspectorHost
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 1004;
    static constexpr int OuterWidth = 1012;
    static constexpr int OuterHeight = 957;
    // Client height where no window manager frames the window; under one the client height
    // follows the frame so that the outer height stays OuterHeight.
    static constexpr int DesignClientHeight = 927;

    // Builds the window, then the element model for the sheet's size. A sheet larger than the
    // occupancy grid ends the process with exit code 1 after its error boxes; clientHeight other
    // than the design value lets tests build such a sheet.
    explicit TTalvexForm(ElementModel &model, QWidget *parent = nullptr,
                         int clientHeight = DesignClientHeight);
    ~TTalvexForm() override;

    // The windows created after this one. They may come later: the factory is called once,
    // when the inspector or the about box is first needed, and calls setCompanions.
    void setCompanions(TInspectForm *inspector, TAboutTalvexForm *aboutBox);
    void setCompanionFactory(std::function<void()> create);

    const Pictures &pictures() const { return m_pictures; }
    const SheetLayers &sheet() const { return m_sheet; }
    int sheetColumns() const { return m_columns; }
    int sheetRows() const { return m_rows; }
    PaletteState &palette() { return m_palette; }
    const PaletteState &palette() const { return m_palette; }

    // The inspector's host.
    int hostLeft() const override;
    void RefreshSheet() override;
    void markElement(const PixelRect &rect) override;
    // Tile picture of kind 1 to 283; a null image for an unused kind.
    const QImage &kindTile(int kind) const override;
    QStyle *compactStyle() const override { return m_compactStyle; }

    // Handlers and commands.
    void ExitClick();
    void AttributeInspectClick();
    void AboutClick();
    void TopPanelMouseMove() override;
    void ChooseTool(PaletteButton button);
    void chooseConductorKind(int kind);
    void ForegroundImgMouseMove(QPoint position);
    // menuAt is where a right click's menu opens: the mouse's or the keyboard pointer's place on
    // the screen; without it the mouse's current place.
    void ForegroundImgMouseDown(Qt::MouseButton button, QPoint position,
                                std::optional<QPoint> menuAt = std::nullopt);
    void OrientClick();
    void ShowInspector();
    // F6 and Shift+F6: the next or previous of palette, conductor kinds, sheet and inspector.
    void cycleFocusArea(bool forward);
    std::optional<FocusArea> focusArea() const;

    // What the user sees, for tests and tools.
    QString statusText(int panel) const;
    QToolButton *paletteButton(PaletteButton button) const;
    ClickableImage *selectorImage(int kind) const { return m_selectors[kind]; }
    SheetView *sheetView() const { return m_sheetView; }
    QMenu *orientPopupMenu() const { return m_orientPopupMenu; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Actions and buttons of the palette stand in the model's order of the buttons.
    static std::size_t actionSlot(PaletteButton button)
    {
        return static_cast<std::size_t>(palettePosition(button) - 1);
    }

    void FormCreate();
    void placeOnScreen(const FrameExtents &frame);
    // The outer left the rule gives a window of that outer width.
    static int outerLeft(int outerWidth);
    // Client height and position from the outer sizes, in the frame the window manager draws.
    void applyOuterRule(const FrameExtents &frame);
    // The sheet size the panel gives now.
    SheetGeometry panelSheetGeometry();
    // Sizes the sheet picture and takes its grid.
    void takeSheetGeometry(const SheetGeometry &geometry);
    // The sheet after the panel changed size (a window manager's frame arrived): before anything
    // is placed it takes the new size, rebuilding the element model for a new grid; afterwards,
    // or for a grid larger than the occupancy grid, it keeps what it has.
    void followSheetPanel();
    void createActions();
    void createMenus();
    void createTopPanel();
    void createPalette(QWidget *rightPanel);
    void createSheetPanel();
    void createStatusBar();
    void attachTopPanelMouseMove(QWidget *widget);
    void createKeyboardAccess();
    // Repaints the part of the visible sheet that changed.
    void updateSheet(const QRect &changed);
    void syncPalette();
    void placeElement(QPoint position);
    QAction *makeAction(const QString &name, const QString &text, bool enabled = true);
    // The companions, created through the factory if they do not exist yet.
    TInspectForm *inspector();
    TAboutTalvexForm *aboutBox();

    ElementModel &m_model;
    Pictures m_pictures;
    SheetLayers m_sheet;
    PaletteState m_palette;
    QStyle *m_compactStyle = nullptr;
    const int m_designClientHeight;
    int m_columns = 0;
    int m_rows = 0;
    FrameFollower *m_frameRule = nullptr;

    TInspectForm *m_inspector = nullptr;
    TAboutTalvexForm *m_aboutBox = nullptr;
    std::function<void()> m_createCompanions;

    QFrame *m_topPanel = nullptr;
    QFrame *m_foregroundPanel = nullptr;
    SheetView *m_sheetView = nullptr;
    std::array<ClickableImage *, 3> m_selectors{};
    std::array<QImage, 3> m_selectorCanvas;
    std::array<QAction *, PaletteButtonCount> m_paletteActions{};
    std::array<QLabel *, 4> m_statusPanels{};
    RovingFocus *m_paletteFocus = nullptr;
    RovingFocus *m_kindFocus = nullptr;
    QAction *m_attributeInspect = nullptr;
    QMenu *m_orientPopupMenu = nullptr;
    QAction *m_orient = nullptr;
};

} // namespace talvex
