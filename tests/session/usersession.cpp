#include "usersession.h"

#include "inspector/currentdata.h"
#include "inspector/valuelist.h"
#include "model/elementmodel.h"

#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTableWidget>
#include <QTimer>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <limits>

namespace talvex::test {

namespace {

using Common = ExpectedState::Common;

constexpr int LogLength = 40;
constexpr int ScreenCheckInterval = 16;

std::array<int, 23> catalogueFirstKinds()
{
    std::array<int, 23> kinds{};
    for (int c = 1; c <= 23; ++c)
        kinds[std::size_t(c - 1)] = elementModel().toolClasses.templateOf(c).firstKind;
    return kinds;
}

// A press and a release at position, delivered like the window system delivers them to the
// widget under the pointer.
void sendClick(QWidget *widget, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
               QPoint position)
{
    const QPointF global = widget->mapToGlobal(QPointF(position));
    const QPointF at(position);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, button, button, modifiers);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, modifiers);
    QApplication::sendEvent(widget, &release);
}

QString buttonName(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return QStringLiteral("links");
    case Qt::RightButton:
        return QStringLiteral("rechts");
    default:
        return QStringLiteral("Mitte");
    }
}

// Makes control characters and blanks readable in the log.
QString visible(const QString &text)
{
    QString shown;
    for (QChar c : text) {
        if (c.unicode() < 32 || c.unicode() == 127)
            shown += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    return QLatin1Char('"') + shown + QLatin1Char('"');
}

// The open in-place editor of a list's value cell, or nullptr.
QWidget *openEditorOf(ValueListEditor *list, int item)
{
    const QRect cell = list->visualRect(list->model()->index(item, 1));
    for (QWidget *child : list->viewport()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && child->geometry() == cell)
            return child;
    }
    return nullptr;
}

// The key a character comes from on a German keyboard, for the key event that carries it.
Qt::Key keyOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return Qt::Key(Qt::Key_0 + (u - '0'));
    if (u >= 'a' && u <= 'z')
        return Qt::Key(Qt::Key_A + (u - 'a'));
    if (u >= 'A' && u <= 'Z')
        return Qt::Key(Qt::Key_A + (u - 'A'));
    switch (u) {
    case ',':
        return Qt::Key_Comma;
    case '.':
        return Qt::Key_Period;
    case ' ':
        return Qt::Key_Space;
    case '-':
        return Qt::Key_Minus;
    case '+':
        return Qt::Key_Plus;
    case '\t':
        return Qt::Key_Tab;
    case '\n':
        return Qt::Key_Return;
    case u'ä':
        return Qt::Key_Adiaeresis;
    case u'ß':
        return Qt::Key_ssharp;
    default:
        return Qt::Key_unknown;
    }
}

// Types one character, control characters included, as a key press and release.
void typeCharacter(QWidget *widget, QChar c)
{
    const QString text = c == QLatin1Char('\n') ? QStringLiteral("\r") : QString(c);
    QTest::sendKeyEvent(QTest::Click, widget, keyOf(c), text, Qt::NoModifier);
}

bool isEditorOpen(const QPointer<QLineEdit> &edit)
{
    return edit && edit->isVisible();
}

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
    static const QStringList Erasing = {
        QStringLiteral("TalvexForm"),       QStringLiteral("TopPanel"),
        QStringLiteral("LeftPanel"),        QStringLiteral("LeftTopToolBar"),
        QStringLiteral("LeftBotToolBar"),   QStringLiteral("MidPanel"),
        QStringLiteral("eSelectImg"),       QStringLiteral("RightPanel"),
        QStringLiteral("CoolBar"),          QStringLiteral("ComponToolBar"),
        QStringLiteral("ForegroundPanel"),  QStringLiteral("InspectForm"),
        QStringLiteral("ComponTopPanel"),   QStringLiteral("ComponLabel"),
        QStringLiteral("ElementValueList"), QStringLiteral("CommonValueList"),
        QStringLiteral("CellValueList")};
    static const QStringList Keeping = {
        QStringLiteral("wSelectImg"),     QStringLiteral("vSelectImg"),
        QStringLiteral("VorqLogo"),       QStringLiteral("StatusBar"),
        QStringLiteral("StatusPanel0"),   QStringLiteral("StatusPanel1"),
        QStringLiteral("StatusPanel2"),   QStringLiteral("StatusPanel3"),
        QStringLiteral("ComboBox"),       QStringLiteral("CellPanel"),
        QStringLiteral("CommonLabel"),    QStringLiteral("CellTabBar"),
        QStringLiteral("CellTabControl"), QStringLiteral("CellTopPanel"),
        QStringLiteral("CellImg")};
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

UserSession::UserSession(Editor &editor, std::uint32_t seed)
    : m_editor(editor)
    , m_seed(seed)
    , m_rng(seed)
    , m_expected(editor.main->sheetColumns(), editor.main->sheetRows(),
                 editor.main->sheet().foreground().size(), catalogueFirstKinds())
    , m_check(editor, m_expected)
{
    // Item views join the keys typed within this interval into one search for an item. An
    // endless interval makes the search follow the keys alone, not the machine's speed, so
    // that a seed always gives the same session.
    m_keyboardInputInterval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(std::numeric_limits<int>::max());

    // The hand-overs are process-wide; a session starts from nothing handed over.
    CurrentTextLines.clear();
    CurrentHistoryTable.clear();
    for (int r = 0; r < TDataForm::Periods; ++r)
        m_historyValues << QString();
}

UserSession::~UserSession()
{
    QApplication::setKeyboardInputInterval(m_keyboardInputInterval);
}

int UserSession::uniform(int low, int high)
{
    // An empty range, such as a widget not laid out yet, gives its lower end.
    if (high < low)
        return low;
    return std::uniform_int_distribution<int>(low, high)(m_rng);
}

bool UserSession::chance(int percent)
{
    return uniform(1, 100) <= percent;
}

void UserSession::log(const QString &operation)
{
    m_log.push_back(QStringLiteral("#%1 %2").arg(m_step).arg(operation));
    // FNV-1a over every operation: equal fingerprints, equal sessions.
    for (QChar c : m_log.back()) {
        m_fingerprint ^= c.unicode();
        m_fingerprint *= 1099511628211ull;
    }
    if (m_log.size() > LogLength)
        m_log.pop_front();
}

QString UserSession::run(int steps)
{
    for (m_step = 1; m_step <= steps; ++m_step) {
        step();
        settle();
        QStringList problems = m_findings + m_check.problems();
        // Grabbing the screen costs more than the other checks; lingering old pixels show up
        // at the next look all the same.
        if (m_step % ScreenCheckInterval == 0 || m_step == steps)
            problems += m_check.screenProblems();
        m_findings.clear();
        if (problems.isEmpty() && !::testing::Test::HasFailure())
            continue;
        QString report =
            QStringLiteral("Sitzung mit Startwert %1 nach Schritt %2 inkohärent "
                           "(nachspielen: TALVEX_SESSION_SEED=%1 TALVEX_SESSION_STEPS=%2):\n")
                .arg(m_seed)
                .arg(m_step);
        for (const QString &problem : problems)
            report += QStringLiteral("  ") + problem + QLatin1Char('\n');
        report += QStringLiteral("letzte Schritte:\n");
        for (const QString &operation : m_log)
            report += QStringLiteral("  ") + operation + QLatin1Char('\n');
        return report;
    }
    return QString();
}

void UserSession::settle()
{
    // The event loop runs between two user actions: repaints, queued commits, and the
    // deletion of closed in-place editors.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void UserSession::step()
{
    // An open popup menu takes the next action: its item, or closing it.
    if (m_expected.menuOpen) {
        useOpenMenu();
        return;
    }
    const int roll = uniform(1, 100);
    if (roll <= 17)
        clickPalette(uniform(1, 23));
    else if (roll <= 18)
        clickPaletteOtherButton();
    else if (roll <= 21)
        clickSelector();
    else if (roll <= 38)
        moveOnSheet();
    else if (roll <= 47)
        moveOverWindow();
    else if (roll <= 64)
        clickSheet();
    else if (roll <= 65)
        doubleClickSheet();
    else if (roll <= 66)
        dragOnSheet();
    else if (roll <= 67)
        clickPanelBorder();
    else if (roll <= 69)
        turnWheel();
    else if (roll <= 95 && !m_expected.inspectorVisible)
        clickSheet(); // the inspector first shows up after a click on the sheet
    else if (roll <= 74)
        pickEntry();
    else if (roll <= 81)
        typeIntoValue(false);
    else if (roll <= 84)
        typeIntoValue(true);
    else if (roll <= 87)
        writeWholeValue();
    else if (roll <= 90)
        clickTab();
    else if (roll <= 94 &&
             (m_expected.common == Common::TextLines || m_expected.common == Common::History))
        openValueEditor();
    else if (roll <= 94)
        clickPalette(chance(50) ? 22 : 7); // getting ready for a text or history element
    else if (roll <= 95)
        resizeInspector();
    else if (roll <= 97)
        toggleInspector();
    else if (roll <= 99)
        showAbout();
    else
        closeAbout();
}

QString UserSession::summary() const
{
    QStringList parts;
    for (const auto &[kind, n] : m_counts)
        parts << QStringLiteral("%1 %2").arg(QString::fromStdString(kind)).arg(n);
    const auto covered = std::count_if(m_expected.occupancy.begin(), m_expected.occupancy.end(),
                                       [](int number) { return number != 0; });
    return QStringLiteral("Startwert %1 (Verlauf %2): %3 Elemente auf %4 Zellen; ")
               .arg(m_seed)
               .arg(m_fingerprint, 16, 16, QLatin1Char('0'))
               .arg(m_expected.placed.size())
               .arg(covered) +
           parts.join(QStringLiteral(", "));
}

void UserSession::clickPalette(int toolClass)
{
    count("Palette");
    log(QStringLiteral("Palette %1").arg(QString::fromUtf8(paletteButtonName(toolClass))));
    m_expected.clickButton(toolClass);
    QTest::mouseClick(m_editor.main->paletteButton(paletteButtonAt(toolClass)), Qt::LeftButton);
}

void UserSession::clickSelector()
{
    const int kind = uniform(0, 2);
    count("Leiterart");
    log(QStringLiteral("Leiterart %1").arg(kind));
    m_expected.chooseConductorKind(kind);
    QTest::mouseClick(m_editor.main->selectorImage(kind), Qt::LeftButton);
}

QPoint UserSession::sheetPoint()
{
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
    count(button == Qt::LeftButton    ? "Klick links"
          : button == Qt::RightButton ? "Klick rechts"
                                      : "Klick Mitte");
    log(QStringLiteral("Klick %1 auf das Blatt bei %2,%3")
            .arg(buttonName(button))
            .arg(at.x())
            .arg(at.y()));
    if (button == Qt::LeftButton) {
        if (m_expected.pressed != PointerTool)
            count("Setzversuch");
        if (const std::optional<PlacedElement> placed = m_expected.leftClick(at)) {
            placeTiles(*placed);
            count("gesetzt");
            log(QStringLiteral("  erwartet: %1 Nr. %2 bei %3,%4")
                    .arg(placed->name)
                    .arg(placed->number)
                    .arg(placed->x)
                    .arg(placed->y));
        }
    } else if (button == Qt::RightButton) {
        m_expected.menuOpen = m_expected.orientMenuOffered();
    }
    sendClick(m_editor.sheet(), button, modifiers, at);
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
    for (int press = 0; press < 2; ++press) {
        if (const std::optional<PlacedElement> placed = m_expected.leftClick(at)) {
            placeTiles(*placed);
            count("gesetzt");
        }
    }
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
    if (button == Qt::LeftButton) {
        if (m_expected.pressed != PointerTool)
            count("Setzversuch");
        if (const std::optional<PlacedElement> placed = m_expected.leftClick(at)) {
            placeTiles(*placed);
            count("gesetzt");
        }
    }
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

void UserSession::clickPaletteOtherButton()
{
    const int toolClass = uniform(1, 23);
    const Qt::MouseButton button = chance(50) ? Qt::RightButton : Qt::MiddleButton;
    count("Palette andere Taste");
    log(QStringLiteral("Palette %1 mit Taste %2")
            .arg(QString::fromUtf8(paletteButtonName(toolClass)), buttonName(button)));
    sendClick(m_editor.main->paletteButton(paletteButtonAt(toolClass)), button, Qt::NoModifier,
              QPoint(15, 15));
}

void UserSession::turnWheel()
{
    TInspectForm &inspector = *m_editor.inspector;
    QWidget *window = m_editor.main;
    QPoint at(uniform(0, window->width() - 1), uniform(0, window->height() - 1));
    if (m_expected.inspectorVisible && chance(70)) {
        window = &inspector;
        const int roll = uniform(1, 100);
        QWidget *aim = roll <= 50   ? static_cast<QWidget *>(inspector.ComboBox)
                       : roll <= 80 ? static_cast<QWidget *>(inspector.CellTabBar)
                                    : static_cast<QWidget *>(&inspector);
        at = aim->mapTo(window, QPoint(uniform(0, std::max(0, aim->width() - 1)),
                                       uniform(0, std::max(0, aim->height() - 1))));
    }
    QWidget *target = window->childAt(at);
    if (!target)
        target = window;
    const QPoint local = target->mapFrom(window, at);
    const int notches = chance(50) ? 1 : -1;
    count("Mausrad");
    log(QStringLiteral("Mausrad %1 über %2 (%3) bei %4,%5")
            .arg(notches > 0 ? QStringLiteral("vor") : QStringLiteral("zurück"),
                 target->objectName(), QString::fromUtf8(target->metaObject()->className()))
            .arg(local.x())
            .arg(local.y()));
    const int entry = inspector.ComboBox->currentIndex();
    const int tab = inspector.CellTabBar->currentIndex();
    QWheelEvent wheel(QPointF(local), target->mapToGlobal(QPointF(local)), QPoint(),
                      QPoint(0, notches * 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(target, &wheel);
    // The wheel picks the neighbouring entry or tab as a click would.
    if (inspector.ComboBox->currentIndex() != entry) {
        m_expected.selectedEntry = inspector.ComboBox->currentIndex();
        m_expected.showElement(m_expected.entryNumber(m_expected.selectedEntry));
    } else if (inspector.CellTabBar->currentIndex() != tab) {
        m_expected.chooseTab(inspector.CellTabBar->currentIndex());
    }
}

void UserSession::resizeInspector()
{
    const QSize size(uniform(60, 500), uniform(200, 900));
    count("Inspektorgröße");
    log(QStringLiteral("Inspektor auf %1x%2 gezogen").arg(size.width()).arg(size.height()));
    m_editor.inspector->resize(size);
}

void UserSession::clickPanelBorder()
{
    // The few pixels of ForegroundPanel around the sheet picture.
    QWidget *panel = m_editor.sheet()->parentWidget();
    const QRect inner = m_editor.sheet()->geometry();
    const int right = panel->width() - 1;
    const int bottom = panel->height() - 1;
    QPoint at;
    switch (uniform(0, 3)) {
    case 0:
        at = QPoint(uniform(0, right), uniform(0, inner.top() - 1));
        break;
    case 1:
        at = QPoint(uniform(0, right), uniform(inner.bottom() + 1, bottom));
        break;
    case 2:
        at = QPoint(uniform(0, inner.left() - 1), uniform(0, bottom));
        break;
    default:
        at = QPoint(uniform(inner.right() + 1, right), uniform(0, bottom));
        break;
    }
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

void UserSession::pickEntry()
{
    QComboBox *combo = m_editor.inspector->ComboBox;
    const int before = combo->currentIndex();
    count("Elementliste");
    if (chance(70)) {
        const int index = uniform(0, combo->count() - 1);
        log(QStringLiteral("Elementliste: Wahl von Eintrag %1").arg(index));
        m_expected.selectedEntry = index;
        m_expected.showElement(m_expected.entryNumber(index));
        combo->setCurrentIndex(index);
        m_editor.inspector->ComboBoxChange(index);
        return;
    }
    if (chance(30)) {
        // Typing the start of an entry's number finds it. The user pauses first, so the search
        // starts afresh rather than continuing what was typed a few steps earlier (the list
        // joins keys typed within a short time, which would tie the session to the clock).
        combo->view()->keyboardSearch(QString());
        if (combo->currentIndex() != before)
            m_findings << QStringLiteral("eine neue Suche wechselte den Eintrag");
        QString digits = QStringLiteral("00");
        const int count = uniform(1, 2);
        for (int i = 0; i < count; ++i)
            digits += QChar(u'0' + uniform(0, 9));
        log(QStringLiteral("Elementliste: getippt %1").arg(digits));
        // Each key that finds another entry shows it.
        for (QChar c : digits) {
            const int shown = combo->currentIndex();
            typeCharacter(combo, c);
            if (combo->currentIndex() != shown) {
                m_expected.selectedEntry = combo->currentIndex();
                m_expected.showElement(m_expected.entryNumber(m_expected.selectedEntry));
            }
        }
        return;
    }
    static const std::array<std::pair<Qt::Key, const char *>, 4> Keys = {
        {{Qt::Key_Down, "Pfeil ab"},
         {Qt::Key_Up, "Pfeil auf"},
         {Qt::Key_Home, "Pos1"},
         {Qt::Key_End, "Ende"}}};
    const auto &[key, name] = Keys[std::size_t(uniform(0, 3))];
    log(QStringLiteral("Elementliste: Taste %1").arg(QString::fromUtf8(name)));
    const int last = combo->count() - 1;
    const int after = key == Qt::Key_Down   ? std::min(before + 1, last)
                      : key == Qt::Key_Up   ? std::max(before - 1, 0)
                      : key == Qt::Key_Home ? 0
                                            : last;
    if (after != before) {
        m_expected.selectedEntry = after;
        m_expected.showElement(m_expected.entryNumber(after));
    }
    QTest::keyClick(combo, key);
}

QString UserSession::randomText(int maxLength, bool withLineBreaks)
{
    static const QString Characters = QStringLiteral("0123456789012345,,, -+aXäß.\x01\x1f\t");
    const int length = uniform(0, maxLength);
    QString text;
    for (int i = 0; i < length; ++i) {
        if (withLineBreaks && chance(10))
            text += QLatin1Char('\n');
        else
            text += Characters.at(uniform(0, int(Characters.size()) - 1));
    }
    return text;
}

void UserSession::typeInto(QLineEdit *editor, bool paste)
{
    QPointer<QLineEdit> edit(editor);
    if (paste) {
        const QString text = randomText(8, true);
        log(QStringLiteral("  Einfügen von %1").arg(visible(text)));
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else {
        static const std::array<std::pair<Qt::Key, const char *>, 6> Keys = {
            {{Qt::Key_Backspace, "Rück"},
             {Qt::Key_Delete, "Entf"},
             {Qt::Key_Left, "links"},
             {Qt::Key_Right, "rechts"},
             {Qt::Key_Home, "Pos1"},
             {Qt::Key_End, "Ende"}}};
        QString typed;
        const int count = uniform(1, 6);
        for (int i = 0; i < count && isEditorOpen(edit); ++i) {
            if (chance(20)) {
                const auto &[key, name] = Keys[std::size_t(uniform(0, 5))];
                typed += QStringLiteral("<%1>").arg(QString::fromUtf8(name));
                QTest::keyClick(edit, key);
            } else {
                const QString text = randomText(1, false).left(1);
                if (text.isEmpty())
                    continue;
                typed += visible(text);
                typeCharacter(edit, text.at(0));
            }
        }
        log(QStringLiteral("  getippt %1").arg(typed));
    }
    if (!isEditorOpen(edit))
        return;
    switch (uniform(0, 9)) {
    case 0:
    case 1:
    case 2:
    case 3:
        log(QStringLiteral("  Eingabe"));
        QTest::keyClick(edit, Qt::Key_Return);
        break;
    case 4:
        log(QStringLiteral("  Esc"));
        QTest::keyClick(edit, Qt::Key_Escape);
        break;
    case 5:
        log(QStringLiteral("  Tab"));
        QTest::keyClick(edit, Qt::Key_Tab);
        break;
    case 6:
        log(QStringLiteral("  Umschalt+Tab"));
        QTest::keyClick(edit, Qt::Key_Backtab, Qt::ShiftModifier);
        break;
    default:
        log(QStringLiteral("  Editor bleibt offen"));
        break;
    }
}

void UserSession::typeIntoValue(bool paste)
{
    TInspectForm &inspector = *m_editor.inspector;
    const int roll = uniform(1, 100);
    ValueListEditor *list =
        roll <= 35 && inspector.CommonValueList->itemCount() > 0 ? inspector.CommonValueList
        : roll >= 85 && inspector.CellValueList->itemCount() > 0 ? inspector.CellValueList
                                                                 : inspector.ElementValueList;
    if (list->itemCount() == 0)
        return;
    const int item = uniform(0, list->itemCount() - 1);
    count(paste ? "Einfügen" : "Tippen");
    log(QStringLiteral("%1 Wert %2 (%3) öffnen")
            .arg(list->objectName())
            .arg(item)
            .arg(list->key(item)));
    // A click on the value cell opens its editor.
    list->setCurrentCell(item, 1);
    QWidget *editor = openEditorOf(list, item);
    if (!editor) {
        list->editItem(list->item(item, 1));
        editor = openEditorOf(list, item);
    }
    if (auto *combo = qobject_cast<QComboBox *>(editor)) {
        const bool down = chance(50);
        log(QStringLiteral("  Auswahlliste: %1")
                .arg(down ? QStringLiteral("Pfeil ab") : QStringLiteral("Pfeil auf")));
        QTest::keyClick(combo, down ? Qt::Key_Down : Qt::Key_Up);
        if (chance(50))
            QTest::keyClick(combo, Qt::Key_Return);
    } else if (auto *edit = qobject_cast<QLineEdit *>(editor)) {
        typeInto(edit, paste);
    } else {
        // Under a heavily loaded machine the offscreen window may not be active yet, and the
        // editor then opens only on the user's next click; the session goes on without typing.
        log(QStringLiteral("  kein Editor geöffnet"));
    }
}

void UserSession::writeWholeValue()
{
    TInspectForm &inspector = *m_editor.inspector;
    ValueListEditor *list = inspector.CommonValueList->itemCount() > 0 && chance(40)
                                ? inspector.CommonValueList
                                : inspector.ElementValueList;
    std::vector<int> editable;
    for (int i = 0; i < list->itemCount(); ++i)
        if (!list->isReadOnly(i) && list->editStyle(i) == ValueListEditor::EditStyle::Plain)
            editable.push_back(i);
    if (editable.empty())
        return;
    static const QStringList Samples = {QStringLiteral("07"),     QStringLiteral(" 12 "),
                                        QStringLiteral(",5"),     QStringLiteral("2,"),
                                        QStringLiteral("12,345"), QStringLiteral("-3"),
                                        QStringLiteral("+4"),     QStringLiteral("99999999999"),
                                        QStringLiteral("1,2,3"),  QString(),
                                        QStringLiteral("   "),    QStringLiteral("\t5\n"),
                                        QStringLiteral("abc"),    QStringLiteral("3,05"),
                                        QStringLiteral("-,5"),    QStringLiteral("0")};
    const int item = editable[std::size_t(uniform(0, int(editable.size()) - 1))];
    const QString text =
        chance(60) ? Samples.at(uniform(0, int(Samples.size()) - 1)) : randomText(6, true);
    count("Wert ersetzt");
    log(QStringLiteral("%1 Wert %2 ganz ersetzt durch %3")
            .arg(list->objectName())
            .arg(item)
            .arg(visible(text)));
    list->setValue(item, text);
}

void UserSession::clickTab()
{
    QTabBar *bar = m_editor.inspector->CellTabBar;
    if (bar->count() == 0 || !bar->isVisible() || bar->width() < 1)
        return;
    const int tab = uniform(0, bar->count() - 1);
    QPoint at = bar->tabRect(tab).center();
    if (!bar->rect().contains(at))
        at = QPoint(uniform(0, bar->width() - 1), uniform(0, bar->height() - 1));
    // The scroll buttons lie over the tabs at the right end.
    QWidget *target = bar->childAt(at);
    count("Reiter");
    const QString on =
        target ? QStringLiteral(" auf ") + target->metaObject()->className() : QString();
    log(QStringLiteral("Reiter: Klick bei %1,%2%3").arg(at.x()).arg(at.y()).arg(on));
    if (target)
        QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->mapFrom(bar, at));
    else
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
    if (bar->currentIndex() != m_expected.currentTab && bar->currentIndex() >= 0)
        m_expected.chooseTab(bar->currentIndex());
}

void UserSession::openValueEditor()
{
    QToolButton *button = m_editor.inspector->CommonValueList->findChild<QToolButton *>(
        QStringLiteral("EllipsisButton"));
    if (!button || !button->isVisible()) {
        log(QStringLiteral("Knopf \"...\" gesucht"));
        m_findings << QStringLiteral(
            "kein sichtbarer Knopf \"...\" in der Zell-übergreifenden Liste");
        return;
    }
    const bool lines = m_expected.common == Common::TextLines;
    QDialog *dialog =
        lines ? static_cast<QDialog *>(m_editor.lines) : static_cast<QDialog *>(m_editor.data);
    const int ending = uniform(0, 3);
    count(lines ? "Zeileneditor" : "Datentabelle");
    log(QStringLiteral("Knopf \"...\" von %1")
            .arg(lines ? QStringLiteral("Textzeilen") : QStringLiteral("Vorgeschichte")));

    // The editor is modal: the session acts inside it from the event loop it runs. Should it
    // not close, it is rejected after a while so that the session cannot hang.
    QObject scope;
    bool opened = false;
    QTimer fallback;
    fallback.setSingleShot(true);
    QObject::connect(&fallback, &QTimer::timeout, &scope, [this] {
        if (auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            m_findings << QStringLiteral("%1 blieb offen").arg(modal->objectName());
            modal->reject();
        }
    });
    fallback.start(5000);
    QTimer::singleShot(0, &scope, [&, dialog, lines, ending] {
        opened = true;
        actInValueEditor(dialog, lines, ending);
    });
    QTest::mouseClick(button, Qt::LeftButton);
    fallback.stop();
    if (!opened) {
        m_findings << QStringLiteral("der Knopf \"...\" öffnete keinen Editor");
        return;
    }
    if (dialog->result() == QDialog::Accepted) {
        if (lines)
            m_expected.textLines = m_editor.lines->lines();
        else
            m_expected.historyTable = m_editor.data->table();
    }
    if (lines) {
        m_linesText =
            dialog->findChild<QPlainTextEdit *>(QStringLiteral("LinesMemo"))->toPlainText();
    } else {
        for (int r = 1; r <= TDataForm::Periods; ++r)
            m_historyValues[r - 1] = m_editor.data->cell(1, r);
    }
}

void UserSession::actInValueEditor(QDialog *dialog, bool lines, int ending)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal != dialog) {
        m_findings << QStringLiteral("statt %1 ist %2 offen")
                          .arg(dialog->objectName(),
                               modal ? modal->objectName() : QStringLiteral("nichts"));
        if (auto *other = qobject_cast<QDialog *>(modal))
            other->reject();
        return;
    }

    // What the user left at the last opening is still there.
    if (lines) {
        auto *memo = dialog->findChild<QPlainTextEdit *>(QStringLiteral("LinesMemo"));
        if (memo->toPlainText() != m_linesText)
            m_findings << QStringLiteral("Zeileneditor zeigt %1 statt %2")
                              .arg(visible(memo->toPlainText()), visible(m_linesText));
        const QString text = randomText(12, true);
        log(QStringLiteral("  Zeileneditor: getippt %1").arg(visible(text)));
        for (QChar c : text)
            typeCharacter(memo, c);
    } else {
        const TDataForm &data = *m_editor.data;
        if (data.cell(0, 0) != QStringLiteral("Zeitraum") ||
            data.cell(1, 0) != QStringLiteral("Zahlenwerte"))
            m_findings << QStringLiteral("Datentabelle ohne Überschriften");
        for (int r = 1; r <= TDataForm::Periods; ++r) {
            if (data.cell(0, r) != QString::number(r))
                m_findings << QStringLiteral("Datentabelle: Zeitraum %1 zeigt %2")
                                  .arg(r)
                                  .arg(visible(data.cell(0, r)));
            if (data.cell(1, r) != m_historyValues[r - 1])
                m_findings << QStringLiteral("Datentabelle: Wert %1 zeigt %2 statt %3")
                                  .arg(r)
                                  .arg(visible(data.cell(1, r)), visible(m_historyValues[r - 1]));
        }
        auto *grid = dialog->findChild<QTableWidget *>(QStringLiteral("StringGrid"));
        const int row = uniform(0, TDataForm::Periods - 1);
        const int column = chance(80) ? 1 : 0;
        log(QStringLiteral("  Datentabelle: Zelle %1,%2").arg(column).arg(row + 1));
        // Choosing the cell opens its editor unless it is open already.
        grid->setCurrentCell(row, column);
        auto cellEditor = [grid, row, column]() -> QLineEdit * {
            const QRect cell = grid->visualItemRect(grid->item(row, column));
            for (QLineEdit *edit : grid->viewport()->findChildren<QLineEdit *>())
                if (edit->isVisible() && edit->geometry() == cell)
                    return edit;
            return nullptr;
        };
        if (!cellEditor())
            grid->editItem(grid->item(row, column));
        if (QLineEdit *edit = cellEditor())
            typeIntoDialogField(edit);
        else
            m_findings << QStringLiteral("Datentabelle: keine Eingabe in Zelle %1,%2")
                              .arg(column)
                              .arg(row + 1);
        if (chance(20)) {
            const char *field = chance(50) ? "fromEdit" : "Edit1";
            log(QStringLiteral("  Feld %1").arg(QString::fromUtf8(field)));
            typeIntoDialogField(dialog->findChild<QLineEdit *>(QString::fromUtf8(field)));
        }
    }

    switch (ending) {
    case 0:
        log(QStringLiteral("  OK"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("OKButton")),
                          Qt::LeftButton);
        break;
    case 1:
        log(QStringLiteral("  Abbrechen"));
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("CancelButton")),
                          Qt::LeftButton);
        break;
    case 2:
        log(QStringLiteral("  Schließfeld"));
        dialog->close();
        break;
    default:
        log(QStringLiteral("  Esc"));
        QTest::keyClick(dialog, Qt::Key_Escape);
        break;
    }
}

void UserSession::typeIntoDialogField(QLineEdit *edit)
{
    const QString text = randomText(6, false);
    log(QStringLiteral("    getippt %1").arg(visible(text)));
    QPointer<QLineEdit> guard(edit);
    for (QChar c : text) {
        if (!isEditorOpen(guard))
            break;
        typeCharacter(guard, c);
    }
}

void UserSession::toggleInspector()
{
    count("Merkmal-Einsteller");
    log(QStringLiteral("Werkzeuge > Merkmal-Einsteller"));
    m_expected.toggleInspector();
    m_editor.main->findChild<QAction *>(QStringLiteral("AttributeInspect"))->trigger();
}

void UserSession::showAbout()
{
    count("Über Talvex");
    log(QStringLiteral("Hilfe > Über Talvex..."));
    m_expected.aboutVisible = true;
    m_editor.main->findChild<QAction *>(QStringLiteral("About"))->trigger();
}

void UserSession::closeAbout()
{
    if (!m_expected.aboutVisible) {
        log(QStringLiteral("(Info-Fenster ist zu)"));
        return;
    }
    count("Info OK");
    log(QStringLiteral("Info-Fenster: OK"));
    m_expected.aboutVisible = false;
    QTest::mouseClick(m_editor.about->OKButton, Qt::LeftButton);
}

} // namespace talvex::test
