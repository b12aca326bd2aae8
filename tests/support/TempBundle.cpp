#include "support/TempBundle.h"

#include <fstream>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

TempBundle::TempBundle() {
    std::random_device seed;
    base_ = fs::temp_directory_path() / ("kelvory-test-" + std::to_string(seed()));
    root_ = base_ / "Kelvory";
    fs::create_directories(root_ / "bin");
    std::ofstream(executable()) << "#!/bin/false\n";
    fs::create_directories(resources());
    for (const auto& entry : fs::directory_iterator(fs::path(KELVORY_SOURCE_DIR) / "media" / "files"))
        fs::copy_file(entry.path(), resources() / entry.path().filename());
}

TempBundle::~TempBundle() {
    std::error_code ignored;
    fs::remove_all(base_, ignored);
}

void TempBundle::remove(const std::string& file) const { fs::remove(resources() / file); }

void TempBundle::write(const std::string& file, const std::string& contents) const {
    std::ofstream(resources() / file, std::ios::binary | std::ios::trunc) << contents;
}

void TempBundle::truncateToHalf(const std::string& file) const {
    const auto path = resources() / file;
    fs::resize_file(path, fs::file_size(path) / 2);
}

void TempBundle::danglingLink(const std::string& file) const {
    fs::remove(resources() / file);
    fs::create_symlink(resources() / "no-such-file", resources() / file);
}

void TempBundle::removeResources() const { fs::remove_all(resources()); }
