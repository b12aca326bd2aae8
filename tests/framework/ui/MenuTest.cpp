#include "headless/HeadlessPlatform.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/NilObjectException.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopMenuBar.h"

#include <gtest/gtest.h>

namespace {

std::shared_ptr<fw::DesktopMenuItem> item(const std::string& name, const std::string& text,
                                          const std::string& shortcut = {}) {
    auto made = std::make_shared<fw::DesktopMenuItem>();
    made->Constructor();
    made->Name(name);
    made->Text(text);
    if (!shortcut.empty())
        made->Shortcut(shortcut);
    return made;
}

// File (Quit) and Edit (Undo, separator, Delete).
std::shared_ptr<fw::DesktopMenuBar> menuBar() {
    auto bar = std::make_shared<fw::DesktopMenuBar>();
    bar->AddMenu(item("FileMenu", "&File"));
    bar->Child("FileMenu")->AddMenu(item("FileQuit", "&Quit", "Cmd+Q"));
    bar->AddMenu(item("EditMenu", "&Edit"));
    bar->Child("EditMenu")->AddMenu(item("EditUndo", "&Undo", "Cmd+Z"));
    bar->Child("EditMenu")->AddMenu(item("EditSeparator1", "-"));
    bar->Child("EditMenu")->AddMenu(item("EditClear", "&Delete"));
    return bar;
}

TEST(Menus, AddMenuAppendsInOrder) {
    auto bar = menuBar();
    ASSERT_EQ(bar->Count(), 2);
    EXPECT_EQ(bar->MenuAt(0)->Name(), "FileMenu");
    EXPECT_EQ(bar->MenuAt(1)->Name(), "EditMenu");
    auto edit = bar->Child("EditMenu");
    ASSERT_EQ(edit->Count(), 3);
    EXPECT_EQ(edit->MenuAt(1)->Text(), "-");
    EXPECT_EQ(edit->MenuAt(2)->Name(), "EditClear");
    EXPECT_THROW(edit->MenuAt(3), fw::InvalidArgumentException);
}

TEST(Menus, ChildLooksOnlyOneLevelDownWhileLookupSearchesTheTree) {
    auto bar = menuBar();
    EXPECT_EQ(bar->Child("EditClear"), nullptr);
    auto clear = bar->Lookup_("EditClear");
    ASSERT_NE(clear, nullptr);
    EXPECT_EQ(clear->Text(), "&Delete");
    EXPECT_EQ(bar->Lookup_("EditSeparator1")->Text(), "-");
    EXPECT_EQ(bar->Lookup_("FileMenu"), bar->Child("FileMenu"));
    EXPECT_EQ(bar->Lookup_("WindowMenu"), nullptr);
    auto byName = std::get<std::shared_ptr<fw::Object>>(bar->invoke("_Lookup", {std::string("FileQuit")}));
    EXPECT_EQ(byName, bar->Lookup_("FileQuit"));
}

TEST(Menus, AddMenuRefusesNilItselfAndWhatIsAlreadyInTheTree) {
    auto bar = menuBar();
    auto edit = bar->Child("EditMenu");
    EXPECT_THROW(bar->AddMenu(nullptr), fw::NilObjectException);
    EXPECT_THROW(bar->AddMenu(bar), fw::InvalidArgumentException);
    EXPECT_THROW(bar->AddMenu(edit), fw::InvalidArgumentException);
    EXPECT_THROW(bar->AddMenu(bar->Lookup_("EditUndo")), fw::InvalidArgumentException)
        << "deeper in the tree";
    EXPECT_THROW(edit->AddMenu(std::static_pointer_cast<fw::DesktopMenuItem>(bar)),
                 fw::InvalidArgumentException)
        << "a loop";
    EXPECT_EQ(bar->Count(), 2);
    EXPECT_EQ(edit->Count(), 3);
}

TEST(Menus, ItemsStartVisibleEnabledAndAutoEnabledWithoutAShortcut) {
    auto fresh = std::make_shared<fw::DesktopMenuItem>();
    EXPECT_TRUE(fresh->Visible());
    EXPECT_TRUE(fresh->Enabled());
    EXPECT_TRUE(fresh->AutoEnabled());
    EXPECT_EQ(fresh->Shortcut(), "");
    EXPECT_EQ(fresh->Count(), 0);
}

TEST(Menus, TheSpecCarriesTheTreeAsThePlatformShowsIt) {
    auto bar = menuBar();
    bar->Lookup_("EditUndo")->Visible(false);
    auto spec = bar->spec();
    ASSERT_EQ(spec.children.size(), 2u);
    const auto& file = spec.children[0];
    EXPECT_EQ(file.text, "&File");
    ASSERT_EQ(file.children.size(), 1u);
    EXPECT_EQ(file.children[0].name, "FileQuit");
    EXPECT_EQ(file.children[0].shortcut, "Cmd+Q");
    EXPECT_FALSE(spec.children[1].children[0].visible);
    EXPECT_EQ(spec.children[1].children[2].shortcut, "");
}

TEST(Menus, TheApplicationsMenuBarIsInstalledOnceThePlatformIsUp) {
    auto& platform = fw::headless::HeadlessPlatform::the();
    auto app = std::make_shared<fw::DesktopApplication>();
    app->MenuBar(menuBar()); // early start-up: before the platform exists
    EXPECT_EQ(platform.applicationMenuBar(), nullptr);
    fw::RuntimeRegisterAppObject_(app);
    fw::RunFrameworkInitialization_(nullptr);
    ASSERT_NE(platform.applicationMenuBar(), nullptr);
    EXPECT_EQ(platform.applicationMenuBar()->children.at(1).children.at(2).text, "&Delete");
    EXPECT_EQ(std::get<std::shared_ptr<fw::Object>>(app->property("MenuBar")), app->MenuBar());
}

} // namespace
