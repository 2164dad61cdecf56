// Starts either the editor's five windows or a bare main window, shows the main window and ends
// as soon as its first frame has been painted. The driver measures whole processes of both.

#include "app/application.h"
#include "app/editorwindows.h"

#include <QApplication>
#include <QMainWindow>
#include <QTimer>

#include <cstring>

using namespace talvex;

namespace {

// Quits once the window has painted its first frame.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget *window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        return false;
    }
};

int runBare(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(1004, 927);
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
    const bool bare = argc > 1 && std::strcmp(argv[1], "--bare") == 0;
    return bare ? runBare(argc, argv) : runEditor(argc, argv);
}
