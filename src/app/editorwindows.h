#pragma once

#include "inspector/dataform.h"
#include "inspector/inspectform.h"
#include "inspector/linesform.h"
#include "mainwindow/aboutform.h"
#include "mainwindow/talvexform.h"

#include <memory>

namespace talvex {

// The editor's five windows, created in the fixed order (the element model is built inside the
// first) and introduced to each other. Only the main window is built up front; the four hidden
// ones follow once its first frame is shown, or earlier when something asks for one of them.
// The one place that knows all five: the program, the tools, the benchmarks and the tests use it.
class EditorWindows
{
public:
    EditorWindows();
    ~EditorWindows();

    TTalvexForm TalvexForm;
    TInspectForm &InspectForm();
    TAboutTalvexForm &AboutTalvexForm();
    TLinesForm &LinesForm();
    TDataForm &DataForm();

    // Whether the hidden windows exist yet.
    bool companionsCreated() const { return m_inspectForm != nullptr; }

private:
    void createCompanions();

    // Destroyed in reverse order, before the main window.
    std::unique_ptr<TInspectForm> m_inspectForm;
    std::unique_ptr<TAboutTalvexForm> m_aboutTalvexForm;
    std::unique_ptr<TLinesForm> m_linesForm;
    std::unique_ptr<TDataForm> m_dataForm;
    std::unique_ptr<QObject> m_firstFrameWatch;
};

} // namespace talvex
