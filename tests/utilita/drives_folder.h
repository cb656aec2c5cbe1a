#pragma once
// A drives folder of its own for one test: VANTORIMA_DRIVES points at a fresh
// temporary folder, so "C:\VanRete7.dat" is <tmp>/c/VanRete7.dat.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace testing_support {

class DrivesFolder {
public:
    DrivesFolder() {
        if (const char* old = std::getenv("VANTORIMA_DRIVES")) previous_ = old;
        ::setenv("VANTORIMA_DRIVES", dir_.path().c_str(), 1);
        std::filesystem::create_directories(dir_.path() / "c");
    }
    ~DrivesFolder() {
        if (previous_) ::setenv("VANTORIMA_DRIVES", previous_->c_str(), 1);
        else ::unsetenv("VANTORIMA_DRIVES");
    }
    DrivesFolder(const DrivesFolder&) = delete;
    DrivesFolder& operator=(const DrivesFolder&) = delete;

    const std::filesystem::path& path() const { return dir_.path(); }

    // relative: host path inside the drives folder, e.g. "c/VanRete7.dat".
    void Write(const std::string& relative, const std::string& content) const {
        std::filesystem::path file = dir_.path() / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }
    void Remove(const std::string& relative) const { std::filesystem::remove_all(dir_.path() / relative); }

    // A configuration file naming C:\archivi and the marker inside it.
    void LayOutArchive() const {
        Write("c/VanRete7.dat", "C:\\archivi\r\n");
        Write("c/archivi/VanReteAB.dat", "");
    }

private:
    TempDir dir_;
    std::optional<std::string> previous_;
};

} // namespace testing_support
