#pragma once

#include <string>

namespace fw {

// Hands `url` to the desktop to open in the default browser; a failure there is not reported.
void ShowURL(const std::string& url);
// Shows a modal message; returns once the user has dismissed it.
void MessageBox(const std::string& text);

} // namespace fw
