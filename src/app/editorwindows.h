#pragma once

#include "inspector/dataform.h"
#include "inspector/inspectform.h"
#include "inspector/linesform.h"
#include "mainwindow/aboutform.h"
#include "mainwindow/talvexform.h"
#include "model/elementmodel.h"

#include <memory>

namespace talvex {

// The editor's element model and its five windows, created in the fixed order (the model is
// built inside the first) and introduced to each other; each window gets the model by reference.
// Only the main window is built up front; the four hidden ones follow once its first frame is
// shown, or earlier when something asks for one of them. The one place that knows all five: the
// program, the tools, the benchmarks and the tests use it.
class EditorWindows
{
public:
    EditorWindows();
    ~EditorWindows();

private:
    // Before the windows: they are built with it and go before it.
    ElementModel m_model;

public:
    TTalvexForm TalvexForm;
    TInspectForm &InspectForm();
    TAboutTalvexForm &AboutTalvexForm();
    TLinesForm &LinesForm();
    TDataForm &DataForm();

    ElementModel &model() { return m_model; }
    const ElementModel &model() const { return m_model; }

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
