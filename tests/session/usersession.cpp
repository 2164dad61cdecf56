#include "usersession.h"

#include "usersessioninput.h"

#include "inspector/currentdata.h"
#include "model/elementmodel.h"

#include <QInputMethodEvent>

#include <gtest/gtest.h>

#include <limits>

namespace talvex::test {

namespace {

constexpr int LogLength = 40;
constexpr int ScreenCheckInterval = 16;

} // namespace

UserSession::UserSession(Editor &editor, std::uint32_t seed)
    : m_editor(editor)
    , m_seed(seed)
    , m_rng(seed)
    , m_expected(editor.main->sheetColumns(), editor.main->sheetRows(),
                 editor.main->sheet().foreground().size(), editor.model().toolClasses)
    , m_check(editor, m_expected)
{
    // Item views join the keys typed within this interval into one search for an item. An
    // endless interval makes the search follow the keys alone, not the machine's speed, so
    // that a seed always gives the same session.
    m_fillsSheet = seed % 2 == 0;
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
    // A session that fills the sheet places the chosen tool more often than it does anything else.
    if (m_fillsSheet && firstFreeCell()) {
        if (m_expected.pressed != PointerTool && chance(70)) {
            clickSheet();
            return;
        }
        if (m_expected.pressed == PointerTool && chance(30)) {
            clickPalette(22); // the one-cell text element fits every free cell
            return;
        }
    }
    const int roll = uniform(1, 100);
    if (m_fillsSheet && roll <= 17 && chance(95))
        clickPalette(22); // the one-cell text element fits every free cell
    else if (roll <= 17)
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
    else if (roll <= 94 && (m_expected.common == CommonDisplay::TextElement ||
                            m_expected.common == CommonDisplay::History))
        openValueEditor();
    else if (roll <= 94)
        clickPalette(chance(50) ? 22 : 7); // getting ready for a text or history element
    else if (roll <= 95)
        resizeInspector();
    else if (roll <= 96)
        toggleInspector();
    else if (roll <= 97)
        chance(50) ? navigateList() : closeInspector();
    else if (roll <= 99)
        showAbout();
    else
        closeAbout();
}

int UserSession::coveredCells() const
{
    return int(std::count_if(m_expected.occupancy.begin(), m_expected.occupancy.end(),
                             [](int number) { return number != 0; }));
}

QString UserSession::summary() const
{
    QStringList parts;
    for (const auto &[kind, n] : m_counts)
        parts << QStringLiteral("%1 %2").arg(QString::fromStdString(kind)).arg(n);
    return QStringLiteral("Startwert %1 (Verlauf %2): %3 Elemente auf %4 Zellen; ")
               .arg(m_seed)
               .arg(m_fingerprint, 16, 16, QLatin1Char('0'))
               .arg(m_expected.placed.size())
               .arg(coveredCells()) +
           parts.join(QStringLiteral(", "));
}

QString UserSession::foreignText(int maxLength)
{
    static const QStringList Pieces = {
        QStringLiteral("é"),        QStringLiteral("e\u0301"), QStringLiteral("ж"),
        QStringLiteral("東京"),     QStringLiteral("ﷺ"),       QStringLiteral("😀"),
        QStringLiteral("👍🏽"), QStringLiteral("a\u0308"), QStringLiteral("٣"),
        QStringLiteral("\u200b"),   QStringLiteral("５"),      QStringLiteral("‚")};
    QString text;
    const int length = uniform(1, maxLength);
    for (int i = 0; i < length; ++i)
        text += Pieces.at(uniform(0, int(Pieces.size()) - 1));
    return text;
}

void UserSession::commitAsInputMethod(QWidget *widget)
{
    // A dead key first shows its accent as preedit; the next key commits the composed text.
    static const QStringList DeadKeys = {QStringLiteral("´"), QStringLiteral("`"),
                                         QStringLiteral("^")};
    const QString preedit = DeadKeys.at(uniform(0, 2));
    const QString commit = chance(50) ? foreignText(3) : randomText(3, false);
    log(QStringLiteral("  Eingabemethode: %1 dann %2").arg(preedit, visible(commit)));
    QInputMethodEvent composing(preedit, {});
    QApplication::sendEvent(widget, &composing);
    QInputMethodEvent committing;
    committing.setCommitString(commit);
    QApplication::sendEvent(widget, &committing);
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

} // namespace talvex::test
