#pragma once

#include "platform/Platform.h"

#include <QApplication>
#include <memory>
#include <optional>

namespace fw::qt {

// The platform on Qt Widgets and Qt Multimedia. Nothing of the media pipeline is made before a
// sound or movie is first played. The application object lives from initialize() to the end of
// run(), as in a Qt main(): when run() returns, the windows are gone and the core's handles to
// them, and to timers and players, find nothing left to change.
class SoundEngine;

class QtPlatform final : public platform::Platform {
public:
    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    void initialize(platform::AppEvents& events) override;
    void setSupportsHiDPI(bool on) override;
    void setDarkModeSupport(bool on) override;

    int run() override;
    void quit(int code) override;
    void post(std::function<void()> task) override;

    std::unique_ptr<platform::NativeTimer> createTimer(std::function<void()> fired) override;
    std::unique_ptr<platform::NativeWindow> createWindow(platform::WindowEvents& events) override;
    void setApplicationMenuBar(const platform::MenuSpec* menuBar) override;

    std::shared_ptr<platform::NativeSound> openSound(const std::filesystem::path& file) override;
    std::shared_ptr<platform::NativeMovie> openMovie(const std::filesystem::path& file) override;
    std::shared_ptr<platform::NativePicture> openPicture(const std::filesystem::path& file) override;

    void showURL(const std::string& url) override;
    void messageBox(const std::string& text) override;

    std::filesystem::path executablePath() override;

    // Each window shows its own menu bar, if it sets one; a window that sets none answers this
    // one's shortcuts.
    const std::optional<platform::MenuSpec>& applicationMenuBar() const { return applicationMenuBar_; }

private:
    static QtPlatform& the();
    // The sound engine outlives everything else of the process (see initialize()).
    static void stopSoundsAtExit();
    void menuChosen(const std::string& name);
    // Ends the application object once its event loop is over, as the end of a Qt main() does.
    void shutDown();

    std::unique_ptr<QApplication> app_;
    std::shared_ptr<SoundEngine> sounds_; // made when the first sound is opened
    platform::AppEvents* events_ = nullptr;
    std::optional<platform::MenuSpec> applicationMenuBar_;
    std::optional<int> quitCode_; // set by quit(), also before run()
};

} // namespace fw::qt
