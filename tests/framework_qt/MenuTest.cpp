#include "QtBackendTest.h"
#include "qt/MenuBarBuilder.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

namespace fw::qt::test {
namespace {

platform::MenuSpec item(std::string name, std::string text, std::string shortcut = {}) {
    return {std::move(name), std::move(text), std::move(shortcut), true, {}};
}

// The program's menu bar: File with Quit, Edit with the standard items.
platform::MenuSpec mainMenuBar() {
    platform::MenuSpec bar{"MainMenuBar", "", "", true, {}};
    bar.children.push_back({"FileMenu", "&File", "", true, {item("FileQuit", "&Quit", "Cmd+Q")}});
    bar.children.push_back({"EditMenu",
                            "&Edit",
                            "",
                            true,
                            {item("EditUndo", "&Undo", "Cmd+Z"), item("EditSeparator1", "-"),
                             item("EditCut", "Cu&t", "Cmd+X"), item("EditCopy", "&Copy", "Cmd+C"),
                             item("EditPaste", "&Paste", "Cmd+V"), item("EditClear", "&Delete"),
                             item("EditSeparator2", "-"), item("EditSelectAll", "Select &All", "Cmd+A")}});
    return bar;
}

class QtMenuTest : public QtBackendTest {
protected:
    void SetUp() override {
        QtBackendTest::SetUp();
        window = platform().createWindow(windowEvents);
        window->setMenuBar(&menus);
        window->update(windowState(675, 552));
        bar = topLevel(*window)->findChild<QMenuBar*>();
        ASSERT_NE(bar, nullptr);
    }
    QAction* action(const char* name) const {
        auto* found = bar->findChild<QAction*>(name);
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    const platform::MenuSpec menus = mainMenuBar();
    std::unique_ptr<platform::NativeWindow> window;
    QMenuBar* bar = nullptr;
};

TEST_F(QtMenuTest, ShowsTheMenusWithMnemonicsShortcutsAndSeparators) {
    const QList<QAction*> menus = bar->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "&File");
    EXPECT_EQ(menus[1]->text(), "&Edit");
    EXPECT_EQ(action("FileQuit")->text(), "&Quit");
    EXPECT_EQ(action("FileQuit")->shortcut(), QKeySequence("Ctrl+Q"));
    EXPECT_EQ(action("EditCut")->shortcut(), QKeySequence("Ctrl+X"));
    EXPECT_EQ(action("EditSelectAll")->shortcut(), QKeySequence("Ctrl+A"));
    EXPECT_TRUE(action("EditClear")->shortcut().isEmpty());
    EXPECT_EQ(action("EditClear")->text(), "&Delete");

    const QList<QAction*> edit = menus[1]->menu()->actions();
    ASSERT_EQ(edit.size(), 8);
    EXPECT_TRUE(edit[1]->isSeparator());
    EXPECT_TRUE(edit[6]->isSeparator());
    EXPECT_EQ(edit[1]->objectName(), "EditSeparator1");
}

TEST_F(QtMenuTest, AnInvisibleItemIsHidden) {
    auto hidden = mainMenuBar();
    hidden.children[0].children[0].visible = false;
    window->setMenuBar(&hidden);
    bar = topLevel(*window)->findChild<QMenuBar*>();
    EXPECT_FALSE(action("FileQuit")->isVisible());
}

TEST_F(QtMenuTest, AWindowWithoutAMenuBarShowsNoneYetTakesTheApplicationsShortcuts) {
    platform().setApplicationMenuBar(&menus);
    auto bare = platform().createWindow(windowEvents);
    bare->setMenuBar(nullptr);
    showActive(*bare, windowState(400, 300));
    EXPECT_EQ(topLevel(*bare)->findChild<QMenuBar*>(), nullptr);
    QTest::keyClick(topLevel(*bare), Qt::Key_Q, Qt::ControlModifier);
    // In the active window with a menu bar of its own, the same shortcut fires once.
    showActive(*window, windowState(675, 552));
    QTest::keyClick(topLevel(*window), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(appEvents.chosen, (std::vector<std::string>{"FileQuit", "FileQuit"}));
    platform().setApplicationMenuBar(nullptr);
}

TEST_F(QtMenuTest, EditItemsAreDisabledWhenTheFocusedControlCannotEdit) {
    RecordingControlEvents events;
    auto button = window->createControl(platform::ControlKind::Button, events);
    button->update(controlState("btn", {10, 10, 80, 30}));
    showActive(*window, windowState(675, 552));
    widgetOf(*button)->setFocus();
    QMenu* edit = bar->actions()[1]->menu();
    emit edit->aboutToShow();
    for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear", "EditSelectAll"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("FileQuit")->isEnabled());
}

TEST_F(QtMenuTest, EditItemsActOnTheFocusedTextField) {
    auto* field = new QLineEdit("some text", contentArea(*window));
    showActive(*window, windowState(675, 552));
    field->setFocus();
    field->deselect();
    QMenu* edit = bar->actions()[1]->menu();
    emit edit->aboutToShow();
    EXPECT_TRUE(action("EditSelectAll")->isEnabled());
    EXPECT_FALSE(action("EditCut")->isEnabled()); // nothing selected yet

    action("EditSelectAll")->trigger();
    EXPECT_EQ(field->selectedText(), "some text");
    emit edit->aboutToShow();
    action("EditClear")->trigger();
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(appEvents.chosen.empty());
}

TEST(QtMenuShortcutTest, CmdShortcutsAreCtrlOnThisDesktop) {
    EXPECT_EQ(MenuBarBuilder::shortcut("Cmd+Q"), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_EQ(MenuBarBuilder::shortcut("Cmd+Shift+Z"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_TRUE(MenuBarBuilder::shortcut("").isEmpty());
}

} // namespace
} // namespace fw::qt::test
