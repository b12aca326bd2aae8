#include "services/Services.h"

#include "platform/Platform.h"
#include "runtime/MainThread.h"

namespace fw {

void ShowURL(const std::string& url) {
    RequireMainThread();
    platform::Platform::the().showURL(url);
}

void MessageBox(const std::string& text) {
    RequireMainThread();
    platform::Platform::the().messageBox(text);
}

} // namespace fw
