#include "RunChecks.h"

namespace runchecks {

::testing::AssertionResult endedWith(const RunResult& run, int status) {
    const ChildOutcome& outcome = run.outcome();
    if (outcome.timedOut)
        return ::testing::AssertionFailure() << "hang\n" << run.describe();
    if (outcome.signaled)
        return ::testing::AssertionFailure() << "crash\n" << run.describe();
    if (!run.checkerLines().empty())
        return ::testing::AssertionFailure() << "a checker reported\n" << run.describe();
    if (outcome.exitStatus != status)
        return ::testing::AssertionFailure()
               << "exit status " << outcome.exitStatus << ", expected " << status << "\n"
               << run.describe();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult scenarioPassed(const RunResult& run, int status) {
    if (auto ended = endedWith(run, status); !ended)
        return ended;
    if (!run.failures().empty() || !run.scenarioDone())
        return ::testing::AssertionFailure() << "the scenario did not pass\n" << run.describe();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult nothingForeign(const RunResult& run) {
    const auto foreign = run.foreignLines();
    if (foreign.empty())
        return ::testing::AssertionSuccess();
    auto failure = ::testing::AssertionFailure();
    failure << foreign.size() << " lines on standard error from outside the program:\n";
    for (const std::string& line : foreign)
        failure << "  " << line << "\n";
    return failure;
}

} // namespace runchecks
