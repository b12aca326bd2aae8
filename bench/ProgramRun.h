#pragma once

#include <memory>
#include <string>
#include <vector>

class QWidget;

namespace bench {

// The program started inside this process on the Qt backend, as its own entry starts it, up to
// its event loop: the intro window is up and its movie asked to play. The benchmark then runs the
// loop itself. Any exception the program reports makes the benchmark fail.
class ProgramRun {
public:
    ProgramRun();
    ~ProgramRun();
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    // The windows' titles, or how they begin: the rating window adds the version.
    static constexpr const char* kIntroTitle = "A Pellowick Production";
    static constexpr const char* kRatingTitle = "Kelvory";

    // The visible top-level window whose title begins with `titleStart`: null, or throws, when
    // there is none.
    static QWidget* findWindow(const char* titleStart);
    static QWidget& window(const char* titleStart);
    static QWidget& introWindow() { return window(kIntroTitle); }
    static QWidget& ratingWindow() { return window(kRatingTitle); }

    // Lets the intro movie play to its end; returns once the rating window is shown.
    void waitForHandOver();

    // Throws if the program has reported an exception so far.
    void checkNoReports() const;

private:
    std::shared_ptr<std::vector<std::string>> reports_ = std::make_shared<std::vector<std::string>>();
};

} // namespace bench
