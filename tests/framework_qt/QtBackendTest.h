#pragma once

#include "platform/Platform.h"
#include "qt/QtControl.h"
#include "qt/QtWindow.h"

#include <QWidget>
#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw::qt::test {

struct RecordingAppEvents : platform::AppEvents {
    void menuChosen(const std::string& name) override { chosen.push_back(name); }
    std::vector<std::string> chosen;
};

struct RecordingWindowEvents : platform::WindowEvents {
    void closeRequested() override {
        ++closeRequests;
        if (onClose)
            onClose();
    }
    int closeRequests = 0;
    std::function<void()> onClose;
};

struct RecordingControlEvents : platform::ControlEvents {
    void pressed() override {
        ++presses;
        if (onPressed)
            onPressed();
    }
    void mouseDown(int x, int y) override { mouseDowns.emplace_back(x, y); }
    void movieStopped() override { ++movieStops; }
    int presses = 0;
    std::vector<std::pair<int, int>> mouseDowns;
    int movieStops = 0;
    std::function<void()> onPressed;
};

// Starts the Qt platform (offscreen under CTest) and builds windows and controls through the
// platform interface, as the core does.
class QtBackendTest : public ::testing::Test {
protected:
    void SetUp() override;

    static platform::Platform& platform() { return platform::Platform::the(); }
    static platform::WindowState windowState(int width, int height);
    static platform::ControlState controlState(const std::string& name, platform::Rect frame);

    std::unique_ptr<platform::NativeWindow> makeWindow(const platform::WindowState& state);
    static QWidget* topLevel(platform::NativeWindow& window);
    static QWidget* contentArea(platform::NativeWindow& window);
    static QWidget* widgetOf(platform::NativeControl& control);
    // Shows the window and waits until it is the active one, as a user's window would be.
    static void showActive(platform::NativeWindow& window, platform::WindowState state);

    // A fresh folder for this test's files.
    std::filesystem::path scratchDir();
    static void writeFile(const std::filesystem::path& file, const std::string& bytes);

    RecordingAppEvents appEvents;
    RecordingWindowEvents windowEvents;

private:
    std::filesystem::path scratch_;
};

} // namespace fw::qt::test
