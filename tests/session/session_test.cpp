#include "usersession.h"

#include "qtmessages.h"

#include <QGuiApplication>
#include <QTest>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>

using talvex::test::Editor;
using talvex::test::UserSession;

namespace {

constexpr int DefaultSteps = 10000;

int sessionSteps()
{
    bool ok = false;
    const int steps = qEnvironmentVariableIntValue("TALVEX_SESSION_STEPS", &ok);
    return ok && steps > 0 ? steps : DefaultSteps;
}

void runSession(std::uint32_t seed)
{
    // A click on a disabled palette button, or a key on a control that has no use for it, is
    // not accepted, and QTest says so every time; the session does both on purpose.
    const talvex::qtmessages::ExpectQtWarning notAccepted(
        QStringLiteral("not accepted by receiving"));
    Editor editor;
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        // On a real display the sheet takes its size once the window manager has framed the
        // window; the session starts from that size.
        EXPECT_TRUE(QTest::qWaitForWindowExposed(editor.main, 20000));
        QTest::qWait(300);
    }
    UserSession session(editor, seed);
    const QString report = session.run(sessionSteps());
    std::printf("%s\n", qPrintable(session.summary()));
    EXPECT_TRUE(report.isEmpty()) << report.toStdString();
    // A session that never places anything would test little.
    EXPECT_GT(session.placedCount(), 0);
    // The usable sheet is 41 x 35 cells; a filling session covers it within the full length.
    if (session.fillsSheet() && sessionSteps() >= DefaultSteps) {
        EXPECT_EQ(session.coveredCells(), 41 * 35);
    }
}

class RandomSession : public ::testing::TestWithParam<std::uint32_t>
{};

} // namespace

TEST_P(RandomSession, StaysCoherentAfterEveryStep)
{
    runSession(GetParam());
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomSession, ::testing::Range(1u, 9u));

// Replays one session: TALVEX_SESSION_SEED=n [TALVEX_SESSION_STEPS=k] session_tests
// --gtest_filter=RandomSession.Replay
TEST(RandomSession, Replay)
{
    bool ok = false;
    const auto seed = std::uint32_t(qEnvironmentVariableIntValue("TALVEX_SESSION_SEED", &ok));
    if (!ok)
        GTEST_SKIP() << "TALVEX_SESSION_SEED not set";
    runSession(seed);
}
