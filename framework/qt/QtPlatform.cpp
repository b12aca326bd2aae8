#include "qt/QtPlatform.h"

#include "qt/AccessibleViews.h"
#include "qt/AppIcon.h"
#include "qt/CoreCall.h"
#include "qt/DisplayGuard.h"
#include "qt/FontMapper.h"
#include "qt/MediaSniffer.h"
#include "qt/ProcessEnd.h"
#include "qt/QtPicture.h"
#include "qt/QtTimer.h"
#include "qt/QtWindow.h"
#include "qt/movie/DecoderChoice.h"
#include "qt/movie/QtMovie.h"
#include "qt/sound/QtSound.h"
#include "qt/sound/SoundEngine.h"
#include "qt/sound/SoundServerCheck.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <cstdio>
#include <cstdlib>

namespace fw::platform {

Platform& Platform::the() {
    static qt::QtPlatform platform;
    return platform;
}

} // namespace fw::platform

namespace fw::qt {

namespace {
// Long enough for the first window to be up and drawn, well before a short intro ends.
constexpr int kFontPreloadDelayMs = 500;
// QApplication keeps references to these for its whole life.
int argc = 1;
char programName[] = "kelvory";
char* argv[] = {programName, nullptr};
QApplication* leftRunning = nullptr;
} // namespace

QtPlatform::~QtPlatform() {
    // Without run() having ended it, the application object is left to the end of the process:
    // by now Qt's own globals, which its destructor needs, may be gone already.
    leftRunning = app_.release();
}

void QtPlatform::shutDown() {
    if (!app_)
        return;
    // Windows the core still holds go before the application object they need; the core's
    // handles to them, and to timers and players, find them gone.
    QList<QPointer<QWidget>> windows;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (!widget->parentWidget())
            windows.append(widget);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    // Sounds still playing go on to the end of the process (see initialize()).
    if (sounds_)
        sounds_->freeze();
    app_.reset();
}

QtPlatform& QtPlatform::the() {
    return static_cast<QtPlatform&>(platform::Platform::the());
}

void QtPlatform::stopSoundsAtExit() {
    if (const auto& sounds = the().sounds_)
        sounds->stop();
}

void QtPlatform::initialize(platform::AppEvents& events) {
    events_ = &events;
    if (app_ || QApplication::instance())
        return;
    DisplayGuard::requireDisplay();
    // The sound stream is closed as the very last thing the process does (see ProcessEnd).
    static const bool stopsSounds = (ProcessEnd::atEnd(&QtPlatform::stopSoundsAtExit), true);
    (void)stopsSounds;
    chooseWorkingDecoders();
    // While the application object and the first window are made, so that the movie finds the
    // answer waiting; after the last change to the environment, which the check reads.
    SoundServerCheck::start();
    DisplayGuard::beginConnecting();
    QApplication::setApplicationName(QStringLiteral("Kelvory"));
    app_ = std::make_unique<QApplication>(argc, argv);
    DisplayGuard::connected();
    AccessibleViews::install();
    // Drawing the icon takes milliseconds; the first window need not wait for it to be mapped,
    // and takes the icon as soon as it is set. Without a window system there is nothing to show
    // it on.
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QTimer::singleShot(0, app_.get(),
                           [this] { QApplication::setWindowIcon(AppIcon::fromBundle(executablePath())); });
    // The core decides when the program ends.
    QApplication::setQuitOnLastWindowClosed(false);
    // The fonts load while the first window is up, rather than when a window with text is built.
    QTimer::singleShot(kFontPreloadDelayMs, app_.get(), &FontMapper::preload);
}

void QtPlatform::setSupportsHiDPI(bool on) {
    // Qt 6 scales by the screen's pixel ratio unless told not to, before it starts.
    if (!on && !app_ && qEnvironmentVariableIsEmpty("QT_ENABLE_HIGHDPI_SCALING"))
        qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

void QtPlatform::setDarkModeSupport(bool) {
    // Widgets follow the desktop's palette, dark or light; there is nothing to force.
}

int QtPlatform::run() {
    const int code = quitCode_ ? *quitCode_ : QApplication::exec();
    shutDown();
    // Whatever Qt registered while the program ran is torn down by the end of the process.
    ProcessEnd::comeBeforeExitHandlersSoFar();
    return quitCode_.value_or(code);
}

void QtPlatform::quit(int code) {
    quitCode_ = code;
    // The program is ending: from here on the sound stream stays as it is (see PulseOutput).
    if (sounds_)
        sounds_->freeze();
    QCoreApplication::exit(code);
}

void QtPlatform::post(std::function<void()> task) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [task = std::move(task)] { CoreCall::run("a posted task", task); },
        Qt::QueuedConnection);
}

std::unique_ptr<platform::NativeTimer> QtPlatform::createTimer(std::function<void()> fired) {
    return std::make_unique<QtTimer>(std::move(fired));
}

std::unique_ptr<platform::NativeWindow> QtPlatform::createWindow(platform::WindowEvents& events) {
    return std::make_unique<QtWindow>(
        events, [this](const std::string& name) { menuChosen(name); },
        [this] { return applicationMenuBar_ ? &*applicationMenuBar_ : nullptr; });
}

void QtPlatform::setApplicationMenuBar(const platform::MenuSpec* menuBar) {
    if (menuBar)
        applicationMenuBar_ = *menuBar;
    else
        applicationMenuBar_.reset();
}

void QtPlatform::menuChosen(const std::string& name) {
    if (events_)
        events_->menuChosen(name);
}

std::shared_ptr<platform::NativeSound> QtPlatform::openSound(const std::filesystem::path& file) {
    if (MediaSniffer::sniff(file) != MediaSniffer::Kind::Audio)
        return nullptr;
    if (!sounds_)
        sounds_ = std::make_shared<SoundEngine>();
    return std::make_shared<QtSound>(sounds_->load(file), sounds_);
}

std::shared_ptr<platform::NativeMovie> QtPlatform::openMovie(const std::filesystem::path& file) {
    if (MediaSniffer::sniff(file) != MediaSniffer::Kind::Movie)
        return nullptr;
    return std::make_shared<QtMovie>(file);
}

std::shared_ptr<platform::NativePicture> QtPlatform::openPicture(const std::filesystem::path& file) {
    return QtPicture::open(file);
}

void QtPlatform::showURL(const std::string& url) {
    if (!QDesktopServices::openUrl(QUrl(QString::fromStdString(url))))
        std::fprintf(stderr, "kelvory: cannot open %s\n", url.c_str());
}

void QtPlatform::messageBox(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Information, QStringLiteral("Kelvory"), shown, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::filesystem::path QtPlatform::executablePath() {
    return std::filesystem::read_symlink("/proc/self/exe");
}

} // namespace fw::qt
