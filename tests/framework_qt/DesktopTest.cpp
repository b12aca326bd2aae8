#include "QtBackendTest.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTest>

namespace fw::qt::test {
namespace {

using platform::ControlKind;

// What a desktop user expects of any window: the keyboard focus, the palette, the desktop's font
// and what assistive technology reads.
class QtDesktopTest : public QtBackendTest {
protected:
    void SetUp() override {
        QtBackendTest::SetUp();
        state_ = windowState(675, 552);
        window = makeWindow(state_);
    }
    void TearDown() override {
        QApplication::setPalette(QPalette());
        QApplication::setFont(QFont());
        QtBackendTest::TearDown();
    }
    std::unique_ptr<platform::NativeControl> make(ControlKind kind, const platform::ControlState& state) {
        auto control = window->createControl(kind, events);
        control->update(state);
        return control;
    }
    static platform::ControlState button(const std::string& caption, platform::Rect frame, int tabIndex) {
        auto state = controlState("btn_" + std::to_string(tabIndex), frame);
        state.text = caption;
        state.tabIndex = tabIndex;
        return state;
    }
    void show() { showActive(*window, state_); }

    std::unique_ptr<platform::NativeWindow> window;
    RecordingControlEvents events;

private:
    platform::WindowState state_;
};

TEST_F(QtDesktopTest, TheFocusStaysWhenItsControlIsDisabledAndComesBackWithIt) {
    auto rateState = button("Rate Me", {268, 374, 110, 43}, 0);
    auto rate = make(ControlKind::Button, rateState);
    auto visit = make(ControlKind::Button, button("Visit Website", {520, 485, 106, 20}, 1));
    show();
    widgetOf(*rate)->setFocus();
    events.onPressed = [&] {
        rateState.enabled = false;
        rate->update(rateState);
    };
    QTest::keyClick(widgetOf(*rate), Qt::Key_Space);
    EXPECT_EQ(events.presses, 1);
    EXPECT_EQ(QApplication::focusWidget(), nullptr);

    rateState.enabled = true;
    rate->update(rateState);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(*rate));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(events.presses, 2);

    // The user's own choice in between wins.
    widgetOf(*visit)->setFocus();
    rateState.enabled = true;
    rate->update(rateState);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(*visit));
}

TEST_F(QtDesktopTest, PlainBlackTextFollowsADarkPaletteAndOtherColoursStay) {
    auto plain = controlState("lbl_plain", {0, 0, 300, 40});
    plain.text = "Hotness Meter";
    plain.hasTextColor = true;
    auto blue = plain;
    blue.textColor = {0, 14, 217};
    auto black = make(ControlKind::Label, plain);
    auto coloured = make(ControlKind::Label, blue);
    const auto textOf = [](platform::NativeControl& label) {
        return widgetOf(label)->palette().color(QPalette::WindowText);
    };
    show();
    EXPECT_EQ(textOf(*black), QColor(Qt::black));

    // The desktop may change its palette while the window is up.
    const auto becomes = [&](platform::NativeControl& label, QColor colour) {
        return QTest::qWaitFor([&] { return textOf(label) == colour; }, 2000);
    };
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    QApplication::setPalette(dark);
    EXPECT_TRUE(becomes(*black, QColor(0xE0, 0xE0, 0xE0)));
    EXPECT_EQ(textOf(*coloured), QColor(0, 14, 217));

    QApplication::setPalette(QPalette(Qt::white));
    EXPECT_TRUE(becomes(*black, QColor(Qt::black)));
}

TEST_F(QtDesktopTest, ACaptionIsMadeSmallerToFitItsButtonWhenTheDesktopFontIsLarge) {
    auto visitState = button("Visit Website", {520, 485, 106, 20}, 0);
    auto visit = make(ControlKind::Button, visitState);
    const int usual = QFontInfo(widgetOf(*visit)->font()).pixelSize();

    QFont large = QApplication::font();
    large.setPixelSize(24);
    QApplication::setFont(large);
    visit->update(visitState);
    const QFont fitted = widgetOf(*visit)->font();
    EXPECT_LT(fitted.pixelSize(), 24);
    EXPECT_LE(QFontMetrics(fitted).horizontalAdvance("Visit Website"), 106);
    EXPECT_GE(fitted.pixelSize(), std::min(usual, 10)) << "made no smaller than needed";
}

TEST_F(QtDesktopTest, WindowsAndPicturesAreReadByTheirTitles) {
    const auto svg = scratchDir() / "Meter.svg";
    writeFile(
        svg,
        R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10">)"
        R"(<g><title>a part</title></g><title>Hotness  meter</title><rect width="10" height="10"/></svg>)");
    auto canvasState = controlState("Canvas1", {0, 0, 100, 100});
    canvasState.picture = platform().openPicture(svg);
    ASSERT_NE(canvasState.picture, nullptr);
    auto canvas = make(ControlKind::Canvas, canvasState);

    QAccessibleInterface* picture = QAccessible::queryAccessibleInterface(widgetOf(*canvas));
    EXPECT_EQ(picture->role(), QAccessible::Graphic);
    EXPECT_EQ(picture->text(QAccessible::Name), "Hotness meter");
    QAccessibleInterface* frame = QAccessible::queryAccessibleInterface(topLevel(*window));
    EXPECT_EQ(frame->role(), QAccessible::Window);
    EXPECT_EQ(frame->text(QAccessible::Name), "Test window");
}

} // namespace
} // namespace fw::qt::test
