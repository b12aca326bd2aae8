#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

class QMediaPlayer;
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

    // The visible top-level window titled `title`; throws when there is none.
    static QWidget& window(const QString& title);
    static QWidget& introWindow() { return window(QStringLiteral("A Pellowick Production")); }
    static QWidget& ratingWindow() { return window(QStringLiteral("Kelvory")); }
    static bool ratingWindowShown();

    // The intro's movie, once it is playing.
    QMediaPlayer& playingIntroMovie();
    // Moves the playing movie to its last moments, so that it ends by itself and hands over.
    void skipToTheIntrosEnd();
    // The hand-over, start to end: returns once the rating window is shown.
    void handOver();

    // Throws if the program has reported an exception so far.
    void checkNoReports() const;

private:
    std::shared_ptr<std::vector<std::string>> reports_ = std::make_shared<std::vector<std::string>>();
};

} // namespace bench
