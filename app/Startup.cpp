#include "app/Startup.h"

#include "app/App.h"
#include "app/InitializerTable.h"
#include "app/MainMenuBar.h"
#include "runtime/Cast.h"
#include "runtime/Runtime.h"
#include "windows/intro/WinStart.h"

#include <cstdio>
#include <exception>
#include <memory>

std::int32_t exitStatus = 0;

namespace {

constexpr double kFrameworkRelease = 2021.03;

// Runs one start-up step, answering the exception it left, if any.
std::shared_ptr<fw::RuntimeException> attempt(void (*step)()) {
    return fw::RuntimeExceptionHelper()([](void* argument) { (*static_cast<void (**)()>(argument))(); },
                                        &step);
}

} // namespace

int ProgramMain() {
    fw::RuntimeInit();
    fw::RuntimePerformInitializers(ProgramInitializers());
    try {
        Main_();
    } catch (const std::exception& failure) {
        // Not a framework exception, so nothing reported it: say so rather than exit quietly.
        std::fprintf(stderr, "kelvory: fatal: %s\n", failure.what());
        fw::RuntimeSetExitStatus(1);
    }
    fw::RuntimePerformFinalizers();
    exitStatus = fw::RuntimeExit();
    return exitStatus;
}

void Main_() {
    if (auto pending = fw::RuntimeTakePendingException()) {
        fw::UnhandledException_(*pending, "start-up");
        return;
    }
    fw::RuntimeSetExceptionHelper_(&fw::CallFunctionWithExceptionHandling_);
    fw::RuntimeRegisterFrameworkRelease_(kFrameworkRelease);
    for (auto step :
         {&EarlyStartup_, +[] { fw::RunFrameworkInitialization_(&LateStartup_); }, &fw::RuntimeRun_}) {
        if (auto failure = attempt(step)) {
            fw::UnhandledException_(*failure, "start-up");
            return;
        }
    }
}

void EarlyStartup_() {
    fw::DesktopApplication::SetSupportsHiDPI_(true);
    fw::DesktopApplication::EnableDarkModeSupport_();
    fw::RuntimeInitExternalClasses_();
    fw::InitPluginEntrypoints_();
    InitFileTypes_();
    NewAppInstance_();
    ApplicationAddMenuHandlers_();
}

void NewAppInstance_() {
    auto app = fw::RuntimeCheckCast<App>(App::Lookup_().create());
    app->Constructor();
    app->_x_SetVersionData(1, 0, 0, 0, 0, "", "", "");
    app->MenuBar(implicit::MainMenuBar());
    fw::RuntimeRegisterAppObject_(app);
}

void InitFileTypes_() {}

void ApplicationAddMenuHandlers_() {}

void LateStartup_() {
    MakeDefaultView_();
}

void MakeDefaultView_() {
    implicit::WinStart();
}
