#pragma once
// Points the drives folder at a fresh temporary folder for each test and
// restores the environment and current folder afterwards.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"
#include "winfs/runtime_error.h"

namespace winfs_testing {

class DrivesTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (const char* old = std::getenv("VANTORIMA_DRIVES")) saved_ = old;
        drives_ = temp_.path() / "drives";
        std::filesystem::create_directories(drives_ / "c");
        setenv("VANTORIMA_DRIVES", drives_.c_str(), 1);
        cwd_ = std::filesystem::current_path();
    }
    void TearDown() override {
        std::filesystem::current_path(cwd_);
        if (saved_) setenv("VANTORIMA_DRIVES", saved_->c_str(), 1);
        else unsetenv("VANTORIMA_DRIVES");
    }

    // Writes a file below the drives folder (relative host path), making its folders.
    std::filesystem::path Write(const std::string& relative, const std::string& content) {
        std::filesystem::path p = drives_ / relative;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary) << content;
        return p;
    }
    std::filesystem::path Folder(const std::string& relative) {
        std::filesystem::create_directories(drives_ / relative);
        return drives_ / relative;
    }

    testing_support::TempDir temp_;
    std::filesystem::path drives_;

private:
    std::optional<std::string> saved_;
    std::filesystem::path cwd_;
};

// The Basic error number thrown by f, or 0 when it throws none.
template <typename F>
int ErrorNumberOf(F&& f) {
    try {
        f();
    } catch (const vb::RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

} // namespace winfs_testing
