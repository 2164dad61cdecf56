// Renders the editor's windows offscreen into PNG files for review and for the README.
// Usage: talvex-shot [output directory]

#include "app/application.h"
#include "app/editorwindows.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTimer>

#include <cstdio>

using namespace talvex;

namespace {

struct Placement
{
    PaletteButton button;
    int conductorKind;
    int column;
    int row;
    bool turned;
};

// One element of every class, the orientable ones in both forms.
const Placement Gallery[] = {
    {PaletteButton::AllConnectTBtn, 1, 2, 2, false},
    {PaletteButton::AllForkTBtn, 0, 4, 2, false},
    {PaletteButton::AllDistribTBtn, 1, 6, 2, false},
    {PaletteButton::AllDistribTBtn, 1, 9, 2, true},
    {PaletteButton::MixerTBtn, 1, 11, 2, false},
    {PaletteButton::AllStatInputTBtn, 1, 13, 2, false},
    {PaletteButton::DynInputTBtn, 0, 15, 2, false},
    {PaletteButton::DynInputTBtn, 0, 19, 2, true},
    {PaletteButton::HistoryTBtn, 0, 21, 2, false},
    {PaletteButton::vFunctTBtn, 0, 23, 2, false},
    {PaletteButton::fFunctTBtn, 0, 25, 2, false},
    {PaletteButton::RelationTBtn, 0, 29, 2, false},
    {PaletteButton::AllChoiceTBtn, 2, 31, 2, false},
    {PaletteButton::LinearTBtn, 1, 33, 2, false},
    {PaletteButton::NonLinTBtn, 1, 35, 2, false},
    {PaletteButton::DistribTransformTBtn, 1, 37, 2, false},
    {PaletteButton::MarketTBtn, 1, 2, 8, false},
    {PaletteButton::MarketTBtn, 1, 8, 8, true},
    {PaletteButton::PreferTBtn, 1, 10, 8, false},
    {PaletteButton::PreferTBtn, 1, 16, 8, true},
    {PaletteButton::AnalogTBtn, 1, 18, 8, false},
    {PaletteButton::DigitalTBtn, 1, 20, 8, false},
    {PaletteButton::CharacteristicTBtn, 1, 22, 8, false},
    {PaletteButton::DistributionTBtn, 1, 24, 8, false},
    {PaletteButton::CharReportTBtn, 1, 26, 8, false},
    {PaletteButton::TextTBtn, 1, 28, 8, false},
};

bool save(const QImage &image, const QDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "talvex-shot: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

// Grabs a modal editor while it is open, then closes it.
QImage grabModal(QDialog &dialog, const std::function<void()> &open)
{
    QImage shot;
    QTimer::singleShot(0, &dialog, [&] {
        shot = dialog.grab().toImage();
        dialog.reject();
    });
    open();
    return shot;
}

} // namespace

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TalvexApplication app(argc, argv);
    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("."));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "talvex-shot: cannot create %s\n", qPrintable(dir.path()));
        return 1;
    }

    EditorWindows windows;
    TTalvexForm &talvexForm = windows.TalvexForm;
    TInspectForm &inspectForm = windows.InspectForm();
    TAboutTalvexForm &aboutTalvexForm = windows.AboutTalvexForm();
    TLinesForm &linesForm = windows.LinesForm();
    TDataForm &dataForm = windows.DataForm();
    talvexForm.show();

    bool ok = save(talvexForm.grab().toImage(), dir, QStringLiteral("mainwindow.png"));
    ok &= save(talvexForm.pictures().tileSheet(), dir, QStringLiteral("tiles.png"));
    aboutTalvexForm.show();
    ok &= save(aboutTalvexForm.grab().toImage(), dir, QStringLiteral("about.png"));
    aboutTalvexForm.hide();

    for (const Placement &placement : Gallery) {
        talvexForm.chooseConductorKind(placement.conductorKind);
        talvexForm.ChooseTool(placement.button);
        if (placement.turned)
            talvexForm.OrientClick();
        const QPoint pixel((placement.column - 1) * CellSize, (placement.row - 1) * CellSize);
        talvexForm.ForegroundImgMouseDown(Qt::LeftButton, pixel);
    }
    // Show the outline of a chosen market beside the gallery.
    talvexForm.ChooseTool(PaletteButton::MarketTBtn);
    talvexForm.ForegroundImgMouseMove(QPoint(30 * CellSize + 5, 14 * CellSize + 7));
    ok &= save(talvexForm.grab().toImage(), dir, QStringLiteral("mainwindow-placed.png"));
    talvexForm.ChooseTool(PaletteButton::PointerTBtn);

    // The inspector with a market, then with a dynamic input and its cell-spanning rows.
    inspectForm.ComboBox->setCurrentIndex(17);
    inspectForm.ComboBoxChange(17);
    inspectForm.resize(260, inspectForm.height());
    ok &= save(inspectForm.grab().toImage(), dir, QStringLiteral("inspector.png"));
    inspectForm.ComboBox->setCurrentIndex(7);
    inspectForm.ShowDynamicInput(7, 1.0, 0.5);
    ok &= save(inspectForm.grab().toImage(), dir, QStringLiteral("inspector-dynamic.png"));

    inspectForm.ComboBox->setCurrentIndex(26);
    inspectForm.ShowTextElement(26, {});
    ok &= save(grabModal(linesForm, [&] { inspectForm.CommonValueListEditButtonClick(); }), dir,
               QStringLiteral("lineseditor.png"));
    inspectForm.ComboBox->setCurrentIndex(9);
    inspectForm.ShowHistoryElement(9, {});
    ok &= save(grabModal(dataForm, [&] { inspectForm.CommonValueListEditButtonClick(); }), dir,
               QStringLiteral("datatableeditor.png"));
    return ok ? 0 : 1;
}
