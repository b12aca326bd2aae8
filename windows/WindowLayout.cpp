#include "windows/WindowLayout.h"

#include "ui/ColorGroup.h"
#include "ui/DesktopWindow.h"

#include <cstdint>

fw::StoredProperties StoredWindowProperties(const WindowLook& look) {
    fw::StoredProperties properties = {{"Width", std::int64_t{look.width}},
                                       {"Height", std::int64_t{look.height}}};
    if (look.sizeLimits)
        properties.insert(properties.end(), {{"MinimumWidth", std::int64_t{64}},
                                             {"MinimumHeight", std::int64_t{64}},
                                             {"MaximumWidth", std::int64_t{32000}},
                                             {"MaximumHeight", std::int64_t{32000}}});
    properties.insert(properties.end(), {{"Type", std::int64_t{0}},
                                         {"Title", look.title},
                                         {"HasCloseButton", look.hasCloseButton},
                                         {"HasMaximizeButton", false},
                                         {"HasMinimizeButton", false},
                                         {"HasFullScreenButton", false},
                                         {"Resizeable", false},
                                         {"FullScreen", false},
                                         {"DefaultLocation", std::int64_t{2}},
                                         {"Visible", look.visible},
                                         {"HasBackgroundColor", false}});
    return properties;
}

std::shared_ptr<fw::ColorGroup> NewColor(fw::DesktopWindow& window, std::uint64_t rgb) {
    auto color = window.New_<fw::ColorGroup>();
    color->SetFromUInt64(rgb);
    return color;
}

void SetWhiteBackground(fw::DesktopWindow& window) {
    window.BackgroundColor(NewColor(window, 0xFFFFFF));
}
