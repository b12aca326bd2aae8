#include "QtBackendTest.h"
#include "qt/FontMapper.h"

#include <QAccessible>
#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QTest>

namespace fw::qt::test {
namespace {

using platform::ControlKind;

class QtControlTest : public QtBackendTest {
protected:
    void SetUp() override {
        QtBackendTest::SetUp();
        state_ = windowState(675, 552);
        window = makeWindow(state_);
    }
    std::unique_ptr<platform::NativeControl> make(ControlKind kind, const platform::ControlState& state,
                                                  RecordingControlEvents& events) {
        auto control = window->createControl(kind, events);
        control->update(state);
        return control;
    }
    void TearDown() override {
        QApplication::setPalette(QPalette());
        QApplication::setFont(QFont());
        QtBackendTest::TearDown();
    }
    std::unique_ptr<platform::NativeControl> make(ControlKind kind, const platform::ControlState& state) {
        return make(kind, state, events);
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

platform::ControlState rateMe() {
    auto state = platform::ControlState{};
    state.name = "btn_RateMe";
    state.frame = {268, 374, 110, 43};
    state.text = "Rate Me";
    state.font = {"System", 16, true, false, false};
    return state;
}

TEST_F(QtControlTest, AButtonSitsAtItsFrameAndARealClickIsReportedAsPressed) {
    auto button = make(ControlKind::Button, rateMe(), events);
    show();
    auto* widget = contentArea(*window)->findChild<QPushButton*>("btn_RateMe");
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget, widgetOf(*button));
    EXPECT_EQ(widget->geometry(), QRect(268, 374, 110, 43));
    EXPECT_EQ(widget->text(), "Rate Me");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name), "Rate Me");
    EXPECT_TRUE(widget->isVisible());

    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(events.presses, 1);
}

TEST_F(QtControlTest, ADisabledButtonReportsNothing) {
    auto state = rateMe();
    state.enabled = false;
    auto button = make(ControlKind::Button, state, events);
    show();
    QTest::mouseClick(widgetOf(*button), Qt::LeftButton);
    EXPECT_EQ(events.presses, 0);
}

TEST_F(QtControlTest, TheCoreMayDropAButtonWhileItHandlesItsPress) {
    auto button = make(ControlKind::Button, rateMe(), events);
    show();
    QPointer<QWidget> widget = widgetOf(*button);
    events.onPressed = [&] { button.reset(); };
    QTest::mouseClick(widget, Qt::LeftButton);
    EXPECT_EQ(events.presses, 1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return widget.isNull(); }, 5000));
}

TEST_F(QtControlTest, SystemFontIsTheDesktopsUiFontAtThePixelSizeAsked) {
    auto button = make(ControlKind::Button, rateMe(), events);
    const QFont font = widgetOf(*button)->font();
    EXPECT_EQ(font.family(), QApplication::font().family());
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_TRUE(font.bold());

    auto state = rateMe();
    state.font.size = 0;
    state.font.bold = false;
    button->update(state);
    EXPECT_EQ(widgetOf(*button)->font().pointSizeF(), QApplication::font().pointSizeF());
    EXPECT_FALSE(widgetOf(*button)->font().bold());
}

TEST_F(QtControlTest, MissingFontsMapToFreeStandIns) {
    EXPECT_EQ(FontMapper::family("verdena"), "DejaVu Sans");
    EXPECT_EQ(FontMapper::family("System"), QApplication::font().family());
    if (!QFontDatabase::hasFamily("Z003"))
        GTEST_SKIP() << "URW fonts are not installed";
    EXPECT_EQ(FontMapper::family("Apple Chancery"), "Z003");
}

TEST_F(QtControlTest, ALabelShowsCrSeparatedLinesWithItsColourAndAlignment) {
    auto state = controlState("lbl_credits", {153, 188, 523, 281});
    state.text = "Thank you\r\rSecond paragraph";
    state.multiline = true;
    state.alignment = platform::Alignment::Center;
    state.hasTextColor = true;
    state.textColor = {14, 0, 247};
    auto label = make(ControlKind::Label, state, events);
    auto* widget = qobject_cast<QLabel*>(widgetOf(*label));
    ASSERT_NE(widget, nullptr);
    EXPECT_EQ(widget->text(), "Thank you\n\nSecond paragraph");
    EXPECT_EQ(widget->textFormat(), Qt::PlainText);
    EXPECT_TRUE(widget->wordWrap());
    EXPECT_TRUE(widget->alignment().testFlag(Qt::AlignHCenter));
    EXPECT_EQ(widget->palette().color(QPalette::WindowText), QColor(14, 0, 247));
    // Screen readers get the text as shown, line breaks and all, never a flattened copy.
    QAccessibleInterface* read = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(read, nullptr);
    EXPECT_EQ(read->role(), QAccessible::StaticText);
    EXPECT_EQ(read->text(QAccessible::Name), "Thank you\n\nSecond paragraph");
    ASSERT_NE(read->textInterface(), nullptr);
    EXPECT_EQ(read->textInterface()->text(0, read->textInterface()->characterCount()),
              "Thank you\n\nSecond paragraph");
}

TEST_F(QtControlTest, ALabelWithOnlyABlankHasNoNameForScreenReaders) {
    auto state = controlState("lbl_result", {17, 329, 616, 33});
    state.text = " ";
    auto label = make(ControlKind::Label, state, events);
    EXPECT_EQ(qobject_cast<QLabel*>(widgetOf(*label))->text(), " ");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(widgetOf(*label))->text(QAccessible::Name), "");
}

TEST_F(QtControlTest, ALabelsTextIsMadeSmallerUntilItFitsItsBox) {
    auto state = controlState("lbl_small", {0, 0, 120, 40});
    state.text = "A text far too long to stand in this small box at the size asked for it";
    state.multiline = true;
    state.font = {"System", 20, true, true, false};
    auto label = make(ControlKind::Label, state, events);
    const QFont font = widgetOf(*label)->font();
    EXPECT_LT(font.pixelSize(), 20);
    const QRect needed = QFontMetrics(font).boundingRect(
        QRect(0, 0, 120, 40), Qt::AlignLeft | Qt::TextWordWrap, state.text.c_str());
    EXPECT_LE(needed.height(), 40);
}

TEST_F(QtControlTest, APressOnALabelReportsWhereItWas) {
    auto state = controlState("lbl_Copyright", {17, 485, 434, 20});
    state.text = "Copyright";
    auto label = make(ControlKind::Label, state, events);
    show();
    QTest::mouseClick(widgetOf(*label), Qt::LeftButton, {}, QPoint(30, 7));
    ASSERT_EQ(events.mouseDowns.size(), 1u);
    EXPECT_EQ(events.mouseDowns.front(), std::make_pair(30, 7));
}

TEST_F(QtControlTest, TabOrderFollowsTabIndexNotCreationOrder) {
    RecordingControlEvents more;
    auto visit = rateMe();
    visit.name = "visit";
    visit.frame = {275, 512, 134, 20};
    visit.tabIndex = 2;
    auto exit = rateMe();
    exit.name = "exit";
    exit.frame = {375, 565, 80, 20};
    exit.tabIndex = 0;
    auto contact = rateMe();
    contact.name = "contact";
    contact.frame = {421, 512, 134, 20};
    contact.tabIndex = 1;
    auto a = make(ControlKind::Button, visit, events);
    auto b = make(ControlKind::Button, exit, more);
    auto c = make(ControlKind::Button, contact, more);
    show();
    widgetOf(*b)->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(*c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), widgetOf(*a));

    contact.tabStop = false;
    c->update(contact);
    EXPECT_EQ(widgetOf(*c)->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtControlTest, AnInvisibleControlIsHiddenAndADroppedOneIsGone) {
    auto state = rateMe();
    state.visible = false;
    auto button = make(ControlKind::Button, state, events);
    show();
    QPointer<QWidget> widget = widgetOf(*button);
    EXPECT_FALSE(widget->isVisible());
    button.reset();
    EXPECT_TRUE(widget.isNull());
}

TEST_F(QtControlTest, AControlOutlivingItsWindowIgnoresUpdates) {
    auto button = make(ControlKind::Button, rateMe(), events);
    window.reset();
    EXPECT_EQ(widgetOf(*button), nullptr);
    button->update(rateMe());
    button->play();
}

// What a desktop user expects of any window: the keyboard focus, the palette, the desktop's font
// and what assistive technology reads.

TEST_F(QtControlTest, TheFocusStaysWhenItsControlIsDisabledAndComesBackWithIt) {
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
    EXPECT_EQ(QApplication::focusWidget(), topLevel(*window));
    // Nor when the window is left and activated again, which focuses a control if none has it.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(topLevel(*window));
    EXPECT_EQ(QApplication::focusWidget(), topLevel(*window));

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

TEST_F(QtControlTest, PlainBlackTextFollowsADarkPaletteAndOtherColoursStay) {
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

TEST_F(QtControlTest, ACaptionIsMadeSmallerToFitItsButtonWhenTheDesktopFontIsLarge) {
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

TEST_F(QtControlTest, WindowsAndPicturesAreReadByTheirTitles) {
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
