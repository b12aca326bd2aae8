#include "QtBackendTest.h"

#include <QTest>

namespace fw::qt::test {
namespace {

using QtTimerTest = QtBackendTest;

constexpr int generousMs = 10000;

TEST_F(QtTimerTest, ARepeatingTimerFiresAgainAndAgain) {
    int fired = 0;
    auto timer = platform().createTimer([&] { ++fired; });
    timer->start(10, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired >= 3; }, generousMs));
}

TEST_F(QtTimerTest, AOneShotTimerFiresOnce) {
    int fired = 0;
    int watched = 0;
    auto timer = platform().createTimer([&] { ++fired; });
    auto watch = platform().createTimer([&] { ++watched; });
    timer->start(10, false);
    watch->start(10, true);
    // Many periods go by; the one-shot timer still fired only once.
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched >= 10; }, generousMs));
    EXPECT_EQ(fired, 1);
}

TEST_F(QtTimerTest, StopAndRestart) {
    int fired = 0;
    int watched = 0;
    auto timer = platform().createTimer([&] { ++fired; });
    auto watch = platform().createTimer([&] { ++watched; });
    timer->start(10, true);
    timer->stop();
    watch->start(10, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return watched >= 5; }, generousMs));
    EXPECT_EQ(fired, 0);

    timer->start(3600000, false); // counting starts again with each start
    timer->start(10, false);
    EXPECT_TRUE(QTest::qWaitFor([&] { return fired == 1; }, generousMs));
}

TEST_F(QtTimerTest, ATimerMayBeDestroyedByItsOwnAction) {
    int fired = 0;
    std::unique_ptr<platform::NativeTimer> timer;
    timer = platform().createTimer([&] {
        ++fired;
        timer.reset();
    });
    timer->start(10, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer; }, generousMs));
    QTest::qWait(100);
    EXPECT_EQ(fired, 1);
}

} // namespace
} // namespace fw::qt::test
