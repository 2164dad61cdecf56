#include "mainwindow/talvexform.h"

#include "inspector/announcement.h"
#include "inspector/framefollower.h"
#include "inspector/inspectform.h"
#include "mainwindow/aboutform.h"
#include "mainwindow/compactstyle.h"
#include "mainwindow/palettelayout.h"
#include "mainwindow/rovingfocus.h"
#include "mainwindow/sheetview.h"
#include "model/elementmodel.h"
#include "model/fatal.h"
#include "model/geometry.h"
#include "model/placing.h"
#include "pictures/ink.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace talvex {

namespace {

// Actions and buttons of the palette stand in the model's order of the buttons.
std::size_t slot(PaletteButton button)
{
    return static_cast<std::size_t>(palettePosition(button) - 1);
}

struct GroupLabelInfo
{
    const char *name;
    const char *caption;
    int left;
};

constexpr std::array<GroupLabelInfo, 11> GroupLabels = {{
    {"ConnectLabel", "Verbind.", 4},
    {"ForkLabel", "Abzwg.", 48},
    {"DivideLabel", "Aufteil.", 88},
    {"MixerLabel", "Mischer", 125},
    {"InputLabel", "Eingeber", 193},
    {"TransformLabel", "Wandler", 279},
    {"DeciderLabel", "Entscheider", 341},
    {"EditLabel", "Verarbeiter", 461},
    {"SignalLabel", "Anzeiger/Aufzeichner", 597},
    {"TextLabel", "Text", 737},
    {"PointLabel", "Aufheber", 767},
}};

struct LeftButtonInfo
{
    const char *name;
    int icon;
    const char *hint;
    bool enabled;
};

constexpr std::array<LeftButtonInfo, 7> LeftTopButtons = {{
    {"NewTBtn", 0, "Neues Projekt", true},
    {"OpenTBtn", 1, "Projekt öffnen...", true},
    {"SaveTBtn", 2, "Projekt speichern", false},
    {"SaveAsTBtn", 3, "Speichern als...", false},
    {"UndoTBtn", 5, "Rückgängig machen", false},
    {"RedoTBtn", 6, "Wiederholen ", false},
    {"GenerateTBtn", 4, "Simulator generieren!", false},
}};

constexpr std::array<LeftButtonInfo, 7> LeftBotButtons = {{
    {"CutTBtn", 0, "Ausschneiden", true},
    {"CopyTBtn", 1, "Kopieren", true},
    {"PasteTBtn", 2, "Einfügen", true},
    {"PrnSetupTBtn", 3, "Druckereinstellungen...", true},
    {"PrintTBtn", 4, "Drucken...", false},
    {"HelpTBtn", 5, "Hilfe", true},
    {"ExitTBtn", 6, "Beenden", true},
}};

// The sheet panel: one pixel of border around a raised bevel of four. While the sheet has the
// focus the border and the bevel's outer ring show it in the highlight colour; the sheet
// picture itself stays as it is.
class BevelPanel : public QFrame
{
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        drawRaisedBevel(painter, rect().adjusted(1, 1, -1, -1), 4);
        const bool focused = focusProxyHasFocus();
        painter.setPen(palette().color(focused ? QPalette::Highlight : QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        if (focused)
            painter.drawRect(rect().adjusted(1, 1, -2, -2));
    }

private:
    bool focusProxyHasFocus() const
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus && focus->parentWidget() == this;
    }

    // The pixels of qDrawShadePanel(raised), filled row by row: its line drawing costs more than
    // the rest of the first frame's sheet panel.
    void drawRaisedBevel(QPainter &painter, const QRect &r, int lineWidth) const
    {
        const QColor light = palette().color(QPalette::Light);
        const QColor dark = palette().color(QPalette::Dark);
        const int x = r.x();
        const int y = r.y();
        const int w = r.width();
        const int h = r.height();
        for (int i = 0; i < lineWidth; ++i) {
            painter.fillRect(QRect(x, y + i, w - 1 - i, 1), light);
            painter.fillRect(QRect(x + i, y + i, 1, h - 1 - 2 * i), light);
        }
        for (int i = 0; i < lineWidth; ++i) {
            painter.fillRect(QRect(x + i, y + h - 1 - i, w - i, 1), dark);
            painter.fillRect(QRect(x + w - 1 - i, y + i, 1, h - lineWidth - i), dark);
        }
    }
};

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

TTalvexForm::TTalvexForm(QWidget *parent, int clientHeight)
    : QMainWindow(parent)
    , m_palette(elementModel().toolClasses)
    , m_compactStyle(new CompactStyle)
    , m_designClientHeight(clientHeight)
{
    m_compactStyle->setParent(this);
    setObjectName(QStringLiteral("TalvexForm"));
    setWindowTitle(QStringLiteral("Talvex™"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFont(QFont(font().family(), 8));
    // The frame belongs to the window manager: the client area has the fixed width and the
    // user cannot resize the window.
    setFixedSize(ClientWidth, clientHeight);

    createActions();
    createMenus();
    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("TalvexFormClient"));
    auto *column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    setCentralWidget(central);
    createTopPanel();
    column->addWidget(m_topPanel);
    createSheetPanel();
    column->addWidget(m_foregroundPanel, 1);
    createStatusBar();
    createKeyboardAccess();

    FormCreate();
}

TTalvexForm::~TTalvexForm() = default;

QAction *TTalvexForm::makeAction(const QString &name, const QString &caption, bool enabled)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

void TTalvexForm::createActions()
{
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton button = paletteButtonAt(position);
        const PaletteButtonLayout &info = paletteButtonLayout(button);
        QAction *action = makeAction(text(info.name), text(info.hint));
        action->setToolTip(text(info.hint));
        action->setCheckable(true);
        action->setIcon(QIcon(QPixmap::fromImage(m_pictures.elemImg(button))));
        connect(action, &QAction::triggered, this, [this, button] { ChooseTool(button); });
        m_paletteActions[slot(button)] = action;
    }

    m_orient = makeAction(QStringLiteral("Orient"), QStringLiteral(" Orientierung ändern"));
    connect(m_orient, &QAction::triggered, this, &TTalvexForm::OrientClick);
}

void TTalvexForm::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    auto addMenu = [bar](const char *name, const char *title) {
        QMenu *menu = bar->addMenu(text(title));
        menu->setObjectName(text(name));
        menu->setToolTipsVisible(true);
        return menu;
    };
    auto addItem = [this](QMenu *menu, const char *name, const char *caption) {
        QAction *action = makeAction(text(name), text(caption));
        menu->addAction(action);
        return action;
    };

    QMenu *files = addMenu("Files", "Datei ");
    addItem(files, "New", "Neues Projekt");
    addItem(files, "Open", "Öffnen");
    addItem(files, "Save", "Projekt speichern");
    addItem(files, "SaveAs", "Speichern als...");
    files->addSeparator();
    addItem(files, "PrnSetup", "Druckereinstellungen");
    addItem(files, "Print", "Drucken");
    files->addSeparator();
    QAction *exit = addItem(files, "Exit", "Beenden");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->setShortcutContext(Qt::ApplicationShortcut);
    connect(exit, &QAction::triggered, this, &TTalvexForm::ExitClick);

    QMenu *edit = addMenu("Edit", "Bearbeiten ");
    addItem(edit, "Undo", "Rückgängig");
    addItem(edit, "Redo", "Wiederholen")->setToolTip(QStringLiteral("Redo"));
    edit->addSeparator();
    addItem(edit, "Cut", "Ausschneiden...");
    addItem(edit, "Copy", "Kopieren");
    addItem(edit, "Paste", "Einfügen");
    addItem(edit, "SelectAll", "Alles markieren");

    QMenu *view = addMenu("View", "Ansicht ");
    QAction *design = addItem(view, "Design", "Entwurfsmodus");
    design->setCheckable(true);
    design->setChecked(true);
    // Design mode is the only mode: choosing it keeps the check mark.
    connect(design, &QAction::toggled, design, [design] { design->setChecked(true); });
    view->setDefaultAction(design);
    addItem(view, "Diagram", "Diagrammansicht");

    QMenu *project = addMenu("Project", "Projekt ");
    addItem(project, "Generate", "Programm erzeugen");

    QMenu *tools = addMenu("Tools", "Werkzeuge ");
    m_attributeInspect = addItem(tools, "AttributeInspect", "Merkmal-Einsteller");
    m_attributeInspect->setCheckable(true);
    // The check mark follows the inspector's real visibility, never the click's own toggle.
    connect(m_attributeInspect, &QAction::triggered, this, &TTalvexForm::AttributeInspectClick);
    addItem(tools, "Beautifier", "Schön anordnen");

    QMenu *help = addMenu("Help", "Hilfe");
    addItem(help, "Content", "Inhalt")->setEnabled(false);
    help->addSeparator();
    connect(addItem(help, "About", "Über Talvex..."), &QAction::triggered, this,
            &TTalvexForm::AboutClick);

    m_orientPopupMenu = new QMenu(this);
    m_orientPopupMenu->setObjectName(QStringLiteral("OrientPopupMenu"));
    m_orientPopupMenu->addAction(m_orient);
}

void TTalvexForm::createTopPanel()
{
    m_topPanel = new QFrame;
    m_topPanel->setObjectName(QStringLiteral("TopPanel"));
    m_topPanel->setFixedHeight(57);
    m_topPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    m_topPanel->setLineWidth(1);
    m_topPanel->setAutoFillBackground(true);
    QPalette silver = m_topPanel->palette();
    silver.setColor(QPalette::Window, QColor(ink::Silver));
    m_topPanel->setPalette(silver);
    attachTopPanelMouseMove(m_topPanel);

    auto *leftPanel = new QWidget(m_topPanel);
    leftPanel->setObjectName(QStringLiteral("LeftPanel"));
    leftPanel->setGeometry(1, 1, 165, 55);
    attachTopPanelMouseMove(leftPanel);

    auto makeLeftBar = [&](const char *name, int top, int height,
                           const std::array<LeftButtonInfo, 7> &buttons, bool upper) {
        auto *bar = new QToolBar(leftPanel);
        bar->setObjectName(text(name));
        bar->setGeometry(0, top, 165, height);
        bar->setMovable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setStyle(m_compactStyle);
        for (const LeftButtonInfo &info : buttons) {
            QAction *action = makeAction(text(info.name), text(info.hint), info.enabled);
            action->setToolTip(text(info.hint));
            const QImage &icon =
                upper ? m_pictures.imageList1(info.icon) : m_pictures.imageList2(info.icon);
            action->setIcon(QIcon(QPixmap::fromImage(icon)));
            bar->addAction(action);
            QWidget *button = bar->widgetForAction(action);
            button->setObjectName(text(info.name));
            button->setAccessibleName(text(info.hint).trimmed());
            button->setFixedSize(23, height - 2);
        }
        attachTopPanelMouseMove(bar);
        return bar;
    };
    makeLeftBar("LeftTopToolBar", 0, 29, LeftTopButtons, true);
    QToolBar *bottom = makeLeftBar("LeftBotToolBar", 27, 28, LeftBotButtons, false);
    connect(bottom->actions().last(), &QAction::triggered, this, &TTalvexForm::ExitClick);

    auto *midPanel = new QWidget(m_topPanel);
    midPanel->setObjectName(QStringLiteral("MidPanel"));
    midPanel->setGeometry(166, 1, 28, 55);
    midPanel->setAutoFillBackground(true);
    QPalette desktop = midPanel->palette();
    desktop.setColor(QPalette::Window, QColor(0, 128, 128));
    midPanel->setPalette(desktop);
    attachTopPanelMouseMove(midPanel);

    auto *logo = new QLabel(midPanel);
    logo->setObjectName(QStringLiteral("VorqLogo"));
    logo->setAccessibleName(QStringLiteral("Talvex"));
    logo->setGeometry(1, 0, 26, 25);
    logo->setPixmap(QPixmap::fromImage(m_pictures.logo(false)));
    logo->setAttribute(Qt::WA_NoMousePropagation);

    static constexpr std::array<const char *, 3> SelectorNames = {"wSelectImg", "vSelectImg",
                                                                  "eSelectImg"};
    for (int kind = 0; kind < 3; ++kind) {
        auto *selector = new ClickableImage(midPanel);
        selector->setObjectName(text(SelectorNames[static_cast<std::size_t>(kind)]));
        selector->setGeometry(1, 25 + kind * 10, 26, 10);
        m_selectorCanvas[static_cast<std::size_t>(kind)] = QImage(26, 10, QImage::Format_RGB32);
        m_selectorCanvas[static_cast<std::size_t>(kind)].fill(ink::Silver);
        selector->setAccessibleName(QString::fromStdString(conductorKindName(kind)));
        connect(selector, &ClickableImage::clicked, this,
                [this, kind] { chooseConductorKind(kind); });
        m_selectors[static_cast<std::size_t>(kind)] = selector;
    }
    // The three selectors are one radio group: Up and Down choose the neighbouring kind.
    m_kindFocus = new RovingFocus(RovingFocus::Axis::Vertical, true, this);
    m_kindFocus->setMembers({m_selectors.begin(), m_selectors.end()},
                            [this](int kind) { m_selectors[std::size_t(kind)]->click(); });
    // Only the decisions selector erases the outline; the other two keep it.
    attachTopPanelMouseMove(m_selectors[2]);
    m_selectors[0]->setAttribute(Qt::WA_NoMousePropagation);
    m_selectors[1]->setAttribute(Qt::WA_NoMousePropagation);

    auto *rightPanel = new QWidget(m_topPanel);
    rightPanel->setObjectName(QStringLiteral("RightPanel"));
    rightPanel->setGeometry(194, 1, 809, 55);
    attachTopPanelMouseMove(rightPanel);
    // The labels stand over their groups in the window font.
    QFont groupFont = font();
    groupFont.setPointSize(8);
    for (const GroupLabelInfo &info : GroupLabels) {
        auto *label = new QLabel(text(info.caption), rightPanel);
        label->setObjectName(text(info.name));
        label->setFont(groupFont);
        label->move(info.left, 2);
        label->adjustSize();
        QPalette grey = label->palette();
        grey.setColor(QPalette::WindowText, QColor(128, 128, 128));
        label->setPalette(grey);
        label->setAttribute(Qt::WA_NoMousePropagation);
    }
    createPalette(rightPanel);
}

void TTalvexForm::createPalette(QWidget *rightPanel)
{
    auto *coolBar = new QFrame(rightPanel);
    coolBar->setObjectName(QStringLiteral("CoolBar"));
    coolBar->setGeometry(0, 17, 809, 38);
    coolBar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    attachTopPanelMouseMove(coolBar);

    auto *bar = new QToolBar(coolBar);
    bar->setObjectName(QStringLiteral("ComponToolBar"));
    // The last button ends at 793: a bar of 792 would move it into the overflow menu.
    bar->setGeometry(9, 0, 800, 33);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(CellSize, CellSize));
    bar->setContentsMargins(0, 0, 0, 0);
    bar->setStyle(m_compactStyle);
    attachTopPanelMouseMove(bar);

    const std::span<const PaletteButton> separators = paletteSeparatorsAfter();
    std::size_t separator = 0;
    QList<QWidget *> buttons;
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton shown = paletteButtonAt(position);
        QAction *action = m_paletteActions[slot(shown)];
        bar->addAction(action);
        QWidget *button = bar->widgetForAction(action);
        button->setObjectName(action->objectName());
        button->setAccessibleName(action->toolTip());
        button->setFixedSize(31, 30);
        button->setAttribute(Qt::WA_NoMousePropagation);
        buttons.append(button);
        if (separator < separators.size() && separators[separator] == shown) {
            auto *gap = new QFrame;
            gap->setObjectName(QStringLiteral("Separator%1").arg(separator + 1));
            gap->setFixedSize(8, 30);
            if (separator + 1 < separators.size())
                gap->setFrameStyle(QFrame::VLine | QFrame::Sunken);
            bar->addWidget(gap);
            ++separator;
        }
    }
    // One tab stop for the palette; Return clicks the focused button, Space does it anyway.
    m_paletteFocus = new RovingFocus(RovingFocus::Axis::Horizontal, false, this);
    m_paletteFocus->setMembers(
        buttons, [buttons](int member) { static_cast<QToolButton *>(buttons[member])->click(); });
}

void TTalvexForm::createSheetPanel()
{
    m_foregroundPanel = new BevelPanel;
    m_foregroundPanel->setObjectName(QStringLiteral("ForegroundPanel"));
    attachTopPanelMouseMove(m_foregroundPanel);
    m_sheetView = new SheetView(m_sheet, m_foregroundPanel);
    m_sheetView->setObjectName(QStringLiteral("ForegroundImg"));
    m_sheetView->setAccessibleName(QStringLiteral("Zeichenfläche"));
    connect(m_sheetView, &SheetView::mouseMoved, this, &TTalvexForm::ForegroundImgMouseMove);
    connect(m_sheetView, &SheetView::mousePressed, this,
            [this](Qt::MouseButton button, QPoint position, QPoint globalPosition) {
                ForegroundImgMouseDown(button, position, globalPosition);
            });
    // Escape on the sheet is a click on the pointer tool.
    connect(m_sheetView, &SheetView::escapePressed, this,
            [this] { paletteButton(PaletteButton::PointerTBtn)->click(); });
}

void TTalvexForm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    bar->setStyle(m_compactStyle);
    static constexpr std::array<int, 4> Widths = {230, 100, 640, 20};
    static constexpr std::array<const char *, 4> Names = {"Vorauswahl", "Modus", "Meldung",
                                                          "Zustand"};
    for (std::size_t i = 0; i < Widths.size(); ++i) {
        auto *panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // A new preselection is read out as it appears.
        if (i == 0)
            exposeAsNotification(panel);
        // Assistive technology reads the panel's text as its name; the description says which
        // panel it is.
        panel->setAccessibleDescription(text(Names[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setFixedWidth(Widths[i]);
        bar->addWidget(panel);
        m_statusPanels[i] = panel;
    }
    m_statusPanels[1]->setText(QStringLiteral("Entwurfsmodus"));
    // The status bar does not erase the pointer outline: its moves stop here.
    bar->setAttribute(Qt::WA_NoMousePropagation);
}

void TTalvexForm::createKeyboardAccess()
{
    // Tab walks palette, conductor kinds and sheet in this order.
    QList<QWidget *> chain = m_paletteFocus->members();
    chain += m_kindFocus->members();
    // Qt orders only widgets that take the focus: the stops are set again afterwards.
    for (QWidget *member : std::as_const(chain))
        member->setFocusPolicy(Qt::TabFocus);
    chain.append(m_sheetView);
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    m_paletteFocus->setStop(m_paletteFocus->stop());
    m_kindFocus->setStop(m_kindFocus->stop());

    // F6 works in the inspector too; a modal editor blocks it as it blocks the windows.
    auto *nextArea = new QShortcut(QKeySequence(Qt::Key_F6), this);
    nextArea->setContext(Qt::ApplicationShortcut);
    connect(nextArea, &QShortcut::activated, this, [this] { cycleFocusArea(true); });
    auto *previousArea = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F6), this);
    previousArea->setContext(Qt::ApplicationShortcut);
    connect(previousArea, &QShortcut::activated, this, [this] { cycleFocusArea(false); });

    auto *menus = new QShortcut(QKeySequence(Qt::Key_F10), this);
    connect(menus, &QShortcut::activated, this,
            [this] { menuBar()->setActiveAction(menuBar()->actions().constFirst()); });
}

std::optional<FocusArea> TTalvexForm::focusArea() const
{
    const QWidget *focus = QApplication::focusWidget();
    if (m_inspector &&
        (QApplication::activeWindow() == m_inspector || (focus && focus->window() == m_inspector)))
        return FocusArea::Inspector;
    if (!focus)
        return std::nullopt;
    if (m_paletteFocus->members().contains(focus))
        return FocusArea::Palette;
    if (m_kindFocus->members().contains(focus))
        return FocusArea::ConductorKinds;
    if (focus == m_sheetView)
        return FocusArea::Sheet;
    return std::nullopt;
}

void TTalvexForm::cycleFocusArea(bool forward)
{
    const bool inspectorShown = m_inspector && m_inspector->isVisible();
    const FocusArea next = nextFocusArea(focusArea(), forward, inspectorShown);
    if (next == FocusArea::Inspector) {
        m_inspector->raise();
        m_inspector->activateWindow();
        QWidget *last = m_inspector->focusWidget();
        (last ? last : static_cast<QWidget *>(m_inspector->ComboBox))
            ->setFocus(Qt::OtherFocusReason);
        return;
    }
    activateWindow();
    switch (next) {
    case FocusArea::Palette:
        m_paletteFocus->focusStop(Qt::OtherFocusReason);
        break;
    case FocusArea::ConductorKinds:
        m_kindFocus->focusStop(Qt::OtherFocusReason);
        break;
    default:
        m_sheetView->setFocus(Qt::OtherFocusReason);
        break;
    }
}

void TTalvexForm::attachTopPanelMouseMove(QWidget *widget)
{
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool TTalvexForm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_inspector) {
        // The inspector's own close box hides it too: the menu's check mark follows.
        if (event->type() == QEvent::Show || event->type() == QEvent::Hide)
            m_attributeInspect->setChecked(m_inspector->isVisible());
        return QMainWindow::eventFilter(watched, event);
    }
    if (event->type() == QEvent::MouseMove)
        TopPanelMouseMove();
    return QMainWindow::eventFilter(watched, event);
}

void TTalvexForm::FormCreate()
{
    // The palette state starts with the pointer tool (its constructor); the rest sets up the
    // window and the sheet from the panel's real size.
    placeOnScreen();
    attachTopPanelMouseMove(this);
    layoutSheet();

    m_statusPanels[2]->clear();
    // The analogue display button shows the analogue display's own tile.
    m_paletteActions[slot(PaletteButton::AnalogTBtn)]->setIcon(
        QIcon(QPixmap::fromImage(m_pictures.tile(u"AnalogImg"))));
    syncPalette();
    m_frameRule = new FrameFollower(this, [this](const FrameExtents &) { applyOuterRule(); });
}

void TTalvexForm::placeOnScreen()
{
    // move() places the outer frame, so the rule's outer size gives the position directly.
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(mainWindowLeft(area.width(), OuterWidth), mainWindowTop(area.height(), OuterHeight));
    }
}

void TTalvexForm::applyOuterRule()
{
    // Under a window manager the client gives way to its frame so that the outer height holds;
    // without one the client keeps the design height.
    const FrameExtents frame = FrameFollower::windowManagerFrameOf(this);
    setFixedSize(ClientWidth, mainClientHeight(OuterHeight, frame, m_designClientHeight));
    placeOnScreen();
    layoutSheet();
}

void TTalvexForm::layoutSheet()
{
    layout()->activate();
    centralWidget()->layout()->activate();

    const SheetGeometry geometry =
        sheetGeometry(m_foregroundPanel->width(), m_foregroundPanel->height());
    const QRect image(geometry.imageLeft, geometry.imageTop, geometry.imageWidth,
                      geometry.imageHeight);
    const bool sameGrid = geometry.columns == m_columns && geometry.rows == m_rows;
    // A sheet of unchanged size keeps what is drawn on it.
    if (sameGrid && m_sheetView->geometry() == image && !m_sheet.foreground().isNull())
        return;
    m_sheetView->setGeometry(image);
    m_sheet.create(image.size());
    m_columns = geometry.columns;
    m_rows = geometry.rows;
    if (!geometry.fits()) {
        // A sheet larger than the occupancy grid ends start-up after both limits are reported.
        for (const std::string &message : {geometry.horizontalError, geometry.verticalError})
            if (!message.empty())
                reportFatal(message, 1);
        std::exit(1);
    }
    if (!sameGrid)
        elementModel().BuildElementModel(m_columns, m_rows);
}

void TTalvexForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The sheet follows the panel once the window exists; the frame rule resizes the client.
    if (m_frameRule)
        layoutSheet();
}

const QImage &TTalvexForm::kindTile(int kind) const
{
    // Looks the kind up first, which checks the kind number; an unused kind has no tile name.
    return m_pictures.tile(QString::fromStdString(elementModel().kinds.kind(kind).tile));
}

void TTalvexForm::setCompanions(TInspectForm *inspector, TAboutTalvexForm *aboutBox)
{
    m_inspector = inspector;
    m_aboutBox = aboutBox;
    if (m_inspector)
        m_inspector->installEventFilter(this);
}

void TTalvexForm::setCompanionFactory(std::function<void()> create)
{
    m_createCompanions = std::move(create);
}

TInspectForm *TTalvexForm::inspector()
{
    if (!m_inspector && m_createCompanions)
        std::exchange(m_createCompanions, {})();
    return m_inspector;
}

TAboutTalvexForm *TTalvexForm::aboutBox()
{
    inspector();
    return m_aboutBox;
}

int TTalvexForm::hostLeft() const
{
    return FrameFollower::outerGeometry(this).left();
}

void TTalvexForm::RefreshSheet()
{
    updateSheet(m_sheet.RefreshSheet());
}

void TTalvexForm::markElement(const PixelRect &rect)
{
    updateSheet(m_sheet.drawCornerMarks(rect, m_pictures.blackImg()));
}

void TTalvexForm::updateSheet(const QRect &changed)
{
    if (!changed.isEmpty())
        m_sheetView->update(changed);
}

QString TTalvexForm::statusText(int panel) const
{
    return m_statusPanels.at(static_cast<std::size_t>(panel))->text();
}

QToolButton *TTalvexForm::paletteButton(PaletteButton button) const
{
    return findChild<QToolButton *>(text(paletteButtonLayout(button).name));
}

void TTalvexForm::syncPalette()
{
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton button = paletteButtonAt(position);
        QAction *action = m_paletteActions[slot(button)];
        action->setChecked(m_palette.isPressed(button));
        action->setEnabled(m_palette.isEnabled(button));
        // Tab reaches the pressed button.
        if (m_palette.isPressed(button))
            m_paletteFocus->setStop(position - 1);
    }
    for (int kind = 0; kind < 3; ++kind) {
        const std::size_t k = static_cast<std::size_t>(kind);
        const QImage &source = m_pictures.selectorSource(kind, kind == m_palette.conductorKind());
        // The copy leaves the last, silver column of the picture as it is.
        QPainter painter(&m_selectorCanvas[k]);
        painter.drawImage(QPoint(0, 0), source, QRect(0, 0, 25, 10));
        painter.end();
        m_selectors[k]->setImage(m_selectorCanvas[k]);
        const QString hint = QString::fromStdString(m_palette.selectorHint(kind));
        m_selectors[k]->setToolTip(hint);
        m_selectors[k]->setChecked(kind == m_palette.conductorKind());
    }
    m_kindFocus->setStop(m_palette.conductorKind());

    const QString status = QString::fromStdString(m_palette.statusText());
    if (m_statusPanels[0]->text() != status) {
        m_statusPanels[0]->setText(status);
        announce(m_statusPanels[0]);
    }
}

void TTalvexForm::ChooseTool(PaletteButton button)
{
    m_palette.ChooseTool(button);
    if (m_aboutBox)
        m_aboutBox->hide();
    syncPalette();
}

void TTalvexForm::chooseConductorKind(int kind)
{
    m_palette.chooseConductorKind(kind);
    if (m_aboutBox)
        m_aboutBox->hide();
    syncPalette();
}

void TTalvexForm::ExitClick()
{
    close();
}

void TTalvexForm::closeEvent(QCloseEvent *event)
{
    // FormClose: nothing is asked; closing the main window ends the system.
    event->accept();
    QCoreApplication::quit();
}

void TTalvexForm::AboutClick()
{
    if (!aboutBox())
        return;
    m_aboutBox->show();
    m_aboutBox->raise();
    m_aboutBox->activateWindow();
}

void TTalvexForm::AttributeInspectClick()
{
    if (!inspector())
        return;
    m_inspector->setVisible(!m_inspector->isVisible());
    m_attributeInspect->setChecked(m_inspector->isVisible());
    if (m_attributeInspect->isChecked())
        m_inspector->raise();
}

void TTalvexForm::ShowInspector()
{
    if (!inspector())
        return;
    if (!m_inspector->isVisible()) {
        // The keys stay where they are: a window manager would give them to the new window.
        m_inspector->setAttribute(Qt::WA_ShowWithoutActivating);
        m_inspector->show();
        m_inspector->setAttribute(Qt::WA_ShowWithoutActivating, false);
        m_attributeInspect->setChecked(true);
    }
    if (!m_inspector->hasSelectedEntry())
        m_inspector->ShowElement(0);
    m_inspector->raise();
    raise();
    activateWindow();
}

void TTalvexForm::TopPanelMouseMove()
{
    if (m_palette.pointerToolActive())
        return;
    RefreshSheet();
}

void TTalvexForm::ForegroundImgMouseMove(QPoint position)
{
    if (m_palette.pointerToolActive())
        return;
    updateSheet(m_sheet.DrawOutline(position.x(), position.y(), m_palette.outlineWidth(),
                                    m_palette.outlineHeight()));
}

void TTalvexForm::OrientClick()
{
    if (m_palette.OrientClick())
        TopPanelMouseMove();
}

void TTalvexForm::ForegroundImgMouseDown(Qt::MouseButton button, QPoint position,
                                         std::optional<QPoint> menuAt)
{
    switch (button) {
    case Qt::RightButton:
        if (orientMenuOffered(m_palette.outlineWidth(), m_palette.outlineHeight(),
                              m_palette.chosenCategory().orientable != 0))
            m_orientPopupMenu->popup(menuAt.value_or(QCursor::pos()));
        return;
    case Qt::LeftButton:
        if (!m_palette.pointerToolActive())
            placeElement(position);
        ShowInspector();
        return;
    default:
        return;
    }
}

void TTalvexForm::placeElement(QPoint position)
{
    const std::optional<PlacedElement> placed = placeElementAt(
        elementModel(), m_palette, snapToGrid(position.x(), position.y()), m_columns, m_rows);
    if (!placed)
        return;

    // The inspector lists the element: it is created, if need be, before the sheet changes.
    inspector();
    const std::uint16_t number = placed->number;
    for (const TilePlacement &tile : placed->tiles)
        m_sheet.DrawTile(kindTile(tile.kind), tile.px, tile.py);
    RefreshSheet();
    m_inspector->appendElementEntry(number, QString::fromStdString(placed->category.name));
    m_inspector->setCellImage(kindTile(placed->firstTile));
    m_sheetView->announceElementPlaced(number);

    switch (m_palette.chosenToolClass()) {
    case ToolClassOf(PaletteButton::TextTBtn):
        m_inspector->ShowTextElement(number, QStringList());
        break;
    case ToolClassOf(PaletteButton::DynInputTBtn):
        m_inspector->ShowDynamicInput(number, 1.0, 0.5);
        break;
    case ToolClassOf(PaletteButton::HistoryTBtn):
        m_inspector->ShowHistoryElement(number, {});
        break;
    default:
        m_inspector->ShowElement(number);
        break;
    }

    m_palette.returnToPointerTool();
    syncPalette();
}

} // namespace talvex
