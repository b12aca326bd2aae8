#include "BundleCopy.h"

#include <cstdlib>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path makeTempFolder() {
    std::string pattern = (fs::temp_directory_path() / "kelvory-e2e-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder");
    return pattern;
}

} // namespace

BundleCopy::BundleCopy(const fs::path& program) : base_(makeTempFolder()), root_(base_ / "Kelvory") {
    fs::create_directories(root_ / "bin");
    fs::create_directories(work());
    fs::copy(fs::path(KELVORY_BUNDLE_DIR) / "Resources", resources(), fs::copy_options::recursive);
    // A copy, not a link: /proc/self/exe names a link's target, and a read-only case must not
    // change the build's own file.
    fs::copy_file(program, executable());
}

BundleCopy::~BundleCopy() {
    if (std::getenv("KELVORY_E2E_KEEP"))
        return;
    std::error_code ignored;
    for (const auto& entry : fs::recursive_directory_iterator(base_, ignored))
        fs::permissions(entry.path(), fs::perms::owner_all,
                        fs::perm_options::add | fs::perm_options::nofollow, ignored);
    fs::remove_all(base_, ignored);
}

void BundleCopy::remove(const std::string& file) const {
    fs::remove(resources() / file);
}

void BundleCopy::write(const std::string& file, const std::string& contents) const {
    fs::remove(resources() / file);
    std::ofstream(resources() / file, std::ios::binary) << contents;
}

void BundleCopy::truncateToHalf(const std::string& file) const {
    fs::resize_file(resources() / file, fs::file_size(resources() / file) / 2);
}

void BundleCopy::danglingLink(const std::string& file) const {
    fs::remove(resources() / file);
    fs::create_symlink(base_ / "nowhere" / file, resources() / file);
}

void BundleCopy::removeResources() const {
    fs::remove_all(resources());
}

void BundleCopy::makeReadOnly() const {
    const auto writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    for (const auto& entry : fs::recursive_directory_iterator(root_))
        if (!entry.is_symlink())
            fs::permissions(entry.path(), writable, fs::perm_options::remove);
    fs::permissions(root_, writable, fs::perm_options::remove);
}
