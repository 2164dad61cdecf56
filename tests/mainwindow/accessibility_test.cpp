#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "mainwindow/sheetview.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabBar>

#include <gtest/gtest.h>

using namespace talvex;
using talvex::test::Editor;

namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name) : QString();
}

// Controls a user can reach with the pointer or the keyboard; Qt's own parts of composite
// widgets (scroll bars, headers, the tool bar's overflow button) are named by Qt itself.
bool isReachableControl(QWidget *widget)
{
    if (widget->objectName().startsWith(QLatin1String("qt_")))
        return false;
    for (QWidget *up = widget->parentWidget(); up; up = up->parentWidget())
        if (qobject_cast<QAbstractItemView *>(up))
            return false; // headers, corner buttons and cell editors of a list
    if (auto *tabs = qobject_cast<QTabBar *>(widget); tabs && tabs->count() == 0)
        return false; // nothing to reach before an element is shown
    return qobject_cast<QAbstractButton *>(widget) || qobject_cast<QComboBox *>(widget) ||
           qobject_cast<ValueListEditor *>(widget) || qobject_cast<QLineEdit *>(widget) ||
           qobject_cast<QPlainTextEdit *>(widget) || qobject_cast<QTabBar *>(widget) ||
           qobject_cast<QAbstractItemView *>(widget) || qobject_cast<ClickableImage *>(widget) ||
           qobject_cast<SheetView *>(widget);
}

} // namespace

TEST(Accessibility, EveryReachableControlHasAName)
{
    Editor editor;
    const QList<QWidget *> windows = {editor.main, editor.inspector, editor.about, editor.lines,
                                      editor.data};
    int checked = 0;
    for (QWidget *window : windows) {
        for (QWidget *widget : window->findChildren<QWidget *>()) {
            if (!isReachableControl(widget) || widget->parentWidget()->inherits("QComboBox"))
                continue;
            if (qobject_cast<QAbstractItemView *>(widget) && widget->window() != window)
                continue; // a combo box's drop-down list
            EXPECT_FALSE(accessibleName(widget).isEmpty())
                << widget->metaObject()->className() << " " << widget->objectName().toStdString()
                << " in " << window->objectName().toStdString();
            ++checked;
        }
    }
    EXPECT_GT(checked, 50);
}

TEST(Accessibility, NamesAreTheTextsTheUserSees)
{
    Editor editor;
    EXPECT_EQ(accessibleName(editor.main->paletteButton(PaletteButton::MixerTBtn)),
              QStringLiteral("Linearer Mischer"));
    EXPECT_EQ(accessibleName(editor.main->paletteButton(PaletteButton::PointerTBtn)),
              QStringLiteral("hebt Vor-Auswahl auf"));
    EXPECT_EQ(accessibleName(editor.main->selectorImage(1)),
              QStringLiteral("Leiterart: Verteilungen"));
    editor.clickSelector(2);
    EXPECT_EQ(accessibleName(editor.main->selectorImage(2)),
              QStringLiteral("Leiterart: Entscheidungen"));
    EXPECT_EQ(accessibleName(editor.main->selectorImage(1)), QStringLiteral("Leiterart auswählen"));
    EXPECT_EQ(accessibleName(editor.inspector->CommonValueList),
              QStringLiteral("Zell-übergreifende Merkmale"));
    // Qt reads a combo box's current entry as its name; the list's own name is kept beside it.
    EXPECT_EQ(editor.inspector->ComboBox->accessibleName(), QStringLiteral("aktuelles Element"));
}
