// test_files.cpp -- temporary folders, whole files and the fixtures.
#include "test_files.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <vector>

#include "app/oem_option.h"
#include "convert/conversion_run.h"
#include "support/app_state.h"

namespace fs = std::filesystem;

TempFolder::TempFolder() : before_(fs::current_path()) {
    static std::atomic<unsigned> counter{0};
    auto stamp = std::chrono::steady_clock::now().time_since_epoch().count() % 100000000;
    root_ = fs::temp_directory_path() /
            ("kelvor-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    fs::create_directories(root_);
    root_ = fs::canonical(root_);
    fs::current_path(root_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::current_path(before_, ignored);
    fs::remove_all(root_, ignored);
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out) throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return "(fehlt)";
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ListFolder() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(".")) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::string all;
    for (const std::string& name : names) all += (all.empty() ? "" : "|") + name;
    return all;
}

std::string Fixture(const std::string& name) { return (fs::path(KELVOR_FIXTURES) / name).string(); }

void CopyInput(const std::string& name) {
    for (const auto& entry : fs::directory_iterator(Fixture("inputs/" + name))) {
        fs::copy_file(entry.path(), entry.path().filename(), fs::copy_options::overwrite_existing);
    }
}

std::uint8_t Convert(const std::string& input, const std::string& output, int options) {
    std::strcpy(appState.inputPath, input.c_str());
    std::strcpy(appState.outputPath, output.c_str());
    SetOemToAnsi(options & kOem);
    appState.skipDamagedMemos = (options & kRescue) != 0;
    appState.codepageMark = (options & kMark) != 0;
    appState.numericF = (options & kFAsN) != 0;
    appState.steps.marker4 = '>';
    return ConversionRun();
}
