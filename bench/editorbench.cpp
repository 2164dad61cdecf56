// Benchmarks of the editor's hot paths, measured in-process on the real windows offscreen.

#include "app/editorwindows.h"
#include "benchutil.h"
#include "inspector/valuelist.h"
#include "mainwindow/sheetview.h"
#include "model/elementmodel.h"
#include "qtmessages.h"

#include <QApplication>

#include <memory>

using namespace talvex;
using namespace talvex::bench;

namespace {

// The windows shown, as a user has them.
struct Editor : EditorWindows
{
    Editor()
        : main(TalvexForm)
        , inspector(InspectForm())
    {
        main.show();
        inspector.show();
        QApplication::processEvents();
    }

    TTalvexForm &main;
    TInspectForm &inspector;
};

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    talvex::qtmessages::install(false);
    QApplication app(argc, argv);
    bool met = true;

    {
        ElementModel model;
        const Figures build = measure(200, [&] { model.BuildElementModel(42, 35); });
        met &= report("BuildElementModel (median)", build.median, 0.2, "ms");
    }

    auto editor = std::make_unique<Editor>();
    editor->main.ChooseTool(PaletteButton::PreferTBtn);
    int step = 0;
    auto nextPoint = [&step] {
        ++step;
        return QPoint(7 + (step * 37) % 800, 5 + (step * 53) % 700);
    };
    const Figures move = measure(2000, [&] { editor->main.ForegroundImgMouseMove(nextPoint()); });
    met &= report("pointer move, handler (median)", move.median, 0.5, "ms");
    met &= report("pointer move, handler (p99)", move.p99, 3.0, "ms");
    SheetView *view = editor->main.sheetView();
    const Figures painted = measure(1000, [&] {
        editor->main.ForegroundImgMouseMove(nextPoint());
        view->repaint();
    });
    met &= report("pointer move to painted frame (median)", painted.median, 1.0, "ms");
    met &= report("pointer move to painted frame (p99)", painted.p99, 3.0, "ms");

    // Placing: one 1 x 1 element per free cell, each click ending with the inspector refresh.
    int column = 1;
    int row = 1;
    const int columns = editor->main.sheetColumns();
    const int rows = editor->main.sheetRows();
    const Figures place = measure(columns * rows / 2, [&] {
        editor->main.ChooseTool(PaletteButton::DigitalTBtn);
        editor->main.ForegroundImgMouseDown(Qt::LeftButton,
                                            QPoint((column - 1) * CellSize, (row - 1) * CellSize));
        if (++column >= columns) {
            column = 1;
            row = row % rows + 1;
        }
    });
    met &= report("placing click incl. inspector (median)", place.median, 3.0, "ms");
    met &= report("placing click incl. inspector (p99)", place.p99, 3.0, "ms");

    // An edit keystroke: the list reports the change and the handler normalises the value.
    editor->inspector.ShowDynamicInput(1, 1.0, 0.5);
    ValueListEditor *list = editor->inspector.CommonValueList;
    int keystroke = 0;
    const Figures edit = measure(2000, [&] {
        list->setValue(0, (++keystroke % 2) ? QStringLiteral("1,5") : QStringLiteral(",7"));
    });
    if (list->value(0) != QStringLiteral("0,70") && list->value(0) != QStringLiteral("1,50")) {
        std::fprintf(stderr, "the edit was not normalised: %s\n", qPrintable(list->value(0)));
        met = false;
    }
    met &= report("edit keystroke through the handler (median)", edit.median, 1.0, "ms");
    return met ? 0 : 1;
}
