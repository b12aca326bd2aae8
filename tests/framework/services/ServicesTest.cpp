#include "services/Services.h"

#include "headless/HeadlessPlatform.h"
#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "services/Random.h"
#include "services/System.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <set>

namespace {

using fw::headless::HeadlessPlatform;
using ::testing::ElementsAre;

TEST(Random, InRangeReachesBothBoundsAndNothingOutside) {
    fw::Random random;
    random.Seed(20210302);
    std::set<std::int64_t> seen;
    for (int i = 0; i < 5000; ++i) {
        auto value = random.InRange(0, 21);
        ASSERT_GE(value, 0);
        ASSERT_LE(value, 21);
        seen.insert(value);
    }
    EXPECT_EQ(seen.size(), 22u) << "every verdict number comes up, 0 and 21 included";
    EXPECT_EQ(random.InRange(7, 7), 7);
    EXPECT_THROW(random.InRange(3, 2), fw::InvalidArgumentException);
}

TEST(Random, TheSameSeedGivesTheSameSequence) {
    fw::Random a;
    fw::Random b;
    a.Seed(42);
    b.Seed(42);
    for (int i = 0; i < 20; ++i)
        ASSERT_EQ(a.InRange(-1000, 1000), b.InRange(-1000, 1000));
}

TEST(Random, TheSystemsSourceIsSharedAndMadeOnce) {
    auto first = fw::System::Random();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(fw::System::Random(), first);
    EXPECT_EQ(first->classRecord().name(), "Random");
}

TEST(Services, UrlsAndMessagesAreHandedToThePlatformInOrder) {
    std::vector<std::string> whileShown;
    HeadlessPlatform::the().onMessageBox([&](const std::string& text) {
        whileShown.push_back(text);
        whileShown.push_back(HeadlessPlatform::the().eventLog().back());
    });
    fw::ShowURL("https://example.org/freeforfun");
    fw::MessageBox("Goodbye");
    fw::ShowURL("https://example.org/write-us-now");
    EXPECT_THAT(HeadlessPlatform::the().eventLog(),
                ElementsAre("url https://example.org/freeforfun", "message Goodbye",
                            "url https://example.org/write-us-now"));
    EXPECT_THAT(HeadlessPlatform::the().urlsOpened(),
                ElementsAre("https://example.org/freeforfun", "https://example.org/write-us-now"));
    EXPECT_THAT(HeadlessPlatform::the().messages(), ElementsAre("Goodbye"));
    EXPECT_THAT(whileShown, ElementsAre("Goodbye", "message Goodbye"));
}

} // namespace
