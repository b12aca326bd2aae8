#include "framework_qt/QtBackendTest.h"
#include "qt/sound/SoundDecoder.h"
#include "qt/sound/VoiceMixer.h"
#include "support/ReadingPastPermissions.h"
#include "support/Shell.h"
#include "support/SoundServerProbe.h"

#include <QApplication>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QMediaPlayer>
#include <QTest>
#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <optional>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>
#include <thread>
#include <unistd.h>

namespace {
std::atomic<int> streamsToRefuse = 0;
std::atomic<int> streamsOpened = 0; // asked of the server, answered or not
std::atomic<int> streamsClosed = 0;
std::atomic<std::size_t> bytesWritten = 0;
thread_local int loopLocksHeld = 0;

// libpulse's own function of that name.
template <class Function> Function* libpulses(const char* name) {
    return reinterpret_cast<Function*>(dlsym(RTLD_NEXT, name));
}
} // namespace

// These stand in for libpulse's, so that a case can have the next streams refused at once, as a
// server short of resources or a client library at odds with it may, and can tell when an opening
// or a closing is on its way to a server that does not answer.
extern "C" int pa_stream_connect_playback(pa_stream* stream, const char* device, const pa_buffer_attr* attr,
                                          pa_stream_flags_t flags, const pa_cvolume* volume,
                                          pa_stream* sync) {
    static const auto real = libpulses<decltype(pa_stream_connect_playback)>("pa_stream_connect_playback");
    if (streamsToRefuse.fetch_sub(1) > 0)
        return -PA_ERR_INTERNAL;
    ++streamsOpened;
    return real(stream, device, attr, flags, volume, sync);
}

extern "C" int pa_stream_disconnect(pa_stream* stream) {
    static const auto real = libpulses<decltype(pa_stream_disconnect)>("pa_stream_disconnect");
    ++streamsClosed;
    return real(stream);
}

extern "C" int pa_stream_write(pa_stream* stream, const void* data, std::size_t bytes, pa_free_cb_t free,
                               std::int64_t offset, pa_seek_mode_t seek) {
    static const auto real = libpulses<decltype(pa_stream_write)>("pa_stream_write");
    bytesWritten += bytes;
    return real(stream, data, bytes, free, offset, seek);
}

// And these tell a connection torn down on the main thread without its loop's lock, as Qt 6.4's
// exit handler does: the loop's thread may be reading from it meanwhile.
extern "C" void pa_threaded_mainloop_lock(pa_threaded_mainloop* loop) {
    static const auto real = libpulses<decltype(pa_threaded_mainloop_lock)>("pa_threaded_mainloop_lock");
    real(loop);
    ++loopLocksHeld;
}

extern "C" void pa_threaded_mainloop_unlock(pa_threaded_mainloop* loop) {
    static const auto real = libpulses<decltype(pa_threaded_mainloop_unlock)>("pa_threaded_mainloop_unlock");
    --loopLocksHeld;
    real(loop);
}

extern "C" void pa_context_disconnect(pa_context* context) {
    static const auto real = libpulses<decltype(pa_context_disconnect)>("pa_context_disconnect");
    if (gettid() == getpid() && loopLocksHeld == 0)
        std::fputs("a connection torn down without its lock\n", stderr);
    real(context);
}

namespace fw::qt::test {
namespace {

using QtSoundTest = QtBackendTest;

// A 440 Hz square wave, as 8-bit mono PCM: it never crosses zero at 44.1 kHz, so every sample of
// it is told from silence at the sink.
std::string toneWav(std::uint32_t rate, double seconds) {
    std::string samples;
    for (std::uint32_t i = 0; i < static_cast<std::uint32_t>(rate * seconds); ++i)
        samples += static_cast<char>((i * 440 * 2 / rate) % 2 ? 0xC0 : 0x40);
    return monoWave(rate, 8, samples);
}
constexpr std::int16_t kToneLevel = 0x40 * 256;

// The stretches of sound in a recording, in samples; a tone never dips to silence within itself.
// PipeWire's monitor may miss a quantum while its graph changes (as when a stream is opened): there
// a stretch goes on across so short a silence, and is heard whole to within that quantum.
std::size_t monitorSlack() {
    const char* kind = std::getenv("KELVORY_SOUND_SERVER_KIND");
    return kind && std::string(kind) == "pipewire" ? 2048 : 0;
}

// The stretches of sound in a recording, in samples heard; a tone never dips to silence within
// itself.
std::vector<std::size_t> soundsHeard(const std::vector<std::int16_t>& left) {
    std::vector<std::size_t> sounds;
    std::size_t run = 0, quiet = 0;
    for (const std::int16_t sample : left) {
        quiet = sample != 0 ? 0 : quiet + 1;
        if (sample != 0) {
            ++run;
        } else if (run > 0 && quiet > monitorSlack()) {
            sounds.push_back(run);
            run = 0;
        }
    }
    return sounds;
}

bool streamsBecome(std::size_t count, int withinMs = 10000) {
    return QTest::qWaitFor([count] { return streamsOfThisProcess() == count; }, withinMs);
}

TEST_F(QtSoundTest, OnlyReadableAudioFilesOpenAsSounds) {
    const auto dir = scratchDir();
    writeFile(dir / "empty.mp3", "");
    writeFile(dir / "text.mp3", "this is no sound at all");
    writeFile(dir / "tone.wav", toneWav(8000, 1.0));
    writeFile(dir / "tagged.mp3", std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + "frames");
    writeFile(dir / "locked.mp3", std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + "frames");
    std::filesystem::permissions(dir / "locked.mp3", std::filesystem::perms::none);
    EXPECT_EQ(platform().openSound(dir / "missing.mp3"), nullptr);
    EXPECT_EQ(platform().openSound(dir / "empty.mp3"), nullptr);
    EXPECT_EQ(platform().openSound(dir / "text.mp3"), nullptr);
    EXPECT_EQ(platform().openSound(dir), nullptr);
    {
        const WithoutReadingPastPermissions asAUser;
        EXPECT_EQ(platform().openSound(dir / "locked.mp3"), nullptr);
    }
    EXPECT_NE(platform().openSound(dir / "tone.wav"), nullptr);
    EXPECT_NE(platform().openSound(dir / "tagged.mp3"), nullptr);
}

// Half a second of a 1 kHz sine at half the full scale, 22.05 kHz mono, made once with
//   sox -n -r 22050 -b 16 -c 1 -t wav - synth 0.5 sine 1000 vol 0.5 | lame --quiet -b 64 - tone1kHz.mp3
const std::filesystem::path kToneMp3 = KELVORY_SOURCE_DIR "/tests/framework_qt/sound/tone1kHz.mp3";
TEST_F(QtSoundTest, TheProgramsOwnSoundsAndPcmWavesDecodeToWhatTheFileHolds) {
    EXPECT_NE(platform().openSound(KELVORY_SOURCE_DIR "/media/files/nice.mp3"), nullptr);
    const auto mp3 = SoundDecoder::decode(kToneMp3);
    ASSERT_TRUE(std::holds_alternative<Pcm>(mp3)) << std::get<std::string>(mp3);
    const std::vector<std::int16_t>& sine = std::get<Pcm>(mp3).samples;
    double rises = 0, energy = 0;
    for (std::size_t k = 1; k < sine.size(); ++k) {
        rises += sine[k - 1] < 0 && sine[k] >= 0;
        energy += double(sine[k]) * sine[k];
    }
    EXPECT_NEAR(static_cast<double>(sine.size()) / SoundDecoder::kRate, 0.5, 0.01); // mono
    EXPECT_NEAR(rises, 500, 2);
    // As `lame --decode` reads it: 0.336 of full scale, a little under the sine's 0.354.
    EXPECT_NEAR(std::sqrt(energy / static_cast<double>(sine.size())), 0.336 * 32768, 300);
    std::stop_source ending; // the program ends meanwhile: the decode is given up
    ending.request_stop();
    EXPECT_FALSE(std::holds_alternative<Pcm>(SoundDecoder::decode(kToneMp3, ending.get_token())));

    const auto dir = scratchDir();
    writeFile(dir / "tone.wav", toneWav(8000, 1.0));
    const auto wav = SoundDecoder::decode(dir / "tone.wav");
    ASSERT_TRUE(std::holds_alternative<Pcm>(wav)) << std::get<std::string>(wav);
    const Pcm& tone = std::get<Pcm>(wav);
    EXPECT_EQ(tone.channels, 1);
    EXPECT_NEAR(static_cast<double>(tone.frames()), SoundDecoder::kRate, 1.0); // one second
    EXPECT_EQ(*std::max_element(tone.samples.begin(), tone.samples.end()), 0x40 * 256);
}

// A stereo ramp fed in pieces comes back as the ramp at each output frame's place, then its last frame.
TEST(Resampler, BringsWhatSoundCardsPlayToTheMixersRateWholeAndRefusesTheRest) {
    EXPECT_FALSE(Resampler::from(1, 1) || Resampler::from(3999, 1) || Resampler::from(44100, 3));
    for (const long rate : {4000L, 8000L, 22050L, 44100L, 48000L, 192000L})
        for (const std::size_t frames : {1u, 2u, 7u, 1001u})
            for (const std::size_t piece : {1u, 3u, 4096u}) {
                std::vector<std::int16_t> ramp, out;
                for (int f = 0; f < static_cast<int>(frames); ++f)
                    ramp.insert(ramp.end(), {std::int16_t(8 * f), std::int16_t(-8 * f)});
                auto resampler = Resampler::from(rate, 2);
                for (std::size_t at = 0; at < frames; at += piece)
                    resampler->add(std::span(ramp).subspan(2 * at, 2 * std::min(piece, frames - at)), out);
                resampler->finish(out);
                const auto expected = static_cast<std::size_t>(std::ceil(frames * 44100.0 / rate));
                ASSERT_EQ(out.size(), 2 * expected) << rate << " Hz, " << frames << " frames";
                for (std::size_t f = 0; f < expected; ++f) {
                    const double at = 8 * std::min(f * rate / 44100.0, frames - 1.0);
                    ASSERT_TRUE(std::abs(out[2 * f] - at) < 0.51 && std::abs(out[2 * f + 1] + at) < 0.51)
                        << rate << " Hz, frame " << f << " of " << frames << ": " << out[2 * f];
                }
            }
}

TEST_F(QtSoundTest, OpeningASoundBuildsNoMediaPipeline) {
    const auto dir = scratchDir();
    writeFile(dir / "tone.wav", toneWav(8000, 1.0));
    const auto sound = platform().openSound(dir / "tone.wav");
    ASSERT_NE(sound, nullptr);
    EXPECT_TRUE(QApplication::instance()->findChildren<QMediaPlayer*>().isEmpty());
}

// What the user hears, and what the sound server and the machine see between sounds.
TEST_F(QtSoundTest, ASoundIsHeardStartsOverWhenPlayedAgainAndLeavesTheServerBeWhenQuiet) {
    const auto dir = scratchDir();
    writeFile(dir / "tone.wav", toneWav(44100, 2.0));
    const StderrCapture said(dir / "stderr");
    const PrivateSoundServer server;
    MonitorRecording heard(server, dir / "heard.raw");
    ASSERT_TRUE(heard.waitUntilStarted()) << "parec records nothing";
    const auto sound = platform().openSound(dir / "tone.wav");
    ASSERT_NE(sound, nullptr);
    sound->play();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const auto left = heard.soFar();
            return std::any_of(left.begin(), left.end(), [](std::int16_t sample) { return sample != 0; });
        },
        10000))
        << "nothing reached the sound server";
    sound->play(); // while it is heard: it starts over (asked for again before that, it is once)
    ASSERT_TRUE(streamsBecome(0)) << "the stream stays open while nothing plays";
    sound->play(); // the first sound after a silence
    ASSERT_TRUE(streamsBecome(1)) << "no stream for a sound after a silence";
    ASSERT_TRUE(streamsBecome(0));

    const std::vector<std::int16_t> left = heard.stop();
    const std::vector<std::size_t> sounds = soundsHeard(left);
    const std::size_t clip = 2 * SoundDecoder::kRate;
    ASSERT_EQ(sounds.size(), 2u) << "each sound heard whole, without a gap: "
                                 << ::testing::PrintToString(sounds);
    EXPECT_GT(sounds[0], clip) << "started over rather than ignored";
    EXPECT_LT(sounds[0], 2 * clip) << "started over rather than after its end";
    EXPECT_EQ(*std::max_element(left.begin(), left.end()), kToneLevel) << "started over, not twice at once";
    EXPECT_NEAR(static_cast<double>(sounds[1]), static_cast<double>(clip),
                static_cast<double>(monitorSlack()));
    EXPECT_EQ(said.linesSaid(), 0u) << said.text();
}

TEST_F(QtSoundTest, ASoundThatDoesNotDecodeSaysSoOnce) {
    const auto dir = scratchDir();
    std::string hours; // played end to end, longer than the longest decode
    for (int k = 0; k < 250; ++k)
        hours += shell::readFile(kToneMp3);
    const std::vector<std::array<std::string, 3>> refused = {
        {"broken.mp3", std::string("ID3\x03\x00\x00\x00\x00\x00\x00", 10) + std::string(3000, '\x5a'), ""},
        {"oneHertz.wav", monoWave(1, 8, std::string(1 << 20, '\x40')), "an impossible format: 1 Hz"},
        {"24bit.wav", monoWave(44100, 24, std::string(3000, '\x40')), "not a PCM WAVE file"},
        {"hours.wav", monoWave(4000, 8, std::string(4000 * 121, '\x40')), "longer"},
        {"hours.mp3", hours, "longer"}};
    const StderrCapture said(dir / "stderr");
    for (const auto& [name, bytes, why] : refused) {
        writeFile(dir / name, bytes);
        const auto sound = platform().openSound(dir / name);
        ASSERT_NE(sound, nullptr) << name;
        sound->play();
        const std::string line = "kelvory: cannot play " + (dir / name).string() + ": " + why;
        ASSERT_TRUE(QTest::qWaitFor([&] { return said.text().find(line) != std::string::npos; }, 10000))
            << said.text();
        sound->play();
    }
    EXPECT_EQ(said.linesSaid(), refused.size()) << said.text();
}

// A stream refused, a server gone: the next sound after either is heard once it can be.
TEST_F(QtSoundTest, TheProgramOutlivesARefusedStreamAndItsSoundServer) {
    PrivateSoundServer server;
    const auto dir = scratchDir();
    writeFile(dir / "tone.wav", toneWav(44100, 0.3));
    writeFile(dir / "other.wav", toneWav(44100, 0.3));
    const StderrCapture said(dir / "stderr");
    const auto sound = platform().openSound(dir / "tone.wav");
    const auto other = platform().openSound(dir / "other.wav");
    streamsToRefuse = 1;
    sound->play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return said.linesSaid() == 1; }, 10000)) << "a refused stream unsaid";
    EXPECT_THAT(said.text(), ::testing::HasSubstr("kelvory: no audio output device"));
    sound->play();
    ASSERT_TRUE(streamsBecome(1)) << "no stream after a refused one";

    ASSERT_TRUE(server.stop());
    ASSERT_TRUE(QTest::qWaitFor([&] { return said.linesSaid() == 2; }, 10000)) << "nothing said";
    EXPECT_THAT(said.text(), ::testing::HasSubstr("kelvory: the sound server has gone away"));
    sound->play(); // nowhere to go, and nothing kept for later
    other->play();

    ASSERT_TRUE(server.start());
    sound->play();
    EXPECT_TRUE(streamsBecome(1)) << "no sound once the server is back";
    EXPECT_EQ(said.linesSaid(), 2u) << said.text();
}

// The program ends whatever its sounds are doing then; a crash at exit shows as a signal. Qt's own
// connection to the server is made first, as the movie makes it, and must not be torn down.
TEST_F(QtSoundTest, ExitIsSafeWhateverTheSoundsAreDoing) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto dir = scratchDir();
    writeFile(dir / "tone.wav", toneWav(44100, 0.2));
    constexpr double kBlipSeconds = 0.05;
    writeFile(dir / "blip.wav", toneWav(SoundDecoder::kRate, kBlipSeconds));
    constexpr auto kBlipBytes =
        static_cast<std::size_t>(SoundDecoder::kRate * kBlipSeconds) * VoiceMixer::kFrameBytes;
    enum class Stage { NeverPlayed, Opening, Playing, JustClosed, OpeningUnanswered, ClosingUnanswered };
    constexpr int kStageNotReached = 3, kEndedWithAnOpenOrCloseOnItsWay = 4;
    // The program quits while the server holds back its answer to an opening or a closing; the
    // end of the run must wait for the answer, which comes a moment later.
    const auto quitWhileUnanswered = [&](const PrivateSoundServer& server) {
        std::atomic<bool> answered = false;
        std::thread answer([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            answered = true;
            server.answerAgain();
        });
        platform().quit(0);
        const bool waited = answered;
        answer.join();
        return waited;
    };
    const auto exitAt = [&](Stage stage) {
        QMediaDevices::audioOutputs();
        std::optional<PrivateSoundServer> server; // of this child's own, for the stages that hold it up
        if (stage == Stage::OpeningUnanswered || stage == Stage::ClosingUnanswered)
            server.emplace();
        // Each stage is reached, or the child says it was not, leaving no server of its own behind.
        const auto reach = [&](bool reached) {
            if (reached)
                return;
            if (server)
                server->stop();
            std::_Exit(kStageNotReached);
        };
        const auto sound =
            platform().openSound(dir / (stage == Stage::ClosingUnanswered ? "blip.wav" : "tone.wav"));
        if (stage != Stage::NeverPlayed)
            sound->play();
        if (stage != Stage::NeverPlayed && stage != Stage::Opening)
            reach(streamsBecome(1));
        if (stage == Stage::JustClosed || stage == Stage::OpeningUnanswered)
            reach(streamsBecome(0));
        // The server may list the stream before the program has heard it is ready: only a stream
        // that has taken the whole blip closes once quiet whatever the server does then.
        if (stage == Stage::ClosingUnanswered)
            reach(QTest::qWaitFor([] { return bytesWritten >= kBlipBytes; }, 10000));
        int code = 0;
        if (stage == Stage::OpeningUnanswered || stage == Stage::ClosingUnanswered) {
            const int closed = streamsClosed.load();
            const int opened = streamsOpened.load();
            server->stopAnswering();
            if (stage == Stage::OpeningUnanswered)
                sound->play();
            reach(QTest::qWaitFor([&] { return streamsClosed > closed || streamsOpened > opened; }, 10000));
            if (!quitWhileUnanswered(*server))
                code = kEndedWithAnOpenOrCloseOnItsWay;
            server->stop();
        }
        platform().quit(code);
        std::exit(platform().run());
    };
    const auto saysNothing = ::testing::AllOf(::testing::Not(::testing::HasSubstr("kelvory:")),
                                              ::testing::Not(::testing::HasSubstr("without its lock")));
    for (int run = 0; run < 3; ++run) {
        EXPECT_EXIT(exitAt(Stage::NeverPlayed), ::testing::ExitedWithCode(0), saysNothing);
        EXPECT_EXIT(exitAt(Stage::Opening), ::testing::ExitedWithCode(0), saysNothing);
        EXPECT_EXIT(exitAt(Stage::Playing), ::testing::ExitedWithCode(0), saysNothing);
    }
    EXPECT_EXIT(exitAt(Stage::JustClosed), ::testing::ExitedWithCode(0), saysNothing);
    EXPECT_EXIT(exitAt(Stage::OpeningUnanswered), ::testing::ExitedWithCode(0), saysNothing);
    EXPECT_EXIT(exitAt(Stage::ClosingUnanswered), ::testing::ExitedWithCode(0), saysNothing);
}

// The mixer on its own, read as the output reads it: one stereo frame is two samples.
class VoiceMixerTest : public ::testing::Test {
protected:
    static std::shared_ptr<SoundClip> clip(std::vector<std::int16_t> samples) {
        auto made = std::make_shared<SoundClip>("clip.wav");
        made->finish(Pcm{std::move(samples), 1});
        return made;
    }
    // The left channel of the next frames; the right must be the same for these mono clips.
    std::vector<int> read(std::size_t frames) {
        std::vector<std::int16_t> stereo(frames * 2);
        mixer.mix(stereo.data(), frames);
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

TEST_F(VoiceMixerTest, ASoundAskedForWhileDecodingStartsWhenReadyUnlessStale) {
    const auto decoding = std::make_shared<SoundClip>("late.mp3");
    const auto broken = std::make_shared<SoundClip>("broken.mp3");
    mixer.play(decoding);
    mixer.play(broken);
    broken->fail();
    EXPECT_EQ(read(2), (std::vector<int>{0, 0}));
    decoding->finish(Pcm{{7, 8, 9}, 1});
    EXPECT_EQ(read(4), (std::vector<int>{7, 8, 9, 0}));
    EXPECT_EQ(read(2), (std::vector<int>{0, 0})); // each asked for once, heard once

    // The server took nothing for a while: what was asked for meanwhile is not heard late.
    const auto again = clip({5, 6});
    mixer.play(decoding);
    mixer.takeRequests(); // started, then no refill came
    mixer.play(again);    // asked for, and not taken
    std::this_thread::sleep_for(VoiceMixer::kStale);
    EXPECT_EQ(read(2), (std::vector<int>{0, 0}));
}
} // namespace
} // namespace fw::qt::test
