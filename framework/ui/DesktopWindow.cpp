#include "ui/DesktopWindow.h"

#include "platform/Platform.h"
#include "runtime/ClassRecord.h"
#include "runtime/InvalidArgumentException.h"
#include "runtime/KeyNotFoundException.h"
#include "runtime/MainThread.h"
#include "runtime/MethodAdapter.h"
#include "runtime/NilObjectException.h"
#include "runtime/NotNil.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/Runtime.h"
#include "runtime/VariantValue.h"
#include "ui/BoundMethod.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopMenuBar.h"
#include "ui/DesktopUIControl.h"
#include "ui/EventDelivery.h"
#include "ui/EventSource.h"
#include "ui/PaneChild.h"
#include "ui/Timer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace fw {

namespace {

// The live windows, in creation order. The registry owns them: a window lives from the start of
// its construction until it closes, whether or not anyone else holds it.
std::vector<std::shared_ptr<DesktopWindow>>& liveWindows() {
    static std::vector<std::shared_ptr<DesktopWindow>> windows;
    return windows;
}

void unregister(const DesktopWindow* window) {
    std::erase_if(liveWindows(), [window](const auto& live) { return live.get() == window; });
}

bool isWindowDesignProperty(const std::string& name) {
    static constexpr std::array<std::string_view, 11> names = {
        "MinimumWidth",    "MinimumHeight", "MaximumWidth",   "MaximumHeight",    "Type",      "FullScreen",
        "DefaultLocation", "Composite",     "MenuBarVisible", "ImplicitInstance", "MacProcID",
    };
    return std::find(names.begin(), names.end(), name) != names.end();
}

// Clears a flag however the scope is left.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

} // namespace

DesktopWindow::DesktopWindow() = default;

DesktopWindow::~DesktopWindow() {
    // Native controls go before the native window that holds them.
    for (const auto& control : controls_) {
        if (auto* visible = dynamic_cast<DesktopUIControl*>(control.get()))
            visible->detach();
    }
    native_.reset();
}

const ClassRecord& DesktopWindow::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("DesktopWindow", &Object::Lookup_(), [](ClassRecord& r) {
            r.create = [] { return std::make_shared<DesktopWindow>(); };
            r.methods = {
                {"Close", "()", method(&DesktopWindow::Close), {}},
                {"Constructor", "()", method(&DesktopWindow::Constructor), {}},
                {"Hide", "()", method(&DesktopWindow::Hide), {}},
                {"Show", "()", method(&DesktopWindow::Show), {}},
                {"_ControlByName", "(String) As Object", method(&DesktopWindow::ControlByName_), {}},
            };
            r.properties = {
                DescribeProperty("Title", "String", &DesktopWindow::Title, &DesktopWindow::Title),
                DescribeProperty("Visible", "Boolean", &DesktopWindow::Visible, &DesktopWindow::Visible),
                DescribeReadOnly("Width", "Integer", &DesktopWindow::Width),
                DescribeReadOnly("Height", "Integer", &DesktopWindow::Height),
                DescribeReadOnly("Resizeable", "Boolean", &DesktopWindow::Resizeable),
                DescribeReadOnly("HasCloseButton", "Boolean", &DesktopWindow::HasCloseButton),
                DescribeReadOnly("HasMinimizeButton", "Boolean", &DesktopWindow::HasMinimizeButton),
                DescribeReadOnly("HasMaximizeButton", "Boolean", &DesktopWindow::HasMaximizeButton),
                DescribeReadOnly("HasFullScreenButton", "Boolean", &DesktopWindow::HasFullScreenButton),
                DescribeReadOnly("HasBackgroundColor", "Boolean", &DesktopWindow::HasBackgroundColor),
                DescribeProperty("MenuBar", "DesktopMenuBar", &DesktopWindow::MenuBar,
                                 &DesktopWindow::MenuBar),
                DescribeProperty("BackgroundColor", "ColorGroup", &DesktopWindow::BackgroundColor,
                                 &DesktopWindow::BackgroundColor),
            };
        });
    return record;
}

std::shared_ptr<DesktopWindow> DesktopWindow::self() {
    auto me = std::dynamic_pointer_cast<DesktopWindow>(weak_from_this().lock());
    if (!me)
        throw InvalidArgumentException("a window must be held by a reference to be built or closed");
    return me;
}

void DesktopWindow::Constructor() {
    RequireMainThread();
    if (native_ || closed_)
        throw InvalidArgumentException(classRecord().name() + " is already built");
    auto me = self();
    // Registered first, so that the window's own implicit instance finds it during Opening.
    liveWindows().push_back(me);
    try {
        native_ = platform::Platform::the().createWindow(*this);
        applyMenuBar();
        RaiseEvent("Layout");
        RaiseEvent("CreateControls");
        RaiseEvent("Opening");
    } catch (...) {
        discard();
        throw;
    }
}

platform::NativeWindow& DesktopWindow::native() const {
    if (!native_)
        throw NilObjectException(classRecord().name() + " has no native window");
    return *native_;
}

void DesktopWindow::Show() {
    Visible(true);
}

void DesktopWindow::Hide() {
    Visible(false);
}

void DesktopWindow::Visible(bool visible) {
    RequireMainThread();
    state_.visible = visible;
    pushState();
}

void DesktopWindow::Title(std::string title) {
    RequireMainThread();
    state_.title = std::move(title);
    pushState();
}

void DesktopWindow::MenuBar(std::shared_ptr<DesktopMenuBar> menuBar) {
    RequireMainThread();
    menuBar_ = std::move(menuBar);
    menuSpec_.reset();
    if (menuBar_)
        menuSpec_ = menuBar_->spec();
    applyMenuBar();
}

void DesktopWindow::BackgroundColor(std::shared_ptr<ColorGroup> color) {
    RequireMainThread();
    backgroundColor_ = std::move(color);
}

void DesktopWindow::Close() {
    RequireMainThread();
    if (closed_ || closing_)
        return;
    auto me = self();
    {
        FlagScope closing(closing_);
        RaiseEvent("Closing");
    }
    closeNow();
}

void DesktopWindow::closeRequested() {
    if (closed_ || closing_)
        return;
    auto me = weak_from_this().lock(); // the window may lose its last owner while it closes
    DeliverEvent_(
        [this] {
            FlagScope closing(closing_);
            RaiseEvent("Closing");
        },
        whereFor("Closing"));
    closeNow();
}

void DesktopWindow::closeNow() {
    if (closed_)
        return;
    auto me = weak_from_this().lock();
    discard();
    // A desktop without a dock has nowhere to bring a hidden program back from.
    auto live = LiveWindows();
    if (std::none_of(live.begin(), live.end(), [](const auto& window) { return window->Visible(); }))
        EndApplication_(0);
}

void DesktopWindow::discard() {
    auto me = weak_from_this().lock();
    closed_ = true;
    unregister(this);
    for (const auto& control : controls_) {
        if (auto timer = std::dynamic_pointer_cast<Timer>(control))
            timer->Enabled(false);
        if (auto* visible = dynamic_cast<DesktopUIControl*>(control.get()))
            visible->detach();
    }
    state_.visible = false;
    pushState();
    native_.reset();
}

void DesktopWindow::pushState() {
    if (native_)
        native_->update(state_);
}

void DesktopWindow::applyMenuBar() {
    if (native_)
        native_->setMenuBar(menuSpec_ ? &*menuSpec_ : nullptr);
}

std::shared_ptr<Object> DesktopWindow::New_(const ClassRecord& record) {
    RequireMainThread();
    if (!record.create)
        throw InvalidArgumentException(record.name() + " cannot be instantiated");
    return NotNil(record.create());
}

void DesktopWindow::AddControl_(const std::string& name, const std::shared_ptr<Object>& control) {
    RequireMainThread();
    NotNil(control);
    if (name.empty())
        throw InvalidArgumentException("a control needs a name");
    if (controlsByName_.count(name))
        throw InvalidArgumentException(classRecord().name() + " already has a control named " + name);
    auto me = self();
    if (auto* visible = dynamic_cast<DesktopUIControl*>(control.get())) {
        if (!native_)
            throw InvalidArgumentException(classRecord().name() + " is not built, or closed");
        visible->attach(me, name);
    }
    if (auto* child = dynamic_cast<PaneChild*>(control.get())) {
        child->SetWindow_(me);
        child->SetIndex_(static_cast<std::int64_t>(controls_.size()));
    }
    controls_.push_back(control);
    controlsByName_.emplace(name, control);
}

std::shared_ptr<Object> DesktopWindow::ControlByName_(const std::string& name) const {
    auto found = controlsByName_.find(name);
    return found == controlsByName_.end() ? nullptr : found->second;
}

void DesktopWindow::BindEvent_(const std::shared_ptr<Object>& control, const std::string& event,
                               const std::string& methodName) {
    RequireMainThread();
    NotNil(control);
    // The method is the one in the class record now; the binding keeps it.
    const MethodInfo* info = classRecord().findMethod(methodName);
    if (!info || !info->call)
        throw KeyNotFoundException(classRecord().name() + " has no method " + methodName);
    auto* source = dynamic_cast<EventSource*>(control.get());
    if (!source)
        throw InvalidArgumentException(control->classRecord().name() + " raises no events");
    BoundMethod handler(self(), control, info->call, classRecord().name() + "." + methodName);
    if (!source->bindEvent(event, handler))
        throw KeyNotFoundException(control->classRecord().name() + " has no event " + event);
}

bool DesktopWindow::IsEventImplemented(const std::string& event) const {
    const std::string& name = classRecord().name();
    return RuntimeIsEventHandled_(*this, name.substr(0, name.find('.')), event, true);
}

bool DesktopWindow::setStoredProperty(const std::string& name, const Variant& value) {
    RequireMainThread();
    if (name == "Width")
        state_.width = static_cast<int>(VariantToInteger(value, name));
    else if (name == "Height")
        state_.height = static_cast<int>(VariantToInteger(value, name));
    else if (name == "Title")
        state_.title = VariantToString(value, name);
    else if (name == "HasCloseButton")
        state_.hasCloseButton = VariantToBoolean(value, name);
    else if (name == "HasMinimizeButton")
        state_.hasMinimizeButton = VariantToBoolean(value, name);
    else if (name == "HasMaximizeButton")
        state_.hasMaximizeButton = VariantToBoolean(value, name);
    else if (name == "HasFullScreenButton")
        state_.hasFullScreenButton = VariantToBoolean(value, name);
    else if (name == "Resizeable")
        state_.resizeable = VariantToBoolean(value, name);
    else if (name == "Visible")
        state_.visible = VariantToBoolean(value, name);
    else if (name == "HasBackgroundColor")
        hasBackgroundColor_ = VariantToBoolean(value, name);
    else if (isWindowDesignProperty(name))
        designProperties_[name] = value;
    else
        return false;
    return true;
}

void DesktopWindow::storedPropertiesApplied() {
    pushState();
}

bool DesktopWindow::RaiseEvent(const std::string& event) {
    for (const ClassRecord* record = &classRecord(); record; record = record->base()) {
        auto handler = record->events.find(event);
        if (handler != record->events.end()) {
            invoke(handler->second);
            return true;
        }
    }
    return false;
}

std::string DesktopWindow::whereFor(const std::string& event) const {
    for (const ClassRecord* record = &classRecord(); record; record = record->base()) {
        auto handler = record->events.find(event);
        if (handler != record->events.end())
            return classRecord().name() + "." + handler->second;
    }
    return classRecord().name() + "." + event;
}

std::shared_ptr<DesktopWindow> GetImplicitDesktopWindow_(const std::string& className) {
    for (const auto& window : liveWindows()) {
        if (window->classRecord().name() == className)
            return window;
    }
    return nullptr;
}

std::vector<std::shared_ptr<DesktopWindow>> LiveWindows() {
    return liveWindows();
}

void DiscardLiveWindows_() {
    auto windows = liveWindows();
    for (const auto& window : windows)
        window->discard();
}

} // namespace fw
