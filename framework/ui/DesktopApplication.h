#pragma once

#include "platform/Platform.h"
#include "runtime/Object.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

namespace fw {

class DesktopMenuBar;

// The application object. A program registers one instance of its subclass for the run.
class DesktopApplication : public Object, private platform::AppEvents {
public:
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    // Switches thrown before the application object exists.
    static void SetSupportsHiDPI_(bool on);
    static bool SupportsHiDPI();
    static void EnableDarkModeSupport_();
    static bool DarkModeSupport();

    void _x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug, std::int64_t nonRelease,
                           std::int64_t stageCode, std::string longVersion, std::string shortVersion,
                           std::string packageInfo);
    std::int64_t MajorVersion() const { return _x_mMajorVersion; }
    std::int64_t MinorVersion() const { return _x_mMinorVersion; }
    std::int64_t BugVersion() const { return _x_mBugVersion; }
    std::int64_t NonReleaseVersion() const { return _x_mNonReleaseVersion; }
    std::int64_t StageCode() const { return _x_mStageCode; }
    const std::string& LongVersion() const { return _x_mLongVersion; }
    const std::string& ShortVersion() const { return _x_mShortVersion; }
    const std::string& PackageInfo() const { return _x_mPackageInfo; }

    std::shared_ptr<DesktopMenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<DesktopMenuBar> menuBar);

    // Whether the program's class handles `event`; the base handles none.
    virtual bool IsEventImplemented(const std::string& event) const;

    // Runs `routine`. A RuntimeException escaping it goes to the UnhandledException event and,
    // unless a handler answers true, to the runtime's report; EndException and
    // ThreadEndException end it quietly; anything else is raised again.
    void CallFunctionWithExceptionHandling_(const std::function<void()>& routine, std::string_view where);

    // The registered application object, or nil.
    static std::shared_ptr<DesktopApplication> Current();

private:
    void menuChosen(const std::string& name) override;
    friend void RuntimeRegisterAppObject_(const std::shared_ptr<DesktopApplication>&);
    friend void RunFrameworkInitialization_(void (*)());

    std::int64_t _x_mMajorVersion = 0;
    std::int64_t _x_mMinorVersion = 0;
    std::int64_t _x_mBugVersion = 0;
    std::int64_t _x_mNonReleaseVersion = 0;
    std::int64_t _x_mStageCode = 0;
    std::string _x_mLongVersion;
    std::string _x_mShortVersion;
    std::string _x_mPackageInfo;
    std::shared_ptr<DesktopMenuBar> menuBar_;
};

// Makes `app` the application object of the run; the framework holds it to the end.
void RuntimeRegisterAppObject_(const std::shared_ptr<DesktopApplication>& app);
// Connects to the platform (NoDisplayException when there is no display) and calls
// `lateStartup` once, before the event loop delivers any input.
void RunFrameworkInitialization_(void (*lateStartup)());
// Runs the event loop; returns when the application ends.
void RuntimeRun_();
// Ends the application; the process exit status becomes `code`.
void Quit(int code = 0);

} // namespace fw
