#pragma once

#include "aboutform.h"
#include "dataform.h"
#include "inspectform.h"
#include "linesform.h"
#include "talvexform.h"

namespace talvex {

// The editor's five windows, created in the fixed start-up order (the element model is built
// inside the first) and introduced to each other. Members are destroyed in reverse order.
struct EditorWindows
{
    EditorWindows()
        : InspectForm(TalvexForm)
        , AboutTalvexForm(TalvexForm.pictures())
    {
        TalvexForm.setCompanions(&InspectForm, &AboutTalvexForm);
        InspectForm.setEditors(&LinesForm, &DataForm);
    }

    TTalvexForm TalvexForm;
    TInspectForm InspectForm;
    TAboutTalvexForm AboutTalvexForm;
    TLinesForm LinesForm;
    TDataForm DataForm;
};

} // namespace talvex
