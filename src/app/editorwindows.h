#pragma once

#include "inspector/dataform.h"
#include "inspector/inspectform.h"
#include "inspector/linesform.h"
#include "mainwindow/aboutform.h"
#include "mainwindow/talvexform.h"

namespace talvex {

// The editor's five windows, created in the fixed start-up order (the element model is built
// inside the first) and introduced to each other. Members are destroyed in reverse order. The
// one place that knows all five: the program, the tools, the benchmarks and the tests use it.
struct EditorWindows
{
    EditorWindows();

    TTalvexForm TalvexForm;
    TInspectForm InspectForm;
    TAboutTalvexForm AboutTalvexForm;
    TLinesForm LinesForm;
    TDataForm DataForm;
};

} // namespace talvex
