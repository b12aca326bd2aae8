#include "runtime/Runtime.h"

#include "framework/support/Reports.h"
#include "runtime/EndException.h"
#include "runtime/KeyNotFoundException.h"
#include "runtime/NilObjectException.h"
#include "runtime/WeakRef.h"
#include "ui/DesktopWindow.h"

#include <algorithm>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::vector<std::string> ran;

void first() {
    ran.push_back("first");
}
void second() {
    ran.push_back("second");
}
void failing() {
    ran.push_back("failing");
    throw fw::KeyNotFoundException("no such key");
}
void third() {
    ran.push_back("third");
}

TEST(Initializers, FrameworkRecordsComeFirstThenTheProgramsInOrder) {
    const fw::InitializerEntry program[] = {{"first", &first}, {"second", &second}};
    // The program's first entry can already see the framework's records.
    fw::RuntimePerformInitializers(program);
    EXPECT_THAT(ran, ElementsAre("first", "second"));
    EXPECT_NE(fw::ClassRegistry::the().find("DesktopWindow"), nullptr);
    EXPECT_NE(fw::ClassRegistry::the().find("Timer"), nullptr);
    EXPECT_EQ(fw::RuntimeTakePendingException(), nullptr);
}

TEST(Initializers, AThrowingEntryStopsTheTableAndLeavesItsExceptionPending) {
    const fw::InitializerEntry program[] = {{"first", &first}, {"failing", &failing}, {"third", &third}};
    fw::RuntimePerformInitializers(program);
    EXPECT_THAT(ran, ElementsAre("first", "failing"));
    auto pending = fw::RuntimeTakePendingException();
    ASSERT_NE(pending, nullptr);
    EXPECT_EQ(pending->ClassName(), "KeyNotFoundException");
    EXPECT_EQ(pending->Message(), "no such key");
    EXPECT_EQ(fw::RuntimeTakePendingException(), nullptr) << "taken once";
}

TEST(Finalizers, RunInReverseOrderOfRegistrationAndOnlyOnce) {
    std::vector<int> order;
    fw::RuntimeRegisterFinalizer([&] { order.push_back(1); });
    fw::RuntimeRegisterFinalizer([&] { order.push_back(2); });
    fw::RuntimeRegisterFinalizer([&] { order.push_back(3); });
    fw::RuntimePerformFinalizers();
    fw::RuntimePerformFinalizers();
    EXPECT_THAT(order, ElementsAre(3, 2, 1));
}

void succeeds(void* flag) {
    *static_cast<bool*>(flag) = true;
}
void raisesNilObject(void*) {
    throw fw::NilObjectException("nothing there");
}
void raisesForeign(void*) {
    throw std::runtime_error("not ours");
}

TEST(ExceptionHelper, AnswersNilWhenNothingIsRaised) {
    bool called = false;
    EXPECT_EQ(fw::CallFunctionWithExceptionHandling_(&succeeds, &called), nullptr);
    EXPECT_TRUE(called);
}

TEST(ExceptionHelper, AnswersTheRuntimeExceptionAndClearsThePendingOne) {
    fw::RuntimeSetPendingException(std::make_shared<fw::RuntimeException>("stale"));
    auto answer = fw::CallFunctionWithExceptionHandling_(&raisesNilObject, nullptr);
    ASSERT_NE(answer, nullptr);
    EXPECT_EQ(answer->ClassName(), "NilObjectException");
    EXPECT_NE(dynamic_cast<fw::NilObjectException*>(answer.get()), nullptr);
    EXPECT_EQ(answer->Message(), "nothing there");
    EXPECT_EQ(fw::RuntimeTakePendingException(), nullptr);
}

TEST(ExceptionHelper, RaisesAnythingElseAgain) {
    EXPECT_THROW(fw::CallFunctionWithExceptionHandling_(&raisesForeign, nullptr), std::runtime_error);
}

TEST(ExceptionHelper, IsTheOneTheMainRoutineInstalls) {
    EXPECT_EQ(fw::RuntimeExceptionHelper(), &fw::CallFunctionWithExceptionHandling_) << "the default";
    auto custom = +[](void (*)(void*), void*) -> std::shared_ptr<fw::RuntimeException> { return nullptr; };
    fw::RuntimeSetExceptionHelper_(custom);
    EXPECT_EQ(fw::RuntimeExceptionHelper(), custom);
}

TEST(UnhandledException, AtStartUpIsReportedOnOneLineAndFailsTheRun) {
    Reports reports;
    testing::internal::CaptureStderr();
    fw::UnhandledException_(fw::NilObjectException("no window"), "start-up");
    std::string printed = testing::internal::GetCapturedStderr();
    EXPECT_THAT(printed, HasSubstr(": unhandled NilObjectException in start-up: no window\n"));
    EXPECT_EQ(std::count(printed.begin(), printed.end(), '\n'), 1);
    EXPECT_THAT(reports.lines, ElementsAre("NilObjectException|start-up|no window"));
    EXPECT_EQ(fw::RuntimeExit(), 1);
}

TEST(UnhandledException, WithoutAPlaceSaysNone) {
    testing::internal::CaptureStderr();
    fw::UnhandledException_(fw::EndException("done"));
    EXPECT_THAT(testing::internal::GetCapturedStderr(), HasSubstr(": unhandled EndException: done\n"));
}

TEST(RuntimeExit, IsZeroUnlessSomethingSetIt) {
    EXPECT_EQ(fw::RuntimeExit(), 0);
    fw::RuntimeSetExitStatus(4);
    EXPECT_EQ(fw::RuntimeExit(), 4);
}

TEST(FrameworkRelease, IsKeptAsRegistered) {
    fw::RuntimeRegisterFrameworkRelease_(2021.03);
    EXPECT_DOUBLE_EQ(fw::RuntimeFrameworkRelease(), 2021.03);
}

TEST(WeakRef, DoesNotKeepItsObjectAlive) {
    auto window = std::make_shared<fw::DesktopWindow>();
    fw::WeakRef ref(window);
    EXPECT_EQ(ref.Value(), window);
    EXPECT_EQ(std::get<std::shared_ptr<fw::Object>>(ref.invoke("Value")), window);
    window.reset();
    EXPECT_EQ(ref.Value(), nullptr);
    EXPECT_EQ(ref.classRecord().name(), "WeakRef");
}

} // namespace
