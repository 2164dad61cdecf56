#include "app/editorwindows.h"

#include "app/application.h"
#include "widgets/accessiblefocus.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace talvex {

namespace {

// Calls back once, on the event loop's next turn after the watched window's first paint: the
// hidden windows are not needed for that frame.
class FirstFrameWatch : public QObject
{
public:
    FirstFrameWatch(QWidget *window, std::function<void()> afterFirstFrame)
        : m_afterFirstFrame(std::move(afterFirstFrame))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && m_afterFirstFrame) {
            watched->removeEventFilter(this);
            QTimer::singleShot(0, this, std::exchange(m_afterFirstFrame, {}));
        }
        return false;
    }

private:
    std::function<void()> m_afterFirstFrame;
};

} // namespace

EditorWindows::EditorWindows()
    : TalvexForm(m_model)
{
    installAccessibleFocusFilter();
    TalvexForm.setCompanionFactory([this] { createCompanions(); });
    m_firstFrameWatch =
        std::make_unique<FirstFrameWatch>(&TalvexForm, [this] { createCompanions(); });
}

EditorWindows::~EditorWindows() = default;

void EditorWindows::createCompanions()
{
    if (m_inspectForm)
        return;
    // The first frame does not need the logo; task bars take it when it comes, for every window.
    if (QApplication::windowIcon().isNull())
        QApplication::setWindowIcon(TalvexApplication::logo());
    m_inspectForm = std::make_unique<TInspectForm>(TalvexForm, m_model);
    m_aboutTalvexForm = std::make_unique<TAboutTalvexForm>(TalvexForm.pictures());
    m_linesForm = std::make_unique<TLinesForm>();
    m_dataForm = std::make_unique<TDataForm>();
    TalvexForm.setCompanions(m_inspectForm.get(), m_aboutTalvexForm.get());
    m_inspectForm->setEditors(m_linesForm.get(), m_dataForm.get());
}

TInspectForm &EditorWindows::InspectForm()
{
    createCompanions();
    return *m_inspectForm;
}

TAboutTalvexForm &EditorWindows::AboutTalvexForm()
{
    createCompanions();
    return *m_aboutTalvexForm;
}

TLinesForm &EditorWindows::LinesForm()
{
    createCompanions();
    return *m_linesForm;
}

TDataForm &EditorWindows::DataForm()
{
    createCompanions();
    return *m_dataForm;
}

} // namespace talvex
