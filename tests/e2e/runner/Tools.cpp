#include "Tools.h"

#include <cstdlib>
#include <sstream>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define KELVORY_E2E_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KELVORY_E2E_ASAN 1
#endif
#endif

std::filesystem::path Tools::find(const std::string& command) {
    const char* path = std::getenv("PATH");
    std::istringstream folders(path ? path : "/usr/bin:/bin");
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / command;
        if (!folder.empty() && access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

bool Tools::sanitized() {
#ifdef KELVORY_E2E_ASAN
    return true;
#else
    return false;
#endif
}

int Tools::timeScale() {
    return sanitized() ? 3 : 1;
}
