#include "QtBackendTest.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

namespace fw::qt::test {
namespace {

using QtWindowTest = QtBackendTest;

platform::MenuSpec fileMenuBar() {
    platform::MenuSpec bar{"MainMenuBar", "", "", true, {}};
    bar.children.push_back({"FileMenu", "&File", "", true, {{"FileQuit", "&Quit", "Cmd+Q", true, {}}}});
    return bar;
}

TEST_F(QtWindowTest, ContentAreaIsExactlyTheAskedSizeWithTheMenuBarAbove) {
    auto window = platform().createWindow(windowEvents);
    const platform::MenuSpec bar = fileMenuBar();
    window->setMenuBar(&bar);
    auto state = windowState(675, 552);
    state.visible = true;
    window->update(state);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(topLevel(*window)));

    QWidget* content = contentArea(*window);
    QMenuBar* menuBar = topLevel(*window)->findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    EXPECT_TRUE(menuBar->isVisible());
    EXPECT_EQ(content->size(), QSize(675, 552));
    EXPECT_GT(menuBar->height(), 0);
    EXPECT_LE(menuBar->geometry().bottom(), content->geometry().top() - 1);
    EXPECT_EQ(topLevel(*window)->size(), QSize(675, 552 + menuBar->height()));
}

TEST_F(QtWindowTest, AWindowThatIsNotResizeableHasAFixedSize) {
    auto window = makeWindow(windowState(960, 540));
    QWidget* top = topLevel(*window);
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
    EXPECT_EQ(contentArea(*window)->size(), QSize(960, 540));
}

TEST_F(QtWindowTest, TitleBarOffersExactlyTheButtonsAskedFor) {
    auto closeOnly = makeWindow(windowState(100, 100));
    const Qt::WindowFlags flags = topLevel(*closeOnly)->windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));

    auto state = windowState(100, 100);
    state.hasCloseButton = false;
    auto none = makeWindow(state);
    const Qt::WindowFlags noneFlags = topLevel(*none)->windowFlags();
    EXPECT_TRUE(noneFlags.testFlag(Qt::WindowTitleHint));
    EXPECT_FALSE(noneFlags.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(noneFlags.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(noneFlags.testFlag(Qt::WindowMaximizeButtonHint));

    state.hasMinimizeButton = true;
    state.hasMaximizeButton = true;
    none->update(state);
    EXPECT_TRUE(topLevel(*none)->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_TRUE(topLevel(*none)->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
}

TEST_F(QtWindowTest, TheCloseBoxAsksTheCoreAndTheWindowStaysUntilItDecides) {
    auto window = platform().createWindow(windowEvents);
    auto state = windowState(200, 100);
    state.visible = true;
    window->update(state);
    QWidget* top = topLevel(*window);

    EXPECT_FALSE(top->close());
    EXPECT_EQ(windowEvents.closeRequests, 1);
    EXPECT_TRUE(top->isVisible());
}

TEST_F(QtWindowTest, AWindowWithoutCloseButtonIgnoresCloseRequests) {
    auto state = windowState(200, 100);
    state.hasCloseButton = false;
    state.visible = true;
    auto window = makeWindow(state);

    EXPECT_FALSE(topLevel(*window)->close());
    EXPECT_EQ(windowEvents.closeRequests, 0);
    EXPECT_TRUE(topLevel(*window)->isVisible());
}

TEST_F(QtWindowTest, TheCoreMayDestroyTheWindowWhileItHandlesTheCloseBox) {
    auto state = windowState(200, 100);
    state.visible = true;
    auto window = makeWindow(state);
    QPointer<QWidget> top = topLevel(*window);
    windowEvents.onClose = [&] { window.reset(); };

    QCloseEvent close;
    QApplication::sendEvent(top, &close);
    EXPECT_EQ(windowEvents.closeRequests, 1);
    EXPECT_FALSE(top && top->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return top.isNull(); }, 5000));
}

TEST_F(QtWindowTest, VisibleShowsAndHidesWithTheTitle) {
    auto state = windowState(300, 200);
    state.title = "A Pellowick Production";
    auto window = makeWindow(state);
    QWidget* top = topLevel(*window);
    EXPECT_FALSE(top->isVisible());
    EXPECT_EQ(top->windowTitle(), "A Pellowick Production");

    state.visible = true;
    window->update(state);
    EXPECT_TRUE(top->isVisible());
    state.visible = false;
    window->update(state);
    EXPECT_FALSE(top->isVisible());
}

TEST_F(QtWindowTest, IsCentredOnTheScreenWhenFirstShown) {
    auto state = windowState(400, 300);
    state.visible = true;
    auto window = makeWindow(state);
    QWidget* top = topLevel(*window);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(top));
    const QRect screen = top->screen()->availableGeometry();
    const QPoint offset = top->frameGeometry().center() - screen.center();
    EXPECT_LE(offset.manhattanLength(), 40) << offset.x() << "," << offset.y();
}

TEST_F(QtWindowTest, ShowsTheDesktopsWindowBackground) {
    auto state = windowState(120, 80);
    state.visible = true;
    auto window = makeWindow(state);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(topLevel(*window)));
    const QImage shot = topLevel(*window)->grab().toImage();
    const QColor background = QApplication::palette().color(QPalette::Window);
    EXPECT_EQ(shot.pixelColor(shot.width() / 2, shot.height() / 2), background);
}

} // namespace
} // namespace fw::qt::test
