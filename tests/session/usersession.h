#pragma once

#include "coherence.h"
#include "editorfixture.h"
#include "expectedstate.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <random>

class QDialog;
class QLineEdit;

namespace talvex::test {

// A random user at the editor: a seeded generator of operations done the way a user does them
// through the windows (palette, selectors, pointer moves, clicks on the sheet, the popup menu,
// the element list, typing and pasting into the inspector, the value editors, the menu
// commands), with a coherence check after every step. The same seed gives the same session.
class UserSession
{
public:
    UserSession(Editor &editor, std::uint32_t seed);
    ~UserSession();
    UserSession(const UserSession &) = delete;
    UserSession &operator=(const UserSession &) = delete;

    // Runs up to steps operations. Returns an empty text when every check held, otherwise a
    // report with the seed, the step and the last operations for replaying the session.
    QString run(int steps);

    int placedCount() const { return int(m_expected.placed.size()); }
    int coveredCells() const;
    bool fillsSheet() const { return m_fillsSheet; }
    // How often each kind of operation ran, for the test's output.
    QString summary() const;

private:
    void step();
    void settle();

    void clickPalette(int toolClass);
    void clickSelector();
    void moveOnSheet();
    void moveOverWindow();
    void clickSheet();
    void doubleClickSheet();
    void dragOnSheet();
    void clickPanelBorder();
    void clickPaletteOtherButton();
    void turnWheel();
    void resizeInspector();
    void useOpenMenu();
    void pickEntry();
    void typeIntoValue(bool paste);
    void writeWholeValue();
    void clickTab();
    void openValueEditor();
    void actInValueEditor(QDialog *dialog, bool lines, int ending);
    // Delivers input that may open a value editor ("...", or Return, Space or F2 on its row)
    // and, if one opens, acts in it as in one opened by the button. Returns whether one opened.
    bool actInEditorOpenedBy(const std::function<void()> &input);
    void typeIntoDialogField(QLineEdit *edit);
    void toggleInspector();
    void closeInspector();
    void navigateList();
    void showAbout();
    void closeAbout();

    int uniform(int low, int high);
    bool chance(int percent);
    QPoint sheetPoint();
    QString randomText(int maxLength, bool withLineBreaks);
    // Text beyond the keyboard's: other scripts, emoji, combining marks.
    QString foreignText(int maxLength);
    // Delivers text as an input method does: a dead key's preedit, then the commit.
    void commitAsInputMethod(QWidget *widget);
    // The pixel of the first free cell in reading order, for sessions that fill the sheet.
    std::optional<QPoint> firstFreeCell();
    // Types a random sequence into an open line edit and ends it the way a user might.
    void typeInto(QLineEdit *edit, bool paste);
    // A left click on the sheet as the expected state takes it, with its tiles and counts; an
    // attempt is one made with a tool chosen.
    std::optional<PlacedElement> leftClick(QPoint at, bool attempt);
    void placeTiles(const PlacedElement &element);
    void log(const QString &operation);
    void count(const char *kind) { ++m_counts[kind]; }

    Editor &m_editor;
    std::uint32_t m_seed;
    std::mt19937 m_rng;
    ExpectedState m_expected;
    CoherenceCheck m_check;
    int m_step = 0;
    std::deque<QString> m_log;
    std::uint64_t m_fingerprint = 14695981039346656037ull;
    std::map<std::string, int> m_counts;
    // Findings inside an operation, such as an editor that did not open.
    QStringList m_findings;
    // What the value editors hold between openings.
    QString m_linesText;
    QStringList m_historyValues;
    int m_keyboardInputInterval = 0;
    // Every other seed aims its placing at free cells until the usable sheet is full.
    bool m_fillsSheet = false;
};

} // namespace talvex::test
