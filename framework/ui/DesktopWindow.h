#pragma once

#include "platform/NativeWindow.h"
#include "runtime/Cast.h"
#include "runtime/Object.h"
#include "ui/StoredProperties.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fw {

class ColorGroup;
class DesktopMenuBar;
class DesktopUIControl;

// A top-level window. A window class serves its events through its class record's event table:
// "Layout" and "CreateControls" while it is built, "Opening" once built, "Closing" when the user
// closes it.
class DesktopWindow : public Object, private platform::WindowEvents {
public:
    DesktopWindow();
    ~DesktopWindow() override;
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    // Builds the window: registers it as the live window of its class, raises Layout and
    // CreateControls, then Opening. On an exception the window is unregistered and the
    // exception passed on.
    void Constructor();

    void Show();
    void Hide();
    bool Visible() const { return state_.visible; }
    void Visible(bool visible);
    const std::string& Title() const { return state_.title; }
    void Title(std::string title);
    int Width() const { return state_.width; }
    int Height() const { return state_.height; }
    bool Resizeable() const { return state_.resizeable; }
    bool HasCloseButton() const { return state_.hasCloseButton; }
    bool HasMinimizeButton() const { return state_.hasMinimizeButton; }
    bool HasMaximizeButton() const { return state_.hasMaximizeButton; }
    bool HasFullScreenButton() const { return state_.hasFullScreenButton; }
    std::shared_ptr<DesktopMenuBar> MenuBar() const { return menuBar_; }
    void MenuBar(std::shared_ptr<DesktopMenuBar> menuBar);
    std::shared_ptr<ColorGroup> BackgroundColor() const { return backgroundColor_; }
    void BackgroundColor(std::shared_ptr<ColorGroup> color);
    bool HasBackgroundColor() const { return hasBackgroundColor_; }
    // Closes the window as its close box does (raises Closing); a closed window is no longer
    // the live window of its class.
    void Close();
    bool IsClosed() const { return closed_; }

    // Makes a new object of `record`'s class on behalf of this window.
    std::shared_ptr<Object> New_(const ClassRecord& record);
    template <class T>
    std::shared_ptr<T> New_() {
        return RuntimeCheckCast<T>(New_(T::Lookup_()));
    }
    // Registers `control` under `name`; from then on the window owns it.
    void AddControl_(const std::string& name, const std::shared_ptr<Object>& control);
    // The object registered under `name`, or nil.
    std::shared_ptr<Object> ControlByName_(const std::string& name) const;
    // Controls in registration order.
    const std::vector<std::shared_ptr<Object>>& Controls() const { return controls_; }

    // Makes `event` of `control` call this window's method `method` (looked up now in the
    // window's class record); the control is passed first, then the event's own arguments.
    void BindEvent_(const std::shared_ptr<Object>& control, const std::string& event, const std::string& method);

    // Whether this window's own class handles `event`.
    virtual bool IsEventImplemented(const std::string& event) const;

    bool setStoredProperty(const std::string& name, const Variant& value) override;
    void storedPropertiesApplied() override;

    // The native window; NilObjectException before Constructor and after the window closed.
    platform::NativeWindow& native() const;

protected:
    // Raises a window event through the class record's event table; false when unhandled.
    bool RaiseEvent(const std::string& event);

private:
    void closeRequested() override;
    void pushState();
    void closeNow();
    // Unregisters the window and drops its native side, without raising Closing.
    void discard();
    void applyMenuBar();
    std::shared_ptr<DesktopWindow> self();
    std::string whereFor(const std::string& event) const;
    friend void DiscardLiveWindows_();

    platform::WindowState state_;
    std::unique_ptr<platform::NativeWindow> native_;
    std::shared_ptr<DesktopMenuBar> menuBar_;
    std::shared_ptr<ColorGroup> backgroundColor_;
    bool hasBackgroundColor_ = false;
    bool closed_ = false;
    bool closing_ = false; // Closing is being raised; a Close() from its handler does nothing
    std::optional<platform::MenuSpec> menuSpec_; // the native window keeps a pointer to it
    std::map<std::string, Variant> designProperties_;
    std::vector<std::shared_ptr<Object>> controls_;
    std::map<std::string, std::shared_ptr<Object>> controlsByName_;
};

// The live window of the runtime class `className`, or nil.
std::shared_ptr<DesktopWindow> GetImplicitDesktopWindow_(const std::string& className);
// All live windows, in creation order.
std::vector<std::shared_ptr<DesktopWindow>> LiveWindows();

// The implicit-instance accessor of a window class: the live window of class T, or a new one
// made through T's class record and constructed.
template <class T>
std::shared_ptr<T> ImplicitInstance() {
    const ClassRecord& record = T::Lookup_();
    if (auto live = GetImplicitDesktopWindow_(record.name()))
        return RuntimeCheckCast<T>(live);
    auto window = RuntimeCheckCast<T>(record.create());
    window->Constructor();
    return window;
}

} // namespace fw
