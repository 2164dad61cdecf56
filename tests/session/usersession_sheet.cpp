// The random user on the sheet: pointer moves, clicks, double clicks, drags, the panel border
// and the popup menu.

#include "usersession.h"

#include "inspector/valuelist.h"
#include "usersessioninput.h"

#include <QAction>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

namespace talvex::test {

namespace {

// Where moving the pointer must erase the outline, where it must not, by the control that
// receives the move; other controls are free to do either.
enum class MoveEffect
{
    Erases,
    Keeps,
    Either
};

MoveEffect moveEffect(const QWidget *target)
{
    static const QStringList Erasing =
        QStringLiteral("TalvexForm TopPanel LeftPanel LeftTopToolBar LeftBotToolBar MidPanel "
                       "eSelectImg RightPanel CoolBar ComponToolBar ForegroundPanel InspectForm "
                       "ComponTopPanel ComponLabel ElementValueList CommonValueList CellValueList")
            .split(QLatin1Char(' '));
    static const QStringList Keeping =
        QStringLiteral("wSelectImg vSelectImg VorqLogo StatusBar StatusPanel0 StatusPanel1 "
                       "StatusPanel2 StatusPanel3 ComboBox CellPanel CommonLabel CellTabBar "
                       "CellTabControl CellTopPanel CellImg")
            .split(QLatin1Char(' '));
    QString name = target->objectName();
    // The lists' viewports carry the lists' handling.
    if (name == QStringLiteral("qt_scrollarea_viewport") && target->parentWidget())
        name = target->parentWidget()->objectName();
    if (Erasing.contains(name))
        return MoveEffect::Erases;
    if (Keeping.contains(name) || name.endsWith(QStringLiteral("TBtn")) ||
        name.endsWith(QStringLiteral("Label")))
        return MoveEffect::Keeps;
    return MoveEffect::Either;
}

} // namespace

std::optional<QPoint> UserSession::firstFreeCell()
{
    // A one-cell element fits where its cell and the column right of it lie on the sheet.
    for (int row = 1; row <= m_expected.rows; ++row)
        for (int column = 1; column < m_expected.columns; ++column)
            if (m_expected.cellAt(column, row) == 0)
                return QPoint((column - 1) * Cell + uniform(0, 11),
                              (row - 1) * Cell + uniform(0, 11));
    return std::nullopt;
}

QPoint UserSession::sheetPoint()
{
    if (m_fillsSheet && m_expected.pressed != PointerTool && chance(90)) {
        if (const std::optional<QPoint> free = firstFreeCell())
            return *free;
    }
    const QSize size = m_expected.sheetRect.size();
    const int w = size.width();
    const int h = size.height();
    int x = 0;
    int y = 0;
    // A user placing a tool aims at free room more often than at the edges.
    const int mode = m_expected.pressed != PointerTool && chance(50) ? 0 : uniform(0, 3);
    switch (mode) {
    case 0: // anywhere
        x = uniform(0, w - 1);
        y = uniform(0, h - 1);
        break;
    case 1: // around the rounding from one cell to the next
        x = uniform(0, m_expected.columns) * Cell + uniform(-13, 13);
        y = uniform(0, m_expected.rows) * Cell + uniform(-13, 13);
        break;
    case 2: // on and next to the edges
        x = chance(50) ? uniform(0, 2) : w - 1 - uniform(0, 30);
        y = chance(50) ? uniform(0, 2) : h - 1 - uniform(0, 30);
        if (chance(50))
            x = uniform(0, w - 1);
        else if (chance(50))
            y = uniform(0, h - 1);
        break;
    default: // the last columns and rows, where placing ends
        x = uniform((m_expected.columns - 7) * Cell, w - 1);
        y = uniform((m_expected.rows - 7) * Cell, h - 1);
        break;
    }
    return {std::clamp(x, 0, w - 1), std::clamp(y, 0, h - 1)};
}

void UserSession::moveOnSheet()
{
    const QPoint at = sheetPoint();
    count("Zeiger Blatt");
    log(QStringLiteral("Zeiger über dem Blatt bei %1,%2").arg(at.x()).arg(at.y()));
    m_expected.moveOnSheet(at);
    Editor::moveOver(m_editor.sheet(), at);
}

void UserSession::moveOverWindow()
{
    const bool overInspector = m_expected.inspectorVisible && chance(35);
    QWidget *window = overInspector ? static_cast<QWidget *>(m_editor.inspector)
                                    : static_cast<QWidget *>(m_editor.main);
    const QPoint at(uniform(0, window->width() - 1), uniform(0, window->height() - 1));
    QWidget *target = window->childAt(at);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, at);
    count("Zeiger Fenster");
    log(QStringLiteral("Zeiger über %1 (%2) bei %3,%4")
            .arg(target->objectName(), QString::fromUtf8(target->metaObject()->className()))
            .arg(local.x())
            .arg(local.y()));
    if (target == m_editor.sheet()) {
        m_expected.moveOnSheet(local);
        Editor::moveOver(target, local);
        return;
    }
    const MoveEffect effect = moveEffect(target);
    Editor::moveOver(target, local);
    if (effect == MoveEffect::Erases)
        m_expected.eraseOutline();
    else if (effect == MoveEffect::Either &&
             m_editor.main->sheet().overlay() == SheetLayers::Overlay::None)
        m_expected.eraseOutline();
}

void UserSession::clickSheet()
{
    // With a tool chosen the user mostly wants to place it.
    const int roll = uniform(1, 100);
    const int left = m_expected.pressed == PointerTool ? 60 : 85;
    const int right = left + (100 - left) * 2 / 3;
    const Qt::MouseButton button = roll <= left    ? Qt::LeftButton
                                   : roll <= right ? Qt::RightButton
                                                   : Qt::MiddleButton;
    static const Qt::KeyboardModifiers Modifiers[] = {Qt::NoModifier, Qt::ShiftModifier,
                                                      Qt::ControlModifier, Qt::AltModifier};
    const Qt::KeyboardModifiers modifiers = chance(80) ? Qt::NoModifier : Modifiers[uniform(1, 3)];
    const QPoint at = sheetPoint();
    // A real click moves the pointer there first.
    const bool throughX = modifiers == Qt::NoModifier && canClickThroughX(m_editor.sheet(), at);
    if (throughX)
        m_expected.moveOnSheet(at);
    ++m_counts[QStringLiteral("Klick %1").arg(buttonName(button)).toStdString()];
    log(QStringLiteral("Klick %1 auf das Blatt bei %2,%3%4")
            .arg(buttonName(button))
            .arg(at.x())
            .arg(at.y())
            .arg(throughX ? QStringLiteral(" (X)") : QString()));
    if (button == Qt::LeftButton) {
        if (const std::optional<PlacedElement> placed = leftClick(at, true))
            log(QStringLiteral("  erwartet: %1 Nr. %2 bei %3,%4")
                    .arg(placed->name)
                    .arg(placed->number)
                    .arg(placed->x)
                    .arg(placed->y));
    } else if (button == Qt::RightButton) {
        m_expected.menuOpen = m_expected.orientMenuOffered();
    }
    if (throughX)
        clickThroughX(m_editor.sheet(), button, at);
    else
        sendClick(m_editor.sheet(), button, modifiers, at);
}

std::optional<PlacedElement> UserSession::leftClick(QPoint at, bool attempt)
{
    if (attempt && m_expected.pressed != PointerTool)
        count("Setzversuch");
    const std::optional<PlacedElement> placed = m_expected.leftClick(at);
    if (placed) {
        placeTiles(*placed);
        count("gesetzt");
    }
    return placed;
}

void UserSession::placeTiles(const PlacedElement &element)
{
    QPainter painter(&m_check.expectedBackground());
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const std::vector<int> kinds =
        ExpectedState::tileKinds(element.firstKind, element.width, element.height);
    const QRect rect = ExpectedState::pixelRect(element);
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const QPoint offset =
            element.height < 2 ? QPoint(int(i) * Cell, 0) : QPoint(0, int(i) * Cell);
        painter.drawImage(rect.topLeft() + offset, m_editor.main->kindTile(kinds[i]));
    }
}

void UserSession::doubleClickSheet()
{
    const QPoint at = sheetPoint();
    count("Doppelklick");
    log(QStringLiteral("Doppelklick links auf das Blatt bei %1,%2").arg(at.x()).arg(at.y()));
    // The second press of a double click arrives as a double-click event.
    for (int press = 0; press < 2; ++press)
        leftClick(at, false);
    QWidget *sheet = m_editor.sheet();
    const QPointF global = sheet->mapToGlobal(QPointF(at));
    const QEvent::Type types[] = {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease};
    for (QEvent::Type type : types) {
        const bool down = type != QEvent::MouseButtonRelease;
        QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                          down ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(sheet, &event);
    }
}

void UserSession::dragOnSheet()
{
    QWidget *sheet = m_editor.sheet();
    const Qt::MouseButton button = chance(60) ? Qt::LeftButton : Qt::MiddleButton;
    QPoint at = sheetPoint();
    count("Ziehen");
    QString path = QStringLiteral("%1,%2").arg(at.x()).arg(at.y());
    if (button == Qt::LeftButton)
        leftClick(at, true);
    auto send = [&](QEvent::Type type, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), sheet->mapToGlobal(QPointF(at)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, Qt::NoModifier);
        QApplication::sendEvent(sheet, &event);
    };
    send(QEvent::MouseButtonPress, button);
    // While the button is held the sheet keeps the pointer, also beyond its edges.
    const int moves = uniform(1, 5);
    for (int i = 0; i < moves; ++i) {
        at += QPoint(uniform(-60, 60), uniform(-60, 60));
        path += QStringLiteral(" > %1,%2").arg(at.x()).arg(at.y());
        m_expected.moveOnSheet(at);
        send(QEvent::MouseMove, button);
    }
    send(QEvent::MouseButtonRelease, Qt::NoButton);
    log(QStringLiteral("Ziehen mit Taste %1: %2").arg(buttonName(button), path));
}

void UserSession::clickPanelBorder()
{
    // The few pixels of ForegroundPanel around the sheet picture.
    QWidget *panel = m_editor.sheet()->parentWidget();
    const QRect inner = m_editor.sheet()->geometry();
    const int right = panel->width() - 1;
    const int bottom = panel->height() - 1;
    // Above, below, left of and right of the sheet: the ranges of x and y.
    const int sides[4][4] = {{0, right, 0, inner.top() - 1},
                             {0, right, inner.bottom() + 1, bottom},
                             {0, inner.left() - 1, 0, bottom},
                             {inner.right() + 1, right, 0, bottom}};
    const int *side = sides[uniform(0, 3)];
    const QPoint at(uniform(side[0], side[1]), uniform(side[2], side[3]));
    const Qt::MouseButton button = chance(70) ? Qt::LeftButton : Qt::MiddleButton;
    count("Klick Rand");
    log(QStringLiteral("Klick %1 auf den Blattrand bei %2,%3")
            .arg(buttonName(button))
            .arg(at.x())
            .arg(at.y()));
    sendClick(panel, button, Qt::NoModifier, at);
}

void UserSession::useOpenMenu()
{
    QMenu *menu = m_editor.main->orientPopupMenu();
    QAction *orient = menu->actions().value(0);
    m_expected.menuOpen = false;
    count("Menü");
    switch (uniform(0, 3)) {
    case 0:
        log(QStringLiteral("Menü: Klick auf \" Orientierung ändern\""));
        m_expected.orient();
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier,
                          menu->actionGeometry(orient).center());
        break;
    case 1:
        log(QStringLiteral("Menü: Pfeil ab, Eingabe"));
        m_expected.orient();
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        break;
    case 2:
        log(QStringLiteral("Menü: Esc"));
        QTest::keyClick(menu, Qt::Key_Escape);
        break;
    default:
        log(QStringLiteral("Menü: Klick daneben schließt es"));
        menu->close();
        break;
    }
}

} // namespace talvex::test
