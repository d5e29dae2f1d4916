#pragma once
// A fresh folder of its own for one test, removed again afterwards.

#include <filesystem>
#include <random>
#include <string>

namespace qm::testing {

class TempFolder {
public:
    TempFolder()
        : path_(std::filesystem::temp_directory_path() / ("quillmere-test-" + std::to_string(std::random_device{}()))) {
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace qm::testing
