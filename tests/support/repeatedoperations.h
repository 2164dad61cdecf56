#pragma once

// The user's operations, each repeatable any number of times on the real windows, and the
// process's resident memory: shared by the memory benchmark and the memory test, which repeat
// every operation many times and compare the memory before and after.

#include "app/editorwindows.h"
#include "inspector/valuelist.h"
#include "mainwindow/sheetview.h"
#include "modal.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <cstdio>
#include <functional>
#include <malloc.h>
#include <unistd.h>
#include <vector>

namespace talvex::memory {

// Resident memory of this process in kilobytes, from /proc/self/statm; -1 where unreadable.
// Free memory the allocator keeps is given back first: otherwise a leak can hide for a long
// time in space freed earlier.
inline long residentKilobytes()
{
    malloc_trim(0);
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (!statm)
        return -1;
    long size = 0;
    long resident = -1;
    if (std::fscanf(statm, "%ld %ld", &size, &resident) != 2)
        resident = -1;
    std::fclose(statm);
    return resident < 0 ? -1 : resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs what the event loop has pending, deferred deletions included.
inline void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// One repetition of a user's operation; returns whether it took place as the user sees it.
struct Operation
{
    const char *name;
    std::function<bool(int repetition)> once;
};

// Places a text element, a history element and a digital display, shows the inspector and
// returns the operations. The windows must outlive the operations.
inline std::vector<Operation> userOperations(EditorWindows &windows)
{
    TTalvexForm &main = windows.TalvexForm;
    TInspectForm &inspector = windows.InspectForm();
    main.show();
    auto place = [&main](PaletteButton button, int column, int row) {
        main.ChooseTool(button);
        main.ForegroundImgMouseDown(Qt::LeftButton,
                                    QPoint((column - 1) * CellSize, (row - 1) * CellSize));
    };
    place(PaletteButton::TextTBtn, 2, 2);
    place(PaletteButton::HistoryTBtn, 6, 2);
    place(PaletteButton::DigitalTBtn, 12, 2);
    settle();

    // Entries: 0 the sheet, 1 the text element, 2 the history element, 3 the display.
    auto choose = [&inspector](int entry) {
        inspector.ComboBox->setCurrentIndex(entry);
        inspector.ComboBoxChange(entry);
    };
    // Opens the value editor of the shown element through its "..." row and closes it from
    // inside its own event loop, as a user's click on Abbrechen does.
    auto openAndClose = [&inspector](QDialog *editor) {
        const test::Modal opened =
            test::whileModal([&inspector] { inspector.CommonValueListEditButtonClick(); });
        settle();
        return opened.dialog == editor && !editor->isVisible();
    };

    return {
        {"Merkmal-Einsteller an und aus",
         [&main, &inspector](int) {
             main.AttributeInspectClick();
             settle();
             const bool hidden = !inspector.isVisible();
             main.AttributeInspectClick();
             settle();
             return hidden && inspector.isVisible();
         }},
        {"Über Talvex zeigen und schließen",
         [&main, &windows](int) {
             main.AboutClick();
             settle();
             const bool shown = windows.AboutTalvexForm().isVisible();
             windows.AboutTalvexForm().OKButtonClick();
             settle();
             return shown && !windows.AboutTalvexForm().isVisible();
         }},
        {"Element in der Elementliste wählen",
         [&inspector, choose](int repetition) {
             choose(repetition % 4);
             settle();
             return inspector.ComboBox->currentIndex() == repetition % 4;
         }},
        {"Wert im Inspektor tippen",
         [&inspector, choose](int repetition) {
             if (repetition == 0)
                 choose(3);
             // "Zellenzahl waagerecht": a digit typed over the whole value, normalised at once.
             ValueListEditor *list = inspector.ElementValueList;
             list->setCurrentCell(2, 1);
             QLineEdit *edit = nullptr;
             for (QLineEdit *candidate : list->viewport()->findChildren<QLineEdit *>()) {
                 if (candidate->isVisible())
                     edit = candidate;
             }
             if (!edit)
                 return false;
             edit->selectAll();
             const int digit = 1 + repetition % 9;
             QKeyEvent press(QEvent::KeyPress, Qt::Key_0 + digit, Qt::NoModifier,
                             QString::number(digit));
             QApplication::sendEvent(edit, &press);
             QKeyEvent release(QEvent::KeyRelease, Qt::Key_0 + digit, Qt::NoModifier,
                               QString::number(digit));
             QApplication::sendEvent(edit, &release);
             settle();
             return list->value(2) == QString::number(digit);
         }},
        {"Zeiger über dem Blatt",
         [&main](int repetition) {
             if (repetition == 0)
                 main.ChooseTool(PaletteButton::MarketTBtn);
             QWidget *sheet = main.sheetView();
             const QPoint at(7 + (repetition * 37) % 800, 5 + (repetition * 53) % 700);
             QMouseEvent move(QEvent::MouseMove, at, sheet->mapToGlobal(at), Qt::NoButton,
                              Qt::NoButton, Qt::NoModifier);
             QApplication::sendEvent(sheet, &move);
             settle();
             return main.sheet().overlay() == SheetLayers::Overlay::Outline;
         }},
        {"Zeileneditor öffnen und schließen",
         [&inspector, &windows, openAndClose](int repetition) {
             if (repetition == 0)
                 inspector.ShowTextElement(1, QStringList());
             return openAndClose(&windows.LinesForm());
         }},
        {"Datentabelle öffnen und schließen",
         [&inspector, &windows, openAndClose](int repetition) {
             if (repetition == 0)
                 inspector.ShowHistoryElement(2, {});
             return openAndClose(&windows.DataForm());
         }},
    };
}

} // namespace talvex::memory
