#pragma once

#include "ui/StoredProperties.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class ColorGroup;
class DesktopWindow;
} // namespace fw

// What the program's windows store of themselves; they differ only in these.
struct WindowLook {
    int width;
    int height;
    std::string title;
    bool hasCloseButton;
    bool visible;
    bool sizeLimits; // the intro and credits windows also store minimum and maximum sizes
};

// A titled, fixed-size window without minimise, maximise or full-screen button, placed by the
// desktop, showing the standard window background.
fw::StoredProperties StoredWindowProperties(const WindowLook& look);

// A colour made through the window from 0x00RRGGBB (alpha 0: opaque).
std::shared_ptr<fw::ColorGroup> NewColor(fw::DesktopWindow& window, std::uint64_t rgb);

// Gives the window an opaque white BackgroundColor made through the window. The stored
// properties that follow leave it unpainted, so the standard background shows, dark mode included.
void SetWhiteBackground(fw::DesktopWindow& window);
