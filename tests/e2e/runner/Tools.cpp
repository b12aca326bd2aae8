#include "Tools.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
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

std::string Tools::output(const std::string& command) {
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        while (std::fgets(buffer, sizeof buffer, pipe))
            text += buffer;
        pclose(pipe);
    }
    return text;
}

std::string Tools::readFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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
