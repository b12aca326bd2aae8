#pragma once

#include <filesystem>
#include <string>

// Where the programs under test are, and what the machine offers the tests.
class Tools {
public:
    // The program with its scenario driver (tests/e2e/driver).
    static std::filesystem::path driverBuild() { return KELVORY_E2E_DRIVER; }
    // The executable users run.
    static std::filesystem::path shippedProgram() { return KELVORY_E2E_PROGRAM; }
    static std::filesystem::path sourceTree() { return KELVORY_SOURCE_DIR; }

    // The full path of a command found on PATH, or empty.
    static std::filesystem::path find(const std::string& command);
    // Built with AddressSanitizer: slower, and no valgrind.
    static bool sanitized();
    // How much longer than usual the programs take in this build.
    static int timeScale();
};
