#include "runtime/NilObjectException.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopCanvas.h"
#include "ui/DesktopLabel.h"
#include "windows/credits/Credits.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr const char* kWebsite = "https://www.pellowick.com/freeforfun";
constexpr const char* kContact = "https://www.pellowick.com/write-us-now";

// The run up to the credits window, reached by the rating window's "Quit".
class CreditsWindow : public ::testing::Test {
protected:
    void SetUp() override {
        program.start();
        program.handOver();
        program.platform().press(*implicit::WinMain()->btn_quit());
        credits = implicit::Credits();
    }
    std::vector<std::string> log() const { return program.platform().eventLog(); }
    ProgramHarness program;
    std::shared_ptr<Credits> credits;
};

} // namespace

TEST_F(CreditsWindow, IsTheOnlyVisibleWindowAfterQuit) {
    EXPECT_TRUE(credits->Visible());
    EXPECT_FALSE(implicit::WinMain()->Visible());
    EXPECT_FALSE(implicit::WinStart()->Visible());
    EXPECT_EQ(credits->Title(), "Credits");
    EXPECT_EQ(credits->Width(), 830);
    EXPECT_EQ(credits->Height(), 618);
    EXPECT_TRUE(credits->HasCloseButton());
    EXPECT_FALSE(credits->HasMinimizeButton() || credits->HasMaximizeButton() || credits->HasFullScreenButton());
    EXPECT_FALSE(credits->Resizeable());
    EXPECT_EQ(credits->MenuBar(), nullptr);
    EXPECT_FALSE(credits->IsEventImplemented("Closing"));
    EXPECT_TRUE(program.reports().empty());
}

TEST_F(CreditsWindow, ShowsTheCreditsTextByteForByteAboveTheButtonsInTabOrder) {
    const std::string text = credits->lbl_credits()->Text();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 6);
    EXPECT_EQ(text.find('\n'), std::string::npos);
    EXPECT_NE(text.find("please share  it with others"), std::string::npos);
    EXPECT_NE(text.find("topics of interest. \r\r"), std::string::npos);
    EXPECT_EQ(text.rfind("Thank you for using free software from Pellowick\r\r", 0), 0u);
    EXPECT_TRUE(text.ends_with("contributions of any size are welcome."));
    EXPECT_EQ(credits->lbl_credits()->Font().family, "verdena");

    const auto order = [&](const std::shared_ptr<fw::DesktopButton>& button) {
        return program.platform().stateOf(*button).tabIndex;
    };
    EXPECT_LT(order(credits->btn_VisitOurWebsite()), order(credits->btn_exit()));
    EXPECT_LT(order(credits->btn_exit()), order(credits->btn_contactUs()));
    EXPECT_EQ(credits->btn_exit()->Caption(), "Exit");
    EXPECT_NE(credits->Canvas1()->Backdrop(), nullptr);
}

TEST_F(CreditsWindow, LinksOpenTheRatingWindowsAddressesOnEveryClick) {
    program.platform().mouseDown(*credits->Canvas1(), 10, 10);
    program.platform().press(*credits->btn_VisitOurWebsite());
    program.platform().press(*credits->btn_contactUs());
    program.platform().press(*credits->btn_contactUs());
    EXPECT_EQ(program.platform().urlsOpened(), (std::vector<std::string>{kWebsite, kWebsite, kContact, kContact}));
}

TEST_F(CreditsWindow, ExitPlaysTheFarewellShowsTheMessageThenQuitsWithZero) {
    std::optional<int> quitWhileShown;
    program.platform().onMessageBox([&](const std::string&) { quitWhileShown = program.platform().quitCode(); });
    program.platform().press(*credits->btn_exit());
    EXPECT_FALSE(quitWhileShown.has_value()) << "Quit comes only after the box is dismissed";
    const auto entries = log();
    const auto at = [&](const std::string& entry) { return std::find(entries.begin(), entries.end(), entry) - entries.begin(); };
    const auto sound = at("sound nice.mp3");
    const auto message = at("message I hope you are feeling sexy, if not, better luck next time!");
    const auto quit = at("quit 0");
    EXPECT_LT(sound, message);
    EXPECT_LT(message, quit);
    EXPECT_LT(quit, static_cast<long>(entries.size()));
    EXPECT_EQ(program.platform().quitCode(), 0);
}

TEST_F(CreditsWindow, ClosingItRunsNoProgramCodeAndEndsTheRun) {
    program.platform().closeBox(*credits);
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("Credits.Credits"), nullptr);
    EXPECT_FALSE(implicit::WinMain()->Visible());
    EXPECT_EQ(program.platform().quitCode(), 0) << "no visible window is left";
    EXPECT_TRUE(program.reports().empty());
}

TEST(CreditsWithoutFarewell, ExitRaisesBeforeTheMessageAndDoesNotQuit) {
    ProgramHarness program;
    program.bundle().remove("nice.mp3");
    program.start();
    program.handOver();
    program.platform().press(*implicit::WinMain()->btn_quit());
    program.platform().press(*implicit::Credits()->btn_exit());
    EXPECT_TRUE(program.platform().messages().empty());
    EXPECT_FALSE(program.platform().quitCode().has_value());
    ASSERT_EQ(program.reports().size(), 1u);
    EXPECT_EQ(program.reports()[0].rfind("NilObjectException", 0), 0u);
    EXPECT_TRUE(implicit::Credits()->Visible());
}
