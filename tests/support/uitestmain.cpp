// Entry point of the widget tests: headless platform, threadsafe death tests, and error and
// fatal handlers that report to stderr instead of opening modal boxes.

#include "app/application.h"
#include "app/errorreport.h"
#include "model/fatal.h"

#include <gtest/gtest.h>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    talvex::TalvexApplication app(argc, argv);
    talvex::setErrorReporter([](QWidget *, const QString &text) {
        ADD_FAILURE() << "unexpected error box: " << text.toStdString();
    });
    return RUN_ALL_TESTS();
}
