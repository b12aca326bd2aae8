#include "RunResult.h"

#include <algorithm>
#include <sstream>

namespace {

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

bool startsWith(const std::string& line, const std::string& prefix) {
    return line.rfind(prefix, 0) == 0;
}

bool contains(const std::string& line, const std::string& part) {
    return line.find(part) != std::string::npos;
}

// What Qt itself says in the environments the tests use, whatever the program does. Each is
// counted where it matters (the audio line in the no-audio case, the link lines in the links
// cases), and left out of the foreign lines here.
bool isToolkitChatter(const std::string& line) {
    static const char* const known[] = {
        // the offscreen platform has no window manager
        "This plugin does not support raise()",
        "This plugin does not support propagateSizeHints()",
        // the offscreen platform opens no URLs
        "This plugin does not support QPlatformServices::openUrl()",
        // the video sink without a GPU
        "QRhi* initializeRHI(QRhi*) : No RHI backend. Using CPU conversion.",
        // no sound server on the machine
        "PulseAudioService: pa_context_connect() failed",
        // Qt's own connection to a server whose sinks other cases change meanwhile
        "PulseAudioService: failed to get sink info",
        // no browser on the machine (xcb)
        "Unable to detect a web browser to launch",
        // the movie's sink on a machine too busy to keep up with it
        "A lot of buffers are being dropped.",
    };
    return std::any_of(std::begin(known), std::end(known),
                       [&](const char* text) { return contains(line, text); });
}

bool isCheckerLine(const std::string& line) {
    return contains(line, "Sanitizer") || contains(line, "runtime error:") || startsWith(line, "==") ||
           contains(line, "SUMMARY:");
}

} // namespace

RunResult::RunResult(ChildOutcome outcome)
    : outcome_(std::move(outcome)), outLines_(splitLines(outcome_.out)), errLines_(splitLines(outcome_.err)) {
}

bool RunResult::scenarioDone() const {
    return std::find(outLines_.begin(), outLines_.end(), "e2e: done") != outLines_.end();
}

std::vector<std::string> RunResult::failures() const {
    std::vector<std::string> found;
    for (const std::string& line : outLines_)
        if (startsWith(line, "e2e: FAIL ") || line == "e2e: abandoned")
            found.push_back(line);
    return found;
}

std::optional<std::string> RunResult::fact(const std::string& key) const {
    const std::string prefix = "e2e: fact " + key + "=";
    for (const std::string& line : outLines_)
        if (startsWith(line, prefix))
            return line.substr(prefix.size());
    return std::nullopt;
}

long long RunResult::number(const std::string& key) const {
    const auto value = fact(key);
    return value ? std::stoll(*value) : -1;
}

std::vector<std::string> RunResult::programLines() const {
    std::vector<std::string> found;
    std::copy_if(errLines_.begin(), errLines_.end(), std::back_inserter(found),
                 [](const std::string& line) { return startsWith(line, "kelvory: "); });
    return found;
}

std::vector<std::string> RunResult::foreignLines() const {
    std::vector<std::string> found;
    std::copy_if(errLines_.begin(), errLines_.end(), std::back_inserter(found), [](const std::string& line) {
        return !startsWith(line, "kelvory: ") && !isToolkitChatter(line) && !isCheckerLine(line);
    });
    return found;
}

std::vector<std::string> RunResult::checkerLines() const {
    std::vector<std::string> found;
    std::copy_if(errLines_.begin(), errLines_.end(), std::back_inserter(found), isCheckerLine);
    return found;
}

int RunResult::linesMentioning(const std::string& text) const {
    return static_cast<int>(std::count_if(errLines_.begin(), errLines_.end(),
                                          [&](const std::string& line) { return contains(line, text); }));
}

std::string RunResult::describe() const {
    std::ostringstream text;
    if (outcome_.timedOut)
        text << "HUNG: killed at the deadline after " << outcome_.took.count() << " ms\n";
    else if (outcome_.signaled)
        text << "CRASHED: ended by signal " << outcome_.signal << "\n";
    else
        text << "exit status " << outcome_.exitStatus << " after " << outcome_.took.count() << " ms\n";
    text << "--- driver (stdout) ---\n";
    // A long run says a lot; the failures and the end are what matter.
    const std::size_t shown = 60;
    const std::size_t from = outLines_.size() > shown ? outLines_.size() - shown : 0;
    const std::vector<std::string> failed = failures();
    for (std::size_t i = 0; i < failed.size() && i < 20; ++i)
        text << failed[i] << "\n";
    if (from > 0)
        text << "... " << from << " lines ...\n";
    for (std::size_t i = from; i < outLines_.size(); ++i)
        text << outLines_[i] << "\n";
    text << "--- program (stderr) ---\n";
    const std::size_t errFrom = errLines_.size() > shown ? errLines_.size() - shown : 0;
    if (errFrom > 0)
        text << "... " << errFrom << " lines ...\n";
    for (std::size_t i = errFrom; i < errLines_.size(); ++i)
        text << errLines_[i] << "\n";
    return text.str();
}
