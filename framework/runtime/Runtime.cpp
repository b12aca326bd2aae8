#include "runtime/Runtime.h"

#include "runtime/ClassRecord.h"
#include "runtime/RuntimeState.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace fw {

namespace {

struct RuntimeGlobals {
    std::vector<std::function<void()>> finalizers;
    std::shared_ptr<RuntimeException> pending;
    ExceptionHelper helper = nullptr;
    std::function<void(const RuntimeException&, std::string_view)> observer;
    double frameworkRelease = 0;
    int exitStatus = 0;
    bool eventLoopStarted = false;
};

RuntimeGlobals& globals() {
    static RuntimeGlobals state;
    return state;
}

std::string programName() {
    std::error_code error;
    auto exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || exe.filename().empty())
        return "kelvory";
    return exe.filename().string();
}

// Runs one initialiser; what it raises becomes the pending exception instead.
bool runEntry(const InitializerEntry& entry) {
    try {
        entry.run();
        return true;
    } catch (const RuntimeException& failure) {
        RuntimeSetPendingException(failure.clone());
    } catch (const std::exception& failure) {
        RuntimeSetPendingException(
            std::make_shared<RuntimeException>(std::string(entry.name) + ": " + failure.what()));
    }
    return false;
}

} // namespace

void RuntimeInit() {
    RuntimeRecordMainThread_();
}

void RuntimePerformInitializers(std::span<const InitializerEntry> program) {
    for (const InitializerEntry& entry : FrameworkInitializers_()) {
        if (!runEntry(entry))
            return;
    }
    for (const InitializerEntry& entry : program) {
        if (!runEntry(entry))
            return;
    }
}

void RuntimeRegisterFinalizer(std::function<void()> finalizer) {
    globals().finalizers.push_back(std::move(finalizer));
}

void RuntimePerformFinalizers() {
    auto finalizers = std::move(globals().finalizers);
    globals().finalizers.clear();
    for (auto it = finalizers.rbegin(); it != finalizers.rend(); ++it) {
        try {
            (*it)();
        } catch (const RuntimeException& failure) {
            UnhandledException_(failure, "a finaliser");
        }
    }
}

int RuntimeExit() {
    std::fflush(stdout);
    std::fflush(stderr);
    return globals().exitStatus;
}

void RuntimeSetExitStatus(int status) {
    globals().exitStatus = status;
}

void RuntimeSetPendingException(std::shared_ptr<RuntimeException> exception) {
    globals().pending = std::move(exception);
}

std::shared_ptr<RuntimeException> RuntimeTakePendingException() {
    return std::exchange(globals().pending, nullptr);
}

std::shared_ptr<RuntimeException> CallFunctionWithExceptionHandling_(void (*function)(void*),
                                                                     void* argument) {
    try {
        function(argument);
        return nullptr;
    } catch (const RuntimeException& escaped) {
        RuntimeTakePendingException();
        return escaped.clone();
    }
}

void RuntimeSetExceptionHelper_(ExceptionHelper helper) {
    globals().helper = helper;
}

ExceptionHelper RuntimeExceptionHelper() {
    // Until the main routine installs one, events are delivered through the runtime's own.
    return globals().helper ? globals().helper : &CallFunctionWithExceptionHandling_;
}

void RuntimeRegisterFrameworkRelease_(double release) {
    globals().frameworkRelease = release;
}

double RuntimeFrameworkRelease() {
    return globals().frameworkRelease;
}

void RuntimeInitExternalClasses_() {
    // The classes the runtime makes on its own are the framework's; their records come from the
    // framework's initialiser entries, which are idempotent.
    for (const InitializerEntry& entry : FrameworkInitializers_())
        entry.run();
}

void InitPluginEntrypoints_() {}

bool RuntimeIsEventHandled_(const Object&, std::string_view className, std::string_view event,
                            bool userClass) {
    std::string name(className);
    if (userClass)
        name += "." + std::string(className);
    const ClassRecord* record = ClassRegistry::the().find(name);
    return record && record->handlesEvent(event);
}

void RuntimeReportProblem(std::string_view problem) {
    const std::string line = programName() + ": " + std::string(problem) + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
}

void UnhandledException_(const RuntimeException& exception, std::string_view where) {
    std::string line = programName() + ": unhandled " + exception.ClassName();
    if (!where.empty())
        line += " in " + std::string(where);
    line += ": " + exception.Message() + "\n";
    std::fputs(line.c_str(), stderr);
    std::fflush(stderr);
    if (!globals().eventLoopStarted)
        globals().exitStatus = 1;
    if (globals().observer)
        globals().observer(exception, where);
}

void RuntimeSetUnhandledExceptionObserver(
    std::function<void(const RuntimeException&, std::string_view)> observer) {
    globals().observer = std::move(observer);
}

void RuntimeMarkEventLoopStarted_() {
    globals().eventLoopStarted = true;
}

bool RuntimeEventLoopStarted_() {
    return globals().eventLoopStarted;
}

} // namespace fw
