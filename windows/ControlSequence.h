#pragma once

#include "runtime/Cast.h"
#include "runtime/NotNil.h"
#include "ui/ColorGroup.h"
#include "ui/DesktopWindow.h"
#include "ui/StoredProperties.h"
#include "windows/WindowLayout.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// How every window builds one control, one finished before the next is begun: make it through
// the window and construct it, register it under its name, give it its colour, picture or movie,
// apply its stored properties, bind its event. Each later step fetches the control back by name.
// Controls registered before an exception stay registered.
template <class Made, class Fetched = Made> struct ControlStep {
    std::string name;
    std::function<void(fw::DesktopWindow& window, Fetched& control)> before; // optional
    fw::StoredProperties stored;
    std::string event;   // optional
    std::string handler; // the window's method for `event`
};

template <class Made, class Fetched = Made>
void CreateControl(fw::DesktopWindow& window, const ControlStep<Made, Fetched>& step) {
    auto fetch = [&] { return fw::RuntimeCheckCast<Fetched>(window.ControlByName_(step.name)); };
    {
        auto made = window.New_<Made>();
        made->Constructor();
        window.AddControl_(step.name, made);
    }
    if (step.before)
        step.before(window, *fw::NotNil(fetch()));
    fw::SetProperties_(*fw::NotNil(fetch()), step.stored);
    if (!step.event.empty())
        window.BindEvent_(fw::NotNil(fetch()), step.event, step.handler);
}

// A label's text colour, made through the window from 0x00RRGGBB.
template <class Label> std::function<void(fw::DesktopWindow&, Label&)> WithTextColor(std::uint64_t rgb) {
    return [rgb](fw::DesktopWindow& window, Label& label) { label.TextColor(NewColor(window, rgb)); };
}

// A canvas's backdrop: whatever the picture accessor gives, nil included.
template <class Canvas, class Accessor>
std::function<void(fw::DesktopWindow&, Canvas&)> WithBackdrop(Accessor picture) {
    return [picture](fw::DesktopWindow&, Canvas& canvas) { canvas.Backdrop(picture()); };
}
