#include "framework_qt/QtBackendTest.h"
#include "qt/sound/SoundDecoder.h"
#include "qt/sound/VoiceMixer.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTest>
#include <algorithm>
#include <cstdint>

    namespace fw::qt::test {
    namespace {

    using QtMediaTest = QtBackendTest;

    // A second of a 440 Hz tone, as 8-bit mono PCM.
    std::string toneWav() {
        constexpr std::uint32_t rate = 8000;
        std::string samples;
        for (std::uint32_t i = 0; i < rate; ++i)
            samples += static_cast<char>((i * 440 * 2 / rate) % 2 ? 0xC0 : 0x40);
        auto le32 = [](std::uint32_t v) {
            return std::string{static_cast<char>(v), static_cast<char>(v >> 8), static_cast<char>(v >> 16),
                               static_cast<char>(v >> 24)};
        };
        auto le16 = [](std::uint16_t v) {
            return std::string{static_cast<char>(v), static_cast<char>(v >> 8)};
        };
        return "RIFF" + le32(36 + rate) + "WAVE" + "fmt " + le32(16) + le16(1) + le16(1) + le32(rate) +
               le32(rate) + le16(1) + le16(8) + "data" + le32(rate) + samples;
    }

    // The suite plays into a private sound server: a sound case that finds no device is a fault.
    void requireAudioDevice() {
        ASSERT_FALSE(QMediaDevices::audioOutputs().isEmpty()) << "no sound server: is PULSE_SERVER set?";
    }

    std::size_t linesSaid(const std::string& err) {
        std::size_t lines = 0;
        for (std::size_t at = err.find("kelvory:"); at != std::string::npos;
             at = err.find("kelvory:", at + 1))
            ++lines;
        return lines;
    }

    TEST_F(QtMediaTest, OnlyReadableAudioFilesOpenAsSounds) {
        const auto dir = scratchDir();
        writeFile(dir / "empty.mp3", "");
        writeFile(dir / "text.mp3", "this is no sound at all");
        writeFile(dir / "tone.wav", toneWav());
        writeFile(dir / "tagged.mp3", std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + "frames");
        EXPECT_EQ(platform().openSound(dir / "missing.mp3"), nullptr);
        EXPECT_EQ(platform().openSound(dir / "empty.mp3"), nullptr);
        EXPECT_EQ(platform().openSound(dir / "text.mp3"), nullptr);
        EXPECT_EQ(platform().openSound(dir), nullptr);
        EXPECT_NE(platform().openSound(dir / "tone.wav"), nullptr);
        EXPECT_NE(platform().openSound(dir / "tagged.mp3"), nullptr);
    }

    TEST_F(QtMediaTest, TheProgramsOwnSoundsAndPcmWavesDecode) {
        const std::filesystem::path sound = KELVORY_SOURCE_DIR "/media/files/nice.mp3";
        EXPECT_NE(platform().openSound(sound), nullptr);
        const auto mp3 = SoundDecoder::decode(sound);
        ASSERT_TRUE(std::holds_alternative<Pcm>(mp3)) << std::get<std::string>(mp3);
        EXPECT_GT(std::get<Pcm>(mp3).frames(), SoundDecoder::kRate / 4u);

        const auto dir = scratchDir();
        writeFile(dir / "tone.wav", toneWav());
        const auto wav = SoundDecoder::decode(dir / "tone.wav");
        ASSERT_TRUE(std::holds_alternative<Pcm>(wav)) << std::get<std::string>(wav);
        const Pcm& tone = std::get<Pcm>(wav);
        EXPECT_EQ(tone.channels, 1);
        EXPECT_NEAR(static_cast<double>(tone.frames()), SoundDecoder::kRate, 1.0); // one second
        EXPECT_EQ(*std::max_element(tone.samples.begin(), tone.samples.end()), 0x40 * 256);
    }

    TEST_F(QtMediaTest, OpeningASoundBuildsNoMediaPipeline) {
        const auto dir = scratchDir();
        writeFile(dir / "tone.wav", toneWav());
        const auto sound = platform().openSound(dir / "tone.wav");
        ASSERT_NE(sound, nullptr);
        EXPECT_TRUE(QApplication::instance()->findChildren<QMediaPlayer*>().isEmpty());
    }

    TEST_F(QtMediaTest, PlayingAndReplayingSaysNothing) {
        requireAudioDevice();
        const auto dir = scratchDir();
        writeFile(dir / "tone.wav", toneWav());
        ::testing::internal::CaptureStderr();
        const auto sound = platform().openSound(dir / "tone.wav");
        ASSERT_NE(sound, nullptr);
        sound->play();
        QTest::qWait(200);
        sound->play(); // restarts
        QTest::qWait(200);
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(linesSaid(err), 0u) << err;
    }

    TEST_F(QtMediaTest, ASoundThatDoesNotDecodeSaysSoOnce) {
        requireAudioDevice();
        const auto dir = scratchDir();
        writeFile(dir / "broken.mp3",
                  std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + std::string(3000, '\x5a'));
        ::testing::internal::CaptureStderr();
        const auto sound = platform().openSound(dir / "broken.mp3");
        ASSERT_NE(sound, nullptr);
        sound->play();
        QTest::qWait(1000);
        sound->play();
        QTest::qWait(300);
        const std::string err = ::testing::internal::GetCapturedStderr();
        const std::string line = "kelvory: cannot play " + (dir / "broken.mp3").string() + ": ";
        ASSERT_NE(err.find(line), std::string::npos) << err;
        EXPECT_EQ(linesSaid(err), 1u) << err;
    }

    // The mixer on its own, read as the audio output reads it: one stereo frame is two samples.
    class VoiceMixerTest : public ::testing::Test {
    protected:
        void SetUp() override { mixer.open(QIODevice::ReadOnly | QIODevice::Unbuffered); }
        static std::shared_ptr<SoundClip> clip(std::vector<std::int16_t> samples) {
            auto made = std::make_shared<SoundClip>("clip.wav");
            made->finish(Pcm{std::move(samples), 1});
            return made;
        }
        // The left channel of the next frames; the right must be the same for these mono clips.
        std::vector<int> read(std::size_t frames) {
            std::vector<std::int16_t> stereo(frames * 2);
            EXPECT_EQ(
                mixer.read(reinterpret_cast<char*>(stereo.data()), static_cast<qint64>(stereo.size() * 2)),
                static_cast<qint64>(stereo.size() * 2));
            std::vector<int> left;
            for (std::size_t f = 0; f < frames; ++f) {
                EXPECT_EQ(stereo[2 * f], stereo[2 * f + 1]);
                left.push_back(stereo[2 * f]);
            }
            return left;
        }
        VoiceMixer mixer;
    };

    TEST_F(VoiceMixerTest, OverlappingSoundsAddUpThenSilence) {
        mixer.play(clip(std::vector<std::int16_t>(4, 1000)));
        mixer.play(clip({2000, 2000}));
        mixer.play(clip({32000, 32000, 32000})); // too loud together: held at the top
        EXPECT_EQ(read(6), (std::vector<int>{32767, 32767, 32767, 1000, 0, 0}));
        EXPECT_EQ(read(2), (std::vector<int>{0, 0}));
    }

    TEST_F(VoiceMixerTest, ASoundPlayedAgainWhilePlayingStartsOver) {
        const auto ramp = clip({10, 20, 30, 40, 50});
        mixer.play(ramp);
        EXPECT_EQ(read(3), (std::vector<int>{10, 20, 30}));
        mixer.play(ramp);
        mixer.play(ramp); // twice before a read is once
        EXPECT_EQ(read(6), (std::vector<int>{10, 20, 30, 40, 50, 0}));
    }

    TEST_F(VoiceMixerTest, ASoundAskedForWhileDecodingStartsWhenReady) {
        const auto decoding = std::make_shared<SoundClip>("late.mp3");
        const auto broken = std::make_shared<SoundClip>("broken.mp3");
        mixer.play(decoding);
        mixer.play(broken);
        broken->fail();
        EXPECT_EQ(read(2), (std::vector<int>{0, 0}));
        decoding->finish(Pcm{{7, 8, 9}, 1});
        EXPECT_EQ(read(4), (std::vector<int>{7, 8, 9, 0}));
        EXPECT_EQ(read(2), (std::vector<int>{0, 0})); // each asked for once, heard once
    }
    } // namespace
} // namespace fw::qt::test
