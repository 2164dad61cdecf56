// Starts the editor's five windows, a bare main window or a bare main window with one label,
// shows the main window and ends as soon as its first frame has been painted. The driver
// measures whole processes of all three.

#include "app/application.h"
#include "app/editorwindows.h"
#include "qtmessages.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>

#include <cstring>

using namespace talvex;

namespace {

// Ends the event loop once the window has painted its first frame: the loop returns when that
// frame is flushed, before any work queued for later runs.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QCoreApplication::exit(0);
        return false;
    }
};

// The label makes the baseline draw text, so that it loads fonts as the editor must.
int runBare(int argc, char *argv[], bool withLabel)
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1004, 927);
    if (withLabel)
        window.setCentralWidget(new QLabel(QStringLiteral("Zeichenfläche")));
    FirstFrame first(&window);
    window.show();
    return QApplication::exec();
}

// As the program starts the editor.
int runEditor(int argc, char *argv[])
{
    TalvexApplication app(argc, argv);
    EditorWindows windows;
    FirstFrame first(&windows.TalvexForm);
    windows.TalvexForm.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char *argv[])
{
    talvex::qtmessages::install(false);
    const char *mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "--bare") == 0)
        return runBare(argc, argv, false);
    if (std::strcmp(mode, "--label") == 0)
        return runBare(argc, argv, true);
    return runEditor(argc, argv);
}
