#include "media/FolderItem.h"

#include "media/Movie.h"
#include "media/Sound.h"
#include "platform/Platform.h"
#include "runtime/ClassRecord.h"
#include "runtime/MethodAdapter.h"
#include "runtime/PropertyAdapter.h"
#include "runtime/Runtime.h"

#include <system_error>

namespace fw {

namespace fs = std::filesystem;

const ClassRecord& FolderItem::Lookup_() {
    static const ClassRecord& record =
        ClassRegistry::the().define("FolderItem", &Object::Lookup_(), [](ClassRecord& r) {
            r.methods = {
                {"Child", "(String, Boolean) As FolderItem", method(&FolderItem::Child), {}},
                {"OpenAsSound", "() As Sound", method(&FolderItem::OpenAsSound), {}},
                {"OpenAsMovie", "() As Movie", method(&FolderItem::OpenAsMovie), {}},
            };
            r.properties = {
                DescribeReadOnly("Name", "String", &FolderItem::Name),
                DescribeReadOnly("Exists", "Boolean", &FolderItem::Exists),
                DescribeReadOnly("IsFolder", "Boolean", &FolderItem::IsFolder),
                DescribeReadOnly("Parent", "FolderItem", &FolderItem::Parent),
            };
        });
    return record;
}

bool FolderItem::Exists() const {
    std::error_code error;
    return fs::exists(path_, error);
}

bool FolderItem::IsFolder() const {
    std::error_code error;
    return fs::is_directory(path_, error);
}

std::shared_ptr<FolderItem> FolderItem::Parent() const {
    fs::path path = path_.lexically_normal();
    if (!path.has_filename() && path.has_relative_path())
        path = path.parent_path(); // "folder/" names the folder itself
    if (!path.has_relative_path())
        return nullptr; // the root, or nothing at all
    fs::path parent = path.parent_path();
    if (parent.empty())
        return nullptr;
    return std::make_shared<FolderItem>(parent);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name, bool followAlias) const {
    if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos || !IsFolder())
        return nullptr;
    fs::path child = path_ / name;
    std::error_code error;
    if (!followAlias) {
        if (!fs::exists(fs::symlink_status(child, error)))
            return nullptr;
        return std::make_shared<FolderItem>(child);
    }
    // Following an alias: the item is where the link leads; a link that leads nowhere is nothing.
    if (!fs::exists(fs::status(child, error)))
        return nullptr;
    if (!fs::is_symlink(fs::symlink_status(child, error)))
        return std::make_shared<FolderItem>(child);
    fs::path target = fs::canonical(child, error);
    if (error)
        return nullptr;
    return std::make_shared<FolderItem>(target);
}

namespace {

// Why a file gave no media, as a user would want it said.
std::string whyNotOpened(const fs::path& path, const char* kind) {
    std::error_code error;
    if (!fs::exists(path, error))
        return "cannot open " + path.string() + ": no such file";
    if (fs::is_regular_file(path, error) && fs::file_size(path, error) == 0)
        return "cannot open " + path.string() + ": the file is empty";
    return "cannot open " + path.string() + ": not " + kind + " this program can play";
}

} // namespace

// A file that gives nothing is said once, here, where the reason is known; the caller sees nil.
std::shared_ptr<Sound> FolderItem::OpenAsSound() const {
    auto native = platform::Platform::the().openSound(path_);
    if (!native) {
        RuntimeReportProblem(whyNotOpened(path_, "a sound"));
        return nullptr;
    }
    return std::make_shared<Sound>(path_, std::move(native));
}

std::shared_ptr<Movie> FolderItem::OpenAsMovie() const {
    auto native = platform::Platform::the().openMovie(path_);
    if (!native) {
        RuntimeReportProblem(whyNotOpened(path_, "a movie"));
        return nullptr;
    }
    return std::make_shared<Movie>(std::move(native));
}

std::shared_ptr<FolderItem> ExecutableFile() {
    fs::path path = platform::Platform::the().executablePath();
    return path.empty() ? nullptr : std::make_shared<FolderItem>(path);
}

} // namespace fw
