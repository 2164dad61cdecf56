#pragma once

#include "app/editorwindows.h"
#include "mainwindow/sheetview.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>

#include <memory>

namespace talvex::test {

// The five windows of the editor, all of them created before the main window is shown.
struct Editor
{
    Editor()
        : windows(std::make_unique<EditorWindows>())
        , main(&windows->TalvexForm)
        , inspector(&windows->InspectForm())
        , about(&windows->AboutTalvexForm())
        , lines(&windows->LinesForm())
        , data(&windows->DataForm())
    {
        main->show();
    }

    QWidget *sheet() const { return main->sheetView(); }
    ElementModel &model() const { return windows->model(); }

    // A user's click on a palette button (no click reaches a disabled one).
    void click(PaletteButton button) const
    {
        QTest::mouseClick(main->paletteButton(button), Qt::LeftButton);
    }

    void clickSelector(int kind) const
    {
        QTest::mouseClick(main->selectorImage(kind), Qt::LeftButton);
    }

    // Pointer moves are sent directly so they arrive in order on every platform.
    static void moveOver(QWidget *widget, QPoint position)
    {
        QMouseEvent event(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }

    void moveOnSheet(QPoint position) const { moveOver(sheet(), position); }

    void clickSheet(QPoint position, Qt::MouseButton button = Qt::LeftButton) const
    {
        // QTest clicks the middle of the widget for the null point, so the top-left pixel
        // gets events of its own.
        if (position.isNull()) {
            QMouseEvent press(QEvent::MouseButtonPress, position, sheet()->mapToGlobal(position),
                              button, button, Qt::NoModifier);
            QApplication::sendEvent(sheet(), &press);
            QMouseEvent release(QEvent::MouseButtonRelease, position,
                                sheet()->mapToGlobal(position), button, Qt::NoButton,
                                Qt::NoModifier);
            QApplication::sendEvent(sheet(), &release);
            return;
        }
        QTest::mouseClick(sheet(), button, Qt::NoModifier, position);
    }

    // Pixel of the cell's top-left corner, cells counted from 1.
    static QPoint cellPixel(int column, int row)
    {
        return {(column - 1) * CellSize, (row - 1) * CellSize};
    }

    void place(PaletteButton button, int column, int row, bool turned = false) const
    {
        click(button);
        if (turned)
            main->OrientClick();
        clickSheet(cellPixel(column, row));
    }

    QImage foreground() const { return main->sheet().foreground(); }
    QImage background() const { return main->sheet().background(); }

    std::unique_ptr<EditorWindows> windows;
    TTalvexForm *main;
    TInspectForm *inspector;
    TAboutTalvexForm *about;
    TLinesForm *lines;
    TDataForm *data;
};

} // namespace talvex::test
