#include "QtBackendTest.h"
#include "qt/QtPicture.h"

#include <QApplication>
#include <QImage>
#include <QTest>

namespace fw::qt::test {
namespace {

using QtMediaTest = QtBackendTest;

// Black stripe half a point wide at x 10: sharp only when drawn at the screen's own resolution.
const char* stripeSvg = R"(<svg xmlns="http://www.w3.org/2000/svg" width="40" height="20" viewBox="0 0 40 20">
<rect x="0" y="0" width="40" height="20" fill="white"/><rect x="10" y="0" width="0.5" height="20" fill="black"/></svg>)";

TEST_F(QtMediaTest, OnlyMp4FilesOpenAsMovies) {
    const auto dir = scratchDir();
    writeFile(dir / "clip.mp4", std::string("\x00\x00\x00\x18", 4) + "ftypisom" + std::string(12, '\0'));
    writeFile(dir / "tone.wav", std::string("RIFF\x24\x00\x00\x00WAVEfmt ", 16));
    writeFile(dir / "empty.mp4", "");
    const auto movie = platform().openMovie(dir / "clip.mp4");
    ASSERT_NE(movie, nullptr);
    EXPECT_EQ(movie->file(), dir / "clip.mp4");
    EXPECT_EQ(platform().openMovie(dir / "tone.wav"), nullptr);
    EXPECT_EQ(platform().openMovie(dir / "empty.mp4"), nullptr);
    EXPECT_EQ(platform().openMovie(dir / "missing.mp4"), nullptr);
}

TEST_F(QtMediaTest, PicturesOpenAtTheirOwnSize) {
    const auto dir = scratchDir();
    writeFile(dir / "stripe.svg", stripeSvg);
    writeFile(dir / "broken.svg", "<svg this is not");
    QImage image(30, 12, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(QString::fromStdString((dir / "red.png").string())));
    writeFile(dir / "fake.png", "not a png");

    const auto svg = platform().openPicture(dir / "stripe.svg");
    ASSERT_NE(svg, nullptr);
    EXPECT_EQ(svg->width(), 40);
    EXPECT_EQ(svg->height(), 20);
    const auto png = platform().openPicture(dir / "red.png");
    ASSERT_NE(png, nullptr);
    EXPECT_EQ(png->width(), 30);
    EXPECT_EQ(png->height(), 12);
    EXPECT_EQ(platform().openPicture(dir / "broken.svg"), nullptr);
    EXPECT_EQ(platform().openPicture(dir / "fake.png"), nullptr);
    EXPECT_EQ(platform().openPicture(dir / "missing.svg"), nullptr);
}

void expectSharpStripe(const QImage& image) {
    // At twice the resolution the half-point stripe is exactly device pixel 20.
    const int y = image.height() / 2;
    EXPECT_EQ(image.pixelColor(19, y), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(20, y), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(21, y), QColor(Qt::white));
}

TEST_F(QtMediaTest, AnSvgIsDrawnAtTheDevicesResolution) {
    const auto dir = scratchDir();
    writeFile(dir / "stripe.svg", stripeSvg);
    const auto picture = QtPicture::open(dir / "stripe.svg");
    ASSERT_NE(picture, nullptr);
    const QPixmap pixmap = picture->render(QSize(40, 20), 2.0);
    EXPECT_EQ(pixmap.size(), QSize(80, 40));
    EXPECT_EQ(pixmap.devicePixelRatio(), 2.0);
    expectSharpStripe(pixmap.toImage());
}

class QtCanvasTest : public QtBackendTest {
protected:
    std::unique_ptr<platform::NativeControl>
    canvasWith(const std::shared_ptr<platform::NativePicture>& picture) {
        auto canvas = window->createControl(platform::ControlKind::Canvas, events);
        auto state = controlState("Canvas1", {0, 0, 40, 20});
        state.picture = picture;
        canvas->update(state);
        showActive(*window, windowState(100, 60));
        return canvas;
    }
    std::unique_ptr<platform::NativeWindow> window = nullptr;
    RecordingControlEvents events;
};

class QtCrispCanvasTest : public QtCanvasTest {
protected:
    void SetUp() override {
        if (!QApplication::instance())
            qputenv("QT_SCALE_FACTOR", "2");
        QtCanvasTest::SetUp();
        window = platform().createWindow(windowEvents);
    }
};

TEST_F(QtCrispCanvasTest, ACanvasShowsItsPictureSharplyOnAHiDpiScreen) {
    const auto dir = scratchDir();
    writeFile(dir / "stripe.svg", stripeSvg);
    auto canvas = canvasWith(platform().openPicture(dir / "stripe.svg"));
    QWidget* widget = widgetOf(*canvas);
    if (widget->devicePixelRatioF() != 2.0)
        GTEST_SKIP() << "the application was started at another scale in this process";
    const QImage shot = widget->grab().toImage();
    ASSERT_EQ(shot.size(), QSize(80, 40));
    expectSharpStripe(shot);
}

class QtPlainCanvasTest : public QtCanvasTest {
protected:
    void SetUp() override {
        QtCanvasTest::SetUp();
        window = platform().createWindow(windowEvents);
    }
};

TEST_F(QtPlainCanvasTest, ACanvasWithoutPictureShowsTheWindowBackground) {
    auto canvas = canvasWith(nullptr);
    const QImage shot = widgetOf(*canvas)->grab().toImage();
    EXPECT_EQ(shot.pixelColor(5, 5), QApplication::palette().color(QPalette::Window));
}

TEST_F(QtPlainCanvasTest, APressOnACanvasReportsWhereItWas) {
    auto canvas = canvasWith(nullptr);
    QTest::mouseClick(widgetOf(*canvas), Qt::LeftButton, {}, QPoint(12, 9));
    ASSERT_EQ(events.mouseDowns.size(), 1u);
    EXPECT_EQ(events.mouseDowns.front(), std::make_pair(12, 9));
}

} // namespace
} // namespace fw::qt::test
