#include "mainwindow/talvexform.h"

#include "inspector/inspectform.h"
#include "mainwindow/aboutform.h"
#include "mainwindow/palettelayout.h"
#include "mainwindow/sheetview.h"
#include "model/elementmodel.h"
#include "model/fatal.h"
#include "widgets/compactstyle.h"
#include "widgets/framefollower.h"
#include "widgets/handlerguard.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace talvex {

TTalvexForm::TTalvexForm(ElementModel &model, QWidget *parent, int clientHeight)
    : QMainWindow(parent)
    , m_model(model)
    , m_palette(model.toolClasses)
    , m_compactStyle(new CompactStyle)
    , m_designClientHeight(clientHeight)
{
    m_compactStyle->setParent(this);
    setObjectName(QStringLiteral("TalvexForm"));
    setWindowTitle(QStringLiteral("Talvex™"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
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

void TTalvexForm::FormCreate()
{
    // The palette state starts with the pointer tool (its constructor); the rest sets up the
    // window and the sheet from the panel's real size.
    placeOnScreen(FrameFollower::frameOf(this));
    attachTopPanelMouseMove(this);
    const SheetGeometry geometry = panelSheetGeometry();
    if (!geometry.fits()) {
        // A sheet larger than the occupancy grid ends start-up after both limits are reported.
        for (const std::string &message : {geometry.horizontalError, geometry.verticalError})
            if (!message.empty())
                reportFatal(message, 1);
        std::exit(1);
    }
    takeSheetGeometry(geometry);
    m_model.BuildElementModel(m_columns, m_rows);

    m_statusPanels[2]->clear();
    // The analogue display button shows the analogue display's own tile.
    m_paletteActions[actionSlot(PaletteButton::AnalogTBtn)]->setIcon(
        QIcon(QPixmap::fromImage(m_pictures.tile(u"AnalogImg"))));
    syncPalette();
    m_frameRule = new FrameFollower(this, MainWindowTitleBar,
                                    [this](const FrameExtents &frame) { applyOuterRule(frame); });
}

void TTalvexForm::placeOnScreen(const FrameExtents &frame)
{
    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        FrameFollower::moveOuter(this,
                                 QPoint(outerLeft(ClientWidth + frame.left + frame.right),
                                        mainWindowTop(area.height(), OuterHeight)),
                                 frame);
    }
}

void TTalvexForm::applyOuterRule(const FrameExtents &frame)
{
    // Under a window manager the client gives way to its frame so that the outer height holds;
    // without one the client keeps the design height.
    setFixedSize(ClientWidth, mainClientHeight(OuterHeight, FrameFollower::drawnByManager(frame),
                                               m_designClientHeight));
    placeOnScreen(frame);
    followSheetPanel();
}

int TTalvexForm::outerLeft(int outerWidth)
{
    // A frame wider than the design's keeps the window on the screen at its right edge.
    const QScreen *screen = QGuiApplication::primaryScreen();
    return screen ? mainWindowLeft(screen->geometry().width(), std::max(OuterWidth, outerWidth))
                  : 0;
}

SheetGeometry TTalvexForm::panelSheetGeometry()
{
    layout()->activate();
    centralWidget()->layout()->activate();
    return sheetGeometry(m_foregroundPanel->width(), m_foregroundPanel->height());
}

void TTalvexForm::takeSheetGeometry(const SheetGeometry &geometry)
{
    const QRect image(geometry.imageLeft, geometry.imageTop, geometry.imageWidth,
                      geometry.imageHeight);
    m_sheetView->setGeometry(image);
    m_sheet.create(image.size());
    m_columns = geometry.columns;
    m_rows = geometry.rows;
}

void TTalvexForm::followSheetPanel()
{
    const SheetGeometry next = panelSheetGeometry();
    const QSize picture(next.imageWidth, next.imageHeight);
    switch (sheetResize(m_columns, m_rows, picture == m_sheet.foreground().size(), next,
                        m_model.elements.allocationCursor() != 0)) {
    case SheetResize::Keep:
        return;
    case SheetResize::Redraw:
        takeSheetGeometry(next);
        return;
    case SheetResize::Rebuild:
        takeSheetGeometry(next);
        m_model.BuildElementModel(m_columns, m_rows);
        return;
    }
}

void TTalvexForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    // The sheet follows the panel once the window exists; the frame rule resizes the client.
    if (m_frameRule)
        guarded(this, [this] { followSheetPanel(); });
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

QString TTalvexForm::statusText(int panel) const
{
    return m_statusPanels.at(static_cast<std::size_t>(panel))->text();
}

QToolButton *TTalvexForm::paletteButton(PaletteButton button) const
{
    return findChild<QToolButton *>(QString::fromUtf8(paletteButtonLayout(button).name));
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
        guarded(this, [this] { TopPanelMouseMove(); });
    return QMainWindow::eventFilter(watched, event);
}

} // namespace talvex
