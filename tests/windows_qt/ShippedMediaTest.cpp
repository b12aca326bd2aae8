#include "media/MediaAccessors.h"
#include "media/Picture.h"
#include "qt/movie/DecoderChoice.h"
#include "qt/sound/SoundDecoder.h"

#include <QApplication>
#include <QMediaPlayer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace {

const std::filesystem::path kResources = std::filesystem::path(KELVORY_SOURCE_DIR) / "media" / "files";

// How much sound the program's own decoder gets out of the file, in milliseconds; 0 when it fails.
std::size_t decodedSound(const std::filesystem::path& file) {
    const auto decoded = fw::qt::SoundDecoder::decode(file);
    const auto* pcm = std::get_if<fw::qt::Pcm>(&decoded);
    const bool heard = pcm && *std::max_element(pcm->samples.begin(), pcm->samples.end()) > 8000;
    return heard ? pcm->frames() * 1000 / fw::qt::SoundDecoder::kRate : 0;
}

// How long the real player says the movie lasts, in milliseconds; 0 when it cannot tell.
qint64 movieDuration(const std::filesystem::path& file) {
    QMediaPlayer player;
    player.setSource(QUrl::fromLocalFile(QString::fromStdString(file.string())));
    (void)QTest::qWaitFor([&] { return player.duration() > 0 || player.error() != QMediaPlayer::NoError; },
                          10000);
    return player.duration();
}

class ShippedMedia : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "program_qt_tests";
        static char* argv[] = {name, nullptr};
        fw::qt::chooseWorkingDecoders(); // as the program's platform does before any media
        static QApplication app(argc, argv);
    }
};

} // namespace

TEST_F(ShippedMedia, EveryVerdictSoundDecodesAndEndsWithinFourSeconds) {
    for (int k = 0; k < 22; ++k) {
        const auto duration = decodedSound(kResources / ("R" + std::to_string(k) + ".mp3"));
        EXPECT_GT(duration, 0u) << "R" << k;
        EXPECT_LT(duration, 4000u) << "R" << k << " must end before the button comes back";
    }
    EXPECT_GT(decodedSound(kResources / "nice.mp3"), 0u);
}

TEST_F(ShippedMedia, TheIntroMovieDecodesAndLastsAFewSeconds) {
    const auto duration = movieDuration(kResources / "PellowickIntroVideo.mp4");
    EXPECT_GE(duration, 5000);
    EXPECT_LE(duration, 8000);
}

TEST_F(ShippedMedia, EveryPictureOpensAtItsCanvasSize) {
    struct Expected {
        std::shared_ptr<fw::Picture> (*accessor)();
        int width, height;
    };
    for (const auto& [accessor, width, height] :
         {Expected{&guymeditating, 175, 200}, Expected{&HotnessMeter1, 100, 100}, Expected{&HowHot, 150, 150},
          Expected{&PellowickUpdatedLogosmall, 280, 167}}) {
        auto picture = accessor();
        ASSERT_NE(picture, nullptr);
        EXPECT_EQ(picture->Width(), width);
        EXPECT_EQ(picture->Height(), height);
    }
}
