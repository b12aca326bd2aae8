#pragma once

#include "platform/NativeWindow.h"

#include <QKeySequence>
#include <functional>
#include <string>

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
    // "Cmd+Q" as this desktop writes it: Ctrl+Q.
    static QKeySequence shortcut(const std::string& text);

private:
    static void fill(QMenu* menu, const platform::MenuSpec& parent, const Chosen& chosen);
    static void updateEditItems(QMenu* menu);
};

} // namespace fw::qt
