#pragma once

#include "runtime/Cast.h"
#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/WeakRef.h"
#include "ui/DesktopWindow.h"
#include "ui/PaneChild.h"
#include "ui/Timer.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string_view>

// A class name given as a template argument, so that each window's timer gets a class of its own.
template <std::size_t N> struct ClassName {
    constexpr ClassName(const char (&text)[N]) { std::copy_n(text, N, value); }
    constexpr std::string_view view() const { return {value, N - 1}; }
    char value[N];
};

// The class of a timer placed on a window: a Timer that knows its window through a weak link, so
// the window and its timer form no ownership cycle.
template <ClassName Name> class WindowTimer : public fw::Timer, public fw::PaneChild {
public:
    static const fw::ClassRecord& Lookup_() {
        return fw::ClassRegistry::the().define(
            std::string(Name.view()), &fw::Timer::Lookup_(), [](fw::ClassRecord& record) {
                record.create = [] { return std::make_shared<WindowTimer>(); };
                record.interfaces = {"actionSource", "_PaneChild"};
                record.methods = {
                    {"_SetWindow", "(Object)", {}, {{"Hidden", ""}}},
                    {"Window", "() As DesktopWindow", {}, {}},
                    {"_Index", "() As Integer", {}, {{"Hidden", ""}}},
                    {"_SetIndex", "(Integer)", {}, {{"Hidden", ""}}},
                    {"Constructor", "()", fw::method(&WindowTimer::Constructor), {}},
                };
                record.properties = {
                    {"Index",
                     "Integer",
                     [](const fw::Object& o) -> fw::Variant {
                         return dynamic_cast<const WindowTimer&>(o).Index;
                     },
                     [](fw::Object& o, const fw::Variant& v) {
                         dynamic_cast<WindowTimer&>(o).Index = std::get<std::int64_t>(v);
                     },
                     {}},
                };
            });
    }
    const fw::ClassRecord& classRecord() const override { return Lookup_(); }
    static void ctblinit_() { Lookup_(); }

    void Constructor() {}

    void SetWindow_(const std::shared_ptr<fw::Object>& window) override {
        ownerWindow = std::make_shared<fw::WeakRef>(window);
    }
    // Nil when never given a window, or once that window is gone.
    std::shared_ptr<fw::DesktopWindow> Window() const override {
        if (!ownerWindow)
            return nullptr;
        return fw::RuntimeCheckCast<fw::DesktopWindow>(ownerWindow->Value());
    }
    std::int64_t Index_() const override { return Index; }
    void SetIndex_(std::int64_t index) override { Index = index; }

    std::int64_t Index = 0;

private:
    std::shared_ptr<fw::WeakRef> ownerWindow;
};
