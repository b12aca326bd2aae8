#pragma once

#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/Runtime.h"
#include "ui/DesktopButton.h"
#include "ui/DesktopLabel.h"
#include "ui/DesktopMoviePlayer.h"
#include "ui/DesktopWindow.h"
#include "ui/StoredProperties.h"
#include "ui/Timer.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// A class name given as a template argument, so each test window class has a record of its own.
template <std::size_t N> struct WindowName {
    constexpr WindowName(const char (&text)[N]) { std::copy_n(text, N, value); }
    constexpr std::string_view view() const { return {value, N - 1}; }
    char value[N];
};

// A program-style window class ("Name.Name") whose handlers run what the test hands them and
// note, in `calls`, which handler ran in which order.
template <WindowName Name, bool HandlesClosing = true> class ScriptedWindow : public fw::DesktopWindow {
public:
    static const fw::ClassRecord& Lookup_() {
        std::string name(Name.view());
        return fw::ClassRegistry::the().define(
            name + "." + name, &fw::DesktopWindow::Lookup_(), [](fw::ClassRecord& record) {
                record.create = [] { return std::make_shared<ScriptedWindow>(); };
                record.methods = {
                    {"Layout", "()", fw::method(&ScriptedWindow::Layout), {}},
                    {"CreateControls", "()", fw::method(&ScriptedWindow::CreateControls), {}},
                    {"Event_Opening", "()", fw::method(&ScriptedWindow::Event_Opening), {}},
                    {"Event_Closing", "()", fw::method(&ScriptedWindow::Event_Closing), {}},
                    {"Button_Pressed", "(DesktopButton)", fw::method(&ScriptedWindow::Button_Pressed), {}},
                    {"Label_MouseDown",
                     "(DesktopLabel, Integer, Integer) As Boolean",
                     fw::method(&ScriptedWindow::Label_MouseDown),
                     {}},
                    {"Timer_Action", "(Timer)", fw::method(&ScriptedWindow::Timer_Action), {}},
                    {"Player_MovieStopped",
                     "(DesktopMoviePlayer)",
                     fw::method(&ScriptedWindow::Player_MovieStopped),
                     {}},
                    {"Listed_Only", "()", {}, {}},
                };
                record.events = {
                    {"Layout", "Layout"}, {"CreateControls", "CreateControls"}, {"Opening", "Event_Opening"}};
                if (HandlesClosing)
                    record.events.emplace("Closing", "Event_Closing");
            });
    }
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }

    static std::shared_ptr<ScriptedWindow> Instance() { return fw::ImplicitInstance<ScriptedWindow>(); }

    void Layout() { run("Layout", onLayout); }
    void CreateControls() { run("CreateControls", onCreateControls); }
    void Event_Opening() { run("Opening", onOpening); }
    void Event_Closing() { run("Closing", onClosing); }
    void Button_Pressed(std::shared_ptr<fw::DesktopButton> button) {
        calls.push_back("Pressed " + button->Name());
        if (onPressed)
            onPressed(*this);
    }
    bool Label_MouseDown(std::shared_ptr<fw::DesktopLabel> label, std::int64_t x, std::int64_t y) {
        calls.push_back("MouseDown " + label->Name() + " " + std::to_string(x) + "," + std::to_string(y));
        return mouseDownAnswer;
    }
    void Timer_Action(std::shared_ptr<fw::Timer>) {
        calls.push_back("Action");
        if (onAction)
            onAction(*this);
    }
    void Player_MovieStopped(std::shared_ptr<fw::DesktopMoviePlayer> player) {
        calls.push_back("MovieStopped " + player->Name());
    }

    static inline std::vector<std::string> calls;
    static inline std::function<void(ScriptedWindow&)> onLayout;
    static inline std::function<void(ScriptedWindow&)> onCreateControls;
    static inline std::function<void(ScriptedWindow&)> onOpening;
    static inline std::function<void(ScriptedWindow&)> onClosing;
    static inline std::function<void(ScriptedWindow&)> onPressed;
    static inline std::function<void(ScriptedWindow&)> onAction;
    static inline bool mouseDownAnswer = true;

private:
    void run(const char* event, const std::function<void(ScriptedWindow&)>& hook) {
        calls.push_back(event);
        if (hook)
            hook(*this);
    }
};

// Stored properties of a plain titled window with a close box.
inline fw::StoredProperties WindowProperties(bool visible, const std::string& title = "Test") {
    return {
        {"Width", std::int64_t{400}},
        {"Height", std::int64_t{300}},
        {"Title", title},
        {"HasCloseButton", true},
        {"Resizeable", false},
        {"Visible", visible},
        {"DefaultLocation", std::int64_t{2}},
    };
}

// Makes a control through the window, registers it and applies its stored properties, as a
// window's control-creation sequence does.
template <class Control>
std::shared_ptr<Control> AddControl(fw::DesktopWindow& window, const std::string& name,
                                    const fw::StoredProperties& stored = {}) {
    auto control = window.New_<Control>();
    window.AddControl_(name, control);
    fw::SetProperties_(*control, stored);
    return control;
}
