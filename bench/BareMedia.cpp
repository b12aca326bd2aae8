// The memory and thread baseline: a plain Qt window the size of the rating window, with a media
// player and an audio output that have played two of the program's sounds, one after the other;
// prints its threads and resident set size as "key value" lines.
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
        const auto resources =
            std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path() / "Resources";
        for (const char* sound : {"R0.mp3", "nice.mp3"}) {
            player.setSource(QUrl::fromLocalFile(QString::fromStdString((resources / sound).string())));
            player.play();
            bench::waitUntil([&] { return player.mediaStatus() == QMediaPlayer::EndOfMedia; },
                             std::chrono::seconds(30), "the sound to end");
        }
        QApplication::processEvents();
        std::printf("bare_threads %ld\n", bench::threadCount());
        std::printf("bare_rss_kib %ld\n", bench::residentKibibytes());
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "bare_media: %s\n", failure.what());
        return 1;
    }
}
