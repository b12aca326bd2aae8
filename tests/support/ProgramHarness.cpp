#include "support/ProgramHarness.h"

#include "app/InitializerTable.h"
#include "app/Startup.h"
#include "runtime/Runtime.h"
#include "ui/DesktopApplication.h"
#include "ui/DesktopMoviePlayer.h"
#include "windows/intro/WinStart.h"

ProgramHarness::ProgramHarness() {
    platform().setExecutablePath(bundle_.executable());
    fw::RuntimeSetUnhandledExceptionObserver(
        [reports = reports_](const fw::RuntimeException& exception, std::string_view) {
            reports->push_back(exception.ClassName() + ": " + exception.Message());
        });
}

fw::headless::HeadlessPlatform& ProgramHarness::platform() const { return fw::headless::HeadlessPlatform::the(); }

void ProgramHarness::startEarly() {
    fw::RuntimeInit();
    fw::RuntimePerformInitializers(ProgramInitializers());
    fw::RuntimeSetExceptionHelper_(&fw::CallFunctionWithExceptionHandling_);
    EarlyStartup_();
}

void ProgramHarness::start() {
    startEarly();
    fw::RunFrameworkInitialization_(&LateStartup_);
    platform().runPending();
}

void ProgramHarness::handOver() {
    platform().finishMovie(*implicit::WinStart()->MoviePlayer1());
    platform().runPending();
}
