#pragma once

#include <filesystem>
#include <string>

// A real bundle folder for one test: <tmp>/Kelvory/bin/kelvory beside <tmp>/Kelvory/Resources
// holding copies of the shipped media files, removed again when the test ends.
class TempBundle {
public:
    TempBundle();
    ~TempBundle();
    TempBundle(const TempBundle&) = delete;
    TempBundle& operator=(const TempBundle&) = delete;

    std::filesystem::path executable() const { return root_ / "bin" / "kelvory"; }
    std::filesystem::path resources() const { return root_ / "Resources"; }
    std::filesystem::path root() const { return root_; }

    void remove(const std::string& file) const;
    void write(const std::string& file, const std::string& contents) const;
    void truncateToHalf(const std::string& file) const;
    void danglingLink(const std::string& file) const;
    void removeResources() const;

private:
    std::filesystem::path base_;
    std::filesystem::path root_;
};
