#include "app/editorwindows.h"

namespace talvex {

EditorWindows::EditorWindows()
    : InspectForm(TalvexForm)
    , AboutTalvexForm(TalvexForm.pictures())
{
    TalvexForm.setCompanions(&InspectForm, &AboutTalvexForm);
    InspectForm.setEditors(&LinesForm, &DataForm);
}

} // namespace talvex
