#include "QtBackendTest.h"

#include "qt/ProcessEnd.h"

#include <QTest>
#include <QtGlobal>
#include <cstdlib>
#include <fstream>
#include <unistd.h>
#include <vector>

namespace fw::qt::test {

namespace {

std::vector<std::filesystem::path> scratchDirs;

void removeScratchDirs() {
    for (const auto& dir : scratchDirs)
        std::filesystem::remove_all(dir);
}

} // namespace

void QtBackendTest::SetUp() {
    // The sound engine decodes files of a case's folder on a thread of its own, which ends only at
    // the process's end. Added before the platform starts, this removal comes after that.
    static const bool removesScratch = (ProcessEnd::atEnd(&removeScratchDirs), true);
    (void)removesScratch;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    platform().initialize(appEvents);
}

platform::WindowState QtBackendTest::windowState(int width, int height) {
    platform::WindowState state;
    state.title = "Test window";
    state.width = width;
    state.height = height;
    return state;
}

platform::ControlState QtBackendTest::controlState(const std::string& name, platform::Rect frame) {
    platform::ControlState state;
    state.name = name;
    state.frame = frame;
    return state;
}

std::unique_ptr<platform::NativeWindow> QtBackendTest::makeWindow(const platform::WindowState& state) {
    auto window = platform().createWindow(windowEvents);
    window->update(state);
    return window;
}

QWidget* QtBackendTest::topLevel(platform::NativeWindow& window) {
    return dynamic_cast<QtWindow&>(window).topLevel();
}

QWidget* QtBackendTest::contentArea(platform::NativeWindow& window) {
    return dynamic_cast<QtWindow&>(window).contentArea();
}

QWidget* QtBackendTest::widgetOf(platform::NativeControl& control) {
    return dynamic_cast<QtControl&>(control).widget();
}

void QtBackendTest::showActive(platform::NativeWindow& window, platform::WindowState state) {
    state.visible = true;
    window.update(state);
    ASSERT_TRUE(QTest::qWaitForWindowActive(topLevel(window)));
}

std::filesystem::path QtBackendTest::scratchDir() {
    if (scratch_.empty()) {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch_ = std::filesystem::temp_directory_path() /
                   ("kelvory-qt-" + std::string(test->name()) + "-" + std::to_string(::getpid()));
        std::filesystem::remove_all(scratch_);
        std::filesystem::create_directories(scratch_);
        scratchDirs.push_back(scratch_);
    }
    return scratch_;
}

void QtBackendTest::writeFile(const std::filesystem::path& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary);
    out << bytes;
}

} // namespace fw::qt::test
