#pragma once
// The real Access files beside the source tree (../shared/testdata/jet, or
// VANTORIMA_JET_TESTDATA); tests that need them skip, saying so, without them.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace testing_support {

inline std::filesystem::path JetFolder() {
    if (const char* folder = std::getenv("VANTORIMA_JET_TESTDATA")) return folder;
    return std::filesystem::path(TEST_SOURCE_DIR).parent_path() / "shared" / "testdata" / "jet";
}

inline std::string JetFile(const std::string& name) { return (JetFolder() / name).string(); }

// Damaged copies of the real files (../shared/testdata/damaged, beside the jet folder).
inline std::string DamagedFile(const std::string& name) { return (JetFolder().parent_path() / "damaged" / name).string(); }

} // namespace testing_support

#define SKIP_WITHOUT_JET_FILES()                                                                        \
    if (!std::filesystem::exists(testing_support::JetFolder() / "nwind.mdb"))                           \
    GTEST_SKIP() << "no Access test files in " << testing_support::JetFolder() << ": Access tests skipped"
