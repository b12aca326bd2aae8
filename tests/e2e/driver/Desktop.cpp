#include "Desktop.h"

#include "Report.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QLabel>
#include <QMetaObject>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>

namespace {

// The point a user aims at, in the coordinates of the window that holds the widget.
QPoint middleInWindow(QWidget* widget) {
    return widget->mapTo(widget->window(), widget->rect().center());
}

QWindow* windowSystemWindow(QWidget* widget) {
    return widget->window()->windowHandle();
}

} // namespace

QList<QWidget*> Desktop::windows(const QString& title) {
    QList<QWidget*> found;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (widget->isWindow() && !widget->parentWidget() && widget->windowTitle() == title)
            found.append(widget);
    return found;
}

QWidget* Desktop::window(const QString& title) {
    const QList<QWidget*> found = windows(title);
    Report::check(found.size() <= 1,
                  "one window titled \"" + title.toStdString() + "\", found " + std::to_string(found.size()));
    return found.isEmpty() ? nullptr : found.front();
}

bool Desktop::shown(const QString& title) {
    for (QWidget* widget : windows(title))
        if (widget->isVisible())
            return true;
    return false;
}

QPushButton* Desktop::button(QWidget* window, const QString& caption) {
    if (!window)
        return nullptr;
    for (QPushButton* button : window->findChildren<QPushButton*>())
        if (button->text() == caption)
            return button;
    return nullptr;
}

QWidget* Desktop::control(QWidget* window, const QString& name) {
    return window ? window->findChild<QWidget*>(name) : nullptr;
}

QString Desktop::labelText(QWidget* window, const QString& name) {
    auto* label = qobject_cast<QLabel*>(control(window, name));
    return label ? label->text() : QString();
}

int Desktop::controlsOfClass(QWidget* window, const char* className) {
    if (!window)
        return 0;
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    return static_cast<int>(
        std::count_if(all.begin(), all.end(), [&](QWidget* w) { return w->inherits(className); }));
}

void Desktop::click(QWidget* widget) {
    Report::require(widget != nullptr, "a widget to click");
    QWindow* handle = windowSystemWindow(widget);
    Report::require(handle != nullptr, "a window to click in");
    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, middleInWindow(widget));
}

void Desktop::queueClicks(QWidget* widget, int count) {
    Report::require(widget != nullptr, "a widget to click");
    // Each click is queued as a whole and delivered, when its turn comes, by the same window
    // system path as a single click: Qt's own press and release bookkeeping, the modality of a
    // message box and a window hidden meanwhile all apply to it as to real input.
    QPointer<QWindow> handle = windowSystemWindow(widget);
    Report::require(handle != nullptr, "a window to click in");
    const QPoint at = middleInWindow(widget);
    for (int i = 0; i < count; ++i)
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [handle, at] {
                if (handle)
                    QTest::mouseClick(handle, Qt::LeftButton, Qt::NoModifier, at);
            },
            Qt::QueuedConnection);
}

QWidget* Desktop::focused() {
    QWindow* focusWindow = QGuiApplication::focusWindow();
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (focusWindow && widget->windowHandle() == focusWindow)
            return widget->focusWidget();
    return nullptr;
}

void Desktop::key(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QWindow* focused = QGuiApplication::focusWindow();
    Report::require(focused != nullptr, "a window with the keyboard focus");
    QTest::keyClick(focused, key, modifiers);
}

void Desktop::closeBox(QWidget* window) {
    Report::require(window != nullptr, "a window to close");
    if (QWindow* handle = window->windowHandle())
        handle->close();
    else
        window->close(); // never shown, so the window system has no window for it yet
}

bool Desktop::activate(QWidget* window) {
    if (!window)
        return false;
    window->activateWindow();
    return QTest::qWaitForWindowActive(window, 5000);
}

bool Desktop::waitFor(const std::function<bool()>& condition, int timeoutMs) {
    // Sleeps until the next event rather than in fixed steps, so that a thousand short waits on
    // a fast timer take a thousand ticks, not a thousand steps.
    const QDeadlineTimer deadline(timeoutMs);
    QTimer wake;
    wake.start(20);
    while (!condition()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
        // Deferred deletions are not carried out by a nested loop unless asked for.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    return true;
}

void Desktop::pause(int ms) {
    const QDeadlineTimer deadline(ms);
    waitFor([&] { return deadline.hasExpired(); }, ms + 1000);
}
