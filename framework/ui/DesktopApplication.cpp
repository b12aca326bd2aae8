#include "ui/DesktopApplication.h"

#include "runtime/ClassRecord.h"
#include "runtime/EndException.h"
#include "runtime/MainThread.h"
#include "runtime/MethodAdapter.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/Runtime.h"
#include "runtime/RuntimeState.h"
#include "runtime/ThreadEndException.h"
#include "ui/DesktopMenuBar.h"
#include "ui/EventDelivery.h"

#include <cxxabi.h>
#include <optional>
#include <typeinfo>

namespace fw {

namespace {

struct ApplicationGlobals {
    bool supportsHiDPI = false;
    bool darkModeSupport = false;
    std::shared_ptr<DesktopApplication> app;
    // The platform keeps a pointer to the installed menu bar, so it lives here.
    std::optional<platform::MenuSpec> menuBar;
    bool platformInitialized = false;
    bool ending = false;
};

ApplicationGlobals& globals() {
    static ApplicationGlobals state;
    return state;
}

void handleMenuChoice(const std::string& name) {
    // File > Quit is the framework's own: it ends the application; the Edit items act on the
    // focused widget inside the backend.
    if (name == "FileQuit")
        Quit(0);
}

// Hears the platform while no application object is registered.
class ApplicationlessEvents : public platform::AppEvents {
public:
    void menuChosen(const std::string& name) override {
        DeliverEvent_([&] { handleMenuChoice(name); }, "menu " + name);
    }
};

void installMenuBar() {
    // Before the platform is up (the menu bar is set during early start-up) it is kept until
    // initialisation hands it over.
    if (!globals().platformInitialized)
        return;
    auto& spec = globals().menuBar;
    platform::Platform::the().setApplicationMenuBar(spec ? &*spec : nullptr);
}

// An exception from outside the framework's hierarchy, reported under its C++ type name.
class ForeignException : public RuntimeException {
public:
    ForeignException(std::string className, std::string message)
        : RuntimeException(std::move(message)), className_(std::move(className)) {}
    std::string ClassName() const override { return className_; }
    std::shared_ptr<RuntimeException> clone() const override {
        return std::make_shared<ForeignException>(*this);
    }

private:
    std::string className_;
};

std::string typeName(const std::type_info& type) {
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> demangled(
        abi::__cxa_demangle(type.name(), nullptr, nullptr, &status), std::free);
    return status == 0 && demangled ? demangled.get() : type.name();
}

void reportForeignAndEnd(std::string className, std::string message, std::string_view where) noexcept {
    try {
        UnhandledException_(ForeignException(std::move(className), std::move(message)), where);
    } catch (...) {
        // The report must not take the event loop down with it.
    }
    try {
        Quit(1);
    } catch (...) {
    }
}

void callRoutine(void* routine) {
    (*static_cast<const std::function<void()>*>(routine))();
}

} // namespace

const ClassRecord& DesktopApplication::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopApplication", &Object::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopApplication>(); };
            r.methods = {
                {"IsEventImplemented",
                 "(String) As Boolean",
                 method(&DesktopApplication::IsEventImplemented),
                 {}},
            };
            r.properties = {
                DescribeReadOnly("MajorVersion", "Integer", &DesktopApplication::MajorVersion),
                DescribeReadOnly("MinorVersion", "Integer", &DesktopApplication::MinorVersion),
                DescribeReadOnly("BugVersion", "Integer", &DesktopApplication::BugVersion),
                DescribeReadOnly("NonReleaseVersion", "Integer", &DesktopApplication::NonReleaseVersion),
                DescribeReadOnly("StageCode", "Integer", &DesktopApplication::StageCode),
                DescribeReadOnly("LongVersion", "String", &DesktopApplication::LongVersion),
                DescribeReadOnly("ShortVersion", "String", &DesktopApplication::ShortVersion),
                DescribeReadOnly("PackageInfo", "String", &DesktopApplication::PackageInfo),
                DescribeProperty("MenuBar", "DesktopMenuBar", &DesktopApplication::MenuBar,
                                 &DesktopApplication::MenuBar),
            };
        });
    return record;
}

void DesktopApplication::SetSupportsHiDPI_(bool on) {
    globals().supportsHiDPI = on;
    if (globals().platformInitialized)
        platform::Platform::the().setSupportsHiDPI(on);
}

bool DesktopApplication::SupportsHiDPI() {
    return globals().supportsHiDPI;
}

void DesktopApplication::EnableDarkModeSupport_() {
    globals().darkModeSupport = true;
    if (globals().platformInitialized)
        platform::Platform::the().setDarkModeSupport(true);
}

bool DesktopApplication::DarkModeSupport() {
    return globals().darkModeSupport;
}

void DesktopApplication::_x_SetVersionData(std::int64_t major, std::int64_t minor, std::int64_t bug,
                                           std::int64_t nonRelease, std::int64_t stageCode,
                                           std::string longVersion, std::string shortVersion,
                                           std::string packageInfo) {
    _x_mMajorVersion = major;
    _x_mMinorVersion = minor;
    _x_mBugVersion = bug;
    _x_mNonReleaseVersion = nonRelease;
    _x_mStageCode = stageCode;
    _x_mLongVersion = std::move(longVersion);
    _x_mShortVersion = std::move(shortVersion);
    _x_mPackageInfo = std::move(packageInfo);
}

void DesktopApplication::MenuBar(std::shared_ptr<DesktopMenuBar> menuBar) {
    RequireMainThread();
    menuBar_ = std::move(menuBar);
    globals().menuBar.reset();
    if (menuBar_)
        globals().menuBar = menuBar_->spec();
    installMenuBar();
}

bool DesktopApplication::IsEventImplemented(const std::string& event) const {
    const std::string& name = classRecord().name();
    return RuntimeIsEventHandled_(*this, name.substr(0, name.find('.')), event, true);
}

void DesktopApplication::CallFunctionWithExceptionHandling_(const std::function<void()>& routine,
                                                            std::string_view where) {
    // The application offers no UnhandledException event: framework exceptions are not runtime
    // objects a handler could be given, so every one goes to the report.
    RunWithEventExceptionHandling_(routine, where);
}

std::shared_ptr<DesktopApplication> DesktopApplication::Current() {
    return globals().app;
}

void DesktopApplication::menuChosen(const std::string& name) {
    DeliverEvent_([&] { handleMenuChoice(name); }, "menu " + name);
}

void RuntimeRegisterAppObject_(const std::shared_ptr<DesktopApplication>& app) {
    globals().app = app;
}

void RunFrameworkInitialization_(void (*lateStartup)()) {
    static ApplicationlessEvents applicationless;
    platform::AppEvents* events = &applicationless;
    if (globals().app)
        events = globals().app.get();
    platform::Platform& platform = platform::Platform::the();
    platform.initialize(*events);
    globals().platformInitialized = true;
    platform.setSupportsHiDPI(globals().supportsHiDPI);
    platform.setDarkModeSupport(globals().darkModeSupport);
    installMenuBar();
    if (lateStartup)
        lateStartup();
}

void RuntimeRun_() {
    RuntimeMarkEventLoopStarted_();
    RuntimeSetExitStatus(platform::Platform::the().run());
}

void Quit(int code) {
    globals().ending = true;
    RuntimeSetExitStatus(code);
    platform::Platform::the().quit(code);
}

void EndApplication_(int code) {
    if (!globals().ending)
        Quit(code);
}

void ReleaseApplication_() {
    globals().app.reset();
}

void RunWithEventExceptionHandling_(const std::function<void()>& routine, std::string_view where) {
    auto escaped = RuntimeExceptionHelper()(&callRoutine, const_cast<std::function<void()>*>(&routine));
    if (!escaped)
        return;
    if (dynamic_cast<const EndException*>(escaped.get()) ||
        dynamic_cast<const ThreadEndException*>(escaped.get()))
        return;
    UnhandledException_(*escaped, where);
}

void DeliverEvent_(const std::function<void()>& routine, std::string_view where) noexcept {
    try {
        if (auto app = globals().app)
            app->CallFunctionWithExceptionHandling_(routine, where);
        else
            RunWithEventExceptionHandling_(routine, where);
    } catch (const std::exception& escaped) {
        reportForeignAndEnd(typeName(typeid(escaped)), escaped.what(), where);
    } catch (...) {
        reportForeignAndEnd("unknown exception", "not a std::exception", where);
    }
}

} // namespace fw
