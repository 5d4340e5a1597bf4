// test_files.h -- temporary folders, whole files and the fixtures for tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// A fresh folder under the system's temporary directory, made the current
// directory while the object lives, and removed with all it holds then.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

private:
    std::filesystem::path root_;
    std::filesystem::path before_;
};

void WriteBytes(const std::string& path, const std::string& bytes);
// The whole file; "(fehlt)" when there is none.
std::string ReadBytes(const std::string& path);
// The names in the current directory, sorted, joined by '|'.
std::string ListFolder();

// A file of tests/fixtures, for instance "inputs/felder/kunden.dbf".
std::string Fixture(const std::string& name);
// Copies the files of the input table `name` into the current directory.
void CopyInput(const std::string& name);

// The options of a conversion in a test.
enum ConvertOptions { kOem = 1, kRescue = 2, kMark = 4, kFAsN = 8 };
// Converts `input` to `output` with the options, the state left as the run
// before left it, as in the window program.
std::uint8_t Convert(const std::string& input, const std::string& output, int options = 0);
