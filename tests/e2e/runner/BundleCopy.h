#pragma once

#include <filesystem>
#include <string>

// A copy of the built bundle for one case, in a fresh temporary folder:
//   <tmp>/Kelvory/bin/kelvory     the program (or the driver build of it)
//   <tmp>/Kelvory/Resources/      the shipped media, damaged as the case needs
//   <tmp>/work/                   a folder for the case's own files (logs, output, runtime dir)
// The program finds its media from its own location, so this copy is all it sees.
class BundleCopy {
public:
    explicit BundleCopy(const std::filesystem::path& program);
    ~BundleCopy();
    BundleCopy(const BundleCopy&) = delete;
    BundleCopy& operator=(const BundleCopy&) = delete;

    std::filesystem::path executable() const { return root_ / "bin" / "kelvory"; }
    std::filesystem::path resources() const { return root_ / "Resources"; }
    std::filesystem::path root() const { return root_; }
    std::filesystem::path work() const { return base_ / "work"; }

    void remove(const std::string& file) const;
    void write(const std::string& file, const std::string& contents) const;
    void truncateToHalf(const std::string& file) const;
    // A link in place of the file that leads nowhere.
    void danglingLink(const std::string& file) const;
    void removeResources() const;
    // Makes the whole bundle read-only, as an installed one is.
    void makeReadOnly() const;

private:
    std::filesystem::path base_;
    std::filesystem::path root_;
};
