// The random user at the inspector: the wheel, its size, the element list, typing and pasting
// into the values, the cell tabs and the menu command that shows and hides it.

#include "usersession.h"

#include "inspector/valuelist.h"
#include "inspectorlists.h"
#include "usersessioninput.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QTabBar>
#include <QWheelEvent>

#include <tuple>

namespace talvex::test {

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
    if (inspector.ComboBox->currentIndex() != entry)
        m_expected.selectEntry(inspector.ComboBox->currentIndex());
    else if (inspector.CellTabBar->currentIndex() != tab)
        m_expected.chooseTab(inspector.CellTabBar->currentIndex());
}

void UserSession::resizeInspector()
{
    const QSize size(uniform(60, 500), uniform(200, 900));
    count("Inspektorgröße");
    log(QStringLiteral("Inspektor auf %1x%2 gezogen").arg(size.width()).arg(size.height()));
    m_editor.inspector->resize(size);
}

void UserSession::pickEntry()
{
    QComboBox *combo = m_editor.inspector->ComboBox;
    const int before = combo->currentIndex();
    count("Elementliste");
    if (chance(70)) {
        const int index = uniform(0, combo->count() - 1);
        log(QStringLiteral("Elementliste: Wahl von Eintrag %1").arg(index));
        m_expected.selectEntry(index);
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
            if (combo->currentIndex() != shown)
                m_expected.selectEntry(combo->currentIndex());
        }
        return;
    }
    static const std::pair<Qt::Key, const char *> Keys[] = {{Qt::Key_Down, "Pfeil ab"},
                                                            {Qt::Key_Up, "Pfeil auf"},
                                                            {Qt::Key_Home, "Pos1"},
                                                            {Qt::Key_End, "Ende"}};
    const auto &[key, name] = Keys[std::size_t(uniform(0, 3))];
    log(QStringLiteral("Elementliste: Taste %1").arg(QString::fromUtf8(name)));
    const int last = combo->count() - 1;
    const int after = key == Qt::Key_Down   ? std::min(before + 1, last)
                      : key == Qt::Key_Up   ? std::max(before - 1, 0)
                      : key == Qt::Key_Home ? 0
                                            : last;
    if (after != before)
        m_expected.selectEntry(after);
    QTest::keyClick(combo, key);
}

void UserSession::typeInto(QLineEdit *editor, bool paste)
{
    QPointer<QLineEdit> edit(editor);
    if (paste) {
        QString text;
        if (chance(1)) {
            // A whole document pasted by mistake.
            text = randomText(64, true).repeated(1 << 15).left(1 << 20);
            log(QStringLiteral("  Einfügen von %1 Zeichen").arg(text.size()));
        } else {
            text = chance(30) ? foreignText(4) : randomText(8, true);
            log(QStringLiteral("  Einfügen von %1").arg(visible(text)));
        }
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    } else if (chance(15)) {
        commitAsInputMethod(edit);
    } else {
        static const std::pair<Qt::Key, const char *> Keys[] = {
            {Qt::Key_Backspace, "Rück"}, {Qt::Key_Delete, "Entf"}, {Qt::Key_Left, "links"},
            {Qt::Key_Right, "rechts"},   {Qt::Key_Home, "Pos1"},   {Qt::Key_End, "Ende"}};
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
                // Space on the row of an editor opens it.
                actInEditorOpenedBy([&] { typeCharacter(edit, text.at(0)); });
            }
        }
        log(QStringLiteral("  getippt %1").arg(typed));
    }
    if (!isEditorOpen(edit))
        return;
    // Four times in ten the value is entered, three times the editor is left by a key.
    static const std::tuple<Qt::Key, Qt::KeyboardModifier, const char *> Leaving[] = {
        {Qt::Key_Escape, Qt::NoModifier, "Esc"},
        {Qt::Key_Tab, Qt::NoModifier, "Tab"},
        {Qt::Key_Backtab, Qt::ShiftModifier, "Umschalt+Tab"}};
    const int ending = uniform(0, 9);
    if (ending <= 3) {
        log(QStringLiteral("  Eingabe"));
        actInEditorOpenedBy([&] { QTest::keyClick(edit, Qt::Key_Return); });
    } else if (ending <= 6) {
        const auto &[key, modifier, name] = Leaving[std::size_t(ending - 4)];
        log(QStringLiteral("  %1").arg(QString::fromUtf8(name)));
        QTest::keyClick(edit, key, modifier);
    } else {
        log(QStringLiteral("  Editor bleibt offen"));
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
    QWidget *editor = editorOf(list, item);
    if (!editor) {
        list->editItem(list->item(item, 1));
        editor = editorOf(list, item);
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
    static const QStringList Samples =
        QStringLiteral("07| 12 |,5|2,|12,345|-3|+4|99999999999|1,2,3||   |\t5\n|abc|3,05|-,5|0")
            .split(QLatin1Char('|'));
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

void UserSession::navigateList()
{
    TInspectForm &inspector = *m_editor.inspector;
    ValueListEditor *list = chance(50) ? inspector.ElementValueList : inspector.CommonValueList;
    if (list->itemCount() == 0)
        return;
    static const std::pair<Qt::Key, const char *> Keys[] = {
        {Qt::Key_Down, "Pfeil ab"},        {Qt::Key_Up, "Pfeil auf"}, {Qt::Key_Tab, "Tab"},
        {Qt::Key_Backtab, "Umschalt+Tab"}, {Qt::Key_F2, "F2"},        {Qt::Key_Escape, "Esc"}};
    count("Liste per Tasten");
    list->setCurrentCell(uniform(0, list->itemCount() - 1), 1);
    QString typed;
    const int presses = uniform(1, 5);
    for (int i = 0; i < presses; ++i) {
        const auto &[key, name] = Keys[std::size_t(uniform(0, 5))];
        typed += QStringLiteral("<%1>").arg(QString::fromUtf8(name));
        // Keys go to whatever has focus inside the list: the open editor or the list itself.
        QWidget *target = QApplication::focusWidget();
        if (!target || (target != list && !list->isAncestorOf(target)))
            target = list;
        // F2 on the row of an editor opens it.
        actInEditorOpenedBy([&] {
            QTest::keyClick(target, key,
                            key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
        });
    }
    log(QStringLiteral("%1 per Tasten: %2").arg(list->objectName(), typed));
}

void UserSession::closeInspector()
{
    if (!m_expected.inspectorVisible)
        return;
    count("Inspektor geschlossen");
    log(QStringLiteral("Inspektor: Schließfeld"));
    m_expected.inspectorVisible = !m_expected.inspectorVisible;
    m_editor.inspector->close();
}

void UserSession::toggleInspector()
{
    count("Merkmal-Einsteller");
    log(QStringLiteral("Werkzeuge > Merkmal-Einsteller"));
    m_expected.inspectorVisible = !m_expected.inspectorVisible;
    m_editor.main->findChild<QAction *>(QStringLiteral("AttributeInspect"))->trigger();
}

} // namespace talvex::test
