#pragma once

class QWidget;

namespace talvex {

class SheetView;

// Exposes the sheet and the conductor-kind selectors to assistive technology: the sheet as a
// canvas whose children are the placed elements and the keyboard pointer's cell, the selectors
// as radio buttons with their checked state. Installed once; later calls do nothing.
void installSheetAccessibility();

// While the sheet has the focus, moves the accessible focus to the keyboard pointer's cell, so
// that screen readers say the cell and what lies there.
void announceSheetPointer(SheetView *view);
// Reports a new child of the sheet, and the keyboard pointer's cell that now names it.
void announceSheetElement(SheetView *view, int number);

} // namespace talvex
