// Whole sessions through the real windows, from start to "Beenden".

#include "app/errorreport.h"
#include "editorfixture.h"
#include "inspector/valuelist.h"
#include "model/elementmodel.h"
#include "model/fatal.h"
#include "placedchecks.h"

#include <QComboBox>
#include <QMenu>
#include <QMessageBox>
#include <QTabBar>
#include <QTimer>

#include <gtest/gtest.h>

using namespace talvex;
using talvex::test::Editor;
using talvex::test::expectPlaced;

namespace {

struct Placement
{
    PaletteButton button;
    int conductorKind;
    int column;
    int row;
    bool turned;
    const char *status; // status text while the tool is chosen
};

// One element of every placing class, the orientable ones in both forms.
const Placement Gallery[] = {
    {PaletteButton::AllConnectTBtn, 1, 2, 2, false, "Verteilungsweiterleiter vorgewählt"},
    {PaletteButton::AllForkTBtn, 0, 4, 2, false, "Zahlenwert-Abzweiger vorgewählt"},
    {PaletteButton::AllDistribTBtn, 1, 6, 2, false, "Verteilungsaufteiler vorgewählt"},
    {PaletteButton::AllDistribTBtn, 0, 9, 2, true, "Zahlenwert-Aufteiler vorgewählt"},
    {PaletteButton::MixerTBtn, 2, 11, 2, false, "arithmetischer Mischer vorgewählt"},
    {PaletteButton::AllStatInputTBtn, 2, 13, 2, false,
     "Entscheidungseingeber (statisch) vorgewählt"},
    {PaletteButton::DynInputTBtn, 0, 15, 2, false, "Zahlenwert-Eingeber (dynamisch) vorgewählt"},
    {PaletteButton::DynInputTBtn, 0, 19, 2, true, "Zahlenwert-Eingeber (dynamisch) vorgewählt"},
    {PaletteButton::HistoryTBtn, 1, 21, 2, false, "Vorgeschichte vorgewählt"},
    {PaletteButton::vFunctTBtn, 1, 23, 2, false, "vorbelegter Wandler vorgewählt"},
    {PaletteButton::fFunctTBtn, 1, 25, 2, false, "freier Funktionswandler vorgewählt"},
    {PaletteButton::RelationTBtn, 1, 29, 2, false, "Relativ-Entscheider vorgewählt"},
    {PaletteButton::AllChoiceTBtn, 2, 31, 2, false, "Entscheidungsauswähler vorgewählt"},
    {PaletteButton::LinearTBtn, 1, 33, 2, false, "lineare Transformation vorgewählt"},
    {PaletteButton::NonLinTBtn, 1, 35, 2, false, "nicht-lineare Transformation vorgewählt"},
    {PaletteButton::DistribTransformTBtn, 1, 37, 2, false, "Verteilungstransformation vorgewählt"},
    {PaletteButton::MarketTBtn, 1, 2, 8, false, "Markt vorgewählt"},
    {PaletteButton::MarketTBtn, 1, 8, 8, true, "Markt vorgewählt"},
    {PaletteButton::PreferTBtn, 1, 10, 8, false, "Präferenzsystem vorgewählt"},
    {PaletteButton::PreferTBtn, 1, 16, 8, true, "Präferenzsystem vorgewählt"},
    {PaletteButton::AnalogTBtn, 1, 18, 8, false, "Analog-Anzeiger vorgewählt"},
    {PaletteButton::DigitalTBtn, 1, 20, 8, false, "Digital-Anzeiger vorgewählt"},
    {PaletteButton::CharacteristicTBtn, 1, 22, 8, false, "Kennwerte-Anzeiger vorgewählt"},
    {PaletteButton::DistributionTBtn, 1, 24, 8, false, "Verteilungsdarsteller vorgewählt"},
    {PaletteButton::CharReportTBtn, 1, 26, 8, false, "Kennwerte-Aufzeichner vorgewählt"},
    {PaletteButton::TextTBtn, 1, 28, 8, false, "Text-Element vorgewählt"},
};

bool pixelIs(const QImage &image, QPoint point, QColor colour)
{
    return image.pixelColor(point) == colour;
}

// Closes the modal editor that is about to open, with OK or cancel.
void closeModalSoon(bool accept)
{
    QTimer::singleShot(0, [accept] {
        if (!QTest::qWaitFor([] { return QApplication::activeModalWidget() != nullptr; }, 2000))
            return;
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget()))
            accept ? dialog->accept() : dialog->reject();
    });
}

} // namespace

TEST(Scenario, EveryClassFromStartToBeenden)
{
    Editor editor;
    TTalvexForm &main = *editor.main;
    TInspectForm &inspector = *editor.inspector;
    int exitCode = -1;

    QTimer::singleShot(0, [&] {
        int number = 0;
        for (const Placement &placement : Gallery) {
            editor.clickSelector(placement.conductorKind);
            editor.click(placement.button);
            ASSERT_TRUE(main.paletteButton(placement.button)->isChecked());
            EXPECT_EQ(main.statusText(0), QString::fromUtf8(placement.status));
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
            EXPECT_TRUE(pixelIs(editor.foreground(), pointer, Qt::black));
            editor.clickSheet(pointer);

            ++number;
            expectPlaced(editor, number, placement.column, placement.row);
            if (placement.turned) {
                EXPECT_EQ(editor.model().elements.at(number).head.orientation, Vertical);
            }
        }
        EXPECT_EQ(inspector.ComboBox->count(), 1 + static_cast<int>(std::size(Gallery)));

        // Read the turned market back and edit its cell count: the value is normalised only.
        inspector.ComboBox->setCurrentIndex(18);
        inspector.ComboBoxChange(18);
        EXPECT_EQ(inspector.ElementValueList->value(1), QStringLiteral("senkrecht"));
        inspector.ElementValueList->setValue(3, QStringLiteral("07"));
        EXPECT_EQ(inspector.ElementValueList->value(3), QStringLiteral("7"));
        EXPECT_EQ(editor.model().elements.at(18).head.height, 5);

        // The editors of the text element and the history element, OK and cancel.
        inspector.ShowTextElement(26, {});
        closeModalSoon(true);
        inspector.CommonValueListEditButtonClick();
        EXPECT_FALSE(editor.lines->isVisible());
        inspector.ShowHistoryElement(9, {});
        closeModalSoon(false);
        inspector.CommonValueListEditButtonClick();
        EXPECT_FALSE(editor.data->isVisible());

        // "Beenden" ends the session.
        main.findChild<QAction *>(QStringLiteral("Exit"))->trigger();
    });
    QTimer::singleShot(60000, [] { QCoreApplication::exit(99); });
    exitCode = QApplication::exec();
    EXPECT_EQ(exitCode, 0);
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
    auto run = [] {
        reportBoxes();
        ElementModel model;
        model.buildWith(42, 35, [](KindRegistrar &registrar) {
            registrar.beginClass(1);
            registrar.add("vRechtsImg", {18, 38}, {"Verteilung"});
        });
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(1),
                "box:Zahl der Properties entspricht nicht Zahl der Strings");
}

TEST_F(FatalPathDeathTest, TooManyKindsEndWithExitCode1)
{
    auto run = [] {
        reportBoxes();
        ElementModel model;
        model.buildWith(42, 35, [](KindRegistrar &registrar) {
            registrar.beginClass(1);
            for (int kind = 0; kind <= KindPlaces; ++kind)
                registrar.add("vRechtsImg", {}, {});
        });
    };
    EXPECT_EXIT(run(), ::testing::ExitedWithCode(1),
                "box:Zu viele Defaults für den reservierten Platz!");
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
