#pragma once

#include <filesystem>
#include <string>

// What tests read of the machine around them.
namespace shell {

// What a shell command wrote on standard output.
std::string output(const std::string& command);
std::string readFile(const std::filesystem::path& file);

} // namespace shell
