// test_files.h -- a temporary folder and whole-file reads and writes for tests.
#pragma once

#include <filesystem>
#include <string>

// A fresh folder under the system's temporary directory, removed with all it
// holds when the object goes.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The path of `name` inside the folder, as the platform writes paths.
    std::string Path(const std::string& name) const;
    const std::filesystem::path& Root() const { return root_; }

private:
    std::filesystem::path root_;
};

// A path written with '\\' as Win32 spells it, with the platform's own separator.
std::string NativePath(std::string windowsPath);

void WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
// The names of the entries of a folder, sorted, joined by '|'.
std::string ListFolder(const std::filesystem::path& folder);
