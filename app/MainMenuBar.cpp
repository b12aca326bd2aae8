#include "app/MainMenuBar.h"

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NotNil.h"

#include <optional>
#include <span>
#include <string>

namespace {

struct MenuItemRow {
    const char* parent; // nullptr: a top menu, attached to the bar itself
    const char* name;
    const char* text;
    std::optional<const char*> shortcut; // separators never get one
};

constexpr MenuItemRow kFileMenu[] = {
    {nullptr, "FileMenu", "&File", ""},
    {"FileMenu", "FileQuit", "&Quit", "Cmd+Q"},
};

constexpr MenuItemRow kEditMenu[] = {
    {nullptr, "EditMenu", "&Edit", ""},
    {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
    {"EditMenu", "EditSeparator1", "-", std::nullopt},
    {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
    {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
    {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
    {"EditMenu", "EditClear", "&Delete", ""},
    {"EditMenu", "EditSeparator2", "-", std::nullopt},
    {"EditMenu", "EditSelectAll", "Select &All", "Cmd+A"},
};

// Each item is attached as soon as it is built; an item's menu is asked of the bar afresh, so
// the building holds no menu between items.
void buildItems(fw::DesktopMenuBar& bar, std::span<const MenuItemRow> rows) {
    for (const MenuItemRow& row : rows) {
        auto item = std::make_shared<fw::DesktopMenuItem>();
        item->Constructor();
        item->Name(row.name);
        item->AutoEnabled(true);
        item->Text(row.text);
        item->Visible(true);
        if (row.shortcut)
            item->Shortcut(*row.shortcut);
        if (row.parent)
            fw::NotNil(bar.Child(row.parent))->AddMenu(item);
        else
            bar.AddMenu(item);
    }
}

} // namespace

std::shared_ptr<MainMenuBar> MainMenuBar::_implicitInstance;

const fw::ClassRecord& MainMenuBar::Lookup_() {
    return fw::ClassRegistry::the().define(
        "MainMenuBar.MainMenuBar", &fw::DesktopMenuBar::Lookup_(), [](fw::ClassRecord& record) {
            record.create = [] { return std::make_shared<MainMenuBar>(); };
            record.methods = {
                {"Constructor", "()", fw::method(&MainMenuBar::Constructor), {}},
                {"Untitled0", "()", fw::method(&MainMenuBar::Untitled0), {}},
                {"Untitled1", "()", fw::method(&MainMenuBar::Untitled1), {}},
            };
        });
}

void MainMenuBar::Constructor() {
    Untitled0();
    Untitled1();
}

void MainMenuBar::Untitled0() {
    buildItems(*this, kFileMenu);
}

void MainMenuBar::Untitled1() {
    buildItems(*this, kEditMenu);
}

std::shared_ptr<::MainMenuBar> implicit::MainMenuBar() {
    if (::MainMenuBar::_implicitInstance)
        return ::MainMenuBar::_implicitInstance;
    auto bar = fw::RuntimeCheckCast<::MainMenuBar>(::MainMenuBar::Lookup_().create());
    bar->Constructor();
    ::MainMenuBar::_implicitInstance = bar;
    return bar;
}
