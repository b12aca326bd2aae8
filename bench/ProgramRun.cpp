#include "bench/ProgramRun.h"

#include "app/InitializerTable.h"
#include "app/Startup.h"
#include "bench/WaitUntil.h"
#include "runtime/Runtime.h"
#include "runtime/RuntimeException.h"
#include "runtime/RuntimeState.h"
#include "ui/DesktopApplication.h"

#include <QApplication>
#include <QMediaPlayer>
#include <QWidget>
#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

constexpr std::chrono::seconds kPatience{30};
constexpr qint64 kLastMoments = 300; // ms of the movie left to play before it ends

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

QWidget& ProgramRun::window(const QString& title) {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == title)
            return *widget;
    throw std::runtime_error("no window titled " + title.toStdString());
}

bool ProgramRun::ratingWindowShown() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isVisible() && widget->windowTitle() == QStringLiteral("Kelvory"))
            return true;
    return false;
}

QMediaPlayer& ProgramRun::playingIntroMovie() {
    QMediaPlayer* movie = nullptr;
    waitUntil(
        [&] {
            movie = introWindow().findChild<QMediaPlayer*>();
            return movie && movie->playbackState() == QMediaPlayer::PlayingState && movie->position() > 0;
        },
        kPatience, "the intro movie to play");
    return *movie;
}

void ProgramRun::skipToTheIntrosEnd() {
    QMediaPlayer& movie = playingIntroMovie();
    movie.setPosition(std::max<qint64>(0, movie.duration() - kLastMoments));
}

void ProgramRun::handOver() {
    skipToTheIntrosEnd();
    waitUntil(&ProgramRun::ratingWindowShown, kPatience, "the rating window");
    checkNoReports();
}

void ProgramRun::checkNoReports() const {
    if (!reports_->empty())
        throw std::runtime_error("the program reported " + reports_->front());
}

} // namespace bench
