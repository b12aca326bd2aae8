#include "framework_qt/QtBackendTest.h"
#include "qt/movie/FrameConverter.h"
#include "qt/movie/MovieControllerBar.h"
#include "qt/movie/MoviePlayerWidget.h"

#include <QApplication>
#include <QMediaPlayer>
#include <QTest>
#include <QToolButton>
#include <QVideoFrame>
#include <QVideoFrameFormat>
#include <cstring>

    namespace fw::qt::test {
    namespace {

    class QtMoviePlayerTest : public QtBackendTest {
    protected:
        void SetUp() override {
            QtBackendTest::SetUp();
            window = platform().createWindow(windowEvents);
            auto windowShape = windowState(960, 540);
            windowShape.hasCloseButton = false;
            windowShape.visible = true;
            window->update(windowShape);
            player = window->createControl(platform::ControlKind::MoviePlayer, events);
            state = controlState("MoviePlayer1", {0, 0, 960, 540});
            state.hasController = true;
            state.hasStepControls = true;
            state.hasVolumeControl = true;
        }
        MoviePlayerWidget* widget() const { return dynamic_cast<MoviePlayerWidget*>(widgetOf(*player)); }
        bool waitForStops(int count, int timeoutMs) {
            return QTest::qWaitFor([&] { return events.movieStops >= count; }, timeoutMs);
        }

        std::unique_ptr<platform::NativeWindow> window;
        std::unique_ptr<platform::NativeControl> player;
        platform::ControlState state;
        RecordingControlEvents events;
    };

    TEST_F(QtMoviePlayerTest, WithoutAMoviePlayReportsStoppedLaterOncePerRequest) {
        player->update(state);
        player->play();
        EXPECT_EQ(events.movieStops, 0); // not from inside play()
        ASSERT_TRUE(waitForStops(1, 5000));
        player->play();
        ASSERT_TRUE(waitForStops(2, 5000));
        QTest::qWait(100);
        EXPECT_EQ(events.movieStops, 2);
    }

    TEST_F(QtMoviePlayerTest, TheMediaPipelineWaitsForTheFirstPlay) {
        const auto dir = scratchDir();
        writeFile(dir / "clip.mp4", std::string("\x00\x00\x00\x18", 4) + "ftypisom" + std::string(12, '\0'));
        state.movie = platform().openMovie(dir / "clip.mp4");
        player->update(state);
        EXPECT_EQ(widget()->player(), nullptr);
        EXPECT_TRUE(QApplication::instance()->findChildren<QMediaPlayer*>().isEmpty());
        EXPECT_TRUE(widget()->findChildren<QMediaPlayer*>().isEmpty());
        ::testing::internal::CaptureStderr();
        player->play();
        EXPECT_EQ(widget()->player(), nullptr);
        EXPECT_TRUE(QTest::qWaitFor([&] { return widget()->player() != nullptr; }, 5000));
        // This clip is only a header: it fails and hands over all the same, saying why.
        ASSERT_TRUE(waitForStops(1, 20000));
        const std::string err = ::testing::internal::GetCapturedStderr();
        EXPECT_NE(err.find("kelvory: cannot play " + (dir / "clip.mp4").string()), std::string::npos) << err;
        QTest::qWait(200);
        EXPECT_EQ(events.movieStops, 1);
    }

    TEST_F(QtMoviePlayerTest, TheControllerSitsAtTheBottomInsideThePlayer) {
        player->update(state);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(topLevel(*window)));
        MovieControllerBar* bar = widget()->controller();
        ASSERT_TRUE(bar->isVisible());
        EXPECT_EQ(widget()->geometry(), QRect(0, 0, 960, 540));
        EXPECT_EQ(bar->geometry().bottom(), 539);
        EXPECT_GT(bar->height(), 0);
        EXPECT_TRUE(bar->findChild<QToolButton*>("stepBack")->isVisible());

        state.hasStepControls = false;
        player->update(state);
        EXPECT_FALSE(bar->findChild<QToolButton*>("stepBack")->isVisible());
        state.hasController = false;
        player->update(state);
        EXPECT_FALSE(bar->isVisible());
    }

    TEST_F(QtMoviePlayerTest, TheIntroMoviePlaysToItsEndAndHandsOver) {
        const std::filesystem::path file = KELVORY_SOURCE_DIR "/media/files/PellowickIntroVideo.mp4";
        if (!std::filesystem::exists(file))
            GTEST_SKIP() << "no intro movie yet";
        state.movie = platform().openMovie(file);
        ASSERT_NE(state.movie, nullptr);
        player->update(state);
        player->play();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return widget()->player() &&
                       widget()->player()->playbackState() == QMediaPlayer::PlayingState;
            },
            20000));
        EXPECT_EQ(events.movieStops, 0);
        // Its frames are drawn: the title card is not a black screen.
        const QPoint centre(480, 200);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return widget()->grab().toImage().pixelColor(centre) != Qt::black; }, 5000));
        ASSERT_TRUE(waitForStops(1, 90000));
        QTest::qWait(200);
        EXPECT_EQ(events.movieStops, 1);
        EXPECT_EQ(widget()->player()->mediaStatus(), QMediaPlayer::EndOfMedia);

        // Over and hidden, it lets its pipeline go; played again, it makes a new one.
        topLevel(*window)->hide();
        EXPECT_TRUE(QTest::qWaitFor([&] { return widget()->player() == nullptr; }, 5000));
        EXPECT_TRUE(widget()->findChildren<QMediaPlayer*>().isEmpty());
        topLevel(*window)->show();
        player->play();
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return widget()->player() &&
                       widget()->player()->playbackState() == QMediaPlayer::PlayingState;
            },
            20000));
    }

    // A 4x2 frame, left half one colour and right half another, in a layout the movie decoder gives.
    QVideoFrame twoColourFrame(QVideoFrameFormat::PixelFormat layout) {
        QVideoFrame frame(QVideoFrameFormat(QSize(4, 2), layout));
        EXPECT_TRUE(frame.map(QVideoFrame::WriteOnly));
        // Gold (243, 196, 81) on the left, sky blue (105, 201, 240) on the right, in BT.601 video range.
        const uchar y[2] = {185, 168}, u[2] = {71, 159}, v[2] = {157, 83};
        for (int row = 0; row < 2; ++row)
            for (int x = 0; x < 4; ++x)
                frame.bits(0)[row * frame.bytesPerLine(0) + x] = y[x / 2];
        for (int c = 0; c < 2; ++c) {
            if (layout == QVideoFrameFormat::Format_NV12) {
                frame.bits(1)[2 * c] = u[c];
                frame.bits(1)[2 * c + 1] = v[c];
            } else {
                frame.bits(1)[c] = u[c];
                frame.bits(2)[c] = v[c];
            }
        }
        frame.unmap();
        return frame;
    }

    TEST(FrameConverterTest, YuvFramesBecomeTheirColours) {
        for (const auto layout : {QVideoFrameFormat::Format_YUV420P, QVideoFrameFormat::Format_NV12}) {
            const QImage image = FrameConverter::toImage(twoColourFrame(layout));
            ASSERT_EQ(image.size(), QSize(4, 2));
            for (const QPoint at : {QPoint(0, 0), QPoint(1, 1)}) {
                const QColor gold = image.pixelColor(at);
                EXPECT_NEAR(gold.red(), 243, 3);
                EXPECT_NEAR(gold.green(), 196, 3);
                EXPECT_NEAR(gold.blue(), 81, 3);
            }
            const QColor sky = image.pixelColor(3, 1);
            EXPECT_NEAR(sky.red(), 105, 3);
            EXPECT_NEAR(sky.green(), 201, 3);
            EXPECT_NEAR(sky.blue(), 240, 3);
        }
    }

    } // namespace
} // namespace fw::qt::test
