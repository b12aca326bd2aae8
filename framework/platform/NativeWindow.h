#pragma once

#include "platform/NativeControl.h"

#include <memory>
#include <string>
#include <vector>

namespace fw::platform {

// A menu bar or menu as the platform shows it.
struct MenuSpec {
    std::string name;
    std::string text;     // "&" marks the mnemonic; "-" is a separator
    std::string shortcut; // "Cmd+Q" style, or empty
    bool visible = true;
    std::vector<MenuSpec> children;
};

struct WindowState {
    std::string title;
    int width = 0;
    int height = 0;
    bool hasCloseButton = true;
    bool hasMinimizeButton = false;
    bool hasMaximizeButton = false;
    bool hasFullScreenButton = false;
    bool resizeable = false;
    bool visible = false;
};

class WindowEvents {
public:
    virtual ~WindowEvents() = default;
    // The user asked to close the window (its close box).
    virtual void closeRequested() = 0;
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default;
    virtual void update(const WindowState& state) = 0;
    virtual void setMenuBar(const MenuSpec* menuBar) = 0;
    virtual std::unique_ptr<NativeControl> createControl(ControlKind kind, ControlEvents& events) = 0;
};

} // namespace fw::platform
