#pragma once

#include "runtime/RuntimeException.h"

#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>

namespace fw {

class Object;

// One entry of a start-up initialiser table: a class record to build or a module global to set.
struct InitializerEntry {
    const char* name;
    void (*run)();
};

// Process-wide runtime: start-up initialisers and finalisers, the pending exception, the exit
// status and the unhandled-exception report.
void RuntimeInit();
// Runs the framework's own initialisers, then `program`'s in order. An exception stops the table
// and is left pending for the main routine to report.
void RuntimePerformInitializers(std::span<const InitializerEntry> program);
void RuntimeRegisterFinalizer(std::function<void()> finalizer);
void RuntimePerformFinalizers();
// The process exit status: the code given to Quit, 1 after an unhandled start-up exception,
// otherwise 0.
int RuntimeExit();
void RuntimeSetExitStatus(int status);

// An exception left by a step that could not pass it on (an initialiser); taken once.
void RuntimeSetPendingException(std::shared_ptr<RuntimeException> exception);
std::shared_ptr<RuntimeException> RuntimeTakePendingException();

// Calls `function` with `argument`. Answers nil when it raises nothing, and the exception object
// when a RuntimeException escapes; any other exception is raised again.
using ExceptionHelper = std::shared_ptr<RuntimeException> (*)(void (*function)(void*), void* argument);
std::shared_ptr<RuntimeException> CallFunctionWithExceptionHandling_(void (*function)(void*), void* argument);
void RuntimeSetExceptionHelper_(ExceptionHelper helper);
ExceptionHelper RuntimeExceptionHelper();

void RuntimeRegisterFrameworkRelease_(double release);
double RuntimeFrameworkRelease();

// Registers the framework classes the runtime makes on its own (exceptions, weak references,
// message dialogs); and resolves plug-ins (there are none, but the step keeps its place).
void RuntimeInitExternalClasses_();
void InitPluginEntrypoints_();

// Whether the class named `className` handles `event`. `userClass` selects the program's class
// "X" (runtime name "X.X") over a framework class of that name.
bool RuntimeIsEventHandled_(const Object& object, std::string_view className, std::string_view event,
                            bool userClass);

// Reports an exception nobody handled on standard error, with where it escaped from. At start-up
// (before the event loop runs) it also makes the exit status non-zero.
void UnhandledException_(const RuntimeException& exception, std::string_view where = {});
// Says on standard error, in one line, something the program goes on without (a media file it
// cannot use, say).
void RuntimeReportProblem(std::string_view problem);
// Tests watch reports through this; the report still goes to standard error.
void RuntimeSetUnhandledExceptionObserver(
    std::function<void(const RuntimeException&, std::string_view)> observer);

} // namespace fw
