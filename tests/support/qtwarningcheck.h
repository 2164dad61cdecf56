#pragma once

#include "qtmessages.h"

#include <gtest/gtest.h>

namespace talvex::test {

// Fails the test during which the toolkit printed a warning or critical message other than the
// platform's notices. Install qtmessages with recording first; append the check last, so that
// its failures come before the result line of the test.
class QtWarningCheck : public ::testing::EmptyTestEventListener
{
    void OnTestStart(const ::testing::TestInfo &) override { qtmessages::takeRecorded(); }

    void OnTestEnd(const ::testing::TestInfo &) override
    {
        for (const QString &message : qtmessages::takeRecorded())
            ADD_FAILURE() << "Qt warned: " << message.toStdString();
    }
};

} // namespace talvex::test
