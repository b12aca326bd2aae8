#pragma once

#include <QList>
#include <QString>
#include <Qt>
#include <functional>

class QLabel;
class QPushButton;
class QWidget;

// What a user of the running program sees and does, on its real widgets: windows found by title,
// buttons by caption, clicks and keys delivered through the window as the window system would.
class Desktop {
public:
    // The program's top-level windows with this title that still exist, shown or hidden.
    static QList<QWidget*> windows(const QString& title);
    // The one such window, or null when there is none (a second one is a failure, said here).
    static QWidget* window(const QString& title);
    static bool shown(const QString& title);

    static QPushButton* button(QWidget* window, const QString& caption);
    // A control without a caption, by the name the program gave it (a label, the logo).
    static QWidget* control(QWidget* window, const QString& name);
    static QString labelText(QWidget* window, const QString& name);
    // How many controls of the toolkit's class `className` (pictures, movie players) it holds.
    static int controlsOfClass(QWidget* window, const char* className);

    // A press and release at the middle of the widget, through its window.
    static void click(QWidget* widget);
    // A burst of clicks queued at once, as input that arrives faster than the program answers;
    // the event loop delivers them later, one after the other, whatever happened meanwhile.
    static void queueClicks(QWidget* widget, int count);
    // The widget that keys go to: the focused one of the window that has the keyboard.
    static QWidget* focused();
    // A key press and release in the window that has the keyboard focus.
    static void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // The close box in the title bar of the window: the window system's request to close it.
    static void closeBox(QWidget* window);
    // The window comes to the front and gets the keyboard.
    static bool activate(QWidget* window);

    static bool waitFor(const std::function<bool()>& condition, int timeoutMs);
    // Lets the event loop run for a while.
    static void pause(int ms);
};
