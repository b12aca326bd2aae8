#include "ui/ControlProperties.h"

#include "runtime/VariantValue.h"

#include <array>
#include <string_view>

namespace fw {

bool IsCommonDesignProperty(const std::string& name) {
    static constexpr std::array<std::string_view, 16> names = {
        "Index",
        "LockLeft",
        "LockTop",
        "LockRight",
        "LockBottom",
        "TabPanelIndex",
        "AllowAutoDeactivate",
        "Tooltip",
        "InitialParent",
        "Transparent",
        "PanelIndex",
        "_mIndex",
        "_mInitialParent",
        "_mName",
        "_mPanelIndex",
        "AllowTabStop",
    };
    for (std::string_view known : names) {
        if (known == name)
            return true;
    }
    return false;
}

bool SetFontProperty(platform::Font& font, const std::string& name, const Variant& value) {
    if (name == "FontName")
        font.family = VariantToString(value, name);
    else if (name == "FontSize")
        font.size = VariantToDouble(value, name);
    else if (name == "Bold")
        font.bold = VariantToBoolean(value, name);
    else if (name == "Italic")
        font.italic = VariantToBoolean(value, name);
    else if (name == "Underline")
        font.underline = VariantToBoolean(value, name);
    else
        return false;
    return true;
}

} // namespace fw
