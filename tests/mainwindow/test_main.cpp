#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Test discovery runs without the test environment, so headless mode is chosen here too.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
