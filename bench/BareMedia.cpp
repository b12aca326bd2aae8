// The memory baseline: a plain Qt window the size of the rating window, with a media player and
// an audio output that have played one of the program's sounds; prints its resident set size.
#include "bench/Timing.h"
#include "bench/WaitUntil.h"

#include <QApplication>
#include <QAudioOutput>
#include <QMediaPlayer>
#include <QUrl>
#include <QWidget>
#include <cstdio>
#include <filesystem>

int main(int argc, char** argv) {
    try {
        QApplication app(argc, argv);
        QWidget window;
        window.setWindowTitle(QStringLiteral("Kelvory"));
        window.resize(675, 552);
        window.show();
        QMediaPlayer player;
        QAudioOutput output;
        player.setAudioOutput(&output);
        const auto sound = std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() /
                           "Resources" / "nice.mp3";
        player.setSource(QUrl::fromLocalFile(QString::fromStdString(sound.string())));
        player.play();
        bench::waitUntil([&] { return player.playbackState() == QMediaPlayer::StoppedState; },
                         std::chrono::seconds(30), "the sound to end");
        QApplication::processEvents();
        std::printf("%ld\n", bench::residentKibibytes());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bare_media: %s\n", failure.what());
        return 1;
    }
}
