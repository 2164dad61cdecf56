// Whole sessions through the real windows, from start to "Beenden".

#include "app/errorreport.h"
#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "modal.h"
#include "model/elementmodel.h"
#include "model/fatal.h"
#include "placedchecks.h"
#include "tables.h"

#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

using namespace talvex;
using talvex::test::Editor;
using talvex::test::expectPlaced;

TEST(Scenario, EveryClassFromStartToBeenden)
{
    Editor editor;
    TTalvexForm &main = *editor.main;
    TInspectForm &inspector = *editor.inspector;

    QTimer::singleShot(0, [&] {
        int number = 0;
        // One element of every placing class, the orientable ones in both forms.
        for (const test::GalleryElement &placement : test::Gallery) {
            editor.clickSelector(placement.conductorKind);
            editor.click(placement.button);
            ASSERT_TRUE(main.paletteButton(placement.button)->isChecked());
            EXPECT_EQ(main.statusText(0).toStdString(),
                      test::statusText(placement.button, placement.conductorKind));
            if (placement.turned) {
                editor.clickSheet(Editor::cellPixel(30, 20), Qt::RightButton);
                ASSERT_TRUE(main.orientPopupMenu()->isVisible());
                main.orientPopupMenu()->actions().first()->trigger();
                main.orientPopupMenu()->hide();
            }
            // The outline follows the pointer, unsnapped, in the chosen form.
            const QPoint pointer =
                Editor::cellPixel(placement.column, placement.row) + QPoint(3, 2);
            editor.moveOnSheet(pointer);
            EXPECT_EQ(editor.foreground().pixelColor(pointer), QColor(Qt::black));
            editor.clickSheet(pointer);

            ++number;
            expectPlaced(editor, number, placement.column, placement.row);
            if (placement.turned) {
                EXPECT_EQ(editor.model().elements.at(number).head.orientation, Vertical);
            }
        }
        EXPECT_EQ(inspector.ComboBox->count(), 1 + static_cast<int>(std::size(test::Gallery)));

        // Read the turned market back and edit its cell count: the value is normalised only.
        inspector.ComboBox->setCurrentIndex(18);
        inspector.ComboBoxChange(18);
        EXPECT_EQ(inspector.ElementValueList->value(1), QStringLiteral("senkrecht"));
        inspector.ElementValueList->setValue(3, QStringLiteral("07"));
        EXPECT_EQ(inspector.ElementValueList->value(3), QStringLiteral("7"));
        EXPECT_EQ(editor.model().elements.at(18).head.height, 5);

        // The editors of the text element and the history element, OK and cancel.
        inspector.ShowTextElement(26, {});
        EXPECT_EQ(test::whileModal([&] { inspector.CommonValueListEditButtonClick(); },
                                   [](QDialog &lines) { lines.accept(); })
                      .dialog,
                  editor.lines);
        EXPECT_FALSE(editor.lines->isVisible());
        inspector.ShowHistoryElement(9, {});
        EXPECT_EQ(test::whileModal([&] { inspector.CommonValueListEditButtonClick(); }).dialog,
                  editor.data);
        EXPECT_FALSE(editor.data->isVisible());

        // "Beenden" ends the session.
        main.findChild<QAction *>(QStringLiteral("Exit"))->trigger();
    });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(main.isVisible());
}

// The fatal paths run in a child process with the editor's own message-box handler; the box is
// read and closed from a timer, so nothing blocks.
class FatalPathDeathTest : public ::testing::Test
{
protected:
    static void reportBoxes()
    {
        installFatalMessageBox();
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, [] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                std::fprintf(stderr, "box:%s\n", qPrintable(box->text()));
                box->accept();
            }
        });
        poll->start(10);
    }

    // Builds a model with its own registration of kinds, as the start-up does.
    static void buildWith(void (*registration)(KindRegistrar &))
    {
        reportBoxes();
        ElementModel model;
        model.buildWith(42, 35, registration);
    }
};

TEST_F(FatalPathDeathTest, AFullElementTableEndsWithExitCode3)
{
    auto run = [] {
        reportBoxes();
        Editor editor;
        // Every slot taken: the next placement cannot get a number.
        ElementTable &table = editor.model().elements;
        while (table.allocationCursor() < LastElementNumber) {
            const std::uint16_t n = table.AllocateElementNumber();
            InitElementRecord(table.at(n), editor.model().toolClasses.templateOf(18), n);
        }
        editor.place(PaletteButton::DigitalTBtn, 5, 5);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(3), "box:Überlauf der Elemente");
}

TEST_F(FatalPathDeathTest, AMismatchedRegistrationEndsWithExitCode1)
{
    EXPECT_EXIT(buildWith([](KindRegistrar &registrar) {
                    registrar.beginClass(1);
                    registrar.add("vRechtsImg", {18, 38}, {"Verteilung"});
                }),
                ::testing::ExitedWithCode(1),
                "box:Zahl der Properties entspricht nicht Zahl der Strings");
}

TEST_F(FatalPathDeathTest, TooManyKindsEndWithExitCode1)
{
    EXPECT_EXIT(buildWith([](KindRegistrar &registrar) {
                    registrar.beginClass(1);
                    for (int kind = 0; kind <= KindPlaces; ++kind)
                        registrar.add("vRechtsImg", {}, {});
                }),
                ::testing::ExitedWithCode(1), "box:Zu viele Defaults für den reservierten Platz!");
}

TEST_F(FatalPathDeathTest, ASheetLargerThanTheGridEndsStartUp)
{
    auto run = [] {
        reportBoxes();
        ElementModel model;
        TTalvexForm tooTall(model, nullptr, 1400);
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(1), "box:VerticalMax müsste [0-9]+ sein");
}
