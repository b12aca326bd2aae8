#include "bench/ProgramRun.h"

#include "app/InitializerTable.h"
#include "app/Startup.h"
#include "bench/WaitUntil.h"
#include "runtime/Runtime.h"
#include "runtime/RuntimeException.h"
#include "runtime/RuntimeState.h"
#include "ui/DesktopApplication.h"

#include <QApplication>
#include <QWidget>
#include <stdexcept>

namespace bench {

namespace {

constexpr std::chrono::seconds kPatience{30};

} // namespace

ProgramRun::ProgramRun() {
    fw::RuntimeSetUnhandledExceptionObserver([reports = reports_](const fw::RuntimeException& exception,
                                                                  std::string_view where) {
        reports->push_back(exception.ClassName() + " in " + std::string(where) + ": " + exception.Message());
    });
    // The program's own start-up steps, in its own order; only the event loop is ours.
    fw::RuntimeInit();
    fw::RuntimePerformInitializers(ProgramInitializers());
    fw::RuntimeSetExceptionHelper_(&fw::CallFunctionWithExceptionHandling_);
    EarlyStartup_();
    fw::RunFrameworkInitialization_(&LateStartup_);
    fw::RuntimeMarkEventLoopStarted_();
    checkNoReports();
}

ProgramRun::~ProgramRun() {
    // As the program ends: the loop quits, the application object and its windows go, then the
    // finalisers run.
    fw::Quit(0);
    fw::RuntimeRun_();
    fw::RuntimePerformFinalizers();
}

QWidget* ProgramRun::findWindow(const char* titleStart) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle().startsWith(QLatin1String(titleStart)))
            return widget;
    return nullptr;
}

QWidget& ProgramRun::window(const char* titleStart) {
    if (QWidget* found = findWindow(titleStart))
        return *found;
    throw std::runtime_error(std::string("no window titled ") + titleStart);
}

void ProgramRun::waitForHandOver() {
    waitUntil([] { return findWindow(kRatingTitle) != nullptr; }, kPatience, "the rating window");
    checkNoReports();
}

void ProgramRun::checkNoReports() const {
    if (!reports_->empty())
        throw std::runtime_error("the program reported " + reports_->front());
}

} // namespace bench
