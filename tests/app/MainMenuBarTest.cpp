#include "app/MainMenuBar.h"

#include "runtime/Runtime.h"
#include "runtime/ThreadAccessingUIException.h"
#include "support/ProgramHarness.h"
#include "ui/DesktopApplication.h"
#include "windows/rating/WinMain.h"

#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

struct Item {
    std::string name, text, shortcut;
};

std::vector<Item> itemsOf(const fw::DesktopMenuItem& menu) {
    std::vector<Item> items;
    for (int i = 0; i < menu.Count(); ++i) {
        auto item = menu.MenuAt(i);
        items.push_back({item->Name(), item->Text(), item->Shortcut()});
        EXPECT_TRUE(item->AutoEnabled()) << item->Name();
        EXPECT_TRUE(item->Visible()) << item->Name();
    }
    return items;
}

bool operator==(const Item& a, const Item& b) {
    return a.name == b.name && a.text == b.text && a.shortcut == b.shortcut;
}

void PrintTo(const Item& item, std::ostream* out) {
    *out << item.name << " " << item.text << " " << item.shortcut;
}

} // namespace

TEST(MainMenuBar, HoldsExactlyFileAndEditInTableOrder) {
    fw::RuntimeInit();
    auto bar = implicit::MainMenuBar();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(itemsOf(*bar), (std::vector<Item>{{"FileMenu", "&File", ""}, {"EditMenu", "&Edit", ""}}));
    EXPECT_EQ(itemsOf(*bar->Child("FileMenu")), (std::vector<Item>{{"FileQuit", "&Quit", "Cmd+Q"}}));
    EXPECT_EQ(itemsOf(*bar->Child("EditMenu")), (std::vector<Item>{
                                                    {"EditUndo", "&Undo", "Cmd+Z"},
                                                    {"EditSeparator1", "-", ""},
                                                    {"EditCut", "Cu&t", "Cmd+X"},
                                                    {"EditCopy", "&Copy", "Cmd+C"},
                                                    {"EditPaste", "&Paste", "Cmd+V"},
                                                    {"EditClear", "&Delete", ""},
                                                    {"EditSeparator2", "-", ""},
                                                    {"EditSelectAll", "Select &All", "Cmd+A"},
                                                }));
}

TEST(MainMenuBar, IsBuiltOnceAndSharedByTheApplicationAndTheRatingWindowsAccessors) {
    ProgramHarness program;
    program.startEarly();
    auto bar = implicit::MainMenuBar();
    EXPECT_EQ(bar, implicit::MainMenuBar());
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8) << "a second reference must not build the items again";
    EXPECT_EQ(fw::DesktopApplication::Current()->MenuBar(), bar);
    EXPECT_EQ(implicit::WinMain()->MenuBar(), bar);
    EXPECT_EQ(bar->classRecord().name(), "MainMenuBar.MainMenuBar");
    // The rating window's accessors find items at any depth.
    EXPECT_EQ(implicit::WinMain()->EditSeparator1(), bar->Child("EditMenu")->MenuAt(1));
    EXPECT_EQ(implicit::WinMain()->FileQuit(), bar->Child("FileMenu")->Child("FileQuit"));
}

TEST(MainMenuBar, AFailedBuildLeavesTheInstanceUnsetAndTheNextReferenceBuildsAfresh) {
    fw::RuntimeInit();
    // Menu items refuse to be touched off the main thread, which fails the build half-way.
    std::thread([] { EXPECT_THROW(implicit::MainMenuBar(), fw::ThreadAccessingUIException); }).join();
    EXPECT_EQ(MainMenuBar::_implicitInstance, nullptr);

    auto bar = implicit::MainMenuBar();
    EXPECT_EQ(MainMenuBar::_implicitInstance, bar);
    EXPECT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->Child("EditMenu")->Count(), 8);
}

TEST(MainMenuBar, QuitFromTheMenuEndsTheRunWithStatusZeroWithoutLeavingTheRatingWindow) {
    ProgramHarness program;
    program.start();
    program.handOver();
    program.platform().chooseMenu("FileQuit");
    EXPECT_EQ(program.platform().quitCode(), 0);
    // Ending the application raises no Closing, so no credits window was made.
    EXPECT_EQ(fw::GetImplicitDesktopWindow_("Credits.Credits"), nullptr);
}
