#include "app/InitializerTable.h"
#include "app/Startup.h"
#include "runtime/Runtime.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopButton.h"
#include "windows/intro/WinStart.h"
#include "windows/rating/Verdicts.h"
#include "windows/rating/WinMain.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
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

    // The shown rating window's real widgets.
    QWidget* ratingWindow() {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && window->windowTitle() == "Kelvory 1.0")
                return window;
        return nullptr;
    }
    template <class W> W* widgetWithText(QWidget* window, const QString& text) {
        for (W* widget : window->findChildren<W*>())
            if (widget->text() == text)
                return widget;
        return nullptr;
    }
    static int verdictNumber(const QString& text) {
        for (std::size_t k = 0; k < kVerdicts.size(); ++k)
            if (text == QString::fromUtf8(kVerdicts[k].text))
                return static_cast<int>(k);
        return -1;
    }

    std::vector<std::string> reports;
};

} // namespace

TEST_F(ProgramOnQt, ARealClickOnRateMeShowsAVerdictAndTheRealTimerBringsTheButtonBack) {
    implicit::WinMain()->Show();
    QWidget* window = ratingWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    auto* rateMe = widgetWithText<QPushButton>(window, "Rate Me");
    ASSERT_NE(rateMe, nullptr);
    auto* result = widgetWithText<QLabel>(window, " ");
    ASSERT_NE(result, nullptr) << "one space before any rating";

    QTest::mouseClick(rateMe, Qt::LeftButton);
    EXPECT_FALSE(rateMe->isEnabled());
    const int k = verdictNumber(result->text());
    ASSERT_GE(k, 0) << result->text().toStdString();
    EXPECT_NE(kVerdicts[k].sound(), nullptr) << "the sound of that number was loaded to be played";
    EXPECT_TRUE(reports.empty());

    QTest::mouseClick(rateMe, Qt::LeftButton);
    EXPECT_EQ(result->text().toStdString(), kVerdicts[k].text)
        << "a click on the disabled button does nothing";
    EXPECT_TRUE(QTest::qWaitFor([&] { return rateMe->isEnabled(); }, 6000));
}

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
