// Entry point of the widget tests: headless platform, threadsafe death tests, error and fatal
// handlers that report to stderr instead of opening modal boxes, and a check after every test
// that its window operations made the toolkit warn about nothing but the platform's notices.

#include "app/application.h"
#include "app/windowsystem.h"
#include "widgets/handlerguard.h"
#include "model/fatal.h"
#include "qtwarningcheck.h"

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // On a desktop of their own (desktop-session) the tests choose the platform as the editor
    // does; elsewhere they run headless.
    if (qEnvironmentVariableIsSet("TALVEX_DESKTOP_INNER"))
        talvex::choosePlatform();
    else if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    talvex::qtmessages::install(true);
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    ::testing::UnitTest::GetInstance()->listeners().Append(new talvex::test::QtWarningCheck);
    talvex::TalvexApplication app(argc, argv);
    talvex::setErrorReporter([](QWidget *, const QString &text) {
        ADD_FAILURE() << "unexpected error box: " << text.toStdString();
    });
    return RUN_ALL_TESTS();
}
