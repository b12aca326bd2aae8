#pragma once

#include "platform/NativeControl.h"
#include "runtime/Variant.h"

#include <string>

namespace fw {

// Stored property names every visible control accepts and only keeps (layout anchors, indexed
// sets, panels, tooltips...).
bool IsCommonDesignProperty(const std::string& name);
// Applies FontName, FontSize, Bold, Italic or Underline to `font`; false for any other name.
bool SetFontProperty(platform::Font& font, const std::string& name, const Variant& value);

} // namespace fw
