#include "QtBackendTest.h"
#include "runtime/NoDisplayException.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <stdexcept>

namespace fw::qt::test {
namespace {

using QtPlatformTest = QtBackendTest;

TEST_F(QtPlatformTest, StartsAnApplicationNamedKelvoryThatTheCoreEnds) {
    ASSERT_NE(QApplication::instance(), nullptr);
    EXPECT_EQ(QApplication::applicationName(), "Kelvory");
    EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
    platform().initialize(appEvents); // a second call changes nothing
    EXPECT_EQ(QApplication::applicationName(), "Kelvory");
}

TEST_F(QtPlatformTest, QuitBeforeRunMakesRunReturnTheCodeAtOnce) {
    platform().quit(7);
    EXPECT_EQ(platform().run(), 7);
}

TEST_F(QtPlatformTest, PostedTasksRunInOrderFromTheEventLoop) {
    std::vector<int> ran;
    platform().post([&] { ran.push_back(1); });
    platform().post([&] {
        ran.push_back(2);
        platform().quit(3);
    });
    EXPECT_TRUE(ran.empty());
    EXPECT_EQ(platform().run(), 3);
    EXPECT_EQ(ran, (std::vector<int>{1, 2}));
}

TEST_F(QtPlatformTest, AnExceptionEscapingATaskIsReportedAndTheLoopGoesOn) {
    bool after = false;
    platform().post([] { throw std::runtime_error("boom"); });
    platform().post([&] {
        after = true;
        platform().quit(0);
    });
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(platform().run(), 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_TRUE(after);
    EXPECT_NE(err.find("boom"), std::string::npos) << err;
}

TEST_F(QtPlatformTest, MessageBoxIsModalAndReturnsWhenDismissed) {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        icon = box->icon();
        modal = box->isModal();
        box->button(QMessageBox::Ok)->click();
    });
    platform().messageBox("I hope you are feeling sexy, if not, better luck next time!");
    EXPECT_EQ(title, "Kelvory");
    EXPECT_EQ(text, "I hope you are feeling sexy, if not, better luck next time!");
    EXPECT_EQ(icon, QMessageBox::Information);
    EXPECT_TRUE(modal);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

TEST_F(QtPlatformTest, ShowUrlHandsTheAddressToTheDesktop) {
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler("https", &catcher, "open");
    platform().showURL("https://example.org/freeforfun");
    QDesktopServices::unsetUrlHandler("https");
    ASSERT_EQ(catcher.opened.size(), 1);
    EXPECT_EQ(catcher.opened.front(), QUrl("https://example.org/freeforfun"));
}

TEST_F(QtPlatformTest, AnAddressTheDesktopCannotOpenIsOneLineOnStandardError) {
    ::testing::internal::CaptureStderr();
    platform().showURL("kelvory-no-such-scheme:x");
    const std::string err = ::testing::internal::GetCapturedStderr();
    const std::string line = "kelvory: cannot open kelvory-no-such-scheme:x\n";
    ASSERT_NE(err.find(line), std::string::npos) << err;
    EXPECT_EQ(err.find(line), err.rfind(line)) << err;
}

TEST_F(QtPlatformTest, ExecutablePathIsThisProgram) {
    const auto path = platform().executablePath();
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path, std::filesystem::canonical("/proc/self/exe"));
}

// These tests start the platform themselves, under an environment of their own.
class QtDisplayTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (QApplication::instance())
            GTEST_SKIP() << "the application already runs in this process";
    }
    RecordingAppEvents appEvents;
};

TEST_F(QtDisplayTest, NoDisplayNamedRaisesNoDisplayException) {
    qputenv("QT_QPA_PLATFORM", "xcb");
    qunsetenv("DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    EXPECT_THROW(platform::Platform::the().initialize(appEvents), NoDisplayException);
    EXPECT_EQ(QApplication::instance(), nullptr);
}

} // namespace
} // namespace fw::qt::test

#include "PlatformTest.moc"
