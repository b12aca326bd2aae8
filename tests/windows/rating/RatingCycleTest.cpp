#include "media/MediaAccessors.h"
#include "runtime/NilObjectException.h"
#include "services/Random.h"
#include "services/System.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopLabel.h"
#include "windows/rating/Verdicts.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

constexpr int kTick = 4500;

// The rating window, shown by the intro's hand-over; `created` is when its timer began counting.
class RatingCycle : public ::testing::Test {
protected:
    void SetUp() override {
        program.start();
        created = program.platform().now();
        program.handOver();
        window = implicit::WinMain();
        ASSERT_TRUE(window->Visible());
    }

    void press() { program.platform().press(*window->btn_RateMe()); }
    bool enabled() { return window->btn_RateMe()->Enabled(); }
    void advanceTo(std::int64_t sinceCreation) { program.platform().advance(created + sinceCreation - program.platform().now()); }
    int verdictShown() {
        const std::string text = window->lbl_result()->Text();
        for (std::size_t k = 0; k < kVerdicts.size(); ++k)
            if (text == kVerdicts[k].text)
                return static_cast<int>(k);
        return -1;
    }
    std::size_t soundsStarted() { return program.platform().soundsPlayed().size(); }

    ProgramHarness program;
    std::int64_t created = 0;
    std::shared_ptr<WinMain> window;
};

} // namespace

TEST_F(RatingCycle, APressDisablesTheButtonShowsAVerdictAndStartsItsSound) {
    press();
    EXPECT_FALSE(enabled());
    const int k = verdictShown();
    ASSERT_GE(k, 0) << window->lbl_result()->Text();
    ASSERT_EQ(soundsStarted(), 1u);
    EXPECT_EQ(program.platform().soundsPlayed().back(), "R" + std::to_string(k) + ".mp3");
    EXPECT_TRUE(program.reports().empty());
}

TEST_F(RatingCycle, TheButtonComesBackAtTheFirstTickAfterThePress) {
    advanceTo(kTick - 100);
    press();
    advanceTo(kTick - 1);
    EXPECT_FALSE(enabled());
    advanceTo(kTick);
    EXPECT_TRUE(enabled()) << "a press just before a tick gets the button back almost at once";

    advanceTo(kTick + 1);
    press();
    advanceTo(2 * kTick - 1);
    EXPECT_FALSE(enabled()) << "a press just after a tick waits for the whole period";
    advanceTo(2 * kTick);
    EXPECT_TRUE(enabled());
}

TEST_F(RatingCycle, RapidClickingStartsAtMostOneRatingBetweenTwoTicks) {
    for (int tick = 0; tick < 5; ++tick) {
        for (int click = 0; click < 40; ++click) {
            press();
            program.platform().advance(10);
        }
        EXPECT_EQ(soundsStarted(), static_cast<std::size_t>(tick + 1));
        advanceTo((tick + 1) * kTick);
    }
}

TEST_F(RatingCycle, TicksWithoutPressesChangeNothing) {
    advanceTo(10 * kTick);
    EXPECT_TRUE(enabled());
    EXPECT_EQ(window->lbl_result()->Text(), " ");
    EXPECT_EQ(soundsStarted(), 0u);
}

TEST_F(RatingCycle, EveryVerdictCanBeDrawnIncludingBothEnds) {
    fw::System::Random()->Seed(20211);
    std::set<int> seen;
    for (int tick = 1; tick <= 600; ++tick) {
        press();
        seen.insert(verdictShown());
        advanceTo(tick * kTick);
    }
    EXPECT_TRUE(seen.count(0)) << "\"You are Hot stuff\"";
    EXPECT_TRUE(seen.count(21)) << "\"The judges and I agree, you are a 10\"";
    EXPECT_EQ(seen.size(), 22u);
    EXPECT_FALSE(seen.count(-1));
}

TEST_F(RatingCycle, VerdictTextsAreExactIncludingTheTypographicApostrophe) {
    EXPECT_EQ(std::string(kVerdicts[19].text), "If being sexy was a crime, you\xE2\x80\x99" "d be guilty as charged");
    EXPECT_EQ(std::string(kVerdicts[19].text).size(), 55u);
    for (int k : {10, 12, 13, 14, 15, 17})
        EXPECT_NE(std::string(kVerdicts[k].text).find('\''), std::string::npos) << k;
    std::size_t bytes = 0;
    for (const auto& verdict : kVerdicts)
        bytes += std::string(verdict.text).size();
    EXPECT_EQ(bytes, 17u + 14 + 14 + 16 + 15 + 16 + 15 + 18 + 22 + 25 + 20 + 15 + 56 + 18 + 21 + 17 + 16 + 32 + 19 + 55 + 19 + 36);
}

TEST_F(RatingCycle, AMissingSoundShowsItsTextThenRaisesAndTheButtonWaitsForTheTick) {
    for (int k = 0; k < 22; ++k)
        program.bundle().remove("R" + std::to_string(k) + ".mp3");
    press();
    EXPECT_GE(verdictShown(), 0) << "the text is shown before the sound is asked for";
    EXPECT_FALSE(enabled());
    ASSERT_EQ(program.reports().size(), 1u);
    EXPECT_EQ(program.reports()[0].rfind("NilObjectException", 0), 0u);
    EXPECT_EQ(soundsStarted(), 0u);
    advanceTo(kTick);
    EXPECT_TRUE(enabled());
    press();
    EXPECT_GE(verdictShown(), 0);
    EXPECT_EQ(program.reports().size(), 2u) << "the window goes on working after a failed rating";
}
