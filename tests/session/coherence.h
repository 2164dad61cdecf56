#pragma once

#include "editorfixture.h"
#include "expectedstate.h"

#include <QImage>
#include <QStringList>

#include <array>

class QAction;

namespace talvex::test {

// Compares everything the user can see of the editor, and the model behind it, with the
// session's expected state: palette, status bar, selectors, sheet layers, element table,
// occupancy grid, inspector lists and the windows' visibility. Cheap enough to run after every
// step: images are compared scanline by scanline, the overlay pixel by pixel.
class CoherenceCheck
{
public:
    CoherenceCheck(const Editor &editor, const ExpectedState &expected);

    // The background the placed tiles should have made; drawn by the session at each placing.
    QImage &expectedBackground() { return m_background; }

    // Every difference found, one line each; empty when the editor is coherent.
    QStringList problems() const;

    // Whether the sheet on screen, as last painted, shows the foreground layer: a change that
    // reached the layer but not the screen leaves old pixels standing.
    QStringList screenProblems() const;

private:
    QStringList sheetOnScreenProblems(bool realDisplay) const;
    void checkPalette(QStringList &out) const;
    void checkSheet(QStringList &out) const;
    void checkModel(QStringList &out) const;
    void checkElementList(QStringList &out) const;
    void checkInspectorLists(QStringList &out) const;
    void checkCells(QStringList &out) const;
    void checkWindows(QStringList &out) const;

    const Editor &m_editor;
    const ExpectedState &m_expected;
    QImage m_background;
    QAction *m_attributeInspect = nullptr;
    std::array<QToolButton *, 23> m_buttons{};
    QRgb m_markInk = 0;
};

} // namespace talvex::test
