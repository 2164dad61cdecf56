// Entry point of the pictures tests: painting text needs a GUI application, here a headless
// one, and no test may make the toolkit warn.

#include "qtwarningcheck.h"

#include <QGuiApplication>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    talvex::qtmessages::install(true);
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new talvex::test::QtWarningCheck);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
