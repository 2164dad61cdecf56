// The windows have fixed pixel layouts: every text must fit its control with the font actually in
// use, no label may be cut by the edge of a widget it stands in, and none may be covered by a
// control standing over it.

#include "editorfixture.h"

#include "app/application.h"

#include <QAbstractButton>
#include <QFontInfo>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTabBar>

#include <gtest/gtest.h>

#include <string>

namespace talvex::test {
namespace {

int textWidth(const QWidget &widget, const QString &text)
{
    int width = 0;
    for (const QString &line : text.split(QLatin1Char('\n')))
        width = std::max(width, widget.fontMetrics().horizontalAdvance(line));
    return width;
}

std::string where(const QWidget &widget, const QString &text)
{
    return (widget.window()->objectName() + QStringLiteral(" / ") + widget.objectName() +
            QStringLiteral(" \"") + text + QStringLiteral("\""))
        .toStdString();
}

// The room a label's text has, and the rectangle the text covers in the parent's coordinates.
QRect labelTextRect(const QLabel &label)
{
    const int margin = label.margin();
    const QRect room = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    const QSize text(textWidth(label, label.text()), label.fontMetrics().height());
    const QRect inLabel =
        QStyle::alignedRect(label.layoutDirection(), label.alignment(), text, room);
    return inLabel.translated(label.pos());
}

// Every visible label, push button and tab of the window shows its whole text.
void expectTextsFit(QWidget &window)
{
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || label->wordWrap())
            continue;
        const int margin = label->margin();
        const int room = label->contentsRect().width() - 2 * margin;
        EXPECT_LE(textWidth(*label, label->text()), room) << where(*label, label->text());

        // Each widget the label stands in clips it at its edges.
        const QRect text = labelTextRect(*label);
        QRect shown = text;
        for (QWidget *parent = label->parentWidget(); parent; parent = parent->parentWidget()) {
            if (!parent->rect().contains(shown)) {
                ADD_FAILURE() << where(*label, label->text()) << " at " << shown.x() << ".."
                              << shown.right() << " is cut by "
                              << parent->objectName().toStdString() << ", 0.."
                              << parent->width() - 1;
                break;
            }
            if (parent == &window)
                break;
            shown.translate(parent->pos());
        }

        // Controls created after the label stand above it.
        const QList<QObject *> siblings = label->parent()->children();
        for (qsizetype i = siblings.indexOf(label) + 1; i < siblings.size(); ++i) {
            auto *above = qobject_cast<QWidget *>(siblings[i]);
            if (!above || !above->isVisibleTo(&window) || qobject_cast<QLabel *>(above))
                continue;
            EXPECT_FALSE(above->geometry().intersects(text))
                << where(*label, label->text()) << " is covered by "
                << above->objectName().toStdString();
        }
    }
    for (QPushButton *button : window.findChildren<QPushButton *>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        // A button's caption keeps clear of its bevel: two pixels on each side.
        EXPECT_LE(textWidth(*button, button->text()) + 4, button->width())
            << where(*button, button->text());
    }
    for (QTabBar *tabs : window.findChildren<QTabBar *>()) {
        for (int i = 0; i < tabs->count(); ++i) {
            EXPECT_LE(textWidth(*tabs, tabs->tabText(i)) + 2, tabs->tabRect(i).width())
                << where(*tabs, tabs->tabText(i));
        }
    }
}

class Fit : public ::testing::Test
{
protected:
    void showAll()
    {
        for (QWidget *window : windows)
            window->show();
    }

    Editor editor;
    const QWidgetList windows{editor.main, editor.inspector, editor.about, editor.lines,
                              editor.data};
};

TEST_F(Fit, EveryWindowUsesTheEditorFontAtEightPoints)
{
    showAll();
    for (QWidget *window : windows) {
        SCOPED_TRACE(window->objectName().toStdString());
        const QFontInfo used(window->font());
        EXPECT_EQ(used.pointSize(), 8);
        EXPECT_EQ(used.family(), TalvexApplication::editorFont().family());
    }
}

TEST_F(Fit, EveryFixedTextFitsItsControl)
{
    // Tabs for every cell of the largest element, both editors open beside the inspector.
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    showAll();
    for (QWidget *window : windows)
        expectTextsFit(*window);
}

TEST_F(Fit, CellTabsHaveTheirDesignSize)
{
    editor.place(PaletteButton::MarketTBtn, 3, 2);
    editor.inspector->show();
    auto *tabs = editor.inspector->findChild<QTabBar *>(QStringLiteral("CellTabBar"));
    ASSERT_NE(tabs, nullptr);
    ASSERT_GT(tabs->count(), 1);
    for (int i = 0; i < tabs->count(); ++i)
        EXPECT_EQ(tabs->tabRect(i).size(), QSize(39, 15)) << tabs->tabText(i).toStdString();
}

} // namespace
} // namespace talvex::test
