#include "app/InitializerTable.h"
#include "app/Startup.h"
#include "runtime/Runtime.h"
#include "ui/DesktopApplication.h"
#include "windows/rating/WinMain.h"

#include <QAction>
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// The program's start-up on the real backend, up to the event loop: the intro window is up.
class ProgramOnQt : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RuntimeInit();
        fw::RuntimePerformInitializers(ProgramInitializers());
        fw::RuntimeSetUnhandledExceptionObserver(
            [this](const fw::RuntimeException& exception, std::string_view) {
                reports.push_back(exception.ClassName());
            });
        EarlyStartup_();
        fw::RunFrameworkInitialization_(&LateStartup_);
    }
    // As the program ends: the framework lets go of its windows while the toolkit is still up.
    void TearDown() override { fw::RuntimePerformFinalizers(); }

    // The shown rating window.
    QWidget* ratingWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowTitle() == "Kelvory 1.0")
                return window;
        return nullptr;
    }

    std::vector<std::string> reports;
};

} // namespace

TEST_F(ProgramOnQt, FileQuitEndsTheEventLoopWithStatusZero) {
    implicit::WinMain()->Show();
    QWidget* window = ratingWindow();
    ASSERT_NE(window, nullptr);
    QTimer::singleShot(0, [window] {
        for (QAction* action : window->findChildren<QAction*>())
            if (action->objectName() == "FileQuit")
                action->trigger();
    });
    fw::RuntimeRun_();
    EXPECT_EQ(fw::RuntimeExit(), 0);
    EXPECT_TRUE(reports.empty());
}
