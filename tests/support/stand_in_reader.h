#pragma once
// A shell script that the engine starts in place of its Access reader while
// this object lives.
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace testing_support {

// The real Access reader, beside the test programs.
inline std::filesystem::path RealAccessReader() {
    return std::filesystem::read_symlink("/proc/self/exe").parent_path() / "access_reader";
}

class StandInReader {
public:
    StandInReader(const std::string& script, const std::string& body) {
        std::ofstream(script) << "#!/bin/sh\n" << body << "\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_exec, std::filesystem::perm_options::add);
        setenv("VANTORIMA_ACCESS_READER", script.c_str(), 1);
    }
    ~StandInReader() { unsetenv("VANTORIMA_ACCESS_READER"); }
    StandInReader(const StandInReader&) = delete;
    StandInReader& operator=(const StandInReader&) = delete;
};

} // namespace testing_support
