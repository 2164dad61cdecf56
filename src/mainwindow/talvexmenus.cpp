#include "mainwindow/talvexform.h"

#include "mainwindow/palettelayout.h"
#include "widgets/announcement.h"
#include "widgets/handlerguard.h"

#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

namespace talvex {

QAction *TTalvexForm::makeAction(const QString &name, const QString &caption, bool enabled)
{
    auto *action = new QAction(caption, this);
    action->setObjectName(name);
    action->setEnabled(enabled);
    return action;
}

void TTalvexForm::createActions()
{
    for (int position = 1; position <= PaletteButtonCount; ++position) {
        const PaletteButton button = paletteButtonAt(position);
        const PaletteButtonLayout &info = paletteButtonLayout(button);
        QAction *action = makeAction(QString::fromUtf8(info.name), QString::fromUtf8(info.hint));
        action->setToolTip(QString::fromUtf8(info.hint));
        action->setCheckable(true);
        action->setIcon(QIcon(QPixmap::fromImage(m_pictures.elemImg(button))));
        connect(action, &QAction::triggered, this,
                guardedSlot(this, [this, button] { ChooseTool(button); }));
        m_paletteActions[actionSlot(button)] = action;
    }

    m_orient = makeAction(QStringLiteral("Orient"), QStringLiteral(" Orientierung ändern"));
    connect(m_orient, &QAction::triggered, this, guardedSlot(this, [this] { OrientClick(); }));
}

void TTalvexForm::createMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    auto addMenu = [bar](const char *name, const char *title) {
        QMenu *menu = bar->addMenu(QString::fromUtf8(title));
        menu->setObjectName(QString::fromUtf8(name));
        menu->setToolTipsVisible(true);
        return menu;
    };
    auto addItem = [this](QMenu *menu, const char *name, const char *caption) {
        QAction *action = makeAction(QString::fromUtf8(name), QString::fromUtf8(caption));
        menu->addAction(action);
        return action;
    };

    QMenu *files = addMenu("Files", "Datei ");
    addItem(files, "New", "Neues Projekt");
    addItem(files, "Open", "Öffnen");
    addItem(files, "Save", "Projekt speichern");
    addItem(files, "SaveAs", "Speichern als...");
    files->addSeparator();
    addItem(files, "PrnSetup", "Druckereinstellungen");
    addItem(files, "Print", "Drucken");
    files->addSeparator();
    QAction *exit = addItem(files, "Exit", "Beenden");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    exit->setShortcutContext(Qt::ApplicationShortcut);
    connect(exit, &QAction::triggered, this, guardedSlot(this, [this] { ExitClick(); }));

    QMenu *edit = addMenu("Edit", "Bearbeiten ");
    addItem(edit, "Undo", "Rückgängig");
    addItem(edit, "Redo", "Wiederholen")->setToolTip(QStringLiteral("Redo"));
    edit->addSeparator();
    addItem(edit, "Cut", "Ausschneiden...");
    addItem(edit, "Copy", "Kopieren");
    addItem(edit, "Paste", "Einfügen");
    addItem(edit, "SelectAll", "Alles markieren");

    QMenu *view = addMenu("View", "Ansicht ");
    QAction *design = addItem(view, "Design", "Entwurfsmodus");
    design->setCheckable(true);
    design->setChecked(true);
    // Design mode is the only mode: choosing it keeps the check mark.
    connect(design, &QAction::toggled, design, [design] { design->setChecked(true); });
    view->setDefaultAction(design);
    addItem(view, "Diagram", "Diagrammansicht");

    QMenu *project = addMenu("Project", "Projekt ");
    addItem(project, "Generate", "Programm erzeugen");

    QMenu *tools = addMenu("Tools", "Werkzeuge ");
    m_attributeInspect = addItem(tools, "AttributeInspect", "Merkmal-Einsteller");
    m_attributeInspect->setCheckable(true);
    // The check mark follows the inspector's real visibility, never the click's own toggle.
    connect(m_attributeInspect, &QAction::triggered, this,
            guardedSlot(this, [this] { AttributeInspectClick(); }));
    addItem(tools, "Beautifier", "Schön anordnen");

    QMenu *help = addMenu("Help", "Hilfe");
    addItem(help, "Content", "Inhalt")->setEnabled(false);
    help->addSeparator();
    connect(addItem(help, "About", "Über Talvex..."), &QAction::triggered, this,
            guardedSlot(this, [this] { AboutClick(); }));

    m_orientPopupMenu = new QMenu(this);
    m_orientPopupMenu->setObjectName(QStringLiteral("OrientPopupMenu"));
    m_orientPopupMenu->addAction(m_orient);
}

void TTalvexForm::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setFixedHeight(19);
    bar->setSizeGripEnabled(false);
    bar->setStyle(m_compactStyle);
    static constexpr std::array<int, 4> Widths = {230, 100, 640, 20};
    static constexpr std::array<const char *, 4> Names = {"Vorauswahl", "Modus", "Meldung",
                                                          "Zustand"};
    for (std::size_t i = 0; i < Widths.size(); ++i) {
        auto *panel = new QLabel;
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        // A new preselection is read out as it appears.
        if (i == 0)
            exposeAsNotification(panel);
        // Assistive technology reads the panel's text as its name; the description says which
        // panel it is.
        panel->setAccessibleDescription(QString::fromUtf8(Names[i]));
        panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
        panel->setFixedWidth(Widths[i]);
        bar->addWidget(panel);
        m_statusPanels[i] = panel;
    }
    m_statusPanels[1]->setText(QStringLiteral("Entwurfsmodus"));
    // The status bar does not erase the pointer outline: its moves stop here.
    bar->setAttribute(Qt::WA_NoMousePropagation);
}

} // namespace talvex
