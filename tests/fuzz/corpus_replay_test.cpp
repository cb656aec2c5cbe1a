// Every kept input of each reader (tests/fuzz/corpus/<reader>/: seeds and
// the reproducers of faults found by fuzzing) through its fuzz entry: none
// may crash, abort, hang or throw anything but a numbered error.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz_entries.h"

namespace {

namespace fs = std::filesystem;

using Entry = int (*)(const std::uint8_t*, std::size_t);

void Replay(const char* reader, Entry entry) {
    const fs::path folder = fs::path(TEST_SOURCE_DIR) / "tests" / "fuzz" / "corpus" / reader;
    std::vector<fs::path> inputs;
    for (const auto& item : fs::directory_iterator(folder))
        if (item.is_regular_file()) inputs.push_back(item.path());
    std::sort(inputs.begin(), inputs.end());
    ASSERT_FALSE(inputs.empty()) << "no inputs in " << folder;
    for (const fs::path& input : inputs) {
        SCOPED_TRACE(input.filename().string());
        std::ifstream in(input, std::ios::binary);
        const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()), 0);
    }
}

TEST(FuzzCorpus, Access) { Replay("access", fuzz::FuzzAccess); }
TEST(FuzzCorpus, Zip) { Replay("zip", fuzz::FuzzZip); }
TEST(FuzzCorpus, Layout) { Replay("layout", fuzz::FuzzLayout); }
TEST(FuzzCorpus, Config) { Replay("config", fuzz::FuzzConfig); }
TEST(FuzzCorpus, Execute) { Replay("execute", fuzz::FuzzExecute); }
TEST(FuzzCorpus, Paths) { Replay("paths", fuzz::FuzzPaths); }

} // namespace
