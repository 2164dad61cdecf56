#include "mainwindow/talvexform.h"

#include "mainwindow/bevelpanel.h"
#include "mainwindow/palettelayout.h"
#include "mainwindow/rovingfocus.h"
#include "mainwindow/sheetview.h"
#include "model/geometry.h"
#include "pictures/ink.h"
#include "widgets/handlerguard.h"

#include <QAction>
#include <QLabel>
#include <QToolBar>
#include <QToolButton>

namespace talvex {

namespace {

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

} // namespace

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
        bar->setObjectName(QString::fromUtf8(name));
        bar->setGeometry(0, top, 165, height);
        bar->setMovable(false);
        bar->setIconSize(QSize(16, 16));
        bar->setStyle(m_compactStyle);
        for (const LeftButtonInfo &info : buttons) {
            QAction *action = makeAction(QString::fromUtf8(info.name), QString::fromUtf8(info.hint),
                                         info.enabled);
            action->setToolTip(QString::fromUtf8(info.hint));
            const QImage &icon =
                upper ? m_pictures.imageList1(info.icon) : m_pictures.imageList2(info.icon);
            action->setIcon(QIcon(QPixmap::fromImage(icon)));
            bar->addAction(action);
            QWidget *button = bar->widgetForAction(action);
            button->setObjectName(QString::fromUtf8(info.name));
            button->setAccessibleName(QString::fromUtf8(info.hint).trimmed());
            button->setFixedSize(23, height - 2);
        }
        attachTopPanelMouseMove(bar);
        return bar;
    };
    makeLeftBar("LeftTopToolBar", 0, 29, LeftTopButtons, true);
    QToolBar *bottom = makeLeftBar("LeftBotToolBar", 27, 28, LeftBotButtons, false);
    connect(bottom->actions().last(), &QAction::triggered, this,
            guardedSlot(this, [this] { ExitClick(); }));

    auto *midPanel = new QWidget(m_topPanel);
    midPanel->setObjectName(QStringLiteral("MidPanel"));
    midPanel->setGeometry(166, 1, 28, 55);
    midPanel->setAutoFillBackground(true);
    QPalette desktop = midPanel->palette();
    desktop.setColor(QPalette::Window, QColor(ink::Teal));
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
        selector->setObjectName(QString::fromUtf8(SelectorNames[static_cast<std::size_t>(kind)]));
        selector->setGeometry(1, 25 + kind * 10, 26, 10);
        m_selectorCanvas[static_cast<std::size_t>(kind)] = QImage(26, 10, QImage::Format_RGB32);
        m_selectorCanvas[static_cast<std::size_t>(kind)].fill(ink::Silver);
        selector->setAccessibleName(QString::fromStdString(conductorKindName(kind)));
        connect(selector, &ClickableImage::clicked, this,
                guardedSlot(this, [this, kind] { chooseConductorKind(kind); }));
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
    for (const GroupLabelInfo &info : GroupLabels) {
        auto *label = new QLabel(QString::fromUtf8(info.caption), rightPanel);
        label->setObjectName(QString::fromUtf8(info.name));
        label->adjustSize();
        label->move(fittedLeft(info.left, label->width(), rightPanel->width()), 2);
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
        QAction *action = m_paletteActions[actionSlot(shown)];
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
    m_sheetView = new SheetView(m_sheet, m_model, m_foregroundPanel);
    m_sheetView->setObjectName(QStringLiteral("ForegroundImg"));
    m_sheetView->setAccessibleName(QStringLiteral("Zeichenfläche"));
    connect(
        m_sheetView, &SheetView::mouseMoved, this,
        guardedSlot<QPoint>(this, [this](QPoint position) { ForegroundImgMouseMove(position); }));
    connect(m_sheetView, &SheetView::mousePressed, this,
            guardedSlot<Qt::MouseButton, QPoint, QPoint>(
                this, [this](Qt::MouseButton button, QPoint position, QPoint globalPosition) {
                    ForegroundImgMouseDown(button, position, globalPosition);
                }));
    // Escape on the sheet is a click on the pointer tool.
    connect(m_sheetView, &SheetView::escapePressed, this,
            guardedSlot(this, [this] { paletteButton(PaletteButton::PointerTBtn)->click(); }));
}

} // namespace talvex
