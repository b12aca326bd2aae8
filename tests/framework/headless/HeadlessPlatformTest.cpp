#include "headless/HeadlessPlatform.h"

#include "headless/MediaFiles.h"
#include "runtime/NoDisplayException.h"
#include "ui/Timer.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;

TEST(HeadlessLoop, RunsTheScriptThenWhatWasPosted) {
    auto& platform = HeadlessPlatform::the();
    std::vector<std::string> order;
    platform.post([&] { order.push_back("posted before"); });
    platform.setScript([&] {
        order.push_back("script");
        platform.post([&] {
            order.push_back("posted by the script");
            platform.post([&] { order.push_back("posted by a task"); });
        });
    });
    EXPECT_EQ(platform.run(), 0);
    EXPECT_THAT(order, ElementsAre("script", "posted before", "posted by the script", "posted by a task"));
    EXPECT_FALSE(platform.quitCode());
}

TEST(HeadlessLoop, AQuitInTheScriptEndsTheRunWhenTheScriptReturns) {
    auto& platform = HeadlessPlatform::the();
    bool afterQuit = false;
    bool taskRan = false;
    platform.setScript([&] {
        platform.post([&] { taskRan = true; });
        platform.quit(2);
        afterQuit = true;
    });
    EXPECT_EQ(platform.run(), 2);
    EXPECT_TRUE(afterQuit);
    EXPECT_FALSE(taskRan);
    EXPECT_EQ(platform.pendingTasks(), 1u);
}

TEST(HeadlessClock, AdvancesOnlyWhenToldAndNeverBackwards) {
    auto& platform = HeadlessPlatform::the();
    EXPECT_EQ(platform.now(), 0);
    platform.advance(250);
    platform.advance(0);
    EXPECT_EQ(platform.now(), 250);
    EXPECT_THROW(platform.advance(-1), std::invalid_argument);
}

TEST(HeadlessClock, ATimerFiringSeesTheClockAtItsDueTime) {
    auto& platform = HeadlessPlatform::the();
    std::vector<std::int64_t> seen;
    auto timer = platform.createTimer([&] { seen.push_back(platform.now()); });
    timer->start(30, true);
    platform.advance(100);
    EXPECT_THAT(seen, ElementsAre(30, 60, 90));
    EXPECT_EQ(platform.now(), 100);
    EXPECT_EQ(platform.nextTimerDue(), 120);
}

TEST(HeadlessClock, ATimerDestroyedByItsOwnCallbackIsGoneSafely) {
    auto& platform = HeadlessPlatform::the();
    int fired = 0;
    std::unique_ptr<fw::platform::NativeTimer> timer;
    timer = platform.createTimer([&] {
        ++fired;
        timer.reset();
    });
    timer->start(10, true);
    platform.advance(100);
    EXPECT_EQ(fired, 1);
    EXPECT_EQ(platform.activeTimers(), 0u);
}

TEST(HeadlessDisplay, InitialiseFailsWithoutADisplay) {
    struct Events : fw::platform::AppEvents {
        void menuChosen(const std::string&) override {}
    } events;
    auto& platform = HeadlessPlatform::the();
    platform.setDisplayAvailable(false);
    EXPECT_THROW(platform.initialize(events), fw::NoDisplayException);
    EXPECT_FALSE(platform.initialized());
    platform.setDisplayAvailable(true);
    platform.initialize(events);
    EXPECT_TRUE(platform.initialized());
}

TEST(MediaFiles, RecogniseKindsByTheirFirstBytes) {
    using namespace fw::headless;
    EXPECT_TRUE(LooksLikeMp3(std::string("\xFF\xFB\x90", 3)));
    EXPECT_TRUE(LooksLikeMp3("ID3\x03"));
    EXPECT_FALSE(LooksLikeMp3(std::string("\xFF\x1F", 2)));
    EXPECT_FALSE(LooksLikeMp3("<html>"));
    EXPECT_TRUE(LooksLikeMp4(std::string("\0\0\0\x18"
                                         "ftypmp42",
                                         12)));
    EXPECT_FALSE(LooksLikeMp4("ftyp"));
    EXPECT_FALSE(PngSize("\x89PNG"));
    EXPECT_FALSE(SvgSize("<html><body/></html>"));
    auto size = SvgSize("<svg\n  width=\"12\"\theight='7.6'>");
    ASSERT_TRUE(size);
    EXPECT_EQ(size->width, 12);
    EXPECT_EQ(size->height, 8);
}

} // namespace
