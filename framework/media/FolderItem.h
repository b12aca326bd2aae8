#pragma once

#include "runtime/Object.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fw {

class Movie;
class Sound;

// A file or folder on disk.
class FolderItem : public Object {
public:
    explicit FolderItem(std::filesystem::path path) : path_(std::move(path)) {}
    static const ClassRecord& Lookup_();
    const ClassRecord& classRecord() const override { return Lookup_(); }

    const std::filesystem::path& path() const { return path_; }
    std::string Name() const { return path_.filename().string(); }
    bool Exists() const;
    bool IsFolder() const;

    // The folder holding this item, or nil at the root.
    std::shared_ptr<FolderItem> Parent() const;
    // The item called `name` inside this folder, or nil when there is none. With `followAlias` a
    // symbolic link is resolved; a dangling one gives nil.
    std::shared_ptr<FolderItem> Child(const std::string& name, bool followAlias = true) const;

    // Nil when the file is missing, empty, unreadable or not a sound (or movie).
    std::shared_ptr<Sound> OpenAsSound() const;
    std::shared_ptr<Movie> OpenAsMovie() const;

private:
    std::filesystem::path path_;
};

// The running program's executable.
std::shared_ptr<FolderItem> ExecutableFile();

} // namespace fw
