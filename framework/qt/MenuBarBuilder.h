#pragma once

#include "platform/NativeWindow.h"

#include <QKeySequence>
#include <QList>
#include <functional>
#include <string>

class QAction;
class QMenu;
class QMenuBar;
class QWidget;

namespace fw::qt {

// Builds a window's menu bar from the framework's menu tree. Edit items act on the focused
// widget; every other item is reported to `chosen` with its name.
class MenuBarBuilder {
public:
    using Chosen = std::function<void(const std::string& itemName)>;

    static QMenuBar* build(const platform::MenuSpec& menuBar, QWidget* window, Chosen chosen);
    // The shortcuts of `menuBar`'s items as actions of a window that shows no menu bar, so that
    // the application's shortcuts work in every window. They go with the object answered.
    static QObject* buildShortcuts(const platform::MenuSpec& menuBar, QWidget* window, Chosen chosen);
    // "Cmd+Q" as this desktop writes it: Ctrl+Q.
    static QKeySequence shortcut(const std::string& text);

private:
    using Target = std::function<QWidget*()>;

    static void fill(QMenu* menu, const platform::MenuSpec& parent, const Chosen& chosen);
    static void addShortcuts(QObject* holder, const platform::MenuSpec& parent, QWidget* window,
                             const Chosen& chosen);
    static void connectItem(QAction* action, const std::string& name, const Chosen& chosen,
                            const Target& target);
    // Edit items follow the focus, so that their shortcuts fire only when they can act.
    static std::function<void()> editItemsUpdate(Target target, std::function<QList<QAction*>()> actions);
};

} // namespace fw::qt
